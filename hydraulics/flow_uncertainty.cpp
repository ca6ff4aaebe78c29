// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/flow_uncertainty.h"

#include <cmath>

namespace weir {

FlowUncertainty flowUncertainty(double head, double width, const UncertaintyInputs &inputs)
{
    using Status = FlowUncertainty::Status;
    FlowUncertainty result;
    if (!inputs.isValid()) {
        result.status = Status::InputsInvalid;
        return result;
    }
    if (!std::isfinite(head) || !std::isfinite(width) || !(width > 0)) {
        result.status = Status::NotComputable;
        return result;
    }
    if (!(head > 0)) {
        result.status = Status::HeadNotPositive;
        return result;
    }
    const double x = std::sqrt(head / width) / 10;
    const double lowHead = 0.0012 / head;
    // x / (2 (1 - x)): the width factor's pull on both sensitivities. At
    // x = 1 (100 widths) the factor is zero and the formula ends.
    const double contraction = x / (2 * (1 - x));
    result.headSensitivity = 1.5 - lowHead / (1 + lowHead) - contraction;
    result.widthSensitivity = 1 + contraction;
    if (!(x < 1) || !(result.headSensitivity > 0)) {
        result.status = Status::BeyondPeak;
        return result;
    }
    return combinedUncertainty(result, head, width, inputs);
}

FlowUncertainty combinedUncertainty(FlowUncertainty result, double head, double width, const UncertaintyInputs &inputs)
{
    result.headTerm = result.headSensitivity * inputs.head / head;
    result.widthTerm = result.widthSensitivity * inputs.width / width;
    result.coefficientTerm = inputs.coefficient;
    // hypot keeps the sum of squares from overflowing or vanishing.
    result.relative = std::hypot(result.coefficientTerm, result.headTerm, result.widthTerm);
    result.expanded = kCoverageFactor * result.relative;
    result.status
        = std::isfinite(result.expanded) ? FlowUncertainty::Status::Ok : FlowUncertainty::Status::NotComputable;
    return result;
}

} // namespace weir
