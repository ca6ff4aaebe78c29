// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "weir_head_window.h"

#include "accessibility.h"
#include "announcer.h"
#include "calculation.h"
#include "caption_label.h"
#include "captions.h"
#include "layout_table.h"
#include "printed_output.h"
#include "rating_window_interface.h"
#include "result_text.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QDir>
#include <QMoveEvent>
#include <QPluginLoader>
#include <QProxyStyle>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// The desktop's style, with menu-bar titles four pixels narrower on each side.
// (A style sheet would do the same, at the price of Qt's whole style-sheet
// machinery at start-up.)
class CloseMenuTitles : public QProxyStyle
{
public:
    explicit CloseMenuTitles(QObject *owner)
    {
        setParent(owner);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem)
            result.rwidth() -= 8;
        return result;
    }
};

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

// The layout was drawn for a 9-point proportional Japanese Gothic UI font whose
// lines are about 12 px high at 96 dpi; IPA P Gothic at 9 points matches it.
QFont WeirHeadWindow::designFont()
{
    QFont font(QStringLiteral("IPAPGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

WeirHeadWindow::WeirHeadWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_clientArea(new QWidget(this))
    , m_printColor(Layout::fromBgr(Layout::kPrintColor))
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("ZELMORAK"));
    // A fixed size: no maximise button that would do nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Caption::window);
    setFont(designFont());
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    m_clientArea->setPalette(Layout::clientPalette());
    m_clientArea->setAutoFillBackground(true);
    setCentralWidget(m_clientArea);

    buildControls();
    buildMenus();
    // The window is exactly its client area (and whatever bars sit above it).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    centreOnScreen();
    setKeyboardOrder();
}

void WeirHeadWindow::buildControls()
{
    const qreal dpiX = logicalDpiX();
    const qreal dpiY = logicalDpiY();
    const auto toRect = [dpiX, dpiY](int left, int top, int width, int height) {
        return QRect(Layout::twipsToPixels(left, dpiX), Layout::twipsToPixels(top, dpiY),
                     Layout::twipsToPixels(width, dpiX), Layout::twipsToPixels(height, dpiY));
    };
    m_clientArea->setFixedSize(Layout::twipsToPixels(Layout::kClientWidth, dpiX),
                               Layout::twipsToPixels(Layout::kClientHeight, dpiY));

    // Created first, so it lies under every control.
    m_printed = new PrintedOutput(m_clientArea);
    m_printed->setGeometry(m_clientArea->rect());
    m_announcer = new Announcer(m_clientArea);

    const QColor back = Layout::fromBgr(Layout::kBackColor);
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        QWidget *control = nullptr;
        switch (spec.kind) {
        case Layout::Kind::TextBox: {
            auto *box = new QLineEdit(m_clientArea);
            if (spec.textColor)
                setPaletteColor(box, QPalette::Text, Layout::fromBgr(*spec.textColor));
            // Return in any box calculates, as in a dialog with a default button.
            connect(box, &QLineEdit::returnPressed, this, &WeirHeadWindow::calculate);
            control = box;
            break;
        }
        case Layout::Kind::Button: {
            auto *button = new QPushButton(spec.caption, m_clientArea);
            button->setAutoDefault(true); // Return and Enter press a focused button
            control = button;
            break;
        }
        case Layout::Kind::Label: {
            auto *label = new CaptionLabel(spec.caption, m_clientArea);
            label->setAutoFillBackground(true);
            setPaletteColor(label, QPalette::Window, back);
            if (spec.textColor)
                setPaletteColor(label, QPalette::WindowText, Layout::fromBgr(*spec.textColor));
            control = label;
            break;
        }
        }
        control->setObjectName(QString::fromLatin1(spec.name));
        control->setGeometry(toRect(spec.left, spec.top, spec.width, spec.height));
    }

    const auto named = [this](const char *name) { return m_clientArea->findChild<QWidget *>(QLatin1String(name)); };
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        if (spec.buddy)
            static_cast<QLabel *>(named(spec.name))->setBuddy(named(spec.buddy));
    }
    fitLabelsToCaptions();

    // Printed lines keep to the band above the highest control.
    int band = m_clientArea->height();
    for (const QWidget *control : m_clientArea->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control != m_printed)
            band = std::min(band, control->y());
    }
    m_printed->setBandHeight(band);

    const auto box = [&named](const char *name) { return static_cast<QLineEdit *>(named(name)); };
    m_widthBox = box(inputBoxInfo(InputBox::Width).objectName);
    m_flowBox = box(inputBoxInfo(InputBox::Flow).objectName);
    m_minimumBox = box(inputBoxInfo(InputBox::Minimum).objectName);
    m_maximumBox = box(inputBoxInfo(InputBox::Maximum).objectName);
    m_headBox = box("Text4");
    m_trialsBox = box("Text5");
    m_calculateButton = static_cast<QPushButton *>(named("Command1"));
    m_clearButton = static_cast<QPushButton *>(named("Command2"));
    // A complaint about a box is about what was typed: once that changes, a
    // screen reader should no longer read it out.
    for (const InputBoxInfo &info : inputBoxes()) {
        QLineEdit *input = inputBox(info.box);
        connect(input, &QLineEdit::textChanged, input, [input] { input->setAccessibleDescription({}); });
    }
    // The range note belongs to the head: read with it.
    m_headBox->setAccessibleDescription(Caption::validRange.simplified());
    connect(m_calculateButton, &QPushButton::clicked, this, &WeirHeadWindow::calculate);
    connect(m_clearButton, &QPushButton::clicked, this, &WeirHeadWindow::clear);
}

