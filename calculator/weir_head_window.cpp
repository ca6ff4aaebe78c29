// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/weir_head_window.h"

#include "accessibility/accessible_factory.h"
#include "accessibility/announcer.h"
#include "calculator/calculator_style.h"
#include "calculator/caption_label.h"
#include "calculator/message_lines.h"
#include "calculator/model/calculation.h"
#include "calculator/model/gauge_uncertainty.h"
#include "calculator/model/result_text.h"
#include "calculator/module_host.h"
#include "calculator/uncertainty_dialog.h"
#include "calculator/window_dialogs.h"
#include "calculator/window_menus.h"
#include "calculator/window_placement.h"
#include "common/box_number.h"
#include "common/texts.h"
#include "common/ui_font.h"
#include "design/design_window_interface.h"
#include "rating/rating_window_interface.h"
#include "sheet/model/calculation_trail.h"
#include "sheet/model/sheet_title.h"
#include "sheet/sheet_printer_interface.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace weir {

namespace {

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

// The font the layout was drawn for, at 9 points (common/ui_font.h).
QFont WeirHeadWindow::designFont()
{
    QFont font(uiFontFamilies().constFirst(), 9);
    font.setFamilies(uiFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void WeirHeadWindow::prepareApplication()
{
    QApplication::setFont(designFont());
    QApplication::setStyle(new CalculatorStyle);
}

WeirHeadWindow::WeirHeadWindow(QWidget *parent)
    : QWidget(parent)
    , m_clientArea(new QWidget(this))
    , m_messageColor(Layout::fromBgr(Layout::kMessageColor))
    , m_modules(new ModuleHost(this))
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("ZELMORAK"));
    // A fixed size: no maximise button that would do nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true); // a logger's export dropped here opens the records window
    setWindowTitle(Texts::windowTitle());
    setFont(designFont());

    buildClientArea();
    buildControls();
    connectControls();
    buildMenus();
    // The window is exactly its client area (and whatever bars sit above it).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    centreOnScreen();
    setKeyboardOrder();
}

void WeirHeadWindow::buildClientArea()
{
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    m_clientArea->setPalette(Layout::clientPalette());
    m_clientArea->setAutoFillBackground(true);
    m_clientArea->setFixedSize(Layout::twipsToPixels(Layout::kClientWidth, logicalDpiX()),
                               Layout::twipsToPixels(Layout::kClientHeight, logicalDpiY()));
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    // The window's own menu bar, never a desktop's global one: the window is
    // drawn with it above the client area. (Asking the session bus for a
    // global menu would also cost a tenth of the start-up.)
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    m_menuBar = new QMenuBar(this);
    frame->setMenuBar(m_menuBar);
    frame->addWidget(m_clientArea);

    // Created first, so it lies under every control.
    m_messages = new MessageLines(m_clientArea);
    m_messages->setGeometry(m_clientArea->rect());
    m_announcer = new Announcer(m_clientArea);
}

void WeirHeadWindow::buildControls()
{
    const qreal dpiX = logicalDpiX();
    const qreal dpiY = logicalDpiY();
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        QWidget *control = nullptr;
        switch (spec.kind) {
        case Layout::Kind::TextBox: control = createTextBox(spec); break;
        case Layout::Kind::Button: control = createButton(spec); break;
        case Layout::Kind::Label: control = createLabel(spec); break;
        }
        control->setObjectName(QString::fromLatin1(spec.name));
        control->setGeometry(Layout::twipsToPixels(spec.left, dpiX), Layout::twipsToPixels(spec.top, dpiY),
                             Layout::twipsToPixels(spec.width, dpiX), Layout::twipsToPixels(spec.height, dpiY));
        m_controls.emplace(spec.name, control);
        keepByRole(spec, control);
    }
    // A caption is its box's label, for the mnemonic and for screen readers.
    for (const Layout::ControlSpec &spec : Layout::controls()) {
        if (spec.buddy)
            static_cast<QLabel *>(m_controls.at(spec.name))->setBuddy(m_controls.at(spec.buddy));
    }
    QList<const QWidget *> controls;
    for (const auto &[name, control] : m_controls)
        controls << control;
    fitLabelsToCaptions(m_labels, controls, m_clientArea->width());
    keepPrintsAboveControls();
}

QLineEdit *WeirHeadWindow::createTextBox(const Layout::ControlSpec &spec)
{
    auto *box = new QLineEdit(m_clientArea);
    if (spec.textColor)
        setPaletteColor(box, QPalette::Text, Layout::fromBgr(*spec.textColor));
    return box;
}

QPushButton *WeirHeadWindow::createButton(const Layout::ControlSpec &spec)
{
    auto *button = new QPushButton(spec.caption(), m_clientArea);
    button->setAutoDefault(true); // Return and Enter press a focused button
    button->setFont(fontForOwnText(button->font(), spec.caption()));
    return button;
}

