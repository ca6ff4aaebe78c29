// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head flow: the flow at a head, for one head or for every row of a
// logger's record, with the volume passed when the record has times.
#include "app/command_line_texts.h"
#include "app/formula_option.h"
#include "app/record_options.h"
#include "app/record_run.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "common/box_number.h"
#include "common/texts.h"
#include "hydraulics/standard_weirs.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_domain.h"
#include "rating/model/rating_table.h"
#include "rating/model/rating_texts.h"
#include "records/model/flow_record.h"
#include "records/model/reading_scale.h"

namespace weir {

namespace {

// A reading as the column holds it (in its unit, from its zero, rising or
// falling with the water) to the flow over the weir. A reading already in mm
// from the crest is read exactly as the rating window reads a head. At or
// below the crest no water passes: the flow there is 0, and it counts.
class FlowAtReading
{
public:
    FlowAtReading(const FlowFormula &formula, const ReadingScale &scale, const QLocale &locale,
                  const std::optional<GaugeUncertainty> &gauge)
        : m_formula(formula)
        , m_scale(scale)
        , m_locale(locale)
        , m_gauge(gauge)
    {
    }

    const std::optional<GaugeUncertainty> &gauge() const { return m_gauge; }
    ReadingScale &scale() { return m_scale; }
    bool standard() const { return m_formula.standard().has_value(); }

    // The value typed on the command line, read as a box reads it.
    FlowReading read(const QString &text) const
    {
        const BoxNumber number = parseBoxNumber(text, m_locale);
        switch (number.status) {
        case BoxNumber::Status::NotANumber: return refused(Texts::notANumber(Texts::head()));
        case BoxNumber::Status::TooLarge: return refused(Texts::tooLarge(Texts::head()));
        case BoxNumber::Status::Ok: break;
        }
        return at(number.value);
    }

    // A record's value, read with the record's decimal mark.
    FlowReading read(const RecordValue &value) const
    {
        switch (value.reading.status) {
        case DecimalReading::Status::NotANumber: return refused(Texts::notANumber(Texts::head()));
        case DecimalReading::Status::TooLarge: return refused(Texts::tooLarge(Texts::head()));
        case DecimalReading::Status::Ok: break;
        }
        return at(value.reading.value);
    }

    template <typename Value> RowAnswer answer(const Value &value) const { return answerFor(read(value)); }

private:
    static FlowReading refused(const QString &message)
    {
        FlowReading reading;
        reading.message = message;
        return reading;
    }

    FlowReading at(double readingValue) const { return flowOfReading(readingValue, m_scale, m_formula); }

    // The texts the row gets: L/min, m³/s, with the user's uncertainties
    // its ± and U, and the reason or note last.
    RowAnswer answerFor(const FlowReading &reading) const
    {
        const bool overflow = reading.headMm && *reading.headMm > 0;
        QStringList columns;
        if (reading.lpm)
            columns << flowLpmText(*reading.lpm, m_locale) << flowM3sText(*reading.m3s, m_locale);
        else
            columns << QString() << QString();
        if (m_gauge)
            columns << (reading.lpm && overflow ? uncertaintyCells(m_formula.uncertaintyAt(*reading.headMm, *m_gauge),
                                                                   *reading.lpm, m_locale)
                                                : QStringList{QString(), QString()});
        const std::optional<double> u = expandedFlowUncertainty(reading, m_formula, m_gauge);
        if (!reading.lpm)
            return {columns << reading.message, false, reading.message, std::nullopt};
        // A standard's range names the limits broken; the program's own, its
        // 20 mm.
        const QString note = !overflow ? Texts::noOverflow()
            : !reading.belowValidRange ? QString()
            : m_formula.standard()     ? reading.message
                                       : Texts::belowValidRange();
        return {columns << note, true, {}, reading.m3s, u, m_formula.standard() && reading.belowValidRange};
    }

