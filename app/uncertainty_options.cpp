// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/uncertainty_options.h"

#include "app/command_line_texts.h"
#include "common/box_number.h"
#include "common/texts.h"
#include "hydraulics/units.h"

namespace weir {

Outcome<std::optional<GaugeUncertainty>> gaugeOption(const SubcommandRun &run)
{
    const char *names[] = {"u-head", "u-width", "u-coefficient"};
    int given = 0;
    for (const char *name : names)
        given += run.isSet(name) ? 1 : 0;
    if (given == 0)
        return std::optional<GaugeUncertainty>();
    if (given < 3)
        return usageFault(CommandLineTexts::tr("--u-head, --u-width, --u-coefficient は三つとも指定して下さい。"));
    double values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const BoxNumber number = parseBoxNumber(run.number(names[i]), run.locale);
        if (number.status != BoxNumber::Status::Ok || number.value < 0)
            return usageFault(CommandLineTexts::tr("--%1 の値 %2 が0以上の数値ではありません。")
                                  .arg(QLatin1String(names[i]), run.value(names[i])));
        values[i] = number.value;
    }
    return std::optional(GaugeUncertainty{values[0], values[1], values[2]});
}

std::vector<AddedColumn> uncertaintyColumns()
{
    return {{"flow_U_lpm", true}, {"flow_U_percent", true}};
}

QStringList uncertaintyCells(const FlowUncertainty &u, double flowLpm, const QLocale &locale)
{
    const ExpandedTexts texts = expandedTexts(u, flowLpm, locale);
    return {texts.plusMinusLpm, texts.percent};
}

std::vector<AnswerValue> uncertaintyAnswer(const GaugeUncertainty &gauge, const QStringList &cells,
                                           const QLocale &locale)
{
    return {{Texts::plusMinusFlow(), "flow_U_lpm", cells.value(0)},
            {Texts::expandedPercent(), "flow_U_percent", cells.value(1)},
            {Texts::uncertaintyTitle(), "uncertainty", gaugeStatement(gauge, locale), false}};
}

} // namespace weir
