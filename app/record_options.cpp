// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_options.h"

#include "app/command_line_texts.h"
#include "records/model/reading_scale.h"

#include <QRegularExpression>

namespace weir {

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

Outcome<units::HeadUnit> headUnitOption(const SubcommandRun &run)
{
    if (!run.isSet("unit"))
        return units::HeadUnit::Millimetre;
    if (const std::optional<units::HeadUnit> unit = headUnitNamed(run.value("unit")))
        return *unit;
    return usageFault(
        CommandLineTexts::tr("単位 %1 は使えません（越流高さ: mm, cm, m, in, ft）。").arg(run.value("unit")));
}

Outcome<units::FlowUnit> flowUnitOption(const SubcommandRun &run)
{
    if (!run.isSet("unit"))
        return units::FlowUnit::LitresPerMinute;
    if (const std::optional<units::FlowUnit> unit = flowUnitNamed(run.value("unit")))
        return *unit;
    return usageFault(CommandLineTexts::tr("単位 %1 は使えません（流量: L/min, L/s, m3/s, m3/h, m3/d, cfs）。")
                          .arg(run.value("unit")));
}

namespace {

// A length of time as typed: 90s, 10min, 1h, 1.5h, 2d (a unit is needed).
std::optional<qint64> durationMs(const QString &text)
{
    static const QRegularExpression duration(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*(s|min|h|d)\\s*$"));
    const QRegularExpressionMatch match = duration.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    const double seconds = unit == u"s" ? 1 : unit == u"min" ? 60 : unit == u"h" ? 3600 : 86400;
    const double ms = value * seconds * 1000;
    if (!(ms > 0) || ms > 1e15)
        return std::nullopt;
    return qint64(ms);
}

} // namespace

Outcome<RecordOptions> recordOptions(const SubcommandRun &run, bool withTimes)
{
    RecordOptions options;
    options.column = ColumnChoice::fromText(run.value("column"));
    if (options.column.name.isEmpty())
        return usageFault(CommandLineTexts::tr("--column に列の名前か番号を指定して下さい。"));
    if (run.isSet("encoding")) {
        options.encoding = encodingNamed(run.value("encoding"));
        if (!options.encoding)
            return usageFault(CommandLineTexts::tr("文字コード %1 は使えません（utf-8, utf-16, cp932, latin-1）。")
                                  .arg(run.value("encoding")));
    }
    if (run.isSet("decimal-comma"))
        options.decimalMark = ',';
    if (withTimes) {
        bool named = true;
        for (const QString &column : run.values("time")) {
            options.timeColumns.push_back(ColumnChoice::fromText(column));
            named = named && !options.timeColumns.back().name.isEmpty();
        }
        if (options.timeColumns.size() > 2 || !named)
            return usageFault(
                CommandLineTexts::tr("--time は時刻の列を一つ、または日付の列と時刻の列の二つ指定して下さい。"));
        options.timeFormat = run.value("time-format");
        if (run.isSet("period")) {
            const QString period = run.value("period");
            options.period = period == u"day" ? PeriodKind::Day
                : period == u"month"          ? PeriodKind::Month
                                              : PeriodKind::None;
            if (options.period == PeriodKind::None)
                return usageFault(CommandLineTexts::tr("--period は day か month です。"));
            if (options.timeColumns.empty())
                return usageFault(CommandLineTexts::tr("--period には --time で時刻の列が要ります。"));
        }
        if (run.isSet("max-gap")) {
            const std::optional<qint64> ms = durationMs(run.value("max-gap"));
            if (!ms)
                return usageFault(CommandLineTexts::tr("--max-gap の %1 が読めません（例: 90s、10min、1h、2d）。")
                                      .arg(run.value("max-gap")));
            options.maxGapMs = *ms;
        }
    }
    return options;
}

} // namespace weir
