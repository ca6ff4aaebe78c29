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

} // namespace weir::units
