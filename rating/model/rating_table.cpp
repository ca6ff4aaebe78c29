// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/model/rating_table.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/standard_uncertainty.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"
#include "rating/model/rating_texts.h"

#include <cmath>
#include <limits>

namespace weir {

namespace {

struct Read {
    std::optional<double> value;
    QString message;
};

Read positiveNumber(const QString &text, RatingBox box, const QLocale &locale)
{
    // The caption only when there is something to say about the box: a
    // record's million readings are mostly fine.
    if (const std::optional<double> value = positiveBoxNumber(text, locale))
        return {value, {}};
    const PositiveNumber refused = readPositiveNumber(text, RatingTexts::caption(box), locale);
    return {refused.value, refused.message};
}

} // namespace

// Flows to 0.01 L/min, and the same flow in m³/s to the digit that still
// tells such steps apart.
QString flowLpmText(double litresPerMinute, const QLocale &locale)
{
    return fixedNumberText(litresPerMinute, 2, locale);
}

QString flowM3sText(double cubicMetresPerSecond, const QLocale &locale)
{
    return fixedNumberText(cubicMetresPerSecond, 7, locale);
}

RatingRead readRatingBoxes(const RatingBoxTexts &texts, const QLocale &locale, int maxRows)
{
    const std::pair<RatingBox, const QString *> boxes[] = {{RatingBox::Width, &texts.width},
                                                           {RatingBox::From, &texts.from},
                                                           {RatingBox::To, &texts.to},
                                                           {RatingBox::Step, &texts.step}};
    double values[4] = {};
    int i = 0;
    for (const auto &[box, text] : boxes) {
        const Read read = positiveNumber(*text, box, locale);
        if (!read.value)
            return {std::nullopt, read.message, box};
        values[i++] = *read.value;
    }
    RatingRange range{values[0], values[1], values[2], values[3]};
    if (range.toMm < range.fromMm)
        return {std::nullopt,
                RatingTexts::tr("%1は%2以上にして下さい。")
                    .arg(RatingTexts::caption(RatingBox::To), RatingTexts::caption(RatingBox::From)),
                RatingBox::To};
    if (!((range.toMm - range.fromMm) / range.stepMm < maxRows))
        return {
            std::nullopt,
            RatingTexts::tr("%1が小さ過ぎます（%2行まで）。").arg(RatingTexts::caption(RatingBox::Step)).arg(maxRows),
            RatingBox::Step};
    return {range, {}, {}};
}

double flowCubicMetresPerSecond(double headMm, double widthMm)
{
    const Discharge discharge
        = WeirDomain(units::metresFromMillimetres(widthMm)).dischargeAt(units::metresFromMillimetres(headMm));
    return discharge.status == Discharge::Status::Ok ? discharge.flow : std::numeric_limits<double>::quiet_NaN();
}

double flowLitresPerMinute(double headMm, double widthMm)
{
    return units::litresPerMinuteFromCubicMetresPerSecond(flowCubicMetresPerSecond(headMm, widthMm));
}

std::optional<double> roundStepFor(double fromMm, double toMm)
{
    const double rough = (toMm - fromMm) / 20;
    if (!(rough > 0) || !std::isfinite(rough))
        return std::nullopt;
    // A range typed in round numbers reaches here a few units in the last
    // place off (43.9 - 43.8 is 0.10000000000000142): such a hair over a
    // round step must not push the choice to the next one.
    const double wanted = rough * (1 - 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double round : {1.0, 2.0, 5.0}) {
        if (round * power >= wanted)
            return round * power;
    }
    return 10 * power;
}

FlowAtHead flowAtHead(const QString &headText, double widthMm, const QLocale &locale,
                      const std::optional<GaugeUncertainty> &gauge, const std::optional<StandardFormula> &standard)
{
    const Read head = positiveNumber(headText, RatingBox::Head, locale);
    if (!head.value)
        return {{}, head.message};
    const FlowFormula formula(widthMm, standard);
    const FlowReading reading = formula.at(*head.value);
    if (!reading.lpm)
        return {{}, reading.message};
    QString text = QStringLiteral("%1 L/min (%2 m³/s)")
                       .arg(flowLpmText(*reading.lpm, locale), flowM3sText(*reading.m3s, locale));
    if (gauge) {
        const FlowUncertainty u = formula.uncertaintyAt(*reading.headMm, *gauge);
        if (const ExpandedTexts expanded = expandedTexts(u, *reading.lpm, locale); !expanded.percent.isEmpty())
            text += RatingTexts::tr(" ± %1 L/min（U = %2 %）").arg(expanded.plusMinusLpm, expanded.percent);
    }
    if (reading.belowValidRange)
        text += QStringLiteral(u" — ")
            + (standard ? reading.message : Texts::belowValidRange().chopped(1)); // without the full stop
    return {text, {}};
}

RatingTableModel::RatingTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RatingTableModel::setRange(const RatingRange &range)
{
    beginResetModel();
    m_range = range;
    m_domain = WeirDomain(units::metresFromMillimetres(range.widthMm));
    m_rows = range.stepMm > 0 && range.toMm >= range.fromMm
        ? int(std::floor((range.toMm - range.fromMm) / range.stepMm + 1e-9)) + 1
        : 0;
    endResetModel();
}

void RatingTableModel::setLocale(const QLocale &locale)
{
    beginResetModel();
    m_locale = locale;
    endResetModel();
}

void RatingTableModel::setGauge(const std::optional<GaugeUncertainty> &gauge)
{
    beginResetModel();
    m_gauge = gauge;
    updateColumns();
    endResetModel();
}

void RatingTableModel::setFormula(const std::optional<StandardFormula> &formula)
{
    beginResetModel();
    m_formula = formula;
    updateColumns();
    endResetModel();
}

void RatingTableModel::updateColumns()
{
    m_columns = {Head, FlowLpm, FlowM3s, Remark};
    if (m_gauge)
        m_columns << PlusMinus << Expanded;
    if (m_formula)
        m_columns << OwnFlowLpm << Difference;
}

StandardDischarge RatingTableModel::standardAt(int row) const
{
    return standardDischarge(m_formula->weir, units::metresFromMillimetres(headAt(row)),
                             m_formula->channelFor(m_range.widthMm));
}

FlowUncertainty RatingTableModel::uncertaintyAt(int row) const
{
    if (!m_gauge)
        return {};
    const double head = units::metresFromMillimetres(headAt(row));
    if (m_formula)
        return standardFlowUncertainty(m_formula->weir, head, m_formula->channelFor(m_range.widthMm), m_gauge->si());
    return flowUncertainty(head, m_domain.width(), m_gauge->si());
}

double RatingTableModel::ownFlowLpmAt(int row) const
{
    const Discharge discharge = m_domain.dischargeAt(units::metresFromMillimetres(headAt(row)));
    return discharge.status == Discharge::Status::Ok ? units::litresPerMinuteFromCubicMetresPerSecond(discharge.flow)
                                                     : std::numeric_limits<double>::quiet_NaN();
}

double RatingTableModel::headAt(int row) const
{
    // Each head from the start, not by adding steps up, so that rounding does
    // not creep down the table.
    return m_range.fromMm + row * m_range.stepMm;
}

double RatingTableModel::flowLpmAt(int row) const
{
    return units::litresPerMinuteFromCubicMetresPerSecond(flowM3sAt(row));
}

double RatingTableModel::flowM3sAt(int row) const
{
    if (m_formula) {
        const StandardDischarge q = standardAt(row);
        return q.status == StandardDischarge::Status::Ok ? q.flow : std::numeric_limits<double>::quiet_NaN();
    }
    const Discharge discharge = m_domain.dischargeAt(units::metresFromMillimetres(headAt(row)));
    return discharge.status == Discharge::Status::Ok ? discharge.flow : std::numeric_limits<double>::quiet_NaN();
}

bool RatingTableModel::beyondFormula(int row) const
{
    if (m_formula)
        return standardAt(row).status == StandardDischarge::Status::BeyondPeak;
    return m_domain.dischargeAt(units::metresFromMillimetres(headAt(row))).status == Discharge::Status::BeyondPeak;
}

bool RatingTableModel::belowValidRange(int row) const
{
    if (m_formula)
        return !standardAt(row).outside.empty();
    return headAt(row) < kMinimumValidHeadMm;
}

int RatingTableModel::rowNearest(double headMm) const
{
    if (m_rows == 0)
        return -1;
    const double at = std::round((headMm - m_range.fromMm) / m_range.stepMm);
    return int(std::clamp(at, 0.0, double(m_rows - 1)));
}

int RatingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RatingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RatingTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const Column column = columnAt(index.column());
    if (role == Qt::TextAlignmentRole)
        return column == Remark ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const int row = index.row();
    if (column != Remark)
        return numberText(column, valueAt(row, column), m_locale);
    if (beyondFormula(row))
        return Texts::noFlowBeyondFormula();
    if (m_formula) {
        const StandardDischarge q = standardAt(row);
        return q.outside.empty() ? QString() : Texts::outsideFormulaRange(q.outside);
    }
    return belowValidRange(row) ? Texts::outsideValidRange() : QString();
}

