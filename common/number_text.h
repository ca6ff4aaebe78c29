// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace weir {

// How numbers are written: the head as the head box shows it, and plain
// numbers in the locale's form. How they are read: common/box_number.h.
//
// How a head is shown. The solver's head in metres is first written with the
// digit pattern "#####.#####" (no leading zero, at most five decimals), that text
// is read back, multiplied by 1000 and shown in millimetres in the general number
// form. The detour through five decimals is what rounds the shown head to
// 0.01 mm: 0.0438281 m -> ".04383" -> 43.83.

// "#####.#####": the value taken to 15 significant digits, then rounded half away
// from zero to five decimals; no leading zero before the point, trailing zeros and
// a trailing point dropped. A value that rounds to zero gives the point alone.
// The result always uses '.'; it is only ever read back by readFixedPattern
// (common/box_number.h).
QString formatFixedPattern(double value);

// The general form: at most 15 significant digits, trailing zeros and point
// dropped, no digit grouping, the locale's decimal separator.
QString generalNumberText(double value, const QLocale &locale);

// A fixed number of decimals, no digit grouping, the locale's decimal separator.
QString fixedNumberText(double value, int decimals, const QLocale &locale);

// The fewest digits that read back as the very same double: a value a checker
// can type into a calculator and get the program's own bits. No grouping.
QString exactNumberText(double value, const QLocale &locale);

// A number of significant digits, general form, no grouping.
QString significantNumberText(double value, int digits, const QLocale &locale);

// Scientific form with a number of decimals (1.23457e-03), no grouping.
QString scientificNumberText(double value, int decimals, const QLocale &locale);

// Numbers written the C way inside a text, given a decimal comma: a point
// between two digits becomes a comma, every other point (a sentence's full
// stop, "mm.") stays. For files and answers whose user asked for the comma;
// the numbers themselves are always written with the point first, so the
// comma is a mark put on at the edge, never a locale's other rules.
QString withDecimalComma(const QString &text);

// The head where Q(h) peaks (m), as every message quotes it: in mm to 0.1 mm.
QString peakHeadText(double peakMetres, const QLocale &locale);

} // namespace weir
