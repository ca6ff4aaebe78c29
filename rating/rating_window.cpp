// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/rating_window.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/save_whole.h"
#include "common/texts.h"
#include "hydraulics/weir_formula.h"
#include "rating/model/rating_texts.h"
#include "rating/model/table_export.h"
#include "rating/pdf_report.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include <cmath>
#include <memory>

namespace weir {

RatingWindowWidget::RatingWindowWidget(QWidget *calculator)
    : QWidget(calculator, Qt::Window)
    , m_model(new RatingTableModel(this))
{
    setObjectName(QStringLiteral("ratingWindow"));
    setWindowTitle(Texts::ratingName());
    setAttribute(Qt::WA_DeleteOnClose, false); // reopened from the menu as it was
    if (calculator)
        m_numberLocale = calculator->locale();
    buildControls();
    // Until the calculator has numbers to give: the worked example's weir.
    m_widthBox->setText(QStringLiteral("300"));
    m_fromBox->setText(QStringLiteral("20"));
    m_toBox->setText(QStringLiteral("100"));
    m_stepBox->setText(QStringLiteral("5"));
    refresh();
}

void RatingWindowWidget::buildControls()
{
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("ratingMessage"));
    m_messageLabel->setWordWrap(true);
    // Red as the calculator's messages, light enough to read on a dark desktop.
    QPalette red = m_messageLabel->palette();
    const bool darkDesktop = red.color(QPalette::Window).lightness() < 128;
    red.setColor(QPalette::WindowText, darkDesktop ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC0, 0, 0));
    m_messageLabel->setPalette(red);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildBoxes());
    layout->addWidget(m_messageLabel);
    layout->addLayout(buildButtons());
    m_splitter = new QSplitter(this);
    m_splitter->addWidget(buildTable());
    m_splitter->addWidget(buildPlot());
    m_splitter->setStretchFactor(1, 1);
    layout->addWidget(m_splitter, 1);
    resize(780, 560);

    setKeyboardOrder();
    connectControls();
}

// The range's boxes on the left, the measured head and its flow on the right.
QLayout *RatingWindowWidget::buildBoxes()
{
    // Every box as wide as a ten-digit head, whatever the window's size:
    // none shrinks until 300 reads 00, and none moves when a message appears.
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")) + 16;
    const auto newBox = [this, boxWidth](RatingBox which, const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(RatingTexts::caption(which));
        box->setFixedWidth(boxWidth);
        return box;
    };
    m_widthBox = newBox(RatingBox::Width, "ratingWidth");
    m_fromBox = newBox(RatingBox::From, "ratingFrom");
    m_toBox = newBox(RatingBox::To, "ratingTo");
    m_stepBox = newBox(RatingBox::Step, "ratingStep");
    m_headBox = newBox(RatingBox::Head, "ratingHead");

    auto *form = new QFormLayout;
    form->addRow(Texts::formLabel(RatingTexts::caption(RatingBox::Width), u'W'), m_widthBox);
    form->addRow(Texts::formLabel(RatingTexts::caption(RatingBox::From), u'F'), m_fromBox);
    form->addRow(Texts::formLabel(RatingTexts::caption(RatingBox::To), u'T'), m_toBox);
    form->addRow(Texts::formLabel(RatingTexts::caption(RatingBox::Step), u'S'), m_stepBox);

    // The flow, or why there is none, in a place of its own size: three
    // lines of about thirty characters, wrapped, so that the window keeps
    // its size whatever is said there.
    m_flowLabel = new QLabel(this);
    m_flowLabel->setObjectName(QStringLiteral("ratingFlow"));
    m_flowLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_flowLabel->setWordWrap(true);
    m_flowLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_flowLabel->setFixedSize(fontMetrics().horizontalAdvance(QString(30, QChar(0x6C34))),
                              3 * fontMetrics().lineSpacing());
    auto *headForm = new QFormLayout;
    headForm->addRow(RatingTexts::tr("%1 → 流量").arg(Texts::formLabel(RatingTexts::caption(RatingBox::Head), u'H')),
                     m_headBox);
    headForm->addRow(m_flowLabel);

    auto *top = new QHBoxLayout;
    top->addLayout(form);
    top->addSpacing(24);
    top->addLayout(headForm);
    top->addStretch();
    auto *boxes = new QVBoxLayout;
    boxes->addLayout(top);
    boxes->addLayout(buildFormulaBoxes(boxWidth));
    return boxes;
}

