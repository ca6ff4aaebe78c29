#include "zelmorak.h"

#include "calculation.h"
#include "caption_label.h"
#include "captions.h"
#include "layout_table.h"
#include "printed_output.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

// The layout was drawn for a 9-point proportional Japanese Gothic UI font whose
// lines are about 12 px high at 96 dpi; IPA P Gothic at 9 points matches it.
QFont ZELMORAK::designFont()
{
    QFont font(QStringLiteral("IPAPGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

ZELMORAK::ZELMORAK(QWidget *parent)
    : QWidget(parent)
    , m_printColor(Layout::fromBgr(Layout::kPrintColor))
{
    setObjectName(QStringLiteral("ZELMORAK"));
    setWindowTitle(Caption::window);
    setFont(designFont());
    setPaletteColor(this, QPalette::Window, Layout::fromBgr(Layout::kBackColor));
    setAutoFillBackground(true);

    buildControls();
    Form_Load();
}

void ZELMORAK::buildControls()
{
    const qreal dpiX = logicalDpiX();
    const qreal dpiY = logicalDpiY();
    const auto toRect = [dpiX, dpiY](int left, int top, int width, int height) {
        return QRect(Layout::twipsToPixels(left, dpiX), Layout::twipsToPixels(top, dpiY),
                     Layout::twipsToPixels(width, dpiX), Layout::twipsToPixels(height, dpiY));
    };
    setFixedSize(Layout::twipsToPixels(Layout::kClientWidth, dpiX),
                 Layout::twipsToPixels(Layout::kClientHeight, dpiY));

    // Created first, so it lies under every control.
    m_printed = new PrintedOutput(this);
    m_printed->setGeometry(rect());

    const QColor back = Layout::fromBgr(Layout::kBackColor);
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        QWidget *control = nullptr;
        switch (spec.kind) {
        case Layout::Kind::TextBox: {
            auto *box = new QLineEdit(this);
            if (spec.textColor)
                setPaletteColor(box, QPalette::Text, Layout::fromBgr(*spec.textColor));
            // Return in any box calculates, as in a dialog with a default button.
            connect(box, &QLineEdit::returnPressed, this, &ZELMORAK::Command1_Click);
            control = box;
            break;
        }
        case Layout::Kind::Button: {
            auto *button = new QPushButton(spec.caption, this);
            button->setAutoDefault(true); // Return and Enter press a focused button
            control = button;
            break;
        }
        case Layout::Kind::Label: {
            auto *label = new CaptionLabel(spec.caption, this);
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

    for (const Layout::ControlSpec &spec : Layout::controls()) {
        if (spec.buddy)
            findChild<QLabel *>(QString::fromLatin1(spec.name))
                ->setBuddy(findChild<QWidget *>(QString::fromLatin1(spec.buddy)));
    }
    fitLabelsToCaptions();

    Text1 = findChild<QLineEdit *>(QStringLiteral("Text1"));
    Text2 = findChild<QLineEdit *>(QStringLiteral("Text2"));
    Text3 = findChild<QLineEdit *>(QStringLiteral("Text3"));
    Text4 = findChild<QLineEdit *>(QStringLiteral("Text4"));
    Text5 = findChild<QLineEdit *>(QStringLiteral("Text5"));
    Text6 = findChild<QLineEdit *>(QStringLiteral("Text6"));
    Command1 = findChild<QPushButton *>(QStringLiteral("Command1"));
    Command2 = findChild<QPushButton *>(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &ZELMORAK::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ZELMORAK::Command2_Click);
}

// A caption a few pixels wider than its label (the font is not the one the
// window was drawn with) may widen the label to the right, as long as it stays
// clear of the controls beside it. Left, top and height stay as drawn.
void ZELMORAK::fitLabelsToCaptions()
{
    const QList<QWidget *> controls = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (CaptionLabel *label : findChildren<CaptionLabel *>(Qt::FindDirectChildrenOnly)) {
        const QFontMetrics metrics(label->font());
        const bool oneLine = label->height() < 2 * metrics.lineSpacing();
        const int needed = oneLine ? metrics.horizontalAdvance(label->text().trimmed()) : label->widestWord();
        if (needed <= label->width())
            continue;

        const QRect own = label->geometry();
        int limit = width();
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

void ZELMORAK::Form_Load()
{
    // Centre the window on its screen. The sizes are taken in twips and the
    // arithmetic done in single precision, as the window was always placed; a
    // window larger than the screen gets a negative position.
    const QScreen *here = screen() ? screen() : QGuiApplication::primaryScreen();
    if (here) {
        const float twipsPerPixelX = 1440.0f / float(logicalDpiX());
        const float twipsPerPixelY = 1440.0f / float(logicalDpiY());
        const QRect screenArea = here->geometry();
        const QRect outer = frameGeometry();
        const float screenWidth = float(screenArea.width()) * twipsPerPixelX;
        const float screenHeight = float(screenArea.height()) * twipsPerPixelY;
        const float windowWidth = float(outer.width()) * twipsPerPixelX;
        const float windowHeight = float(outer.height()) * twipsPerPixelY;
        const float left = (screenWidth - windowWidth) / 2.0f;
        const float top = (screenHeight - windowHeight) / 2.0f;
        move(screenArea.left() + qRound(left / twipsPerPixelX), screenArea.top() + qRound(top / twipsPerPixelY));
    }

    // The width box comes first; the rest keep the order they were drawn in.
    std::vector<const Layout::ControlSpec *> focusable;
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        if (spec.kind != Layout::Kind::Label)
            focusable.push_back(&spec);
    }
    std::ranges::stable_sort(focusable, {}, [](const Layout::ControlSpec *spec) {
        return std::string_view(spec->name) == "Text6" ? -1 : spec->designTabIndex;
    });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(findChild<QWidget *>(QString::fromLatin1(focusable[i - 1]->name)),
                    findChild<QWidget *>(QString::fromLatin1(focusable[i]->name)));
    Text6->setFocus();
}

QLineEdit *ZELMORAK::inputBox(InputBox box) const
{
    switch (box) {
    case InputBox::Width: return Text6;
    case InputBox::Flow: return Text1;
    case InputBox::Minimum: return Text2;
    case InputBox::Maximum: return Text3;
    }
    return nullptr;
}

void ZELMORAK::Command1_Click()
{
    m_printed->clearOutput();
    Text4->clear();
    Text5->clear();
    forgetInputComplaints();

    const CalculationOutcome outcome =
        calculate({Text1->text(), Text2->text(), Text3->text(), Text6->text()}, locale());

    switch (outcome.kind) {
    case CalculationOutcome::Kind::Incomplete:
        break;
    case CalculationOutcome::Kind::Shown:
        Text4->setText(outcome.headText);
        Text4->setCursorPosition(0);
        Text5->setText(outcome.trialsText);
        Text5->setCursorPosition(0);
        break;
    case CalculationOutcome::Kind::Printed:
        m_printed->printLine(outcome.line, m_printColor);
        if (outcome.offendingBox) {
            // Put the user straight into the box to correct, and let a screen
            // reader say why when it lands there.
            QLineEdit *box = inputBox(*outcome.offendingBox);
            box->setAccessibleDescription(outcome.line.trimmed());
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        break;
    }
}

void ZELMORAK::forgetInputComplaints()
{
    for (QLineEdit *box : {Text1, Text2, Text3, Text6})
        box->setAccessibleDescription({});
}

void ZELMORAK::Command2_Click()
{
    m_printed->clearOutput();
    forgetInputComplaints();
    for (QLineEdit *box : {Text1, Text2, Text3, Text4, Text5, Text6})
        box->clear();
}
