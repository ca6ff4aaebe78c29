#pragma once

// Discharge of a rectangular sharp-crested weir, minus a target discharge.
//
//   Q(h) = 1.838 (1 + 0.0012 / h) (1 - sqrt(h / b) / 10) b h^1.5      [m^3/s]
//
// h is the overflow head over the crest and b the weir width, both in metres.
// The head solver looks for the h at which FN1 is zero.
//
// The evaluation is done in a fixed order of eleven double roundings; the solver's
// sign tests and its 1e-5 m^3/s tolerance see those last bits, so do not
// "simplify" the expression.
//
// Every fault of the formula (b = 0, h = 0, a root of a negative ratio, a
// fractional power of a negative head, overflow) comes out as a non-finite
// result: IEEE arithmetic carries an infinity or a NaN through to the end, and
// no step can turn one back into a finite number. Callers test std::isfinite.
double FN1(double X, double A0, double b);