// Above the client area, so that no control moves. Every menu and item has a
// mnemonic, so the bar works from the keyboard (Alt+F, Alt+E, Alt+H).
void WeirHeadWindow::buildMenus()
{
    // Four menus across a window 240 pixels wide: the items sit closer than
    // the style's default, so that none is pushed into an overflow button.
    menuBar()->setStyle(new CloseMenuTitles(menuBar()));
    QMenu *file = menuBar()->addMenu(QStringLiteral(u"ファイル(&F)"));
    m_quitAction = file->addAction(QStringLiteral(u"終了(&X)"), this, &QWidget::close);
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menuBar()->addMenu(QStringLiteral(u"編集(&E)"));
    m_copyResultAction = edit->addAction(QStringLiteral(u"結果をコピー(&C)"), this, &WeirHeadWindow::copyResult);

    QMenu *view = menuBar()->addMenu(QStringLiteral(u"表示(&V)"));
    m_ratingAction = view->addAction(QStringLiteral(u"水位流量表(&T)..."), this, &WeirHeadWindow::openRatingWindow);
    m_ratingAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    QMenu *help = menuBar()->addMenu(QStringLiteral(u"ヘルプ(&H)"));
    m_aboutAction = help->addAction(QStringLiteral(u"このプログラムについて(&A)"), this, &WeirHeadWindow::showAbout);
    help->addAction(QStringLiteral(u"Qt について(&Q)"), qApp, &QApplication::aboutQt);
}

// A caption a few pixels wider than its label (the font is not the one the
// window was drawn with) may widen the label to the right, as long as it stays
// clear of the controls beside it. Left, top and height stay as drawn.
void WeirHeadWindow::fitLabelsToCaptions()
{
    const QList<QWidget *> controls = m_clientArea->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (CaptionLabel *label : m_clientArea->findChildren<CaptionLabel *>(Qt::FindDirectChildrenOnly)) {
        const QFontMetrics metrics(label->font());
        const bool oneLine = label->height() < 2 * metrics.lineSpacing();
        const int needed = oneLine ? metrics.horizontalAdvance(label->text().trimmed()) : label->widestWord();
        if (needed <= label->width())
            continue;

        const QRect own = label->geometry();
        int limit = m_clientArea->width();
        for (const QWidget *other : controls) {
            const QRect g = other->geometry();
            if (other != label && other != m_printed && g.left() > own.left() && g.top() <= own.bottom()
                && g.bottom() >= own.top())
                limit = std::min(limit, g.left());
        }
        // A one-line caption takes what room there is; a wrapped one widens
        // only if that keeps its words whole (else it breaks inside the word
        // either way, and the label may as well keep its drawn width).
        const int room = limit - own.left();
        if (oneLine || needed <= room)
            label->resize(std::min(needed, room), own.height());
    }
}

