// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "logic/calculation_trail.h"

#include "logic/calculation.h"
#include "logic/number_text.h"

#include <cmath>

namespace weir {

namespace {

// Residuals against the 1e-5 m^3/s tolerance: five decimals in scientific
// form show their sign and size at a glance.
constexpr int kResidualDecimals = 5;

QString exactOrDash(double value, const QLocale &locale)
{
    return std::isnan(value) ? TrailTexts::dash() : exactNumberText(value, locale);
}

} // namespace

QString TrailTexts::header()
{
    return tr("試行\tXL (m)\tXU (m)\tXM (m)\tF(XL) (m³/s)\tF(XU) (m³/s)\tF(XM) (m³/s)\t判定");
}

QString TrailTexts::step(BisectionTrial::Step step)
{
    switch (step) {
    case BisectionTrial::Step::RaiseLower: return QStringLiteral(u"XL ← XM");
    case BisectionTrial::Step::LowerUpper: return QStringLiteral(u"XU ← XM");
    case BisectionTrial::Step::Converged: return tr("収束");
    case BisectionTrial::Step::NoRoot: return tr("符号変化なし");
    case BisectionTrial::Step::Stuck: return tr("区間が縮まない");
    case BisectionTrial::Step::Fault: return tr("計算不能");
    }
    return {};
}

QString TrailTexts::dash()
{
    return QStringLiteral(u"—");
}

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
                            TrailTexts::step(trial.step)};
    }
    return rows;
}

QString trailForSpreadsheet(const BoxTexts &boxes, const QLocale &locale)
{
    const CalculationRecord record = calculateWithTrail(boxes, locale);
    QStringList lines{TrailTexts::header()};
    for (const QStringList &row : trailRows(record.trail, ResidualForm::Exact, locale))
        lines << row.join(u'\t');
    return lines.join(u'\n') + u'\n';
}

} // namespace weir