CaptionLabel *WeirHeadWindow::createLabel(const Layout::ControlSpec &spec)
{
    auto *label = new CaptionLabel(spec.caption(), m_clientArea);
    label->setFont(fontForOwnText(label->font(), spec.caption()));
    label->setAutoFillBackground(true);
    setPaletteColor(label, QPalette::Window, Layout::fromBgr(Layout::kBackColor));
    if (spec.textColor)
        setPaletteColor(label, QPalette::WindowText, Layout::fromBgr(*spec.textColor));
    m_labels.append(label);
    return label;
}

void WeirHeadWindow::keepByRole(const Layout::ControlSpec &spec, QWidget *control)
{
    using Layout::Role;
    switch (spec.role) {
    case Role::WidthBox: m_widthBox = static_cast<QLineEdit *>(control); break;
    case Role::FlowBox: m_flowBox = static_cast<QLineEdit *>(control); break;
    case Role::MinimumBox: m_minimumBox = static_cast<QLineEdit *>(control); break;
    case Role::MaximumBox: m_maximumBox = static_cast<QLineEdit *>(control); break;
    case Role::HeadBox: m_headBox = static_cast<QLineEdit *>(control); break;
    case Role::TrialsBox: m_trialsBox = static_cast<QLineEdit *>(control); break;
    case Role::CalculateButton: m_calculateButton = static_cast<QPushButton *>(control); break;
    case Role::ClearButton: m_clearButton = static_cast<QPushButton *>(control); break;
    case Role::Caption:
    case Role::RangeNote: break;
    }
}

void WeirHeadWindow::connectControls()
{
    for (const InputBoxInfo &info : inputBoxes()) {
        QLineEdit *input = inputBox(info.box);
        // Return in any box calculates, as in a dialog with a default button.
        connect(input, &QLineEdit::returnPressed, this, &WeirHeadWindow::calculate);
        // A complaint about a box is about what was typed: once that changes,
        // a screen reader should no longer read it out.
        connect(input, &QLineEdit::textChanged, input, [input] { input->setAccessibleDescription({}); });
    }
    for (QLineEdit *output : {m_headBox, m_trialsBox})
        connect(output, &QLineEdit::returnPressed, this, &WeirHeadWindow::calculate);
    m_freshHeadPalette = m_headBox->palette();
    m_freshTrialsPalette = m_trialsBox->palette();
    for (const InputBoxInfo &info : inputBoxes())
        connect(inputBox(info.box), &QLineEdit::textChanged, this, &WeirHeadWindow::markAnswerCurrency);
    // The range note belongs to the head: read with it.
    m_headBox->setAccessibleDescription(Texts::validRange().simplified());
    connect(m_calculateButton, &QPushButton::clicked, this, &WeirHeadWindow::calculate);
    connect(m_clearButton, &QPushButton::clicked, this, &WeirHeadWindow::clear);
}

// Printed lines keep to the band above the highest control.
void WeirHeadWindow::keepPrintsAboveControls()
{
    int band = m_clientArea->height();
    for (const auto &[name, control] : m_controls)
        band = std::min(band, control->y());
    m_messages->setBandHeight(band);
}

void WeirHeadWindow::buildMenus()
{
    m_actions = weir::buildMenus(menuBar(), this);
    QString titles;
    for (const QAction *menu : menuBar()->actions())
        titles += menu->text();
    menuBar()->setFont(fontForOwnText(menuBar()->font(), titles));
    // There is a sheet (and a trail) only once something was calculated.
    rememberCalculation(nullptr);
}

// Centred, frame included, on the screen's available area. Before the window
// is shown no frame is known, and it is centred by its own size; the window
// manager's frame arrives with the first move after mapping, and moveEvent
// centres it once more then.
void WeirHeadWindow::centreOnScreen()
{
    if (const QScreen *here = screen() ? screen() : QGuiApplication::primaryScreen())
        move(
            placement::centredTopLeft(here->availableGeometry(), frameGeometry().size(), logicalDpiX(), logicalDpiY()));
}

void WeirHeadWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_centredWithFrame && isVisible() && frameGeometry().size() != size()) {
        m_centredWithFrame = true;
        centreOnScreen();
    }
}