    FlowFormula m_formula;
    ReadingScale m_scale;
    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
};

class FlowAnswers : public RecordAnswers
{
public:
    FlowAnswers(FlowAtReading &reading, bool unitTold)
        : m_reading(reading)
        , m_unitTold(unitTold)
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
    // The unit the record states for its readings, unless --unit says
    // otherwise; what --unit overrides is named.
    QStringList useLayout(const RecordLayout &layout) override
    {
        if (!layout.statedUnit)
            return {};
        const QString column = layout.headerNames.value(layout.valueColumn);
        const QString where = layout.statedUnitLine > 0
            ? CommandLineTexts::tr("%1行目の単位の行").arg(layout.statedUnitLine)
            : CommandLineTexts::tr("列の名前");
        if (!m_unitTold) {
            m_reading.scale().unit = *layout.statedUnit;
            // A head in mm is read as it would be without a word.
            if (*layout.statedUnit == units::HeadUnit::Millimetre)
                return {};
            return {CommandLineTexts::tr("列 %1 の読みは %2 で読みました（%3による）。")
                        .arg(column, headUnitName(*layout.statedUnit), where)};
        }
        if (*layout.statedUnit != m_reading.scale().unit)
            return {CommandLineTexts::tr("列 %1 の単位は%2では %3 ですが、--unit の %4 で読みました。")
                        .arg(column, where, headUnitName(*layout.statedUnit), headUnitName(m_reading.scale().unit))};
        return {};
    }
    RowAnswer answer(const RecordValue &value) override { return m_reading.answer(value); }
    bool checksRange() const override { return m_reading.standard(); }

private:
    FlowAtReading &m_reading;
    bool m_unitTold;
};

int runFlow(const SubcommandRun &run)
{
    if (const Outcome<void> given = requireOptions(run, {"width"}); !given)
        return run.refuse(given.fault());
    if (const Outcome<void> given = requireOneOf(run, "head", "column"); !given)
        return run.refuse(given.fault());
    const PositiveNumber width = readPositiveNumber(run.number("width"), Texts::width(), run.locale);
    if (!width.value)
        return run.refuse(usageFault(optionFault("width", width.message)));
    const Outcome<units::HeadUnit> unit = headUnitOption(run);
    if (!unit)
        return run.refuse(unit.fault());
    ReadingScale scale{*unit, 0.0, run.isSet("falling")};
    if (scale.falling && !run.isSet("zero"))
        return run.refuse(
            usageFault(CommandLineTexts::tr("--falling には --zero（水面が堰頂と同じ高さのときの読み）が要ります。")));
    if (run.isSet("zero")) {
        const BoxNumber number = parseBoxNumber(run.number("zero"), run.locale);
        if (number.status != BoxNumber::Status::Ok)
            return run.refuse(
                usageFault(CommandLineTexts::tr("--zero の値 %1 が数値ではありません。").arg(run.value("zero"))));
        scale.zero = number.value;
    }
    const Outcome<std::optional<GaugeUncertainty>> gaugeRead = gaugeOption(run);
    if (!gaugeRead)
        return run.refuse(gaugeRead.fault());
    const std::optional<GaugeUncertainty> &gauge = *gaugeRead;
    const Outcome<FlowFormula> formula = formulaOption(run, *width.value);
    if (!formula)
        return run.refuse(formula.fault());
    FlowAtReading reading(*formula, scale, run.locale, gauge);
    if (run.isSet("column")) {
        const Outcome<RecordOptions> options = recordOptions(run, true);
        if (!options)
            return run.refuse(options.fault());
        FlowAnswers answers(reading, run.isSet("unit"));
        // The formula and the three the added columns come from, said beside the data.
        if (formula->standard())
            run.say(Texts::formulaStatement(formula->standard()->weir));
        if (gauge)
            run.say(run.marked(gaugeStatement(*gauge, run.locale)));
        return runRecord(run, *options, answers);
    }
    if (parseBoxNumber(run.number("head"), run.locale).status != BoxNumber::Status::Ok)
        return run.refuse(usageFault(optionFault("head", reading.read(run.number("head")).message)));
    const RowAnswer answer = reading.answer(run.number("head"));
    // The reason there is no flow, or the note on one below the formula's
    // range: said beside the figure as the rating table's remark is.
    const QString note = answer.columns.last();
    const QStringList lines = note.isEmpty() ? QStringList{} : QStringList{note};
    std::vector<AnswerValue> values{{Texts::flow(), "flow_lpm", answer.columns[0]},
                                    {RatingTexts::flowM3s(), "flow_m3s", answer.columns[1]}};
    if (gauge)
        for (AnswerValue &value : uncertaintyAnswer(*gauge, answer.columns.mid(2, 2), run.locale))
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
        withOptions(
            {{"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅 (mm)")},
             {"head", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ (mm、--unit の単位)")},
             {"column", QT_TRANSLATE_NOOP("CommandLine", "列"),
              QT_TRANSLATE_NOOP("CommandLine",
                                "記録の水位の列（名前か、1から数えた番号）: 標準入力の記録の各行に流量を加えます")},
             {"unit", "mm|cm|m|in|ft",
              QT_TRANSLATE_NOOP("CommandLine", "水位の単位（既定: 記録の見出しや単位の行にあればそれ、なければ mm）")},
             {"zero", QT_TRANSLATE_NOOP("CommandLine", "読み"),
              QT_TRANSLATE_NOOP("CommandLine",
                                "水面が堰頂と同じ高さのときの読み（--unit の単位）: 越流高さ = 読み − この値")},
             {"falling", nullptr,
              QT_TRANSLATE_NOOP("CommandLine",
                                "水面の上から距離を測る計器（超音波、レーダー）: 越流高さ = --zero − 読み")},
             {"time", QT_TRANSLATE_NOOP("CommandLine", "列"),
              QT_TRANSLATE_NOOP("CommandLine",
                                "記録の時刻の列: 通過した水量を台形公式で求めます。"
                                "日付と時刻が別の列なら二度指定します（順はどちらでも）")},
             {"period", "day|month",
              QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "行の代わりに、日ごと・月ごとの水量、読みの覆う割合、読みの数、最小・平均・最大の流量を書きます")},
             {"max-gap", QT_TRANSLATE_NOOP("CommandLine", "長さ"),
              QT_TRANSLATE_NOOP("CommandLine",
                                "この長さまでの読みのない間は直線でつなぎます（例: 1h。既定: "
                                "記録の間隔の2倍を超える間は水量に含めません）")},
             {"time-format", QT_TRANSLATE_NOOP("CommandLine", "書式"),
              QT_TRANSLATE_NOOP("CommandLine", "時刻の書き方（例: \"MM/dd/yy hh:mm:ss AP\"、\"yyyy/MM/dd HH:mm\"）")},
             {"encoding", "utf-8|utf-16|cp932|latin-1",
              QT_TRANSLATE_NOOP("CommandLine", "記録の文字コード（既定: ファイルから判断）")}},
            formulaOptions()),
        runFlow};
    return command;
}

} // namespace weir
