// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/flow_reading.h"

#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"

#include <QLocale>

#include <cmath>

namespace weir {

FlowReading flowReadingAt(double headMm, const WeirDomain &domain)
{
    FlowReading reading;
    const Discharge discharge = domain.dischargeAt(units::metresFromMillimetres(headMm));
    switch (discharge.status) {
    case Discharge::Status::Ok: break;
    case Discharge::Status::HeadNotPositive: reading.message = Texts::notPositive(Texts::head()); return reading;
    case Discharge::Status::BeyondPeak:
        reading.message = Texts::beyondFormula(peakHeadText(domain.peakHead(), QLocale::c()));
        return reading;
    case Discharge::Status::NotComputable: reading.message = Texts::notComputable(); return reading;
    }
    const double lpm = units::litresPerMinuteFromCubicMetresPerSecond(discharge.flow);
    if (!std::isfinite(lpm)) {
        reading.message = Texts::notComputable();
        return reading;
    }
    reading.headMm = headMm;
    reading.lpm = lpm;
    reading.m3s = discharge.flow;
    reading.belowValidRange = headMm < kMinimumValidHeadMm;
    return reading;
}

} // namespace weir
