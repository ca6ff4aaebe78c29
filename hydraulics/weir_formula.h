// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

namespace weir {

// Discharge of a rectangular sharp-crested weir, minus a target discharge.
//
//   Q(h) = 1.838 (1 + 0.0012 / h) (1 - sqrt(h / b) / 10) b h^1.5      [m^3/s]
//
// h is the overflow head over the crest and b the weir width, both in metres;
// the target flow is in m^3/s. The head solver looks for the h at which the
// residual is zero.
//
// The evaluation is done in a fixed order of twelve double roundings (h / b, the
// root, the root / 10, 1 minus that, 0.0012 / h, 1 plus that, four products,
// the power, and the final difference); the solver's sign tests and its
// 1e-5 m^3/s tolerance see those last bits, so do not "simplify" the expression.
//
// Every fault of the formula (b = 0, h = 0, a root of a negative ratio, a
// fractional power of a negative head, overflow) comes out as a non-finite
// result: IEEE arithmetic carries an infinity or a NaN through to the end, and
// no step can turn one back into a finite number. Callers test std::isfinite.
double weirResidual(double head, double flow, double width);

// The formula's factors at one head, each as the residual's own steps round
// it: what a calculation sheet shows for a checker to redo.
struct WeirTerms {
    double ratio = 0.0;         // h / b
    double lowHeadFactor = 0.0; // 1 + 0.0012 / h
    double contraction = 0.0;   // 1 - sqrt(h / b) / 10
    double power = 0.0;         // h^1.5, m^1.5
    double discharge = 0.0;     // m^3/s
};
WeirTerms weirTerms(double head, double width);

// The discharge itself (m^3/s) at a head: the residual against a target of
// zero, so that a flow shown for a head and a head solved for a flow come from
// the very same roundings.
double weirDischarge(double head, double width);

// The formula holds for heads of 20 mm and more; below that the nappe clings
// to the crest and the coefficient no longer applies. Heads below are still
// computed, and flagged wherever they are shown.
inline constexpr double kMinimumValidHeadMm = 20.0;

} // namespace weir
