// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/weir_formula.h"

#include <cmath>

namespace weir {

namespace {

// The steps themselves, once, for both the residual and the sheet's factors.
// Forced inline so that the residual (the solver's inner loop) keeps only the
// arithmetic and never builds the whole set of terms.
[[gnu::always_inline]] inline WeirTerms evaluate(double head, double width)
{
    WeirTerms terms;
    terms.ratio = head / width;
    const double root = std::sqrt(terms.ratio);
    terms.contraction = 1.0 - root / 10.0; // end-contraction factor, 0.9 when h = b
    const double lowHead = 0.0012 / head;  // correction for low heads
    terms.lowHeadFactor = 1 + lowHead;
    const double t3 = 1.838 * terms.lowHeadFactor;
    const double t4 = t3 * terms.contraction;
    const double t5 = t4 * width;
    terms.power = std::pow(head, 1.5);
    terms.discharge = t5 * terms.power;
    return terms;
}

} // namespace

WeirTerms weirTerms(double head, double width)
{
    return evaluate(head, width);
}

// The last of the twelve roundings: the discharge less the target.
double weirResidual(double head, double flow, double width)
{
    return evaluate(head, width).discharge - flow;
}

double weirDischarge(double head, double width)
{
    return weirResidual(head, 0.0, width);
}

} // namespace weir
