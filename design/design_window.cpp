// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "design/design_window.h"

#include "accessibility/accessible_factory.h"
#include "accessibility/announcer.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/head_location.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include <cmath>

namespace weir {

namespace {

// Red as the calculator's messages, light enough to read on a dark desktop.
QColor messageRed(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC0, 0, 0);
}

// The head (mm) at which a width (mm) passes a flow (m³/s); NaN when it
// cannot, so that the curve breaks there rather than drawing a false head.
double headMm(double flow, double widthMm)
{
    const HeadLocation located = locateHead(flow, units::metresFromMillimetres(widthMm));
    return located.status == HeadLocation::Status::Found ? units::millimetresFromMetres(located.head)
                                                         : std::numeric_limits<double>::quiet_NaN();
}

// An answer as the window sets it: a number and its unit, the sides of an
// equals sign and 約 and its number joined by no-break spaces; a new line
// after a sentence, before a parenthesis and, once a line has run long,
// after a clause's comma or colon. The labels do not wrap, so no word or
// number is broken, and the window is as wide as its longest line at its
// smallest.
QString laidOut(const QString &text)
{
    static const QRegularExpression unbreakable(
        QStringLiteral(u"(?<=[0-9]) (?=(mm|%|L/min|m³/s)(?![A-Za-z]))|(?<=\\S) (?==)|(?<==) |(?<=約) (?=[0-9±])"));
    // Characters: a line that would run longer is broken at its clauses.
    constexpr qsizetype kLongLine = 20;
    // How long the line would run on from i: to its end, its sentence's
    // end or a parenthesis, where it is broken anyway.
    const auto restOfLine = [](const QString &t, qsizetype i) {
        qsizetype n = 0;
        while (i + n < t.size() && t[i + n] != u'\n' && t[i + n] != u'。' && t[i + n] != u'（')
            ++n;
        return n;
    };
    QString joined = text;
    joined.replace(unbreakable, QStringLiteral(u"\u00A0"));
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < joined.size(); ++i) {
        const QChar c = joined[i];
        if (c == u'\n') {
            lines << line;
            line.clear();
            continue;
        }
        if (c == u'（' && !line.isEmpty()) {
            lines << line;
            line.clear();
        }
        line += c;
        const bool more = i + 1 < joined.size() && joined[i + 1] != u'\n';
        const bool clauseEnds = c == u'、' || (c == u' ' && line.endsWith(QStringLiteral(": ")));
        if (more && (c == u'。' || (clauseEnds && line.size() >= kLongLine && restOfLine(joined, i + 1) > kLongLine))) {
            lines << line.trimmed();
            line.clear();
        }
    }
    lines << line;
    return lines.join(u'\n');
}

// What a label says, as a screen reader and the tests read it.
QString plain(const QLabel *label)
{
    return label->text().replace(QChar(0x00A0), u' ');
}

QLabel *resultLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(false);
    // Read by a screen reader as the user tabs through the window: named by
    // its own text (a label given a name of its own is read by that name
    // alone, its text out of reach).
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

DesignWindowWidget::DesignWindowWidget(QWidget *calculator)
    : QWidget(calculator, Qt::Window)
{
    setObjectName(QStringLiteral("designWindow"));
    setWindowTitle(DesignTexts::title());
    setAttribute(Qt::WA_DeleteOnClose, false); // reopened from the menu as it was
    if (calculator)
        m_locale = calculator->locale();
    buildControls();
    // A first example to change: a channel carrying 100 to 1000 L/min that
    // allows 150 mm over the crest.
    m_smallestBox->setText(QStringLiteral("100"));
    m_largestBox->setText(QStringLiteral("1000"));
    m_highestBox->setText(QStringLiteral("150"));
    refresh();
}

