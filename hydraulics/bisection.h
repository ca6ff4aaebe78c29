// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/weir_formula.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

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

// One trial as a checker would write it down: the bracket it started from, the
// three residuals it evaluated and what it did with them. Residuals it never got
// to evaluate (after the formula failed) are NaN.
struct BisectionTrial {
    enum class Step {
        RaiseLower, // the residual changed sign above the midpoint: XL <- XM
        LowerUpper, // the residual changed sign below the midpoint: XU <- XM
        Converged,  // |F(XM)| < kResidualTolerance: XM is the head
        NoRoot,     // no sign change: the bracket holds no root
        Stuck,      // the bracket can no longer be halved
        Fault,      // the formula gave no finite residual
    };
    int number = 0; // 1 for the first trial
    double lower = 0.0;
    double upper = 0.0;
    double middle = 0.0; // NaN when the trial failed before it was taken
    double atLower = 0.0;
    double atUpper = 0.0;
    double atMiddle = 0.0;
    Step step = Step::Fault;
};

// The observer for a search nobody follows: an empty call the compiler drops,
// so the plain search costs what it did before it could be followed.
struct NoTrail {
    void operator()(const BisectionTrial &) const noexcept {}
};

// Residual is any callable double(double head, double flow, double width); tests
// and the benchmark pass wrappers that count evaluations. Trail is called once
// per trial with what the trial did, after it has done it.
template <typename Residual, typename Trail = NoTrail>
SolveResult bisectHead(Residual &&residual, double flow, double width, double lower, double upper,
                       Trail &&trail = Trail{})
{
    constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();
    int trials = 0;
    for (;;) {
        BisectionTrial trial{trials + 1, lower, upper, kUnset, kUnset, kUnset, kUnset, BisectionTrial::Step::Fault};
        const auto stop = [&](BisectionTrial::Step step, SolveStatus status, double head = 0.0) {
            trial.step = step;
            trail(std::as_const(trial));
            return SolveResult{status, head, trials};
        };

        trial.atUpper = residual(upper, flow, width);
        if (!std::isfinite(trial.atUpper))
            return stop(BisectionTrial::Step::Fault, SolveStatus::ResidualNotFinite);
        trial.atLower = residual(lower, flow, width);
        if (!std::isfinite(trial.atLower))
            return stop(BisectionTrial::Step::Fault, SolveStatus::ResidualNotFinite);
        const double middle = (upper + lower) / 2;
        trial.middle = middle;
        ++trials;
        const double atMiddle = residual(middle, flow, width);
        trial.atMiddle = atMiddle;
        if (!std::isfinite(atMiddle))
            return stop(BisectionTrial::Step::Fault, SolveStatus::ResidualNotFinite);

        if (std::fabs(atMiddle) < kResidualTolerance)
            return stop(BisectionTrial::Step::Converged, SolveStatus::Converged, middle);
        if (trial.atUpper * atMiddle < 0) {
            if (middle == lower)
                return stop(BisectionTrial::Step::Stuck, SolveStatus::NotConverged);
            lower = middle;
            trial.step = BisectionTrial::Step::RaiseLower;
        } else if (trial.atLower * atMiddle < 0) {
            if (middle == upper)
                return stop(BisectionTrial::Step::Stuck, SolveStatus::NotConverged);
            upper = middle;
            trial.step = BisectionTrial::Step::LowerUpper;
        } else {
            return stop(BisectionTrial::Step::NoRoot, SolveStatus::NoRoot);
        }
        trail(std::as_const(trial));
    }
}

// The solver with the weir formula.
SolveResult solveHead(double flow, double width, double lower, double upper);

// The same search, every trial written down: for the calculation sheet. The
// result is the plain solveHead's, bit for bit.
SolveResult solveHead(double flow, double width, double lower, double upper, std::vector<BisectionTrial> &trail);

} // namespace weir