// Centre the window, frame included, on its screen's available area (the
// screen less panels and docks). The sizes are taken in twips and the
// arithmetic done in single precision. A window larger than the area keeps its
// top-left corner inside it, so that its title bar can always be reached.
//
// Before the window is shown no frame is known, and the window is centred by
// its own size; the window manager's frame arrives with the first move after
// mapping, and moveEvent centres it once more then.
void WeirHeadWindow::centreOnScreen()
{
    const QScreen *here = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!here)
        return;
    const float twipsPerPixelX = 1440.0f / float(logicalDpiX());
    const float twipsPerPixelY = 1440.0f / float(logicalDpiY());
    const QRect area = here->availableGeometry();
    const QRect outer = frameGeometry();
    const float areaWidth = float(area.width()) * twipsPerPixelX;
    const float areaHeight = float(area.height()) * twipsPerPixelY;
    const float windowWidth = float(outer.width()) * twipsPerPixelX;
    const float windowHeight = float(outer.height()) * twipsPerPixelY;
    const float left = std::max(0.0f, (areaWidth - windowWidth) / 2.0f);
    const float top = std::max(0.0f, (areaHeight - windowHeight) / 2.0f);
    move(area.left() + qRound(left / twipsPerPixelX), area.top() + qRound(top / twipsPerPixelY));
}

void WeirHeadWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (!m_centredWithFrame && isVisible() && frameGeometry().size() != size()) {
        m_centredWithFrame = true;
        centreOnScreen();
    }
}

// The width box comes first and has the focus; Tab then follows kTabOrder.
void WeirHeadWindow::setKeyboardOrder()
{
    const auto named = [this](const char *name) { return m_clientArea->findChild<QWidget *>(QLatin1String(name)); };
    for (std::size_t i = 1; i < Layout::kTabOrder.size(); ++i)
        setTabOrder(named(Layout::kTabOrder[i - 1]), named(Layout::kTabOrder[i]));
    named(Layout::kTabOrder.front())->setFocus();
}

QLineEdit *WeirHeadWindow::inputBox(InputBox box) const
{
    switch (box) {
    case InputBox::Width: return m_widthBox;
    case InputBox::Flow: return m_flowBox;
    case InputBox::Minimum: return m_minimumBox;
    case InputBox::Maximum: return m_maximumBox;
    }
    return nullptr;
}

