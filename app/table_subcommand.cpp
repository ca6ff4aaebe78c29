// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head table: the rating table, as the rating window shows it.
#include "app/formula_option.h"
#include "app/json_text.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "common/texts.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"

#include <algorithm>

namespace weir {

namespace {

// Rows are computed and written this many at a time: a table of any length
// in the same memory.
constexpr int kRowsAPiece = 4096;

void writeJson(const SubcommandRun &run, const RatingTableModel &model)
{
    // The keys a record's columns have; a row past the formula's reach has
    // no flows (null) and says why.
    run.sink.write("[\n");
    std::string text;
    for (int row = 0; row < model.rowCount(); ++row) {
        // The numbers themselves, written here with the digits the table's
        // columns have; JSON's decimal point whatever the run's mark.
        const auto cell = [&model, row](RatingTableModel::Column column) {
            return RatingTableModel::numberText(column, model.valueAt(row, column), QLocale::c()).toStdString();
        };
        std::vector<std::pair<std::string, JsonValue>> members{
            {"head_mm", JsonValue::number(cell(RatingTableModel::Head))},
            {"flow_lpm", JsonValue::number(cell(RatingTableModel::FlowLpm))},
            {"flow_m3s", JsonValue::number(cell(RatingTableModel::FlowM3s))}};
        if (model.gauge()) {
            members.emplace_back("flow_U_lpm", JsonValue::number(cell(RatingTableModel::PlusMinus)));
            members.emplace_back("flow_U_percent", JsonValue::number(cell(RatingTableModel::Expanded)));
        }
        if (model.formula()) {
            members.emplace_back("flow_own_lpm", JsonValue::number(cell(RatingTableModel::OwnFlowLpm)));
            members.emplace_back("difference_percent", JsonValue::number(cell(RatingTableModel::Difference)));
        }
        members.emplace_back(
            "reason",
            JsonValue::stringOrNull(
                model.index(row, model.sectionOf(RatingTableModel::Remark)).data().toString().toStdString()));
        text += (row ? ",\n" : "") + jsonObject(members);
        if ((row + 1) % kRowsAPiece == 0) {
            run.sink.write(text);
            text.clear();
        }
    }
    run.sink.write(text + "\n]\n");
}

// The option that gives a box of the rating window, to name a fault by.
const char *optionOf(RatingBox box)
{
    switch (box) {
    case RatingBox::Width: return "width";
    case RatingBox::From: return "from";
    case RatingBox::To: return "to";
    case RatingBox::Step: return "step";
    case RatingBox::Head: break; // the window's measured head: no option of the table's
    }
    return nullptr;
}

int runTable(const SubcommandRun &run)
{
    if (const Outcome<void> given = requireOptions(run, {"width", "from", "to", "step"}); !given)
        return run.refuse(given.fault());
    const RatingRead read
        = readRatingBoxes({run.number("width"), run.number("from"), run.number("to"), run.number("step")}, run.locale,
                          kMaxWrittenRatingRows);
    if (!read.range) {
        const char *option = read.box ? optionOf(*read.box) : nullptr;
        return run.refuse(usageFault(option ? optionFault(option, read.message) : read.message));
    }
    const Outcome<std::optional<GaugeUncertainty>> gaugeRead = gaugeOption(run);
    if (!gaugeRead)
        return run.refuse(gaugeRead.fault());
    const std::optional<GaugeUncertainty> &gauge = *gaugeRead;
    const Outcome<FlowFormula> formula = formulaOption(run, read.range->widthMm);
    if (!formula)
        return run.refuse(formula.fault());
    RatingTableModel model;
    model.setLocale(run.locale);
    model.setRange(*read.range);
    model.setGauge(gauge);
    model.setFormula(formula->standard());
    // The formula and the three the ± and U columns come from, said beside the table.
    if (formula->standard())
        run.say(Texts::formulaStatement(formula->standard()->weir));
    if (gauge)
        run.say(run.marked(gaugeStatement(*gauge, run.locale)));
    if (run.format == OutputFormat::Json) {
        writeJson(run, model);
        return kAllFound;
    }
    const QChar separator = run.format == OutputFormat::Csv ? u',' : u'\t';
    const QString lineEnd = QStringLiteral("\n");
    // In a file, with a byte-order mark: a spreadsheet then reads the
    // Japanese header as UTF-8.
    if (run.sink.isFile())
        run.sink.write("\xEF\xBB\xBF");
    run.sink.write(tableHeaderText(model, separator, lineEnd).toStdString());
    for (int first = 0; first < model.rowCount(); first += kRowsAPiece)
        run.sink.write(tableRowsText(model, separator, lineEnd, first, std::min(model.rowCount(), first + kRowsAPiece),
                                     QChar::fromLatin1(run.decimalMark))
                           .toStdString());
    return kAllFound;
}

} // namespace

const Subcommand &tableSubcommand()
{
    static const Subcommand command{"table", QT_TRANSLATE_NOOP("CommandLine", "水位流量表を出力します。"),
                                    withOptions({{"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅 (mm)")},
                                                 {"from", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ 始め (mm)")},
                                                 {"to", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ 終わり (mm)")},
                                                 {"step", "mm", QT_TRANSLATE_NOOP("CommandLine", "刻み (mm)")}},
                                                formulaOptions()),
                                    runTable};
    return command;
}

} // namespace weir