// The formula: the program's own, or one a standard names, with the boxes
// for the channel it takes; the standard's range said under them.
QLayout *RatingWindowWidget::buildFormulaBoxes(int boxWidth)
{
    m_formulaBox = new QComboBox(this);
    m_formulaBox->setObjectName(QStringLiteral("ratingFormula"));
    m_formulaBox->setAccessibleName(RatingTexts::tr("流量の公式"));
    m_formulaBox->addItem(Texts::formulaName(std::nullopt), -1);
    for (const StandardWeir weir : kOfferedStandards)
        m_formulaBox->addItem(Texts::formulaName(weir), int(weir));
    const auto newBox = [this, boxWidth](const QString &caption, const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(caption);
        box->setFixedWidth(boxWidth);
        return box;
    };
    m_channelWidthBox = newBox(RatingTexts::channelWidth(), "ratingChannelWidth");
    m_crestHeightBox = newBox(RatingTexts::crestHeight(), "ratingCrestHeight");
    m_formulaNote = new QLabel(this);
    m_formulaNote->setObjectName(QStringLiteral("ratingFormulaRange"));
    m_formulaNote->setWordWrap(true);
    m_formulaNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // One row under the range's boxes, so that the window is no wider for
    // it: the choice, the two boxes, and the range, wrapped in what is left.
    auto *row = new QHBoxLayout;
    const auto labelled = [this, row](const QString &caption, QChar key, QWidget *control) {
        auto *label = new QLabel(Texts::formLabel(caption, key), this);
        label->setBuddy(control);
        row->addWidget(label);
        row->addWidget(control);
    };
    labelled(RatingTexts::tr("公式"), u'U', m_formulaBox);
    row->addSpacing(12);
    labelled(QStringLiteral("B(mm)"), u'B', m_channelWidthBox);
    labelled(QStringLiteral("D(mm)"), u'D', m_crestHeightBox);
    row->addSpacing(12);
    row->addWidget(m_formulaNote, 1);
    m_channelWidthBox->setFixedWidth(boxWidth * 2 / 3);
    m_crestHeightBox->setFixedWidth(boxWidth * 2 / 3);
    return row;
}

void RatingWindowWidget::chooseFormula(std::optional<StandardWeir> weir, const QString &channelWidthMm,
                                       const QString &crestHeightMm)
{
    const QSignalBlocker blockChannel(m_channelWidthBox), blockCrest(m_crestHeightBox);
    m_channelWidthBox->setText(channelWidthMm);
    m_crestHeightBox->setText(crestHeightMm);
    // Setting the choice refreshes, with the boxes as set.
    const int index = m_formulaBox->findData(weir ? int(*weir) : -1);
    if (index == m_formulaBox->currentIndex())
        refresh();
    else
        m_formulaBox->setCurrentIndex(index);
}

bool RatingWindowWidget::readFormula(std::optional<StandardFormula> *formula)
{
    const int chosen = m_formulaBox->currentData().toInt();
    const std::optional<StandardWeir> weir = chosen < 0 ? std::nullopt : std::optional(StandardWeir(chosen));
    const bool takesChannel = takesChannelWidth(weir);
    const bool takesCrest = takesCrestHeight(weir);
    m_channelWidthBox->setEnabled(takesChannel);
    m_crestHeightBox->setEnabled(takesCrest);
    m_formulaNote->setText(weir ? RatingTexts::tr("適用範囲: %1").arg(Texts::formulaRange(weir)) : QString());
    formula->reset();
    if (!weir)
        return true;
    StandardFormula standard{*weir};
    for (const auto &[box, taken, mm] : {std::tuple{m_channelWidthBox, takesChannel, &standard.channelWidthMm},
                                         std::tuple{m_crestHeightBox, takesCrest, &standard.crestHeightMm}}) {
        if (!taken)
            continue;
        const PositiveNumber number = readPositiveNumber(box->text(), box->accessibleName(), m_numberLocale);
        if (!number.value) {
            showMessage(number.message);
            return false;
        }
        *mm = *number.value;
    }
    *formula = standard;
    return true;
}

