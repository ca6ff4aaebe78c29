// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/bisection.h"

namespace weir {

SolveResult solveHead(double flow, double width, double lower, double upper)
{
    return bisectHead(weirResidual, flow, width, lower, upper);
}

} // namespace weir