void WeirHeadWindow::calculate()
{
    m_printed->clearOutput();
    m_headBox->clear();
    m_trialsBox->clear();
    forgetInputComplaints();

    const CalculationOutcome outcome = ::calculate(inputTexts(), locale());
    m_shownHeadMm.reset();

    for (const PrintedLine &line : outcome.lines)
        m_printed->printLine(line.text, line.tone == PrintedLine::Tone::Note ? Layout::fromBgr(Layout::kNoteColor)
                                                                             : m_printColor);
    switch (outcome.kind) {
    case CalculationOutcome::Kind::Incomplete:
        // Nothing to say; the cursor goes to the box still to fill in.
        if (outcome.box)
            inputBox(*outcome.box)->setFocus(Qt::OtherFocusReason);
        m_announcer->announce({});
        break;
    case CalculationOutcome::Kind::Shown:
        m_headBox->setText(outcome.headText);
        m_headBox->setCursorPosition(0);
        m_trialsBox->setText(outcome.trialsText);
        m_trialsBox->setCursorPosition(0);
        m_shownHeadMm = locale().toDouble(outcome.headText);
        m_announcer->announce((QStringList{Caption::head + u' ' + outcome.headText,
                                           Caption::trials + u' ' + outcome.trialsText}
                               + outcome.texts())
                                  .join(QStringLiteral(u"、")).simplified());
        break;
    case CalculationOutcome::Kind::Printed:
        if (outcome.box) {
            // Put the user straight into the box to correct, and let a screen
            // reader say why when it lands there.
            QLineEdit *box = inputBox(*outcome.box);
            box->setAccessibleDescription(outcome.texts().join(QLatin1Char(' ')).trimmed());
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        m_announcer->announce(outcome.texts().join(QLatin1Char(' ')).simplified());
        break;
    }
    if (m_rating)
        m_rating->takeShownHead(m_shownHeadMm);
}

BoxTexts WeirHeadWindow::inputTexts() const
{
    BoxTexts texts;
    for (const InputBoxInfo &info : inputBoxes())
        texts[info.box] = inputBox(info.box)->text();
    return texts;
}

void WeirHeadWindow::forgetInputComplaints()
{
    for (const InputBoxInfo &info : inputBoxes())
        inputBox(info.box)->setAccessibleDescription({});
}

void WeirHeadWindow::clear()
{
    m_printed->clearOutput();
    m_announcer->announce({});
    m_shownHeadMm.reset();
    if (m_rating)
        m_rating->takeShownHead(m_shownHeadMm);
    forgetInputComplaints();
    for (QLineEdit *box : {m_flowBox, m_minimumBox, m_maximumBox, m_headBox, m_trialsBox, m_widthBox})
        box->clear();
}

void WeirHeadWindow::copyResult()
{
    QGuiApplication::clipboard()->setText(
        resultForSpreadsheet(inputTexts(), m_headBox->text(), m_trialsBox->text(), locale()));
}

void WeirHeadWindow::showAbout()
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral(u"このプログラムについて"),
                                aboutText(QStringLiteral(WEIR_HEAD_VERSION)), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void WeirHeadWindow::openRatingWindow()
{
    if (!m_rating) {
        QString failure;
        for (const QString &folder : QStringLiteral(WEIR_HEAD_PLUGIN_DIRS).split(u':')) {
            QPluginLoader loader(QDir(QCoreApplication::applicationDirPath()).filePath(folder + QStringLiteral("/weir-head-rating.so")));
            if (auto *factory = qobject_cast<RatingWindowFactory *>(loader.instance())) {
                m_rating = factory->createRatingWindow(this);
                break;
            }
            if (failure.isEmpty())
                failure = loader.errorString();
        }
        if (!m_rating) {
            QMessageBox::warning(this, QStringLiteral(u"水位流量表"),
                                 QStringLiteral(u"水位流量表を開けません: %1").arg(failure));
            return;
        }
    }
    const BoxTexts texts = inputTexts();
    m_rating->takeBoxes({texts[InputBox::Width], texts[InputBox::Minimum], texts[InputBox::Maximum], m_shownHeadMm,
                         locale()});
    QWidget *window = m_rating->widget();
    if (!window->isVisible()) {
        // Beside the calculator: to its right, else to its left; where
        // neither side has room, against the screen's edge on the roomier side.
        const QRect area = screen() ? screen()->availableGeometry() : QRect();
        const QRect calculator = frameGeometry();
        QPoint at = calculator.topRight() + QPoint(8, 0);
        if (area.isValid() && at.x() + window->width() > area.right()) {
            const int leftRoom = calculator.left() - area.left();
            const int rightRoom = area.right() - calculator.right();
            if (leftRoom >= window->width() + 8)
                at.setX(calculator.left() - 8 - window->width());
            else
                at.setX(rightRoom > leftRoom ? std::max(area.left(), area.right() - window->width()) : area.left());
        }
        if (area.isValid())
            at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - window->height())));
        window->move(at);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
