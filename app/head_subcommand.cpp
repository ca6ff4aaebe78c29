// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head head: the head at which the weir passes a flow, for one flow or
// for every row of a record of flows, found as the window finds it.
#include "app/command_line_texts.h"
#include "app/formula_option.h"
#include "app/record_options.h"
#include "app/record_run.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "calculator/model/calculation.h"
#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/units.h"

#include <optional>

namespace weir {

namespace {

// The head for a flow, as the window finds it: within the bracket when one
// is given, else over the formula's whole range. The width and the bracket
// are read once.
class HeadForFlow
{
public:
    HeadForFlow(const SubcommandRun &run, units::FlowUnit unit, const std::optional<GaugeUncertainty> &gauge,
                const FlowFormula &formula)
        : m_width(run.number("width"))
        , m_unit(unit)
        , m_locale(run.locale)
        , m_gauge(gauge)
        , m_widthMm(positiveBoxNumber(m_width, m_locale))
        , m_formula(formula)
    {
        if (run.isSet("min") || run.isSet("max"))
            m_search.emplace(m_width, run.number("min"), run.number("max"), run.locale);
    }

    const std::optional<GaugeUncertainty> &gauge() const { return m_gauge; }

    // The flow's U at the head found, as shown (to 0.01 mm), for the flow
    // asked; empty texts when none was found.
    QStringList uncertainty(const QString &flow, const CalculationOutcome &outcome) const
    {
        return uncertainty(positiveBoxNumber(litresPerMinute(flow), m_locale), outcome);
    }
    QStringList uncertainty(const std::optional<double> &lpm, const CalculationOutcome &outcome) const
    {
        const std::optional<double> head = outcome.headMm;
        const double flow = lpm.value_or(0.0);
        if (!m_gauge || !m_widthMm || !(flow > 0) || !head || !(*head > 0)
            || outcome.kind != CalculationOutcome::Kind::Shown)
            return {QString(), QString()};
        return uncertaintyCells(m_formula.uncertaintyAt(*head, *m_gauge), flow, m_locale);
    }

    CalculationOutcome outcome(const QString &flow)
    {
        const QString lpm = litresPerMinute(flow);
        if (m_formula.standard()) {
            const BoxNumber number = parseBoxNumber(lpm, m_locale);
            if (number.status != BoxNumber::Status::Ok)
                return calculateUnbracketed(m_width, lpm, m_locale); // says why, as the window does
            return standardOutcome(number.value);
        }
        return m_search ? m_search->forFlow(lpm) : calculateUnbracketed(m_width, lpm, m_locale);
    }

    // A record's flow, read with the record's decimal mark: the number goes
    // to the search as it is. One that does not read is refused as the
    // window refuses its flow box.
    CalculationOutcome outcome(const RecordValue &flow)
    {
        if (flow.reading.status != DecimalReading::Status::Ok)
            return outcome(flow.text);
        const double lpm = units::litresPerMinuteFromReading(flow.reading.value, m_unit);
        if (m_formula.standard())
            return standardOutcome(lpm);
        return m_search ? m_search->forFlowLpm(lpm) : calculateUnbracketed(m_width, lpm, m_locale);
    }

