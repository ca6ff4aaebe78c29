// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_options.h"

#include "app/command_line_texts.h"

namespace weir {

std::optional<units::HeadUnit> headUnitNamed(const QString &name)
{
    using units::HeadUnit;
    for (const auto &[text, unit] :
         {std::pair{"mm", HeadUnit::Millimetre}, std::pair{"cm", HeadUnit::Centimetre}, std::pair{"m", HeadUnit::Metre},
          std::pair{"in", HeadUnit::Inch}, std::pair{"ft", HeadUnit::Foot}}) {
        if (name == QLatin1String(text))
            return unit;
    }
    return std::nullopt;
}

std::optional<units::FlowUnit> flowUnitNamed(const QString &name)
{
    using units::FlowUnit;
    const QString n = QString(name).replace(u'³', u'3');
    for (const auto &[text, unit] :
         {std::pair{"L/min", FlowUnit::LitresPerMinute}, std::pair{"L/s", FlowUnit::LitresPerSecond},
          std::pair{"m3/s", FlowUnit::CubicMetresPerSecond}, std::pair{"m3/h", FlowUnit::CubicMetresPerHour},
          std::pair{"m3/d", FlowUnit::CubicMetresPerDay}, std::pair{"cfs", FlowUnit::CubicFeetPerSecond}}) {
        if (n.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return unit;
    }
    return std::nullopt;
}

std::optional<units::HeadUnit> headUnitOption(const SubcommandRun &run)
{
    if (!run.isSet("unit"))
        return units::HeadUnit::Millimetre;
    const std::optional<units::HeadUnit> unit = headUnitNamed(run.value("unit"));
    if (!unit)
        run.say(CommandLineTexts::tr("単位 %1 は使えません（越流高さ: mm, cm, m, in, ft）。").arg(run.value("unit")));
    return unit;
}

std::optional<units::FlowUnit> flowUnitOption(const SubcommandRun &run)
{
    if (!run.isSet("unit"))
        return units::FlowUnit::LitresPerMinute;
    const std::optional<units::FlowUnit> unit = flowUnitNamed(run.value("unit"));
    if (!unit)
        run.say(CommandLineTexts::tr("単位 %1 は使えません（流量: L/min, L/s, m3/s, m3/h, m3/d, cfs）。")
                    .arg(run.value("unit")));
    return unit;
}

std::optional<RecordOptions> recordOptions(const SubcommandRun &run, bool withTimes)
{
    RecordOptions options;
    options.column = run.value("column").trimmed();
    if (options.column.isEmpty()) {
        run.say(CommandLineTexts::tr("--column に列の名前を指定して下さい。"));
        return std::nullopt;
    }
    if (run.isSet("encoding")) {
        options.encoding = encodingNamed(run.value("encoding"));
        if (!options.encoding) {
            run.say(CommandLineTexts::tr("文字コード %1 は使えません（utf-8, utf-16, cp932, latin-1）。")
                        .arg(run.value("encoding")));
            return std::nullopt;
        }
    }
    if (withTimes) {
        for (const QString &column : run.values("time"))
            options.timeColumns << column.trimmed();
        if (options.timeColumns.size() > 2 || options.timeColumns.contains(QString())) {
            run.say(CommandLineTexts::tr("--time は時刻の列を一つ、または日付の列と時刻の列の二つ指定して下さい。"));
            return std::nullopt;
        }
        options.timeFormat = run.value("time-format");
    }
    return options;
}

} // namespace weir
