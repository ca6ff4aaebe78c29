// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/flow_uncertainty.h"
#include "hydraulics/standard_weirs.h"

namespace weir {

// What a flow from a standard's formula is worth, combined as for the
// program's own (flow_uncertainty.h): u(Q)/Q = sqrt(u_C^2 + (S_h u(h)/h)^2 +
// (S_b u(b)/b)^2). The sensitivities S_h = d ln Q / d ln h and S_b =
// d ln Q / d ln b are the formula's own, taken by central differences of
// its flow (the step a millionth of the value: the error, of the order of
// the step squared, lies far below any uncertainty worth stating). b is the
// crest width; the channel's width and the crest height are held, except
// that a full-width weir's channel is its crest. Where the flow stops rising
// with the head no uncertainty is given (BeyondPeak), as for the program's
// own formula.
FlowUncertainty standardFlowUncertainty(StandardWeir weir, double head, const WeirChannel &channel,
                                        const UncertaintyInputs &inputs);

} // namespace weir
