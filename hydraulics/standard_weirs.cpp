// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/standard_weirs.h"

#include <cmath>

namespace weir {

namespace {

constexpr double kGravity = 9.80665; // m/s^2, standard gravity as ISO 1438 takes it

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

// The JIS formulas' coefficients are for m^3/min.
constexpr double kPerMinute = 60.0;

} // namespace

const char *rangeLimitText(RangeLimit limit)
{
    switch (limit) {
    case RangeLimit::ChannelWidthBelow: return "B < 0.5 m";
    case RangeLimit::ChannelWidthAbove: return "B > 6.3 m";
    case RangeLimit::WidthBelow: return "b < 0.15 m";
    case RangeLimit::WidthAbove: return "b > 5 m";
    case RangeLimit::CrestHeightBelow: return "D below its range";
    case RangeLimit::CrestHeightAbove: return "D above its range";
    case RangeLimit::ContractionBelow: return "bD/B² < 0.06";
    case RangeLimit::HeadBelow: return "h < 0.03 m";
    case RangeLimit::HeadAboveRootWidth: return "h > 0.45√b";
    case RangeLimit::HeadAboveCrest: return "h > D";
    case RangeLimit::HeadAbove08: return "h > 0.8 m";
    case RangeLimit::HeadAboveQuarter: return "h > B/4";
    case RangeLimit::HeadOverCrestAbove: return "h/D > 2.5";
    }
    return "";
}

bool geometryHolds(StandardWeir weir, const WeirChannel &c)
{
    switch (weir) {
    case StandardWeir::JisRectangular:
        return positive(c.width) && positive(c.crestHeight) && positive(c.channelWidth) && c.width <= c.channelWidth;
    case StandardWeir::JisFullWidth: return positive(c.width) && positive(c.crestHeight);
    case StandardWeir::JisFrancis: return positive(c.width);
    case StandardWeir::IsoFullWidth: return c.width > 0.001 && std::isfinite(c.width) && positive(c.crestHeight);
    }
    return false;
}

std::vector<RangeLimit> geometryOutsideRange(StandardWeir weir, const WeirChannel &c)
{
    std::vector<RangeLimit> outside;
    const auto check = [&outside](bool broken, RangeLimit limit) {
        if (broken)
            outside.push_back(limit);
    };
    switch (weir) {
    case StandardWeir::JisRectangular:
        check(c.channelWidth < 0.5, RangeLimit::ChannelWidthBelow);
        check(c.channelWidth > 6.3, RangeLimit::ChannelWidthAbove);
        check(c.width < 0.15, RangeLimit::WidthBelow);
        check(c.width > 5, RangeLimit::WidthAbove);
        check(c.crestHeight < 0.15, RangeLimit::CrestHeightBelow);
        check(c.crestHeight > 3.5, RangeLimit::CrestHeightAbove);
        check(c.width * c.crestHeight / (c.channelWidth * c.channelWidth) < 0.06, RangeLimit::ContractionBelow);
        break;
    case StandardWeir::JisFullWidth:
        check(c.width < 0.5, RangeLimit::ChannelWidthBelow);
        check(c.crestHeight < 0.3, RangeLimit::CrestHeightBelow);
        check(c.crestHeight > 2.5, RangeLimit::CrestHeightAbove);
        break;
    case StandardWeir::JisFrancis: break; // no range printed with it
    case StandardWeir::IsoFullWidth:
        check(c.width < 0.15, RangeLimit::WidthBelow);
        check(c.crestHeight < 0.1, RangeLimit::CrestHeightBelow);
        break;
    }
    return outside;
}

namespace {

std::vector<RangeLimit> headOutsideRange(StandardWeir weir, double h, const WeirChannel &c)
{
    std::vector<RangeLimit> outside = geometryOutsideRange(weir, c);
    const auto check = [&outside](bool broken, RangeLimit limit) {
        if (broken)
            outside.push_back(limit);
    };
    switch (weir) {
    case StandardWeir::JisRectangular:
        check(h < 0.03, RangeLimit::HeadBelow);
        check(h > 0.45 * std::sqrt(c.width), RangeLimit::HeadAboveRootWidth);
        break;
    case StandardWeir::JisFullWidth:
        check(h < 0.03, RangeLimit::HeadBelow);
        check(h > c.crestHeight, RangeLimit::HeadAboveCrest);
        check(h > 0.8, RangeLimit::HeadAbove08);
        check(h > c.width / 4, RangeLimit::HeadAboveQuarter);
        break;
    case StandardWeir::JisFrancis: break;
    case StandardWeir::IsoFullWidth:
        check(h < 0.03, RangeLimit::HeadBelow);
        check(h / c.crestHeight > 2.5, RangeLimit::HeadOverCrestAbove);
        break;
    }
    return outside;
}

} // namespace

StandardDischarge standardDischarge(StandardWeir weir, double h, const WeirChannel &c)
{
    StandardDischarge result;
    if (!geometryHolds(weir, c)) {
        result.status = StandardDischarge::Status::GeometryInvalid;
        return result;
    }
    if (!std::isfinite(h))
        return result;
    if (!(h > 0)) {
        result.status = StandardDischarge::Status::HeadNotPositive;
        return result;
    }
    const double b = c.width, B = c.channelWidth, D = c.crestHeight;
    double k = 0.0, q = 0.0;
    switch (weir) {
    case StandardWeir::JisRectangular:
        k = 107.1 + 0.177 / h + 14.2 * h / D - 25.7 * std::sqrt((B - b) * h / (D * B)) + 2.04 * std::sqrt(B / D);
        q = k * b * std::pow(h, 1.5) / kPerMinute;
        break;
    case StandardWeir::JisFullWidth: {
        const double e = D <= 1 ? 0.0 : 0.55 * (D - 1);
        k = 107.1 + (0.177 / h + 14.2 * h / D) * (1 + e);
        q = k * b * std::pow(h, 1.5) / kPerMinute;
        break;
    }
    case StandardWeir::JisFrancis:
        if (h >= 3 * b) {
            result.status = StandardDischarge::Status::BeyondPeak;
            return result;
        }
        k = 1.838;
        q = k * (b - 0.2 * h) * std::pow(h, 1.5);
        break;
    case StandardWeir::IsoFullWidth:
        k = 0.602 + 0.075 * h / D;
        q = k * (2.0 / 3.0) * std::sqrt(2 * kGravity) * (b - 0.001) * std::pow(h + 0.001, 1.5);
        break;
    }
    if (!std::isfinite(q) || !(q >= 0))
        return result;
    result.status = StandardDischarge::Status::Ok;
    result.flow = q;
    result.coefficient = k;
    result.outside = headOutsideRange(weir, h, c);
    return result;
}

StandardHead standardHeadFor(StandardWeir weir, double flow, const WeirChannel &c)
{
    StandardHead result;
    if (!geometryHolds(weir, c)) {
        result.status = StandardHead::Status::GeometryInvalid;
        return result;
    }
    if (!std::isfinite(flow))
        return result;
    if (!(flow > 0)) {
        result.status = StandardHead::Status::FlowNotPositive;
        return result;
    }
    const auto q = [&](double h) {
        const StandardDischarge d = standardDischarge(weir, h, c);
        return d.status == StandardDischarge::Status::Ok ? d.flow : NAN;
    };
    // Up from a millimetre by doubling until the flow is reached; a formula
    // whose flow stops rising (Francis at 3 b) or stops being given first
    // has no head for it. Sixty doublings pass any head a weir has.
    double low = 0.0, high = 0.001;
    for (int step = 0;; ++step) {
        const double at = q(high);
        if (!std::isfinite(at) || step == 60) {
            result.status = StandardHead::Status::BeyondFormula;
            if (weir == StandardWeir::JisFrancis && high > 3 * c.width) {
                // Look just under the peak before giving up.
                high = 3 * c.width * (1 - 1e-12);
                if (q(high) >= flow)
                    break;
            }
            return result;
        }
        if (at >= flow)
            break;
        low = high;
        high *= 2;
    }
    // Bisection to the last bit: the midpoint stops moving within 1100
    // halvings of any bracket of doubles.
    for (int step = 0; step < 1100; ++step) {
        const double mid = low + (high - low) / 2;
        if (mid <= low || mid >= high)
            break;
        const double at = q(mid);
        if (!std::isfinite(at))
            return result;
        (at < flow ? low : high) = mid;
    }
    result.status = StandardHead::Status::Found;
    result.head = high;
    return result;
}

} // namespace weir
