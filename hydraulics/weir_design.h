// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/flow_uncertainty.h"

#include <optional>

namespace weir {

// Which weir measures a range of flows: the widths b for which every flow
// from the smallest to the largest passes at a head the formula holds for
// (20 mm and up) and the channel allows (up to its highest head), and,
// when a limit is given, the smallest flow's expanded uncertainty stays
// within it.
//
// At a given flow the head falls as the weir widens, and at a given width it
// rises with the flow, so the largest flow sets the narrowest weir (its head
// reaches the highest allowed) and the smallest flow the widest (its head
// comes down to 20 mm, or its uncertainty up to the limit: a lower head is
// read with a larger relative error). Each end is found by bisection on the
// width, with the head for a flow located on the same formula the calculator
// solves.
struct DesignRequest {
    double smallestFlow = 0.0; // m^3/s
    double largestFlow = 0.0;  // m^3/s
    double highestHead = 0.0;  // m
    // The gauge's and the coefficient's uncertainties and the largest U/Q
    // acceptable at the smallest flow (a fraction), when the user gives them.
    std::optional<UncertaintyInputs> uncertainty;
    std::optional<double> largestExpanded;
};

struct WidthRange {
    enum class Status {
        Ok,           // narrowest <= widest, both in metres
        FlowsInvalid, // a flow not positive or not finite, or the smallest above the largest
        HeadInvalid,  // the highest head not finite, or not above 20 mm
        LimitInvalid, // an uncertainty or the limit negative or not finite
        NoWidth,      // the limits leave no width: see widestBy
    };
    // What sets the widest weir, and when there is none, what to change.
    enum class Bound {
        MinimumHead, // the smallest flow's head reaches 20 mm
        Uncertainty, // the smallest flow's U reaches the limit
    };
    Status status = Status::FlowsInvalid;
    double narrowest = 0.0; // m: the largest flow at the highest head
    double widest = 0.0;    // m; with NoWidth, below narrowest (or 0: the limit is never met)
    Bound widestBy = Bound::MinimumHead;
};

WidthRange designWidths(const DesignRequest &request);

// A weir of a chosen width against the request: the heads at the two flows
// (m), and how much the head changes per m^3/s at the smallest flow (how
// finely a gauge must read there), dh/dQ = h / (S_h Q).
struct DesignPoint {
    bool found = false; // false when a flow passes at no head on this width
    double smallestFlowHead = 0.0;
    double largestFlowHead = 0.0;
    double headPerFlow = 0.0; // m per m^3/s
};

DesignPoint designPoint(const DesignRequest &request, double width);

} // namespace weir
