// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <cmath>

namespace weir {

// What a flow from the formula is worth, the way the Guide to the Expression
// of Uncertainty in Measurement combines it (and ISO 1438 applies it to
// thin-plate weirs): each input's relative standard uncertainty times the
// formula's sensitivity to it, added in quadrature.
//
//   x   = sqrt(h/b) / 10
//   S_h = d ln Q / d ln h = 1.5 - (0.0012/h) / (1 + 0.0012/h) - x / (2 (1 - x))
//   S_b = d ln Q / d ln b = 1 + x / (2 (1 - x))
//   u(Q)/Q = sqrt(u_C^2 + (S_h u(h)/h)^2 + (S_b u(b)/b)^2),   U = 2 u(Q)
//
// S_h falls from 1.5 as h grows, through zero at the head where Q(h) peaks
// (about 56 widths): from there on a reading no longer tells the flow, and
// no uncertainty is given.

// The standard uncertainties the user knows of: the head's (the gauge's
// reading and its zero together) and the width's in metres, the
// coefficient's as a fraction (0.01 for 1 %).
// A standard uncertainty (or a limit on one) as the formula can take it:
// finite and not negative.
inline bool isUncertainty(double value)
{
    return std::isfinite(value) && value >= 0;
}

struct UncertaintyInputs {
    double head = 0.0;
    double width = 0.0;
    double coefficient = 0.0;

    bool isValid() const { return isUncertainty(head) && isUncertainty(width) && isUncertainty(coefficient); }
};

// The expanded uncertainty's coverage factor: about 95 % for a normal
// distribution.
inline constexpr double kCoverageFactor = 2.0;

struct FlowUncertainty {
    enum class Status {
        Ok,              // every field is set
        InputsInvalid,   // an uncertainty negative or not finite
        HeadNotPositive, // no overflow, no flow to speak of
        BeyondPeak,      // at or past the head where Q(h) stops rising
        NotComputable,   // width not positive, a value not finite
    };
    Status status = Status::NotComputable;
    double headSensitivity = 0.0;  // S_h
    double widthSensitivity = 0.0; // S_b
    // Each input's share of u(Q)/Q before the quadrature: S_h u(h)/h,
    // S_b u(b)/b and u_C.
    double headTerm = 0.0;
    double widthTerm = 0.0;
    double coefficientTerm = 0.0;
    double relative = 0.0; // u(Q)/Q
    double expanded = 0.0; // U/Q = kCoverageFactor u(Q)/Q
};

// At a head and width in metres.
FlowUncertainty flowUncertainty(double head, double width, const UncertaintyInputs &inputs);

// The combination, once a formula's sensitivities are set in `result` (both
// finite, S_h above zero): each input's term, u(Q)/Q and U/Q, and the status.
// Every formula's uncertainty ends here.
FlowUncertainty combinedUncertainty(FlowUncertainty result, double head, double width, const UncertaintyInputs &inputs);

} // namespace weir
