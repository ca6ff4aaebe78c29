#pragma once

#include "weir_residual.h"

#include <cmath>

// Bisection for the overflow head at which the weir passes the target discharge.
//
// All values in SI units: Q in m^3/s, BW, XL, XU in metres. The search stops when
// the residual at the midpoint is below 1e-5 m^3/s (0.6 L/min); there is no
// tolerance on the bracket width. Both ends are re-evaluated every trial (upper,
// lower, midpoint), and when the midpoint differs in sign from both ends the
// upper half is kept. The bracket's order is not checked: upper-below-lower is
// searched the same way.
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
    double head = 0.0;   // metres; meaningful only when Converged
    int trials = 0;      // trials begun when the search stopped
};

inline constexpr double kResidualTolerance = 0.00001; // m^3/s

// Residual is any callable double(double X, double A0, double b); tests and the
// benchmark pass wrappers that count evaluations.
template <typename Residual>
SolveResult bisectHead(Residual &&residual, double Q, double BW, double XL, double XU)
{
    int NTRIAL = 0;
    const auto fault = [&NTRIAL] { return SolveResult{SolveStatus::ResidualNotFinite, 0.0, NTRIAL}; };
    for (;;) {
        const double FU = residual(XU, Q, BW);
        if (!std::isfinite(FU))
            return fault();
        const double FL = residual(XL, Q, BW);
        if (!std::isfinite(FL))
            return fault();
        const double XM = (XU + XL) / 2;
        ++NTRIAL;
        const double FM = residual(XM, Q, BW);
        if (!std::isfinite(FM))
            return fault();

        if (std::fabs(FM) < kResidualTolerance)
            return {SolveStatus::Converged, XM, NTRIAL};
        if (FU * FM < 0) {
            if (XM == XL)
                return {SolveStatus::NotConverged, 0.0, NTRIAL};
            XL = XM;
        } else if (FL * FM < 0) {
            if (XM == XU)
                return {SolveStatus::NotConverged, 0.0, NTRIAL};
            XU = XM;
        } else {
            return {SolveStatus::NoRoot, 0.0, NTRIAL};
        }
    }
}

// The solver with the weir formula FN1.
SolveResult solveHead(double Q, double BW, double XL, double XU);
