// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/flow_formula.h"

#include "common/texts.h"
#include "hydraulics/standard_uncertainty.h"
#include "hydraulics/units.h"

#include <QStringList>

namespace weir {

WeirChannel StandardFormula::channelFor(double widthMm) const
{
    return {units::metresFromMillimetres(widthMm), units::metresFromMillimetres(channelWidthMm),
            units::metresFromMillimetres(crestHeightMm)};
}

FlowFormula::FlowFormula(double widthMm, const std::optional<StandardFormula> &standard)
    : m_widthMm(widthMm)
    , m_domain(units::metresFromMillimetres(widthMm))
    , m_standard(standard)
    , m_channel(standard ? standard->channelFor(widthMm) : WeirChannel{units::metresFromMillimetres(widthMm)})
{
}

bool FlowFormula::holds() const
{
    return !m_standard || geometryHolds(m_standard->weir, m_channel);
}

FlowReading FlowFormula::at(double headMm) const
{
    if (!m_standard)
        return flowReadingAt(headMm, m_domain);
    FlowReading reading;
    const StandardDischarge q = standardDischarge(m_standard->weir, units::metresFromMillimetres(headMm), m_channel);
    switch (q.status) {
    case StandardDischarge::Status::Ok: break;
    case StandardDischarge::Status::HeadNotPositive:
        reading.message = Texts::notPositive(Texts::head());
        return reading;
    case StandardDischarge::Status::BeyondPeak: reading.message = Texts::noFlowBeyondFormula(); return reading;
    case StandardDischarge::Status::GeometryInvalid:
    case StandardDischarge::Status::NotComputable: reading.message = Texts::notComputable(); return reading;
    }
    reading.headMm = headMm;
    reading.m3s = q.flow;
    reading.lpm = units::litresPerMinuteFromCubicMetresPerSecond(q.flow);
    if (!q.outside.empty()) {
        reading.belowValidRange = true;
        reading.message = Texts::outsideFormulaRange(q.outside);
    }
    return reading;
}

FlowUncertainty FlowFormula::uncertaintyAt(double headMm, const GaugeUncertainty &gauge) const
{
    const double head = units::metresFromMillimetres(headMm);
    if (m_standard)
        return standardFlowUncertainty(m_standard->weir, head, m_channel, gauge.si());
    return flowUncertainty(head, m_domain.width(), gauge.si());
}

} // namespace weir
