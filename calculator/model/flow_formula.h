// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/flow_reading.h"
#include "calculator/model/gauge_uncertainty.h"
#include "hydraulics/flow_uncertainty.h"
#include "hydraulics/standard_weirs.h"
#include "hydraulics/weir_domain.h"

#include <optional>

namespace weir {

// A standard's formula chosen instead of the program's own: which, and the
// weir's channel in mm (the crest's width is the weir's width).
struct StandardFormula {
    StandardWeir weir = StandardWeir::JisRectangular;
    double channelWidthMm = 0.0;
    double crestHeightMm = 0.0;

    WeirChannel channelFor(double widthMm) const;
};

// The standards' formulas a window offers after the program's own, in order.
inline constexpr StandardWeir kOfferedStandards[]
    = {StandardWeir::JisRectangular, StandardWeir::JisFullWidth, StandardWeir::JisFrancis, StandardWeir::IsoFullWidth};

// The channel's dimensions a formula takes: B only for the rectangular weir
// with end contractions; D for all but Francis's (the full-width weirs'
// channel is their crest); the program's own (none) takes neither.
constexpr bool takesChannelWidth(std::optional<StandardWeir> weir)
{
    return weir == StandardWeir::JisRectangular;
}
constexpr bool takesCrestHeight(std::optional<StandardWeir> weir)
{
    return weir && *weir != StandardWeir::JisFrancis;
}

// The formula the flows of a weir come from: the program's own, or a
// standard's. A head read in mm gives a FlowReading either way; outside a
// standard's range the flow is given, belowValidRange set and the message
// naming the limits broken; past where the formula's flow stops rising,
// none.
class FlowFormula
{
public:
    explicit FlowFormula(double widthMm, const std::optional<StandardFormula> &standard = std::nullopt);

    double widthMm() const { return m_widthMm; }
    const std::optional<StandardFormula> &standard() const { return m_standard; }
    // Whether the weir can be (a standard's weir may not: b wider than B,
    // D not positive).
    bool holds() const;

    FlowReading at(double headMm) const;
    // The flow's uncertainty at a head (mm) with the user's three, from this
    // formula's own sensitivities.
    FlowUncertainty uncertaintyAt(double headMm, const GaugeUncertainty &gauge) const;

private:
    double m_widthMm;
    WeirDomain m_domain;
    std::optional<StandardFormula> m_standard;
    WeirChannel m_channel;
};

} // namespace weir