// The width box comes first and has the focus; Tab then follows kTabOrder.
void WeirHeadWindow::setKeyboardOrder()
{
    for (std::size_t i = 1; i < Layout::kTabOrder.size(); ++i)
        setTabOrder(m_controls.at(Layout::kTabOrder[i - 1]), m_controls.at(Layout::kTabOrder[i]));
    m_controls.at(Layout::kTabOrder.front())->setFocus();
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
    m_messages->clearLines();
    m_headBox->clear();
    m_trialsBox->clear();
    forgetInputComplaints();

    const CalculationOutcome outcome = weir::calculate(inputTexts(), locale());
    rememberCalculation(outcome.kind != CalculationOutcome::Kind::Incomplete ? &outcome : nullptr);

    for (const PrintedLine &line : outcome.lines)
        m_messages->addLine(
            line.text, line.tone == PrintedLine::Tone::Note ? Layout::fromBgr(Layout::kNoteColor) : m_messageColor);
    switch (outcome.kind) {
    case CalculationOutcome::Kind::Incomplete:
        // Nothing to say; the cursor goes to the box still to fill in.
        if (outcome.box)
            inputBox(*outcome.box)->setFocus(Qt::OtherFocusReason);
        break;
    case CalculationOutcome::Kind::Shown:
        m_headBox->setText(outcome.headText);
        m_headBox->setCursorPosition(0);
        m_trialsBox->setText(outcome.trialsText);
        m_trialsBox->setCursorPosition(0);
        break;
    case CalculationOutcome::Kind::Printed:
        if (const std::optional<Fault> fault = outcome.boxFault()) {
            // Put the user straight into the box to correct, and let a screen
            // reader say why when it lands there.
            QLineEdit *box = inputBox(*outcome.box);
            box->setAccessibleDescription(fault->words);
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        break;
    }
    m_announcer->announce(announcementOf(outcome));
    showHeadInRatingWindow();
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
    m_messages->clearLines();
    rememberCalculation(nullptr);
    m_announcer->announce({});
    showHeadInRatingWindow();
    forgetInputComplaints();
    for (QLineEdit *box : {m_flowBox, m_minimumBox, m_maximumBox, m_headBox, m_trialsBox, m_widthBox})
        box->clear();
}

// The inputs and the answer of one calculation, whatever has been typed
// since into any box; before a Calculate, the boxes as they stand.
void WeirHeadWindow::copyResult()
{
    const QString text = m_lastCalculation ? resultForSpreadsheet(m_lastCalculation->boxes, m_lastCalculation->headText,
                                                                  m_lastCalculation->trialsText, locale())
                                           : resultForSpreadsheet(inputTexts(), QString(), QString(), locale());
    QGuiApplication::clipboard()->setText(text);
}

void WeirHeadWindow::rememberCalculation(const CalculationOutcome *made)
{
    m_lastCalculation.reset();
    if (made) {
        LastCalculation last{inputTexts(), made->headText, made->trialsText, std::nullopt,
                             QDateTime::currentDateTime()};
        if (made->found() && made->headMm && *made->headMm > 0)
            last.foundHeadMm = made->headMm;
        m_lastCalculation = std::move(last);
    }
    for (QAction *action : {m_actions.saveSheet, m_actions.printSheet, m_actions.previewSheet, m_actions.copyTrail})
        action->setEnabled(made != nullptr);
    markAnswerCurrency();
}

bool WeirHeadWindow::answerIsStale() const
{
    return m_lastCalculation && !m_lastCalculation->headText.isEmpty() && m_lastCalculation->boxes != inputTexts();
}

void WeirHeadWindow::markAnswerCurrency()
{
    // Called at every key: only a change of state touches the boxes (and
    // none at start-up, where nothing has been calculated).
    const bool stale = answerIsStale();
    if (stale == m_markedStale)
        return;
    m_markedStale = stale;
    QPalette head = m_freshHeadPalette;
    QPalette trials = m_freshTrialsPalette;
    if (stale) {
        // The darkest grey that still reads grey beside black: 4.5:1 on the
        // boxes' white, as every text of the window. The boxes stay editable.
        for (QPalette *palette : {&head, &trials})
            palette->setColor(QPalette::Text, QColor(0x76, 0x76, 0x76));
    }
    m_headBox->setPalette(head);
    m_trialsBox->setPalette(trials);
    const QString said = stale ? Texts::answerOfEarlierInputs() : QString();
    m_trialsBox->setAccessibleDescription(said);
    m_headBox->setAccessibleDescription(stale ? said : Texts::validRange().simplified());
}

BoxTexts WeirHeadWindow::moduleInputs() const
{
    return m_lastCalculation ? m_lastCalculation->boxes : inputTexts();
}

// The rating window marks the head found on its own curve only when that is
// of the width the head was found for.
void WeirHeadWindow::showHeadInRatingWindow()
{
    RatingWindow *rating = ratingWindow();
    if (!rating)
        return;
    std::optional<FoundHead> found;
    if (m_lastCalculation && m_lastCalculation->foundHeadMm) {
        if (const std::optional<double> width = positiveBoxNumber(m_lastCalculation->boxes[InputBox::Width], locale()))
            found = FoundHead{*m_lastCalculation->foundHeadMm, *width};
    }
    rating->takeShownHead(found);
}

std::optional<SheetRequest> WeirHeadWindow::sheetRequest() const
{
    if (!m_lastCalculation)
        return std::nullopt;
    return SheetRequest{m_lastCalculation->boxes, locale(), m_lastCalculation->madeAt, storedGaugeUncertainty(),
                        storedSheetTitle()};
}

// Said where the window says everything: a red line on the message lines,
// read out to a screen reader as well.
void WeirHeadWindow::reportFailure(const Fault &fault)
{
    m_messages->addLine(fault.words, m_messageColor);
    m_announcer->announce(fault.words);
}

Outcome<void> WeirHeadWindow::saveSheetPdf(const QString &path)
{
    const std::optional<SheetRequest> current = sheetRequest();
    if (!current)
        return {};
    const Outcome<void> saved = m_modules->saveSheetPdf(*current, path);
    if (!saved)
        reportFailure(saved.fault());
    return saved;
}

void WeirHeadWindow::saveSheet()
{
    if (!m_lastCalculation)
        return;
    askSheetTitle(this, [this] {
        if (const QString path = chooseSheetPath(this); !path.isEmpty())
            saveSheetPdf(path);
    });
}

// The title block asked for, then the last Calculate's sheet handed to the
// sheet module's printer or preview; a module that fails is said on the window.
void WeirHeadWindow::sheetToModule(Outcome<void> (ModuleHost::*use)(const SheetRequest &))
{
    if (!m_lastCalculation)
        return;
    askSheetTitle(this, [this, use] {
        if (const std::optional<SheetRequest> current = sheetRequest())
            if (const Outcome<void> done = (m_modules->*use)(*current); !done)
                reportFailure(done.fault());
    });
}

void WeirHeadWindow::printSheet()
{
    sheetToModule(&ModuleHost::printSheet);
}

void WeirHeadWindow::previewSheet()
{
    sheetToModule(&ModuleHost::previewSheet);
}

void WeirHeadWindow::copyTrail()
{
    if (m_lastCalculation)
        QGuiApplication::clipboard()->setText(trailForSpreadsheet(m_lastCalculation->boxes, locale()));
}

void WeirHeadWindow::editUncertainty()
{
    openUncertaintyDialog(this, [this] { m_modules->takeGauge(storedGaugeUncertainty(), locale()); });
}

void WeirHeadWindow::showAbout()
{
    openAboutBox(this);
}

void WeirHeadWindow::showManual()
{
    if (const Outcome<void> opened = m_modules->openHelpWindow(); !opened)
        warnCannotOpen(this, Texts::tr("使い方"), opened.words());
}

QWidget *WeirHeadWindow::helpWindow() const
{
    return m_modules->createdHelpWindow();
}

void WeirHeadWindow::openRatingWindow()
{
    const BoxTexts texts = moduleInputs();
    if (const Outcome<void> opened
        = m_modules->openRatingWindow({texts[InputBox::Width], texts[InputBox::Minimum], texts[InputBox::Maximum],
                                       locale(), storedGaugeUncertainty()});
        !opened) {
        warnCannotOpen(this, Texts::ratingName(), opened.words());
        return;
    }
    showHeadInRatingWindow();
}

void WeirHeadWindow::openDesignWindow()
{
    // この幅を計算機に入れる: the chosen width into the width box, this window to the front.
    const auto apply = [this](const QString &widthMm) {
        m_widthBox->setText(widthMm);
        activateWindow();
        m_widthBox->setFocus(Qt::OtherFocusReason);
    };
    if (const Outcome<void> opened = m_modules->openDesignWindow(locale(), storedGaugeUncertainty(), apply); !opened)
        warnCannotOpen(this, Texts::designName(), opened.words());
}

void WeirHeadWindow::openRecordsWindow(const QString &path)
{
    if (const Outcome<void> opened
        = m_modules->openRecordsWindow(locale(), storedGaugeUncertainty(), m_widthBox->text(), path);
        !opened)
        warnCannotOpen(this, Texts::recordsName(), opened.words());
}

void WeirHeadWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().value(0).isLocalFile())
        event->acceptProposedAction();
}

void WeirHeadWindow::dropEvent(QDropEvent *event)
{
    openRecordsWindow(event->mimeData()->urls().value(0).toLocalFile());
    event->acceptProposedAction();
}

RatingWindow *WeirHeadWindow::ratingWindow() const
{
    return m_modules->createdRatingWindow();
}

DesignWindow *WeirHeadWindow::designWindow() const
{
    return m_modules->createdDesignWindow();
}

} // namespace weir