void DesignWindowWidget::buildControls()
{
    const auto newBox = [this](const QString &caption, const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(caption);
        box->setMaximumWidth(120);
        return box;
    };
    m_smallestBox = newBox(DesignTexts::smallestFlow(), "designSmallestFlow");
    m_largestBox = newBox(DesignTexts::largestFlow(), "designLargestFlow");
    m_highestBox = newBox(DesignTexts::highestHead(), "designHighestHead");
    m_limitBox = newBox(DesignTexts::largestU(), "designLargestU");
    m_widthBox = newBox(Texts::width(), "designWidth");

    auto *form = new QFormLayout;
    form->addRow(Texts::formLabel(DesignTexts::smallestFlow(), u'S'), m_smallestBox);
    form->addRow(Texts::formLabel(DesignTexts::largestFlow(), u'L'), m_largestBox);
    form->addRow(Texts::formLabel(DesignTexts::highestHead(), u'H'), m_highestBox);
    form->addRow(Texts::formLabel(DesignTexts::largestU(), u'U'), m_limitBox);
    m_gaugeLabel = resultLabel(this, "designGauge");

    m_rangeLabel = resultLabel(this, "designRange");
    auto *choice = new QFormLayout;
    choice->addRow(Texts::formLabel(Texts::width(), u'W'), m_widthBox);
    m_applyButton = new QPushButton(Texts::withAccessKey(DesignTexts::apply(), u'A'), this);
    m_applyButton->setObjectName(QStringLiteral("designApply"));
    choice->addRow(QString(), m_applyButton);
    m_pointLabel = resultLabel(this, "designPoint");

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(m_gaugeLabel);
    left->addWidget(m_rangeLabel);
    left->addLayout(choice);
    left->addWidget(m_pointLabel);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(buildPlot(), 1);
    resize(860, 500);

    installAnnouncerInterface();
    m_announcer = new Announcer(this);
    for (QLineEdit *box : {m_smallestBox, m_largestBox, m_highestBox, m_limitBox}) {
        connect(box, &QLineEdit::textChanged, this, &DesignWindowWidget::refresh);
        // The answer changes with every key; Return says it, wherever the
        // focus is, as Calculate does in the calculator.
        connect(box, &QLineEdit::returnPressed, this, &DesignWindowWidget::announceAnswer);
    }
    connect(m_widthBox, &QLineEdit::textChanged, this, &DesignWindowWidget::refreshPoint);
    connect(m_widthBox, &QLineEdit::returnPressed, this, &DesignWindowWidget::applyWidth);
    connect(m_applyButton, &QPushButton::clicked, this, &DesignWindowWidget::applyWidth);
    QWidget *const order[] = {m_smallestBox, m_largestBox, m_highestBox,  m_limitBox,  m_gaugeLabel,
                              m_rangeLabel,  m_widthBox,   m_applyButton, m_pointLabel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_smallestBox->setFocus();
}

QWidget *DesignWindowWidget::buildPlot()
{
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("designPlot"));
    m_plot->setAccessibleName(DesignTexts::tr("堰の幅と越流高さの曲線"));
    m_plot->setMinimumSize(380, 300);
    m_plot->xAxis->setLabel(Texts::axisLabel(Texts::width()));
    m_plot->yAxis->setLabel(Texts::axisLabel(Texts::head()));
    m_largestHeads = m_plot->addGraph();
    m_largestHeads->setPen(QPen(QColor(0, 0, 0xC0), 2));
    m_largestHeads->setName(DesignTexts::tr("最大流量"));
    m_smallestHeads = m_plot->addGraph();
    m_smallestHeads->setPen(QPen(QColor(0, 0x80, 0x40), 2));
    m_smallestHeads->setName(DesignTexts::tr("最小流量"));
    m_chosen = m_plot->addGraph();
    m_chosen->setLineStyle(QCPGraph::lsNone);
    m_chosen->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QColor(0xD0, 0, 0), QColor(0xD0, 0, 0), 9));
    m_chosen->setName(DesignTexts::tr("選んだ幅"));
    const auto line = [this](const QPen &pen) {
        auto *item = new QCPItemStraightLine(m_plot);
        item->setPen(pen);
        return item;
    };
    m_lowestLine = line(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    m_highestLine = line(QPen(QColor(0xC0, 0, 0), 1, Qt::DashLine));
    m_narrowestLine = line(QPen(QColor(0x60, 0x60, 0x60), 1, Qt::DotLine));
    m_widestLine = line(QPen(QColor(0x60, 0x60, 0x60), 1, Qt::DotLine));
    m_plot->legend->setVisible(true);
    m_plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    return m_plot;
}

void DesignWindowWidget::takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge)
{
    m_locale = locale;
    m_gauge = gauge;
    refresh();
}

QLineEdit *DesignWindowWidget::box(DesignBox box) const
{
    switch (box) {
    case DesignBox::SmallestFlow: return m_smallestBox;
    case DesignBox::LargestFlow: return m_largestBox;
    case DesignBox::HighestHead: return m_highestBox;
    case DesignBox::LargestU: return m_limitBox;
    }
    return nullptr;
}

QString DesignWindowWidget::rangeText() const
{
    return plain(m_rangeLabel);
}

QString DesignWindowWidget::pointText() const
{
    return plain(m_pointLabel);
}

QString DesignWindowWidget::gaugeText() const
{
    return plain(m_gaugeLabel);
}

