// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/formula_option.h"

#include "app/command_line_texts.h"
#include "common/box_number.h"

namespace weir {

namespace {

std::optional<StandardWeir> standardWeirNamed(const QString &name)
{
    for (const auto &[text, weir] :
         {std::pair{"jis-rect", StandardWeir::JisRectangular}, std::pair{"jis-full", StandardWeir::JisFullWidth},
          std::pair{"jis-francis", StandardWeir::JisFrancis}, std::pair{"iso-full", StandardWeir::IsoFullWidth}}) {
        if (name == QLatin1String(text))
            return weir;
    }
    return std::nullopt;
}

} // namespace

Outcome<FlowFormula> formulaOption(const SubcommandRun &run, double widthMm)
{
    const QString name = run.value("formula");
    if (name.isEmpty() || name == u"own")
        return FlowFormula(widthMm);
    const std::optional<StandardWeir> weir = standardWeirNamed(name);
    if (!weir)
        return Fault{
            Fault::Kind::Usage,
            CommandLineTexts::tr("--formula は own, jis-rect, jis-full, jis-francis, iso-full のどれかです。")};
    StandardFormula standard{*weir};
    for (const auto &[option, mm] :
         {std::pair{"channel-width", &standard.channelWidthMm}, std::pair{"crest-height", &standard.crestHeightMm}}) {
        if (!run.isSet(option))
            continue;
        const BoxNumber number = parseBoxNumber(run.number(option), run.locale);
        if (number.status != BoxNumber::Status::Ok)
            return usageFault(
                optionFault(option, CommandLineTexts::tr("%1 が数値ではありません。").arg(run.value(option))));
        *mm = number.value;
    }
    FlowFormula formula(widthMm, standard);
    if (!formula.holds())
        return Fault{
            Fault::Kind::Usage,
            CommandLineTexts::tr("この堰はあり得ません: 公式 %1 には、正の堰の幅と（四角せき・全幅せき・ISO では）"
                                 "正の堰頂の高さ --crest-height、四角せきでは堰の幅以上の水路の幅 "
                                 "--channel-width が要ります。")
                .arg(name)};
    return formula;
}

std::vector<SubcommandOption> formulaOptions()
{
    return {{"formula", "own|jis-rect|jis-full|jis-francis|iso-full",
             QT_TRANSLATE_NOOP("CommandLine",
                               "流量の公式（既定 own: 本プログラムの公式）。jis-rect: JIS B 8302 四角せき、jis-full: "
                               "全幅せき、jis-francis: JIS K 0094 Francis、iso-full: ISO 1438 全幅")},
            {"channel-width", "mm", QT_TRANSLATE_NOOP("CommandLine", "水路の幅 B (mm、jis-rect)")},
            {"crest-height", "mm",
             QT_TRANSLATE_NOOP("CommandLine", "水路の底から堰頂までの高さ D (mm、jis-rect, jis-full, iso-full)")}};
}

} // namespace weir
