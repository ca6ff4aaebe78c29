// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/input_boxes.h"
#include "hydraulics/bisection.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace weir {

// The bisection trail of one Calculate as text: a row per trial, the bracket
// (XL, XU), its middle XM, the residual F at each and the step taken. The
// calculation sheet prints these rows; 編集 → 計算過程をコピー puts them on
// the clipboard.

// How a row writes the residuals F(XL), F(XU), F(XM): exactly (the digits that
// read back as the program's double, for a spreadsheet), or in scientific form
// with five decimals, against the 1e-5 m³/s tolerance, for a reader.
enum class ResidualForm { Exact, Scientific };

QString residualText(double value, ResidualForm form, const QLocale &locale);

QList<QStringList> trailRows(const std::vector<BisectionTrial> &trail, ResidualForm residuals, const QLocale &locale);

// The bisection trail alone, tab-separated with a header row, every number to
// the digits that read back as the program's own double: for a spreadsheet.
QString trailForSpreadsheet(const BoxTexts &boxes, const QLocale &locale);

} // namespace weir