QLayout *RatingWindowWidget::buildButtons()
{
    m_copyButton = new QPushButton(RatingTexts::tr("コピー(&C)"), this);
    m_csvButton = new QPushButton(RatingTexts::tr("保存(&V)..."), this);
    m_pdfButton = new QPushButton(RatingTexts::tr("PDF(&P)..."), this);
    m_previewButton = new QPushButton(RatingTexts::tr("印刷プレビュー(&R)..."), this);
    m_previewButton->setObjectName(QStringLiteral("ratingPreview"));
    m_copyButton->setObjectName(QStringLiteral("ratingCopy"));
    m_csvButton->setObjectName(QStringLiteral("ratingSave"));
    m_pdfButton->setObjectName(QStringLiteral("ratingPdf"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_csvButton);
    buttons->addWidget(m_pdfButton);
    buttons->addWidget(m_previewButton);
    buttons->addStretch();
    // The uncertainties behind the ± column, stated whenever it is shown.
    m_gaugeNote = new QLabel(this);
    m_gaugeNote->setObjectName(QStringLiteral("ratingGauge"));
    m_gaugeNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    buttons->addWidget(m_gaugeNote);
    return buttons;
}

QWidget *RatingWindowWidget::buildTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ratingTable"));
    m_table->setAccessibleName(Texts::ratingName());
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    return m_table;
}

// The curve: head against flow, solid where the formula holds and dashed
// below, with the calculator's head and the point under the mouse marked.
QWidget *RatingWindowWidget::buildPlot()
{
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("ratingPlot"));
    m_plot->setAccessibleName(RatingTexts::tr("水位流量曲線"));
    m_plot->setMinimumSize(360, 300);
    m_plot->xAxis->setLabel(Texts::axisLabel(Texts::flow()));
    m_plot->yAxis->setLabel(Texts::axisLabel(Texts::head()));
    m_inRange = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_inRange->setPen(QPen(QColor(0, 0, 0xC0), 2));
    m_inRange->setName(RatingTexts::tr("適用範囲 (≧%1mm)").arg(kMinimumValidHeadMm));
    m_belowRange = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_belowRange->setPen(QPen(QColor(0x80, 0x80, 0x80), 2, Qt::DashLine));
    m_belowRange->setName(RatingTexts::tr("適用範囲外 (<%1mm)").arg(kMinimumValidHeadMm));
    m_ownCurve = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_ownCurve->setPen(QPen(QColor(0xC0, 0x60, 0), 1, Qt::DotLine));
    m_ownCurve->setName(Texts::formulaName(std::nullopt));
    m_ownCurve->setVisible(false);
    m_ownCurve->removeFromLegend();
    m_shownPoint = m_plot->addGraph();
    m_shownPoint->setLineStyle(QCPGraph::lsNone);
    m_shownPoint->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QColor(0xD0, 0, 0), QColor(0xD0, 0, 0), 9));
    m_shownPoint->setName(RatingTexts::tr("計算した越流高さ"));
    m_pointed = m_plot->addGraph();
    m_pointed->setLineStyle(QCPGraph::lsNone);
    m_pointed->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCrossCircle, QPen(Qt::black), QBrush(Qt::NoBrush), 11));
    m_pointed->removeFromLegend();
    m_plot->legend->setVisible(true);
    m_plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignRight);
    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("ratingReadout"));

    auto *plotSide = new QWidget(this);
    auto *plotLayout = new QVBoxLayout(plotSide);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(m_plot, 1);
    plotLayout->addWidget(m_readout);
    return plotSide;
}