void DesignWindowWidget::refresh()
{
    m_gaugeLabel->setText(laidOut(m_gauge ? gaugeStatement(*m_gauge, m_locale)
                                          : DesignTexts::tr("不確かさは未設定です（計算機の 編集 → 不確かさ）。")));
    m_answer = designFor({m_smallestBox->text(), m_largestBox->text(), m_highestBox->text(), m_limitBox->text()},
                         m_gauge, m_locale);
    const bool found = m_answer.narrowestMm.has_value();
    QPalette palette = m_rangeLabel->palette();
    palette.setColor(QPalette::WindowText, found ? this->palette().color(QPalette::WindowText) : messageRed(palette));
    m_rangeLabel->setPalette(palette);
    m_rangeLabel->setText(laidOut(found ? m_answer.rangeText : m_answer.message));
    m_applyButton->setEnabled(found);
    if (found) {
        // A width to start from: the range's middle, to a whole millimetre
        // where the range is that wide.
        const double middle = (*m_answer.narrowestMm + *m_answer.widestMm) / 2;
        const double whole = std::round(middle);
        const double chosen = whole >= *m_answer.narrowestMm && whole <= *m_answer.widestMm ? whole : middle;
        const QSignalBlocker quiet(m_widthBox);
        m_widthBox->setText(generalNumberText(std::round(chosen * 10) / 10, m_locale));
    }
    refreshPoint();
    replot();
}

void DesignWindowWidget::refreshPoint()
{
    const std::optional<double> width = positiveBoxNumber(m_widthBox->text(), m_locale);
    m_chosen->data()->clear();
    if (!width || !m_answer.request) {
        m_pointLabel->clear();
        m_applyButton->setEnabled(false);
        m_plot->replot();
        return;
    }
    const DesignPointTexts point = designPointTexts(m_answer, *width, m_gauge, m_locale);
    m_pointLabel->setText(laidOut(point.lines.join(u'\n')));
    if (point.found) {
        m_chosen->addData(*width, point.smallestFlowHeadMm);
        m_chosen->addData(*width, point.largestFlowHeadMm);
    }
    m_applyButton->setEnabled(point.found && m_answer.narrowestMm.has_value());
    m_plot->replot();
}

// Both flows' heads over widths from well below the narrowest to well past
// the widest, on a logarithmic spacing (a factor of ten in width is common).
void DesignWindowWidget::replot()
{
    m_smallestHeads->data()->clear();
    m_largestHeads->data()->clear();
    const bool read = m_answer.request.has_value();
    for (QCPItemStraightLine *line : {m_lowestLine, m_highestLine, m_narrowestLine, m_widestLine})
        line->setVisible(read);
    if (!read) {
        m_plot->replot();
        return;
    }
    const DesignRequest &request = *m_answer.request;
    const double narrowest = units::millimetresFromMetres(m_answer.range.narrowest);
    const double widest = units::millimetresFromMetres(m_answer.range.widest);
    const double low = std::max(1.0, std::min(narrowest, widest > 0 ? widest : narrowest) / 2);
    const double high = std::max(narrowest, widest) * 2;
    constexpr int kPoints = 160;
    for (int i = 0; i <= kPoints; ++i) {
        const double b = low * std::pow(high / low, double(i) / kPoints);
        m_smallestHeads->addData(b, headMm(request.smallestFlow, b));
        m_largestHeads->addData(b, headMm(request.largestFlow, b));
    }
    const double highestMm = units::millimetresFromMetres(request.highestHead);
    m_lowestLine->point1->setCoords(0, kMinimumValidHeadMm);
    m_lowestLine->point2->setCoords(1, kMinimumValidHeadMm);
    m_highestLine->point1->setCoords(0, highestMm);
    m_highestLine->point2->setCoords(1, highestMm);
    m_narrowestLine->point1->setCoords(narrowest, 0);
    m_narrowestLine->point2->setCoords(narrowest, 1);
    m_widestLine->point1->setCoords(widest, 0);
    m_widestLine->point2->setCoords(widest, 1);
    m_widestLine->setVisible(widest > 0);
    m_plot->xAxis->setRange(low, high);
    m_plot->yAxis->setRange(0, highestMm * 1.6);
    m_plot->replot();
}

void DesignWindowWidget::announceAnswer()
{
    m_announcer->announce(
        (QStringList{rangeText()} + pointText().split(u'\n', Qt::SkipEmptyParts)).join(QStringLiteral(u"、")));
}

void DesignWindowWidget::applyWidth()
{
    if (m_apply && m_applyButton->isEnabled() && positiveBoxNumber(m_widthBox->text(), m_locale))
        m_apply(m_widthBox->text().trimmed());
}

} // namespace weir
