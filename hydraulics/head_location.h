// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

namespace weir {

// Where the formula passes a flow, found without a bracket from the user.
//
// The formula holds for heads above 0 and below 100 widths, where its width
// factor 1 - sqrt(h/b)/10 is positive. On that range the discharge rises from
// 0 to a peak (near 56 widths) and falls back to 0 at 100 widths, so a flow
// below the peak is passed at two heads; the one on the rising part is the
// physical one, and the one reported here. The same residual as the solver's
// is used, so the head found agrees with what a bracket around it gives.
//
// Every search here is a fixed number of steps at most: it ends whatever
// doubles it is given.
struct HeadLocation {
    enum class Status {
        Found,           // head is set, metres
        FlowNotPositive, // zero or negative flow: no head passes it
        FlowAbovePeak,   // more than this width passes at any head
        NotComputable,   // width not positive or not finite, flow not finite
    };
    Status status = Status::NotComputable;
    double head = 0.0;
};

HeadLocation locateHead(double flow, double width);

// The head at which the discharge peaks (metres), on (0, 100 widths).
double peakHead(double width);

} // namespace weir
