// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "design/model/design_model.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"

#include <cmath>

namespace weir {

QString DesignTexts::title()
{
    return Texts::designName();
}

QString DesignTexts::smallestFlow()
{
    return tr("最小流量(L/min)");
}

QString DesignTexts::largestFlow()
{
    return tr("最大流量(L/min)");
}

QString DesignTexts::highestHead()
{
    return tr("許容最高越流高さ(mm)");
}

QString DesignTexts::largestU()
{
    return tr("最小流量での許容拡張不確かさ(%)");
}

QString DesignTexts::apply()
{
    return tr("この幅を計算機に入れる");
}

namespace {

QString mmText(double mm, const QLocale &locale)
{
    return fixedNumberText(mm, 1, locale);
}

} // namespace

DesignAnswer designFor(const DesignBoxTexts &boxes, const std::optional<GaugeUncertainty> &gauge, const QLocale &locale)
{
    DesignAnswer answer;
    const QString *required[] = {&boxes.smallestFlow, &boxes.largestFlow, &boxes.highestHead};
    const QString captions[] = {DesignTexts::smallestFlow(), DesignTexts::largestFlow(), DesignTexts::highestHead(),
                                DesignTexts::largestU()};
    double values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const PositiveNumber read = readPositiveNumber(*required[i], captions[i], locale);
        if (!read.value) {
            answer.message = read.message;
            return answer;
        }
        values[i] = *read.value;
    }
    if (values[1] < values[0]) {
        answer.message = DesignTexts::tr("%1は%2以上にして下さい。").arg(captions[1], captions[0]);
        return answer;
    }
    if (!(values[2] > kMinimumValidHeadMm)) {
        answer.message = DesignTexts::tr("%1は公式の適用範囲の下限 %2 mm より大きくして下さい。")
                             .arg(captions[2])
                             .arg(kMinimumValidHeadMm);
        return answer;
    }
    DesignRequest request{units::cubicMetresPerSecondFromLitresPerMinute(values[0]),
                          units::cubicMetresPerSecondFromLitresPerMinute(values[1]),
                          units::metresFromMillimetres(values[2]), std::nullopt, std::nullopt};
    if (gauge)
        request.uncertainty = gauge->si();
    if (!boxes.largestU.trimmed().isEmpty()) {
        const PositiveNumber limit = readPositiveNumber(boxes.largestU, captions[3], locale);
        if (!limit.value) {
            answer.message = limit.message;
            return answer;
        }
        if (!gauge) {
            answer.message = DesignTexts::tr("%1には、不確かさの三つの値（越流高さ、堰の幅、流量係数）が要ります。")
                                 .arg(captions[3]);
            return answer;
        }
        request.largestExpanded = *limit.value / 100;
    }
    answer.request = request;
    answer.range = designWidths(request);
    const double narrowest = units::millimetresFromMetres(answer.range.narrowest);
    const double widest = units::millimetresFromMetres(answer.range.widest);
    if (answer.range.status == WidthRange::Status::Ok) {
        // Inward to 0.1 mm; a range narrower than that is shown as it is.
        double low = std::ceil(narrowest * 10) / 10;
        double high = std::floor(widest * 10) / 10;
        if (high < low) {
            low = narrowest;
            high = widest;
        }
        answer.narrowestMm = low;
        answer.widestMm = high;
        const QString by = answer.range.widestBy == WidthRange::Bound::MinimumHead
            ? DesignTexts::tr("広い側は最小流量の越流高さ %1 mm で決まります").arg(kMinimumValidHeadMm)
            : DesignTexts::tr("広い側は最小流量での拡張不確かさ %1 % で決まります").arg(boxes.largestU.trimmed());
        answer.rangeText = DesignTexts::tr("%1: %2 〜 %3 mm（%4）")
                               .arg(Texts::width(), mmText(low, locale), mmText(high, locale), by);
        return answer;
    }
    if (answer.range.widestBy == WidthRange::Bound::MinimumHead) {
        answer.message
            = DesignTexts::tr("この流量の幅を一つの堰では測れません: 最大流量を %1 mm 以下で流すには幅 %2 mm "
                              "以上が要り、その幅では最小流量の越流高さが %3 mm を下回ります（幅 %4 mm "
                              "まで）。許容最高越流高さを上げるか、流量の範囲を分けて下さい。")
                  .arg(generalNumberText(values[2], locale), mmText(narrowest, locale))
                  .arg(kMinimumValidHeadMm)
                  .arg(mmText(widest, locale));
    } else {
        const FlowUncertainty atNarrowest
            = flowUncertainty(designPoint(request, answer.range.narrowest).smallestFlowHead, answer.range.narrowest,
                              *request.uncertainty);
        answer.message = DesignTexts::tr("最小流量での拡張不確かさが %1 % を超えます: 最も狭い幅 %2 mm でも %3 % "
                                         "です。許容値を上げるか、越流高さの不確かさ u(h) を小さくして下さい。")
                             .arg(boxes.largestU.trimmed(), mmText(narrowest, locale),
                                  fixedNumberText(atNarrowest.expanded * 100, 2, locale));
    }
    return answer;
}

