// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/gauge_uncertainty.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"

#include <QSettings>

#include <cmath>

namespace weir {

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("weir-head"), QStringLiteral("weir-head"));
}

const QString kHeadKey = QStringLiteral("uncertainty/head_mm");
const QString kWidthKey = QStringLiteral("uncertainty/width_mm");
const QString kCoefficientKey = QStringLiteral("uncertainty/coefficient_percent");

} // namespace

GaugeRead readGaugeUncertainty(const QString &headMm, const QString &widthMm, const QString &coefficientPercent,
                               const QLocale &locale)
{
    const QString texts[] = {headMm.trimmed(), widthMm.trimmed(), coefficientPercent.trimmed()};
    if (texts[0].isEmpty() && texts[1].isEmpty() && texts[2].isEmpty())
        return {};
    const QString captions[] = {Texts::headUncertainty(), Texts::widthUncertainty(), Texts::coefficientUncertainty()};
    double values[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (texts[i].isEmpty())
            return {std::nullopt, Texts::uncertaintyMissing(captions[i])};
        const BoxNumber number = parseBoxNumber(texts[i], locale);
        if (number.status == BoxNumber::Status::NotANumber)
            return {std::nullopt, Texts::notANumber(captions[i])};
        if (number.status == BoxNumber::Status::TooLarge)
            return {std::nullopt, Texts::tooLarge(captions[i])};
        if (number.value < 0)
            return {std::nullopt, Texts::uncertaintyNegative(captions[i])};
        values[i] = number.value;
    }
    return {GaugeUncertainty{values[0], values[1], values[2]}, {}};
}

std::optional<GaugeUncertainty> storedGaugeUncertainty()
{
    QSettings stored = settings();
    if (!stored.contains(kHeadKey) || !stored.contains(kWidthKey) || !stored.contains(kCoefficientKey))
        return std::nullopt;
    // Written with C's decimal point, read back the same whatever the locale.
    const GaugeRead read = readGaugeUncertainty(stored.value(kHeadKey).toString(), stored.value(kWidthKey).toString(),
                                                stored.value(kCoefficientKey).toString(), QLocale::c());
    return read.gauge;
}

void storeGaugeUncertainty(const std::optional<GaugeUncertainty> &gauge)
{
    QSettings stored = settings();
    if (!gauge) {
        stored.remove(QStringLiteral("uncertainty"));
        return;
    }
    const QLocale c = QLocale::c();
    stored.setValue(kHeadKey, exactNumberText(gauge->headMm, c));
    stored.setValue(kWidthKey, exactNumberText(gauge->widthMm, c));
    stored.setValue(kCoefficientKey, exactNumberText(gauge->coefficientPercent, c));
}

QString gaugeStatement(const GaugeUncertainty &gauge, const QLocale &locale)
{
    return Texts::uncertaintyStatement(generalNumberText(gauge.headMm, locale),
                                       generalNumberText(gauge.widthMm, locale),
                                       generalNumberText(gauge.coefficientPercent, locale));
}

ExpandedTexts expandedTexts(const FlowUncertainty &u, double flowLpm, const QLocale &locale)
{
    if (u.status != FlowUncertainty::Status::Ok || !std::isfinite(flowLpm))
        return {};
    // The flows are shown to 0.01 L/min and U to a hundredth of a per cent:
    // an uncertainty is worth two significant digits, these keep three.
    return {fixedNumberText(u.expanded * flowLpm, 2, locale), fixedNumberText(u.expanded * 100, 2, locale)};
}

} // namespace weir
