// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "sheet/model/calculation_trail.h"

#include "calculator/model/calculation.h"
#include "common/number_text.h"
#include "sheet/model/sheet_texts.h"

#include <cmath>

namespace weir {

namespace {

// Residuals against the 1e-5 m^3/s tolerance: five decimals in scientific
// form show their sign and size at a glance.
constexpr int kResidualDecimals = 5;

QString exactOrDash(double value, const QLocale &locale)
{
    return std::isnan(value) ? SheetTexts::dash() : exactNumberText(value, locale);
}

} // namespace

QString residualText(double value, ResidualForm form, const QLocale &locale)
{
    if (form == ResidualForm::Exact || std::isnan(value))
        return exactOrDash(value, locale);
    return scientificNumberText(value, kResidualDecimals, locale);
}

QList<QStringList> trailRows(const std::vector<BisectionTrial> &trail, ResidualForm residuals, const QLocale &locale)
{
    QList<QStringList> rows;
    rows.reserve(qsizetype(trail.size()));
    for (const BisectionTrial &trial : trail) {
        rows << QStringList{QString::number(trial.number),
                            exactOrDash(trial.lower, locale),
                            exactOrDash(trial.upper, locale),
                            exactOrDash(trial.middle, locale),
                            residualText(trial.atLower, residuals, locale),
                            residualText(trial.atUpper, residuals, locale),
                            residualText(trial.atMiddle, residuals, locale),
                            SheetTexts::trailStep(trial.step)};
    }
    return rows;
}

QString trailForSpreadsheet(const BoxTexts &boxes, const QLocale &locale)
{
    const CalculationRecord record = calculateWithTrail(boxes, locale);
    QStringList lines{SheetTexts::trailHeader()};
    for (const QStringList &row : trailRows(record.trail, ResidualForm::Exact, locale))
        lines << row.join(u'\t');
    return lines.join(u'\n') + u'\n';
}

} // namespace weir