    std::optional<double> litresPerMinute(const RecordValue &flow) const
    {
        if (flow.reading.status != DecimalReading::Status::Ok)
            return std::nullopt;
        return units::litresPerMinuteFromReading(flow.reading.value, m_unit);
    }

private:
    // The head on a standard's formula: found over the formula's whole
    // rising side (no bracket), shown to 0.01 mm as the calculator shows
    // heads, with the limits of the range it breaks as a note; no trials
    // are counted.
    CalculationOutcome standardOutcome(double lpm) const
    {
        const StandardFormula &standard = *m_formula.standard();
        CalculationOutcome outcome;
        outcome.kind = CalculationOutcome::Kind::Printed;
        const StandardHead found = standardHeadFor(standard.weir, units::cubicMetresPerSecondFromLitresPerMinute(lpm),
                                                   standard.channelFor(m_formula.widthMm()));
        switch (found.status) {
        case StandardHead::Status::Found: break;
        case StandardHead::Status::FlowNotPositive:
            outcome.lines = {{Texts::notPositive(Texts::flow())}};
            return outcome;
        case StandardHead::Status::BeyondFormula: outcome.lines = {{Texts::noFlowBeyondFormula()}}; return outcome;
        case StandardHead::Status::GeometryInvalid:
        case StandardHead::Status::NotComputable: outcome.lines = {{Texts::notComputable()}}; return outcome;
        }
        const double headMm = std::round(units::millimetresFromMetres(found.head) * 100) / 100;
        outcome.kind = CalculationOutcome::Kind::Shown;
        outcome.headMm = headMm;
        outcome.headText = generalNumberText(headMm, m_locale);
        if (const FlowReading at = m_formula.at(units::millimetresFromMetres(found.head)); at.belowValidRange)
            outcome.lines = {{at.message, PrintedLine::Tone::Note}};
        return outcome;
    }

    // A flow in another unit goes to the search as the L/min it is, written
    // with every digit; one in L/min, or one that is not a number, exactly
    // as it came, so that the answer and the message are the window's.
    QString litresPerMinute(const QString &flow) const
    {
        if (m_unit == units::FlowUnit::LitresPerMinute)
            return flow;
        const BoxNumber number = parseBoxNumber(flow, m_locale);
        if (number.status != BoxNumber::Status::Ok)
            return flow;
        return exactNumberText(units::litresPerMinuteFromReading(number.value, m_unit), m_locale);
    }

