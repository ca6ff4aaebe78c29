// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/calculation.h"
#include "calculator/model/gauge_uncertainty.h"
#include "sheet/model/sheet_title.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace weir {

// The calculation sheet (計算書): one Calculate written out so that a checker
// can redo every line of it by hand, from the typed inputs through their SI
// values, the formula and its factors at the head found, every bisection trial,
// to the result as the window showed it (or why there was none).
//
// This is the sheet's content only, as headings, lines and tables of text; the
// sheet module lays it out on A4 pages for a PDF or a printer.

struct SheetBlock {
    enum class Kind {
        Heading, // a numbered section
        Text,    // a line of text, wrapped to the page
        Flagged, // a line the engineer must not miss: why there is no head, or a head out of range
        Table,   // a header row and rows; a table that runs over a page repeats its header
    };
    Kind kind = Kind::Text;
    QString text;
    QStringList header;
    QList<QStringList> rows;

    bool operator==(const SheetBlock &) const = default;
};

struct CalculationSheet {
    QString title;
    SheetTitle titleBlock; // under the title, on the first page
    QList<SheetBlock> blocks;

    // Every line and table row as text, a table's cells separated by tabs.
    QString plainText() const;
};

// The sheet for one Calculate of these box texts, made at calculatedAt.
// With the gauge's uncertainties, a section on what the flow is worth.
CalculationSheet calculationSheet(const BoxTexts &boxes, const QLocale &locale, const QDateTime &calculatedAt,
                                  const std::optional<GaugeUncertainty> &gauge = std::nullopt,
                                  const SheetTitle &titleBlock = {});

} // namespace weir
