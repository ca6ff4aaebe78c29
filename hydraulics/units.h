// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// The units the engineer types and reads (millimetres, litres per minute) and
// the SI units the formula works in (metres, cubic metres per second).
//
// Every conversion in the program goes through these, in exactly these
// roundings: the solver's sign tests and its 1e-5 m^3/s tolerance see the last
// bit of the flow, so (q / 1000) / 60 is not the same as q / 60000, and the two
// must never be mixed.
namespace weir::units {

// mm -> m: one division, rounded once.
constexpr double metresFromMillimetres(double millimetres)
{
    return millimetres / 1000.0;
}

// m -> mm: one product, rounded once.
constexpr double millimetresFromMetres(double metres)
{
    return metres * 1000;
}

// L/min -> m^3/s: litres to cubic metres, then per minute to per second, each
// division rounded on its own.
constexpr double cubicMetresPerSecondFromLitresPerMinute(double litresPerMinute)
{
    return (litresPerMinute / 1000) / 60;
}

// m^3/s -> L/min: the conversion above undone in reverse order.
constexpr double litresPerMinuteFromCubicMetresPerSecond(double cubicMetresPerSecond)
{
    return cubicMetresPerSecond * 1000 * 60;
}

// The units a logger or a spreadsheet may hold a head or a flow in, and each
// one's size in the program's own units (mm, L/min). An inch is 25.4 mm and a
// foot 304.8 mm by definition (1959), so a cubic foot is 28.316846592 L.
enum class HeadUnit { Millimetre, Centimetre, Metre, Inch, Foot };
enum class FlowUnit {
    LitresPerMinute,
    LitresPerSecond,
    CubicMetresPerSecond,
    CubicMetresPerHour,
    CubicMetresPerDay,
    CubicFeetPerSecond
};

constexpr double millimetresPer(HeadUnit unit)
{
    switch (unit) {
    case HeadUnit::Millimetre: return 1.0;
    case HeadUnit::Centimetre: return 10.0;
    case HeadUnit::Metre: return 1000.0;
    case HeadUnit::Inch: return 25.4;
    case HeadUnit::Foot: return 304.8;
    }
    return 1.0;
}

constexpr double litresPerMinutePer(FlowUnit unit)
{
    switch (unit) {
    case FlowUnit::LitresPerMinute: return 1.0;
    case FlowUnit::LitresPerSecond: return 60.0;
    case FlowUnit::CubicMetresPerSecond: return 60000.0;
    case FlowUnit::CubicMetresPerHour: return 1000.0 / 60.0;
    case FlowUnit::CubicMetresPerDay: return 1000.0 / 1440.0;
    case FlowUnit::CubicFeetPerSecond: return 28.316846592 * 60.0;
    }
    return 1.0;
}

// A reading in its own unit as millimetres of head over the crest: the
// reading when the water stands level with the crest (its zero) taken off in
// the reading's own unit, then one product. A reading already in mm with no
// zero comes back as it was, to the bit.
constexpr double headMillimetresFromReading(double reading, double zero, HeadUnit unit)
{
    const double aboveCrest = zero == 0.0 ? reading : reading - zero;
    return unit == HeadUnit::Millimetre ? aboveCrest : aboveCrest * millimetresPer(unit);
}

constexpr double litresPerMinuteFromReading(double reading, FlowUnit unit)
{
    return unit == FlowUnit::LitresPerMinute ? reading : reading * litresPerMinutePer(unit);
}

} // namespace weir::units