double RatingTableModel::valueAt(int row, Column column) const
{
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    switch (column) {
    case Head: return headAt(row);
    case FlowLpm: return flowLpmAt(row);
    case FlowM3s: return flowM3sAt(row);
    case Remark: return none;
    case OwnFlowLpm: return ownFlowLpmAt(row);
    case Difference: {
        // How far the standard's flow lies from the program's own, in % of the own.
        const double own = ownFlowLpmAt(row);
        const double chosen = flowLpmAt(row);
        return std::isfinite(own) && std::isfinite(chosen) && own > 0 ? (chosen - own) / own * 100 : none;
    }
    case PlusMinus:
    case Expanded: {
        const FlowUncertainty u = uncertaintyAt(row);
        const double flow = flowLpmAt(row);
        if (u.status != FlowUncertainty::Status::Ok || !std::isfinite(flow))
            return none;
        return column == PlusMinus ? u.expanded * flow : u.expanded * 100;
    }
    }
    return none;
}

QString RatingTableModel::numberText(Column column, double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    switch (column) {
    // The heads are sums of steps: rounded to a nanometre, 20 + 0.1 + 0.2
    // reads 20.3.
    case Head: return generalNumberText(std::round(value * 1e9) / 1e9, locale);
    case FlowLpm:
    case OwnFlowLpm: return flowLpmText(value, locale);
    case FlowM3s: return flowM3sText(value, locale);
    // U to a hundredth of a per cent and ± to 0.01 L/min, as everywhere
    // (calculator/model/gauge_uncertainty.h).
    case PlusMinus:
    case Expanded:
    case Difference: return fixedNumberText(value, 2, locale);
    case Remark: return {};
    }
    return {};
}

QVariant RatingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (columnAt(section)) {
    case Head: return Texts::head();
    case FlowLpm: return Texts::flow();
    case FlowM3s: return RatingTexts::flowM3s();
    case Remark: return RatingTexts::remark();
    case PlusMinus: return Texts::plusMinusFlow();
    case Expanded: return Texts::expandedPercent();
    case OwnFlowLpm: return Texts::ownFormulaFlow();
    case Difference: return Texts::formulaDifference();
    }
    return {};
}

} // namespace weir
