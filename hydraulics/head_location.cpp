// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/head_location.h"

#include "hydraulics/weir_formula.h"

#include <cmath>
#include <limits>

namespace weir {

namespace {

// Enough halvings to go from any double bracket to adjacent doubles.
constexpr int kMaxSteps = 2200;

} // namespace

double peakHead(double width)
{
    // Golden-section search for the maximum of a function that rises then
    // falls: each step keeps 0.618 of the interval, so 200 steps leave far
    // less than a double's resolution.
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double low = 0.0;
    double high = 100 * width;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double atA = weirDischarge(a, width);
    double atB = weirDischarge(b, width);
    for (int step = 0; step < 200 && a < b; ++step) {
        if (atA < atB) {
            low = a;
            a = b;
            atA = atB;
            b = low + ratio * (high - low);
            atB = weirDischarge(b, width);
        } else {
            high = b;
            b = a;
            atB = atA;
            a = high - ratio * (high - low);
            atA = weirDischarge(a, width);
        }
    }
    return (a + b) / 2;
}

HeadLocation locateHead(double flow, double width)
{
    if (!(width > 0) || !std::isfinite(width) || !std::isfinite(flow))
        return {HeadLocation::Status::NotComputable, 0.0};
    if (!(flow > 0))
        return {HeadLocation::Status::FlowNotPositive, 0.0};

    double high = peakHead(width);
    const double atPeak = weirResidual(high, flow, width);
    if (!std::isfinite(atPeak))
        return {HeadLocation::Status::NotComputable, 0.0};
    if (atPeak < 0)
        return {HeadLocation::Status::FlowAbovePeak, 0.0};

    // Below the smallest normal head the discharge is nothing, so the flow lies
    // between; halve by the sign of the residual until the two ends touch.
    double low = std::numeric_limits<double>::min();
    for (int step = 0; step < kMaxSteps; ++step) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        const double atMiddle = weirResidual(middle, flow, width);
        if (!std::isfinite(atMiddle))
            return {HeadLocation::Status::NotComputable, 0.0};
        (atMiddle < 0 ? low : high) = middle;
    }
    return {HeadLocation::Status::Found, high};
}

} // namespace weir
