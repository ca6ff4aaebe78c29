// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/weir_domain.h"

#include "hydraulics/head_location.h"
#include "hydraulics/weir_formula.h"

#include <cmath>
#include <limits>

namespace weir {

WeirDomain::WeirDomain(double width)
    : m_width(width)
    , m_peak(width > 0 && std::isfinite(width) ? weir::peakHead(width) : std::numeric_limits<double>::quiet_NaN())
{
}

Discharge WeirDomain::dischargeAt(double head) const
{
    if (!std::isfinite(m_peak) || !std::isfinite(head))
        return {Discharge::Status::NotComputable, 0.0};
    if (!(head > 0))
        return {Discharge::Status::HeadNotPositive, 0.0};
    if (!(head < m_peak))
        return {Discharge::Status::BeyondPeak, 0.0};
    const double flow = weirDischarge(head, m_width);
    if (!std::isfinite(flow))
        return {Discharge::Status::NotComputable, 0.0};
    return {Discharge::Status::Ok, flow};
}

bool beyondPeak(double head, double width)
{
    if (!(head > 25 * width) || !(width > 0) || !std::isfinite(width))
        return false;
    return !(head < weir::peakHead(width));
}

} // namespace weir
