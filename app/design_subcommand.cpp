// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head design: the widths of weir that measure a range of flows, and
// with --width what a chosen one does.
#include "app/command_line_texts.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "design/model/design_model.h"
#include "hydraulics/weir_formula.h"

namespace weir {

namespace {

int runDesign(const SubcommandRun &run)
{
    if (const Outcome<void> given = requireOptions(run, {"min-flow", "max-flow", "max-head"}); !given)
        return run.refuse(given.fault());
    const Outcome<std::optional<GaugeUncertainty>> gaugeRead = gaugeOption(run);
    if (!gaugeRead)
        return run.refuse(gaugeRead.fault());
    const std::optional<GaugeUncertainty> &gauge = *gaugeRead;
    const DesignAnswer answer
        = designFor({run.number("min-flow"), run.number("max-flow"), run.number("max-head"), run.number("max-u")},
                    gauge, run.locale);
    if (!answer.request)
        return run.refuse(usageFault(run.marked(answer.message)));
    const bool found = answer.narrowestMm.has_value();
    // Said in words; JSON names it by a key a program can test.
    const bool byHead = answer.range.widestBy == WidthRange::Bound::MinimumHead;
    const QString widestBy = !found ? QString()
        : byHead                    ? CommandLineTexts::tr("最小流量の越流高さ %1 mm").arg(kMinimumValidHeadMm)
                 : CommandLineTexts::tr("最小流量での拡張不確かさ %1 %").arg(run.value("max-u").trimmed());
    const char *widestByKey = !found ? nullptr : byHead ? "minimum_head" : "uncertainty";
    const auto mm = [&run](const std::optional<double> &value) {
        return value ? fixedNumberText(*value, 1, run.locale) : QString();
    };
    std::vector<AnswerValue> values{
        {CommandLineTexts::tr("最も狭い堰の幅(mm)"), "narrowest_mm", mm(answer.narrowestMm)},
        {CommandLineTexts::tr("最も広い堰の幅(mm)"), "widest_mm", mm(answer.widestMm)},
        {found ? CommandLineTexts::tr("広い側を決めるもの") : QString(), "widest_by", widestBy, false, widestByKey}};
    QStringList lines = found ? QStringList{} : QStringList{answer.message};
    if (found && run.isSet("width")) {
        const PositiveNumber width = readPositiveNumber(run.number("width"), Texts::width(), run.locale);
        if (!width.value)
            return run.refuse(usageFault(optionFault("width", width.message)));
        const DesignPointTexts point = designPointTexts(answer, *width.value, gauge, run.locale);
        if (!point.found) {
            run.say(run.marked(point.lines.join(u' ')));
            return kSomeNotFound;
        }
        const auto head = [&run](double value) { return fixedNumberText(value, 2, run.locale); };
        values.push_back(
            {CommandLineTexts::tr("最小流量の越流高さ(mm)"), "smallest_flow_head_mm", head(point.smallestFlowHeadMm)});
        values.push_back(
            {CommandLineTexts::tr("最大流量の越流高さ(mm)"), "largest_flow_head_mm", head(point.largestFlowHeadMm)});
        values.push_back({CommandLineTexts::tr("最小流量での越流高さの変化(mm/(L/min))"), "head_change_mm_per_lpm",
                          significantNumberText(point.headChangeMmPerLpm, 3, run.locale)});
        if (gauge)
            for (AnswerValue &value :
                 uncertaintyAnswer(*gauge, {point.expanded.plusMinusLpm, point.expanded.percent}, run.locale))
                values.push_back(std::move(value));
        if (!point.inRange)
            lines << CommandLineTexts::tr("この幅は範囲の外です。");
    }
    values.push_back({QString(), "reason", found ? QString() : answer.message, false});
    return writeAnswer(run, values, lines, found ? Answered::Found : Answered::None);
}

} // namespace

const Subcommand &designSubcommand()
{
    static const Subcommand command{
        "design",
        QT_TRANSLATE_NOOP("CommandLine",
                          "流量の範囲を測る堰の幅を求めます: 最小流量から最大流量までのどの流量でも、越流高さが 20 mm "
                          "から許容最高越流高さまでに入る幅。"),
        {{"min-flow", "L/min", QT_TRANSLATE_NOOP("CommandLine", "測る最小の流量 (L/min)")},
         {"max-flow", "L/min", QT_TRANSLATE_NOOP("CommandLine", "測る最大の流量 (L/min)")},
         {"max-head", "mm", QT_TRANSLATE_NOOP("CommandLine", "水路が許す最高の越流高さ (mm)")},
         {"max-u", "%", QT_TRANSLATE_NOOP("CommandLine", "最小流量で許す拡張不確かさ (%、--u-head などの三つと共に)")},
         {"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "選んだ堰の幅 (mm): 両端の流量での越流高さなど")}},
        runDesign};
    return command;
}

} // namespace weir
