// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/weir_formula.h"

#include <cmath>

namespace weir {

// Bisection for the overflow head at which the weir passes the target discharge.
//
// All values in SI units: flow in m^3/s, width and the bracket ends in metres.
// The search stops when the residual at the midpoint is below 1e-5 m^3/s
// (0.6 L/min); there is no tolerance on the bracket width. Both ends are
// re-evaluated every trial (upper, lower, midpoint), and when the midpoint
// differs in sign from both ends the upper half is kept. The bracket's order is
// not checked: upper-below-lower is searched the same way.
//
// The search always ends. Halving a bracket of doubles either makes progress or
// leaves the bracket exactly as it was, and in the second case nothing would ever
// change again, so that is reported as NotConverged. A residual that comes out
// infinite or NaN stops the search at once.

enum class SolveStatus {
    Converged,         // head and trials are set
    NoRoot,            // no sign change in the bracket
    NotConverged,      // the bracket shrank to adjacent doubles, residual still too large
    ResidualNotFinite, // the formula failed (zero or negative width or head, overflow)
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoRoot;
    double head = 0.0; // metres; meaningful only when Converged
    int trials = 0;    // trials begun when the search stopped
};

inline constexpr double kResidualTolerance = 0.00001; // m^3/s

// Residual is any callable double(double head, double flow, double width); tests
// and the benchmark pass wrappers that count evaluations.
template <typename Residual>
SolveResult bisectHead(Residual &&residual, double flow, double width, double lower, double upper)
{
    int trials = 0;
    const auto fault = [&trials] { return SolveResult{SolveStatus::ResidualNotFinite, 0.0, trials}; };
    for (;;) {
        const double atUpper = residual(upper, flow, width);
        if (!std::isfinite(atUpper))
            return fault();
        const double atLower = residual(lower, flow, width);
        if (!std::isfinite(atLower))
            return fault();
        const double middle = (upper + lower) / 2;
        ++trials;
        const double atMiddle = residual(middle, flow, width);
        if (!std::isfinite(atMiddle))
            return fault();

        if (std::fabs(atMiddle) < kResidualTolerance)
            return {SolveStatus::Converged, middle, trials};
        if (atUpper * atMiddle < 0) {
            if (middle == lower)
                return {SolveStatus::NotConverged, 0.0, trials};
            lower = middle;
        } else if (atLower * atMiddle < 0) {
            if (middle == upper)
                return {SolveStatus::NotConverged, 0.0, trials};
            upper = middle;
        } else {
            return {SolveStatus::NoRoot, 0.0, trials};
        }
    }
}

// The solver with the weir formula.
SolveResult solveHead(double flow, double width, double lower, double upper);

} // namespace weir