void RatingWindowWidget::setKeyboardOrder()
{
    QWidget *const order[] = {m_widthBox,        m_fromBox,        m_toBox,   m_stepBox,    m_formulaBox,
                              m_channelWidthBox, m_crestHeightBox, m_headBox, m_copyButton, m_csvButton,
                              m_pdfButton,       m_previewButton,  m_table};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RatingWindowWidget::connectControls()
{
    for (QLineEdit *box : {m_widthBox, m_fromBox, m_toBox, m_stepBox})
        connect(box, &QLineEdit::textChanged, this, &RatingWindowWidget::refresh);
    for (QLineEdit *box : {m_channelWidthBox, m_crestHeightBox})
        connect(box, &QLineEdit::textChanged, this, &RatingWindowWidget::refresh);
    connect(m_formulaBox, &QComboBox::currentIndexChanged, this, &RatingWindowWidget::refresh);
    connect(m_headBox, &QLineEdit::textChanged, this, &RatingWindowWidget::refreshFlowAtHead);
    connect(m_copyButton, &QPushButton::clicked, this, &RatingWindowWidget::copyTable);
    connect(m_csvButton, &QPushButton::clicked, this, &RatingWindowWidget::chooseCsvFile);
    connect(m_pdfButton, &QPushButton::clicked, this, &RatingWindowWidget::choosePdfFile);
    connect(m_previewButton, &QPushButton::clicked, this, &RatingWindowWidget::previewReport);
    connect(m_plot, &QCustomPlot::mouseMove, this, [this](QMouseEvent *event) { readOutAt(event->position()); });
    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &RatingWindowWidget::copyTable);
    addAction(copy);
}

QLineEdit *RatingWindowWidget::box(RatingBox which) const
{
    switch (which) {
    case RatingBox::Width: return m_widthBox;
    case RatingBox::From: return m_fromBox;
    case RatingBox::To: return m_toBox;
    case RatingBox::Step: return m_stepBox;
    case RatingBox::Head: return m_headBox;
    }
    return nullptr;
}

QString RatingWindowWidget::message() const
{
    return m_messageLabel->text();
}

QString RatingWindowWidget::flowText() const
{
    return m_flowLabel->text();
}

QString RatingWindowWidget::gaugeNote() const
{
    return m_gaugeNote->text();
}

QString RatingWindowWidget::readout() const
{
    return m_readout->text();
}

void RatingWindowWidget::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_messageLabel->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        // Said to a screen reader too, as the calculator's messages are.
        QAccessibleEvent event(m_messageLabel, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void RatingWindowWidget::refresh()
{
    const RatingRead read
        = readRatingBoxes({m_widthBox->text(), m_fromBox->text(), m_toBox->text(), m_stepBox->text()}, m_numberLocale);
    if (!read.range) {
        // The table and curve of the last good boxes stay, greyed, for
        // what they were; nothing is copied, saved or read off them until
        // the boxes read again.
        showMessage(read.message);
        setCurrent(false);
        return;
    }
    std::optional<StandardFormula> formula;
    if (!readFormula(&formula)) {
        setCurrent(false);
        return;
    }
    if (formula && !FlowFormula(read.range->widthMm, formula).holds()) {
        showMessage(
            RatingTexts::tr("この堰はあり得ません: 堰の幅は水路の幅 B 以下、堰頂の高さ D は 0 より大きくして下さい。"));
        setCurrent(false);
        return;
    }
    showMessage({});
    setCurrent(true);
    m_model->setLocale(m_numberLocale);
    m_model->setRange(*read.range);
    m_model->setFormula(formula);
    replot();
    takeShownHead(m_shownHead);
    refreshFlowAtHead();
    fitTableWidth();
}

void RatingWindowWidget::fitTableWidth()
{
    // The table as wide as its columns, the curve taking the rest.
    m_table->resizeColumnsToContents();
    const int tableWidth = m_table->verticalHeader()->sizeHint().width() + m_table->horizontalHeader()->length()
        + m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth() + 8;
    const int total = m_splitter->width() > tableWidth ? m_splitter->width() : width();
    m_splitter->setSizes({tableWidth, std::max(360, total - tableWidth)});
}

void RatingWindowWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitTableWidth(); // now that the header has its real font and sizes
}

void RatingWindowWidget::setCurrent(bool current)
{
    m_current = current;
    m_table->setEnabled(current);
    for (QPushButton *button : {m_copyButton, m_csvButton, m_pdfButton, m_previewButton})
        button->setEnabled(current);
    const QColor grey(0xB0, 0xB0, 0xB0);
    QPen inRange(current ? QColor(0, 0, 0xC0) : grey, 2);
    QPen belowRange(current ? QColor(0x80, 0x80, 0x80) : grey, 2, Qt::DashLine);
    m_inRange->setPen(inRange);
    m_belowRange->setPen(belowRange);
    m_shownPoint->setVisible(current);
    m_plot->replot();
    refreshFlowAtHead();
}

bool RatingWindowWidget::isCurrent() const
{
    return m_current;
}

