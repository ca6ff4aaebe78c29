// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/weir_domain.h"

#include <QString>

#include <optional>

namespace weir {

// The flow at a measured head over a weir, as numbers, or the message about
// the head when it gives none: the rating window's measured head, a record's
// rows, the command line's flow all read a head this way.
struct FlowReading {
    std::optional<double> headMm;
    std::optional<double> lpm; // L/min
    std::optional<double> m3s; // m³/s
    bool belowValidRange = false;
    QString message;
};

// A head already read as a number (mm), over a weir whose domain is known
// (hydraulics/weir_domain.h): the message says why there is no flow when the
// head is not above zero or at or past the formula's peak.
FlowReading flowReadingAt(double headMm, const WeirDomain &domain);

} // namespace weir