    QString m_width;
    units::FlowUnit m_unit;
    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
    std::optional<double> m_widthMm; // read once, for the uncertainty
    FlowFormula m_formula;
    std::optional<HeadSearch> m_search;
};

class HeadAnswers : public RecordAnswers
{
public:
    explicit HeadAnswers(HeadForFlow &heads)
        : m_heads(heads)
    {
    }
    std::vector<AddedColumn> addedColumns() const override
    {
        std::vector<AddedColumn> columns{{"head_mm", true}, {"trials", true}};
        if (m_heads.gauge())
            for (const AddedColumn &column : uncertaintyColumns())
                columns.push_back(column);
        columns.push_back({"reason", false});
        return columns;
    }
    RowAnswer answer(const RecordValue &value) override
    {
        const CalculationOutcome outcome = m_heads.outcome(value);
        const QString said = outcome.texts().join(u' ');
        const bool shown = outcome.kind == CalculationOutcome::Kind::Shown;
        QStringList columns{shown ? outcome.headText : QString(), shown ? outcome.trialsText : QString()};
        if (m_heads.gauge())
            columns << m_heads.uncertainty(m_heads.litresPerMinute(value), outcome);
        columns << said;
        return {columns, outcome.found(), outcome.found() ? QString() : said, std::nullopt};
    }

private:
    HeadForFlow &m_heads;
};

// The width and a bracket read as the window reads its boxes, before any
// flow: one that does not read is the command's fault, for every row alike.
Outcome<void> weirOptionsRead(const SubcommandRun &run)
{
    if (const Outcome<void> given = requireOptions(run, {"width"}); !given)
        return given;
    if (const Outcome<void> given = requireOneOf(run, "flow", "column"); !given)
        return given;
    const bool bracket = run.isSet("min") || run.isSet("max");
    if (bracket)
        if (const Outcome<void> given = requireOptions(run, {"min", "max"}); !given)
            return given;
    for (const auto &[name, box] : {std::pair{"width", InputBox::Width}, std::pair{"min", InputBox::Minimum},
                                    std::pair{"max", InputBox::Maximum}}) {
        if (box != InputBox::Width && !bracket)
            continue;
        const PositiveNumber number = readPositiveNumber(run.number(name), inputBoxInfo(box).caption(), run.locale);
        if (!number.value)
            return usageFault(optionFault(name, number.message));
    }
    return {};
}

int runHead(const SubcommandRun &run)
{
    const Outcome<units::FlowUnit> unit = flowUnitOption(run);
    if (!unit)
        return run.refuse(unit.fault());
    if (const Outcome<void> read = weirOptionsRead(run); !read)
        return run.refuse(read.fault());
    const Outcome<std::optional<GaugeUncertainty>> gaugeRead = gaugeOption(run);
    if (!gaugeRead)
        return run.refuse(gaugeRead.fault());
    const std::optional<GaugeUncertainty> &gauge = *gaugeRead;
    const Outcome<FlowFormula> formula
        = formulaOption(run, positiveBoxNumber(run.number("width"), run.locale).value_or(0.0));
    if (!formula)
        return run.refuse(formula.fault());
    if (formula->standard() && (run.isSet("min") || run.isSet("max")))
        return run.refuse(usageFault(
            CommandLineTexts::tr("規格の公式では越流高さを公式の範囲全体で探します: --min と --max は使えません。")));
    HeadForFlow heads(run, *unit, gauge, *formula);
    if (run.isSet("column")) {
        const Outcome<RecordOptions> options = recordOptions(run, false);
        if (!options)
            return run.refuse(options.fault());
        HeadAnswers answers(heads);
        // The formula and the three the added columns come from, said beside the data.
        if (formula->standard())
            run.say(Texts::formulaStatement(formula->standard()->weir));
        if (gauge)
            run.say(run.marked(gaugeStatement(*gauge, run.locale)));
        return runRecord(run, *options, answers);
    }
    const CalculationOutcome outcome = heads.outcome(run.number("flow"));
    if (const std::optional<Fault> fault = outcome.boxFault())
        // Only the flow is left to fault: it does not read as a number.
        return run.refuse({fault->kind, optionFault("flow", fault->words)});
    const Answered answered = outcome.found()             ? Answered::Found
        : outcome.kind == CalculationOutcome::Kind::Shown ? Answered::ShownNotFound
                                                          : Answered::None;
    std::vector<AnswerValue> values{{Texts::head(), "head_mm", outcome.headText}};
    values.push_back({outcome.trialsText.isEmpty() ? QString() : Texts::trials(), "trials", outcome.trialsText});
    if (gauge)
        for (AnswerValue &value : uncertaintyAnswer(*gauge, heads.uncertainty(run.number("flow"), outcome), run.locale))
            values.push_back(std::move(value));
    values.push_back({QString(), "reason", outcome.texts().join(u' '), false});
    return writeAnswer(run, values, outcome.texts(), answered);
}

} // namespace

const Subcommand &headSubcommand()
{
    static const Subcommand command{
        "head",
        QT_TRANSLATE_NOOP("CommandLine", "流量から越流高さを求めます。一つの値、または記録 (CSV) の各行について。"),
        withOptions(
            {{"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅 (mm)")},
             {"flow", "L/min", QT_TRANSLATE_NOOP("CommandLine", "流量（--unit の単位、既定 L/min）")},
             {"min", "mm", QT_TRANSLATE_NOOP("CommandLine", "解の挟込最小値 (mm)")},
             {"max", "mm", QT_TRANSLATE_NOOP("CommandLine", "解の挟込最大値 (mm)")},
             {"column", QT_TRANSLATE_NOOP("CommandLine", "列"),
              QT_TRANSLATE_NOOP("CommandLine",
                                "記録の流量の列（名前か、1から数えた番号）: 標準入力の記録の各行に越流高さを加えます")},
             {"unit", "L/min|L/s|m3/s|m3/h|m3/d|cfs", QT_TRANSLATE_NOOP("CommandLine", "流量の単位（既定 L/min）")},
             {"encoding", "utf-8|utf-16|cp932|latin-1",
              QT_TRANSLATE_NOOP("CommandLine", "記録の文字コード（既定: ファイルから判断）")}},
            formulaOptions()),
        runHead};
    return command;
}

} // namespace weir
