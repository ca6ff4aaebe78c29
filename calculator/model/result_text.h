// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/calculation.h"

#include "calculator/model/input_boxes.h"

#include <QLocale>
#include <QString>

namespace weir {

// The inputs and the result as a spreadsheet takes them: a header line of the
// boxes' captions (which carry their units), then one line of values, both
// tab-separated: width, flow, minimum, maximum, head, trials. A box that reads
// as a number is written in the locale's plain number form (full-width digits
// become ASCII); anything else is written as typed, with tabs and line breaks
// turned into spaces so that the row stays one row.
QString resultForSpreadsheet(const BoxTexts &inputs, const QString &head, const QString &trials, const QLocale &locale);

// What the About box says: name, version, licence, the discharge formula and
// its range, and the unit of each box. Rich text.
QString aboutText(const QString &version);

// What a screen reader is told after a Calculate, wherever the focus is: the
// head and the trials with any note, or the printed lines; nothing when a box
// was still empty.
QString announcementOf(const CalculationOutcome &outcome);

} // namespace weir