void RatingWindowWidget::refreshFlowAtHead()
{
    if (m_headBox->text().isEmpty() || !m_current) {
        m_flowLabel->clear();
        return;
    }
    const FlowAtHead flow
        = flowAtHead(m_headBox->text(), m_model->range().widthMm, m_numberLocale, m_model->gauge(), m_model->formula());
    m_flowLabel->setText(flow.message.isEmpty() ? flow.text : flow.message);
}

void RatingWindowWidget::replot()
{
    // The rows outside the formula's range on a dashed curve of their own,
    // each stretch of them joined to the rows in range beside it, and
    // stretches apart broken by a NaN; the rows in range on the solid one.
    QVector<double> inFlows, inHeads, belowFlows, belowHeads, ownFlows, ownHeads;
    const int rows = m_model->rowCount();
    const auto drawn
        = [this](int row) { return row >= 0 && row < m_model->rowCount() && std::isfinite(m_model->flowLpmAt(row)); };
    for (int row = 0; row < rows; ++row) {
        const double head = m_model->headAt(row);
        const double flow = m_model->flowLpmAt(row);
        if (m_model->formula() && std::isfinite(m_model->ownFlowLpmAt(row))) {
            ownFlows << m_model->ownFlowLpmAt(row);
            ownHeads << head;
        }
        if (!std::isfinite(flow))
            continue;
        if (!m_model->belowValidRange(row)) {
            inFlows << flow;
            inHeads << head;
            continue;
        }
        if (drawn(row - 1) && !m_model->belowValidRange(row - 1)) {
            if (!belowFlows.isEmpty()) {
                belowFlows << qQNaN();
                belowHeads << qQNaN();
            }
            belowFlows << m_model->flowLpmAt(row - 1);
            belowHeads << m_model->headAt(row - 1);
        }
        belowFlows << flow;
        belowHeads << head;
        if (drawn(row + 1) && !m_model->belowValidRange(row + 1)) {
            belowFlows << m_model->flowLpmAt(row + 1);
            belowHeads << m_model->headAt(row + 1);
        }
    }
    m_inRange->setData(inFlows, inHeads);
    m_belowRange->setData(belowFlows, belowHeads);
    const bool standard = m_model->formula().has_value();
    m_inRange->setName(standard ? Texts::formulaName(m_model->formula()->weir)
                                : RatingTexts::tr("適用範囲 (≧%1mm)").arg(kMinimumValidHeadMm));
    // A standard's long name: the legend where the curve of a weir never
    // goes, at small flows and large heads.
    m_plot->axisRect()->insetLayout()->setInsetAlignment(
        0, standard ? Qt::AlignTop | Qt::AlignLeft : Qt::AlignBottom | Qt::AlignRight);
    m_belowRange->setName(standard ? RatingTexts::tr("適用範囲外")
                                   : RatingTexts::tr("適用範囲外 (<%1mm)").arg(kMinimumValidHeadMm));
    m_ownCurve->setData(ownFlows, ownHeads);
    m_ownCurve->setVisible(standard);
    if (standard)
        m_ownCurve->addToLegend();
    else
        m_ownCurve->removeFromLegend();
    m_pointed->data()->clear();
    m_readout->clear();
    m_plot->rescaleAxes();
    m_plot->xAxis->setRangeLower(std::min(0.0, m_plot->xAxis->range().lower));
    m_plot->replot();
}

void RatingWindowWidget::takeBoxes(const CalculatorReading &reading)
{
    m_numberLocale = reading.locale;
    const auto number = [&reading](const QString &text) { return positiveBoxNumber(text, reading.locale); };
    const std::optional<double> width = number(reading.width);
    std::optional<double> from = number(reading.minimum);
    std::optional<double> to = number(reading.maximum);
    if (from && to && *to < *from)
        std::swap(from, to); // the calculator searches a reversed bracket the same way
    // Set the boxes without a refresh each, then refresh once.
    const QSignalBlocker blockWidth(m_widthBox), blockFrom(m_fromBox), blockTo(m_toBox), blockStep(m_stepBox);
    if (width)
        m_widthBox->setText(generalNumberText(*width, m_numberLocale));
    if (from)
        m_fromBox->setText(generalNumberText(*from, m_numberLocale));
    if (to)
        m_toBox->setText(generalNumberText(*to, m_numberLocale));
    if (from && to) {
        if (const std::optional<double> step = roundStepFor(*from, *to))
            m_stepBox->setText(generalNumberText(*step, m_numberLocale));
    }
    takeGauge(reading.gauge); // and refreshes
}