DesignPointTexts designPointTexts(const DesignAnswer &answer, double widthMm,
                                  const std::optional<GaugeUncertainty> &gauge, const QLocale &locale)
{
    DesignPointTexts texts;
    if (!answer.request || !(widthMm > 0) || !std::isfinite(widthMm))
        return texts;
    const DesignRequest &request = *answer.request;
    const double width = units::metresFromMillimetres(widthMm);
    const DesignPoint point = designPoint(request, width);
    const QString smallest
        = fixedNumberText(units::litresPerMinuteFromCubicMetresPerSecond(request.smallestFlow), 2, locale);
    const QString largest
        = fixedNumberText(units::litresPerMinuteFromCubicMetresPerSecond(request.largestFlow), 2, locale);
    if (!point.found) {
        texts.lines << DesignTexts::tr("幅 %1 mm の堰では、最大流量を公式の範囲内で流せません。")
                           .arg(generalNumberText(widthMm, locale));
        return texts;
    }
    texts.found = true;
    texts.smallestFlowHeadMm = units::millimetresFromMetres(point.smallestFlowHead);
    texts.largestFlowHeadMm = units::millimetresFromMetres(point.largestFlowHead);
    texts.inRange = answer.range.status == WidthRange::Status::Ok && width >= answer.range.narrowest
        && width <= answer.range.widest;
    // Heads to 0.01 mm as the calculator shows them; the change per L/min is
    // how finely a gauge must read at the smallest flow.
    const double mmPerLpm
        = units::millimetresFromMetres(point.headPerFlow) * units::cubicMetresPerSecondFromLitresPerMinute(1.0);
    texts.headChangeMmPerLpm = mmPerLpm;
    texts.lines << DesignTexts::tr("最小流量 %1 L/min: 越流高さ %2 mm")
                       .arg(smallest, fixedNumberText(texts.smallestFlowHeadMm, 2, locale))
                << DesignTexts::tr("最大流量 %1 L/min: 越流高さ %2 mm")
                       .arg(largest, fixedNumberText(texts.largestFlowHeadMm, 2, locale))
                << DesignTexts::tr("最小流量で流量 1 L/min あたりの越流高さの変化: %1 mm")
                       .arg(significantNumberText(mmPerLpm, 3, locale));
    if (gauge) {
        const FlowUncertainty u = flowUncertainty(point.smallestFlowHead, width, gauge->si());
        const ExpandedTexts expanded
            = expandedTexts(u, units::litresPerMinuteFromCubicMetresPerSecond(request.smallestFlow), locale);
        texts.expanded = expanded;
        if (!expanded.percent.isEmpty())
            texts.lines << DesignTexts::tr("最小流量での拡張不確かさ: ±%1 L/min（%2 %）")
                               .arg(expanded.plusMinusLpm, expanded.percent);
    }
    if (!texts.inRange)
        texts.lines << DesignTexts::tr("この幅は範囲の外です。");
    return texts;
}

} // namespace weir
