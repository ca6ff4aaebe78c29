// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/weir_design.h"

#include "hydraulics/head_location.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"

#include <cmath>

namespace weir {

namespace {

// The widths searched: from a hair's breadth to a weir no channel has. Both
// ends are far outside any design, so an answer never sits on them.
constexpr double kNarrowestSearched = 1e-5; // m
constexpr double kWidestSearched = 1e3;     // m
// Halving that range down to adjacent doubles takes under 70 steps; the cap
// only guarantees an end whatever the predicate does.
constexpr int kMaxSteps = 200;

// The head at which a width passes a flow; infinite when it cannot (the flow
// is above the weir's peak), so that "too narrow" reads as "head too high".
double headFor(double flow, double width)
{
    const HeadLocation located = locateHead(flow, width);
    return located.status == HeadLocation::Status::Found ? located.head : HUGE_VAL;
}

// The width where `holds` turns from true (narrower) to false (wider), for
// a predicate that does so once from `from` to the widest searched; the last
// width that holds. nullopt when it fails at `from`.
template <typename Predicate> std::optional<double> lastWidthHolding(Predicate holds, double from = kNarrowestSearched)
{
    double low = from;
    double high = kWidestSearched;
    if (!holds(low))
        return std::nullopt;
    if (holds(high))
        return high;
    for (int step = 0; step < kMaxSteps; ++step) {
        // Geometric halves while the ends are orders apart, so that every
        // step counts at millimetres as at metres; plain halves at the end.
        const double middle = high > 4 * low ? std::sqrt(low * high) : low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        (holds(middle) ? low : high) = middle;
    }
    return low;
}

} // namespace

WidthRange designWidths(const DesignRequest &request)
{
    using Status = WidthRange::Status;
    WidthRange range;
    const double low = request.smallestFlow;
    const double high = request.largestFlow;
    if (!std::isfinite(low) || !std::isfinite(high) || !(low > 0) || !(high >= low)) {
        range.status = Status::FlowsInvalid;
        return range;
    }
    const double minimumHead = units::metresFromMillimetres(kMinimumValidHeadMm);
    if (!std::isfinite(request.highestHead) || !(request.highestHead > minimumHead)) {
        range.status = Status::HeadInvalid;
        return range;
    }
    if (request.uncertainty) {
        const UncertaintyInputs &u = *request.uncertainty;
        if (!u.isValid() || (request.largestExpanded && !isUncertainty(*request.largestExpanded))) {
            range.status = Status::LimitInvalid;
            return range;
        }
    }

    // The narrowest: the widest that still lifts the largest flow to the
    // highest head is one step too wide; the narrowest that keeps it under is
    // the first that fails "head above the highest".
    const std::optional<double> tooNarrow
        = lastWidthHolding([&](double b) { return headFor(high, b) > request.highestHead; });
    range.narrowest = tooNarrow ? std::nextafter(*tooNarrow, HUGE_VAL) : kNarrowestSearched;

    range.widest = lastWidthHolding([&](double b) { return headFor(low, b) >= minimumHead; }).value_or(0.0);
    range.widestBy = WidthRange::Bound::MinimumHead;
    // The limit narrows a range there is; with none, what to change is the
    // heads'.
    if (range.narrowest <= range.widest && request.uncertainty && request.largestExpanded) {
        const auto withinLimit = [&](double b) {
            const FlowUncertainty u = flowUncertainty(headFor(low, b), b, *request.uncertainty);
            return u.status == FlowUncertainty::Status::Ok && u.expanded <= *request.largestExpanded;
        };
        // Narrower than the narrowest, the smallest flow may be above the
        // weir's peak and have no uncertainty at all: the search starts where
        // the largest flow, and so every smaller one, passes.
        const std::optional<double> limited = lastWidthHolding(withinLimit, range.narrowest);
        const double byLimit = limited.value_or(0.0);
        if (byLimit < range.widest) {
            range.widest = byLimit;
            range.widestBy = WidthRange::Bound::Uncertainty;
        }
    }
    range.status = range.narrowest <= range.widest ? Status::Ok : Status::NoWidth;
    return range;
}

DesignPoint designPoint(const DesignRequest &request, double width)
{
    DesignPoint point;
    const HeadLocation low = locateHead(request.smallestFlow, width);
    const HeadLocation high = locateHead(request.largestFlow, width);
    if (low.status != HeadLocation::Status::Found || high.status != HeadLocation::Status::Found)
        return point;
    const FlowUncertainty slope = flowUncertainty(low.head, width, {});
    if (slope.status != FlowUncertainty::Status::Ok)
        return point;
    point.found = true;
    point.smallestFlowHead = low.head;
    point.largestFlowHead = high.head;
    point.headPerFlow = low.head / (slope.headSensitivity * request.smallestFlow);
    return point;
}

} // namespace weir