void RatingWindowWidget::takeGauge(const std::optional<GaugeUncertainty> &gauge)
{
    m_model->setGauge(gauge);
    m_gaugeNote->setText(gauge ? gaugeStatement(*gauge, m_numberLocale) : QString());
    refresh();
}

void RatingWindowWidget::takeShownHead(std::optional<FoundHead> head)
{
    m_shownHead = head;
    m_shownPoint->data()->clear();
    // A head found over another weir is no point of this curve.
    const double widthMm = m_model->range().widthMm;
    if (head && head->widthMm == widthMm) {
        const double headMm = head->headMm;
        const int row = m_model->rowNearest(headMm);
        if (row >= 0) {
            m_table->selectRow(row);
            m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
        }
        if (const double flow = flowLitresPerMinute(headMm, widthMm); std::isfinite(flow))
            m_shownPoint->addData(flow, headMm);
    } else {
        m_table->clearSelection();
    }
    m_plot->replot();
}

void RatingWindowWidget::readOutAt(const QPointF &position)
{
    // The table's point nearest the mouse, on the screen.
    int nearest = -1;
    double best = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!std::isfinite(m_model->flowLpmAt(row)))
            continue; // no point on the curve: the formula gives no flow there
        const double x = m_plot->xAxis->coordToPixel(m_model->flowLpmAt(row));
        const double y = m_plot->yAxis->coordToPixel(m_model->headAt(row));
        const double distance = std::hypot(x - position.x(), y - position.y());
        if (nearest < 0 || distance < best) {
            nearest = row;
            best = distance;
        }
    }
    m_pointed->data()->clear();
    if (nearest < 0) {
        m_readout->clear();
    } else {
        m_pointed->addData(m_model->flowLpmAt(nearest), m_model->headAt(nearest));
        m_readout->setText(RatingTexts::tr("越流高さ %1 mm: 流量 %2 L/min")
                               .arg(m_model->index(nearest, RatingTableModel::Head).data().toString(),
                                    m_model->index(nearest, RatingTableModel::FlowLpm).data().toString()));
    }
    m_plot->replot(QCustomPlot::rpQueuedReplot);
}

void RatingWindowWidget::copyTable()
{
    if (!m_current)
        return;
    QGuiApplication::clipboard()->setText(tableText(*m_model, u'\t', QStringLiteral("\n")));
}

Outcome<void> RatingWindowWidget::saveCsv(const QString &path)
{
    const Outcome<void> saved = saveWhole(path, csvBytes(*m_model));
    showMessage(saved.words());
    return saved;
}

Outcome<void> RatingWindowWidget::savePdf(const QString &path)
{
    const Outcome<void> saved = saveWhole(path, pdfReport(*m_model, m_plot));
    showMessage(saved.words());
    return saved;
}

void RatingWindowWidget::previewReport()
{
    if (!m_current)
        return;
    // The printer outlives the dialog that points at it.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    auto *dialog = new QPrintPreviewDialog(printer.get(), this);
    dialog->setObjectName(QStringLiteral("ratingPreviewDialog"));
    dialog->setWindowTitle(RatingTexts::tr("%1の印刷プレビュー").arg(Texts::ratingName()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [this](QPrinter *target) { printReport(*m_model, m_plot, *target); });
    connect(dialog, &QObject::destroyed, this, [printer] {});
    dialog->resize(760, 900);
    dialog->open();
}

void RatingWindowWidget::chooseCsvFile()
{
    const QString path
        = QFileDialog::getSaveFileName(this, Texts::saveTitle(Texts::ratingName()),
                                       Texts::ratingName() + QStringLiteral(".csv"), RatingTexts::tr("CSV (*.csv)"));
    if (!path.isEmpty())
        saveCsv(path);
}

void RatingWindowWidget::choosePdfFile()
{
    const QString path = QFileDialog::getSaveFileName(this, RatingTexts::tr("%1を PDF に").arg(Texts::ratingName()),
                                                      Texts::ratingName() + QStringLiteral(".pdf"), Texts::pdfFiles());
    if (!path.isEmpty())
        savePdf(path);
}

} // namespace weir
