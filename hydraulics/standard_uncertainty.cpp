// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/standard_uncertainty.h"

#include <cmath>

namespace weir {

namespace {

constexpr double kRelativeStep = 1e-6;

// d ln Q / d ln x at x, from the flow on either side of it.
double logSensitivity(double x, const auto &flowAt)
{
    const double up = flowAt(x * (1 + kRelativeStep));
    const double down = flowAt(x * (1 - kRelativeStep));
    return (std::log(up) - std::log(down)) / (std::log1p(kRelativeStep) - std::log1p(-kRelativeStep));
}

} // namespace

FlowUncertainty standardFlowUncertainty(StandardWeir weir, double head, const WeirChannel &channel,
                                        const UncertaintyInputs &inputs)
{
    using Status = FlowUncertainty::Status;
    FlowUncertainty result;
    if (!inputs.isValid()) {
        result.status = Status::InputsInvalid;
        return result;
    }
    const StandardDischarge at = standardDischarge(weir, head, channel);
    switch (at.status) {
    case StandardDischarge::Status::Ok: break;
    case StandardDischarge::Status::HeadNotPositive: result.status = Status::HeadNotPositive; return result;
    case StandardDischarge::Status::BeyondPeak: result.status = Status::BeyondPeak; return result;
    case StandardDischarge::Status::GeometryInvalid:
    case StandardDischarge::Status::NotComputable: return result;
    }
    const auto flowOr = [](const StandardDischarge &q) {
        return q.status == StandardDischarge::Status::Ok && q.flow > 0 ? q.flow : NAN;
    };
    result.headSensitivity
        = logSensitivity(head, [&](double h) { return flowOr(standardDischarge(weir, h, channel)); });
    result.widthSensitivity = logSensitivity(channel.width, [&](double b) {
        WeirChannel wider = channel;
        wider.width = b;
        return flowOr(standardDischarge(weir, head, wider));
    });
    if (!std::isfinite(result.headSensitivity) || !std::isfinite(result.widthSensitivity))
        return result; // a step crossed where the formula ends
    if (!(result.headSensitivity > 0)) {
        result.status = Status::BeyondPeak;
        return result;
    }
    return combinedUncertainty(result, head, channel.width, inputs);
}

} // namespace weir
