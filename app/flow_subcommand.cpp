// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head flow: the flow at a head, for one head or for every row of a
// logger's record, with the volume passed when the record has times.
#include "app/command_line_texts.h"
#include "app/record_options.h"
#include "app/record_run.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_domain.h"
#include "logic/box_number.h"
#include "logic/texts.h"
#include "rating/model/rating_table.h"
#include "rating/model/rating_texts.h"

namespace weir {

namespace {

// A reading as the column holds it (in its unit, from its zero) to the flow
// over the weir. A reading already in mm from the crest is read exactly as
// the rating window reads a head.
class FlowAtReading
{
public:
    FlowAtReading(double widthMm, units::HeadUnit unit, double zero, const QLocale &locale,
                  const std::optional<GaugeUncertainty> &gauge)
        : m_domain(units::metresFromMillimetres(widthMm))
        , m_widthMm(widthMm)
        , m_unit(unit)
        , m_zero(zero)
        , m_locale(locale)
        , m_gauge(gauge)
    {
    }

    const std::optional<GaugeUncertainty> &gauge() const { return m_gauge; }

    FlowReading read(const QString &text) const
    {
        const BoxNumber number = parseBoxNumber(text, m_locale);
        FlowReading reading;
        switch (number.status) {
        case BoxNumber::Status::NotANumber: reading.message = Texts::notANumber(Texts::head()); return reading;
        case BoxNumber::Status::TooLarge: reading.message = Texts::tooLarge(Texts::head()); return reading;
        case BoxNumber::Status::Ok: break;
        }
        return flowReadingAt(units::headMillimetresFromReading(number.value, m_zero, m_unit), m_domain);
    }

    // The texts the row gets: L/min, m³/s, with the user's uncertainties
    // its ± and U, and the reason or note last.
    RowAnswer answer(const QString &text) const
    {
        const FlowReading reading = read(text);
        QStringList columns;
        if (reading.lpm)
            columns << flowLpmText(*reading.lpm, m_locale) << flowM3sText(*reading.m3s, m_locale);
        else
            columns << QString() << QString();
        if (m_gauge)
            columns << (reading.lpm ? uncertaintyCells(*m_gauge, *reading.headMm, m_widthMm, *reading.lpm, m_locale)
                                    : QStringList{QString(), QString()});
        if (!reading.lpm)
            return {columns << reading.message, false, reading.message, std::nullopt};
        return {columns << (reading.belowValidRange ? Texts::belowValidRange() : QString()), true, {}, reading.m3s};
    }

private:
    WeirDomain m_domain;
    double m_widthMm;
    units::HeadUnit m_unit;
    double m_zero;
    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
};

class FlowAnswers : public RecordAnswers
{
public:
    explicit FlowAnswers(const FlowAtReading &reading)
        : m_reading(reading)
    {
    }
    std::vector<AddedColumn> addedColumns() const override
    {
        std::vector<AddedColumn> columns{{"flow_lpm", true}, {"flow_m3s", true}};
        if (m_reading.gauge())
            for (const AddedColumn &column : uncertaintyColumns())
                columns.push_back(column);
        columns.push_back({"reason", false});
        return columns;
    }
    RowAnswer answer(const QString &value) override { return m_reading.answer(value); }

private:
    const FlowAtReading &m_reading;
};

int runFlow(const SubcommandRun &run)
{
    if (!requireOptions(run, {"width"}) || !requireOneOf(run, "head", "column"))
        return kFault;
    const PositiveNumber width = readPositiveNumber(run.value("width"), Texts::width(), run.locale);
    if (!width.value) {
        run.say(optionFault("width", width.message));
        return kFault;
    }
    const std::optional<units::HeadUnit> unit = headUnitOption(run);
    if (!unit)
        return kFault;
    double zero = 0.0;
    if (run.isSet("zero")) {
        const BoxNumber number = parseBoxNumber(run.value("zero"), run.locale);
        if (number.status != BoxNumber::Status::Ok) {
            run.say(CommandLineTexts::tr("--zero の値 %1 が数値ではありません。").arg(run.value("zero")));
            return kFault;
        }
        zero = number.value;
    }
    const GaugeOption gauge = gaugeOption(run);
    if (!gauge.read)
        return kFault;
    const FlowAtReading reading(*width.value, *unit, zero, run.locale, gauge.gauge);
    if (run.isSet("column")) {
        const std::optional<RecordOptions> options = recordOptions(run, true);
        if (!options)
            return kFault;
        FlowAnswers answers(reading);
        // The three the added columns come from, said beside the data.
        if (gauge.gauge)
            run.say(gaugeStatement(*gauge.gauge, run.locale));
        return runRecord(run, *options, answers);
    }
    if (parseBoxNumber(run.value("head"), run.locale).status != BoxNumber::Status::Ok) {
        run.say(optionFault("head", reading.read(run.value("head")).message));
        return kFault;
    }
    const RowAnswer answer = reading.answer(run.value("head"));
    // The reason there is no flow, or the note on one below the formula's
    // range: said beside the figure as the rating table's remark is.
    const QString note = answer.columns.last();
    const QStringList lines = note.isEmpty() ? QStringList{} : QStringList{note};
    std::vector<AnswerValue> values{{Texts::flow(), "flow_lpm", answer.columns[0]},
                                    {RatingTexts::flowM3s(), "flow_m3s", answer.columns[1]}};
    if (gauge.gauge)
        for (AnswerValue &value : uncertaintyAnswer(*gauge.gauge, answer.columns.mid(2, 2), run.locale))
            values.push_back(std::move(value));
    values.push_back({QString(), "reason", answer.columns.last(), false});
    return writeAnswer(run, values, lines, answer.answered ? Answered::Found : Answered::None);
}

} // namespace

const Subcommand &flowSubcommand()
{
    static const Subcommand command{
        "flow",
        QT_TRANSLATE_NOOP("CommandLine", "越流高さから流量を求めます。一つの値、または記録 (CSV) の各行について。"),
        {{"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅 (mm)")},
         {"head", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ (mm、--unit の単位)")},
         {"column", QT_TRANSLATE_NOOP("CommandLine", "列"),
          QT_TRANSLATE_NOOP("CommandLine", "記録の水位の列: 標準入力の記録の各行に流量を加えます")},
         {"unit", "mm|cm|m|in|ft", QT_TRANSLATE_NOOP("CommandLine", "水位の単位（既定 mm）")},
         {"zero", QT_TRANSLATE_NOOP("CommandLine", "読み"),
          QT_TRANSLATE_NOOP("CommandLine",
                            "水面が堰頂と同じ高さのときの読み（--unit の単位）: 越流高さ = 読み − この値")},
         {"time", QT_TRANSLATE_NOOP("CommandLine", "列"),
          QT_TRANSLATE_NOOP("CommandLine",
                            "記録の時刻の列: 通過した水量を台形公式で求めます。"
                            "日付と時刻が別の列なら二度指定します")},
         {"time-format", QT_TRANSLATE_NOOP("CommandLine", "書式"),
          QT_TRANSLATE_NOOP("CommandLine", "時刻の書き方（例: \"MM/dd/yy hh:mm:ss AP\"、\"yyyy/MM/dd HH:mm\"）")},
         {"encoding", "utf-8|utf-16|cp932|latin-1",
          QT_TRANSLATE_NOOP("CommandLine", "記録の文字コード（既定: ファイルから判断）")}},
        runFlow};
    return command;
}

} // namespace weir
