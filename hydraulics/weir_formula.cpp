// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/weir_formula.h"

#include <cmath>

namespace weir {

double weirResidual(double head, double flow, double width)
{
    const double ratio = head / width;
    const double root = std::sqrt(ratio);
    const double contraction = 1.0 - root / 10.0; // end-contraction factor, 0.9 when h = b
    const double lowHead = 0.0012 / head;         // correction for low heads
    const double lowHeadFactor = 1 + lowHead;
    const double t3 = 1.838 * lowHeadFactor;
    const double t4 = t3 * contraction;
    const double t5 = t4 * width;
    const double power = std::pow(head, 1.5);
    const double discharge = t5 * power;
    return discharge - flow;
}

double weirDischarge(double head, double width)
{
    return weirResidual(head, 0.0, width);
}

} // namespace weir
