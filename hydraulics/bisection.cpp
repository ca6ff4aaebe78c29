// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/bisection.h"

namespace weir {

SolveResult solveHead(double flow, double width, double lower, double upper)
{
    return bisectHead(weirResidual, flow, width, lower, upper);
}

SolveResult solveHead(double flow, double width, double lower, double upper, std::vector<BisectionTrial> &trail)
{
    trail.clear();
    return bisectHead(weirResidual, flow, width, lower, upper,
                      [&trail](const BisectionTrial &trial) { trail.push_back(trial); });
}

} // namespace weir
