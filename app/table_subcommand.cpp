// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head table: the rating table, as the rating window shows it.
#include "app/json_text.h"
#include "app/subcommand.h"
#include "app/uncertainty_options.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"

#include <algorithm>

namespace weir {

namespace {

int runTable(const SubcommandRun &run)
{
    if (!requireOptions(run, {"width", "from", "to", "step"}))
        return kFault;
    const RatingRead read
        = readRatingBoxes({run.value("width"), run.value("from"), run.value("to"), run.value("step")}, run.locale);
    if (!read.range) {
        run.say(read.message);
        return kFault;
    }
    const GaugeOption gauge = gaugeOption(run);
    if (!gauge.read)
        return kFault;
    RatingTableModel model;
    model.setLocale(run.locale);
    model.setRange(*read.range);
    model.setGauge(gauge.gauge);
    // The three the ± and U columns come from, said beside the table.
    if (gauge.gauge)
        run.say(gaugeStatement(*gauge.gauge, run.locale));
    if (run.format == OutputFormat::Json) {
        // The keys a record's columns have; a row past the formula's reach
        // has no flows (null) and says why.
        std::string text = "[\n";
        for (int row = 0; row < model.rowCount(); ++row) {
            const auto cell = [&model, row](int column) {
                std::string value = model.index(row, column).data().toString().toStdString();
                std::replace(value.begin(), value.end(), ',', '.');
                return value;
            };
            std::vector<std::pair<std::string, JsonValue>> members{
                {"head_mm", JsonValue::number(cell(RatingTableModel::Head))},
                {"flow_lpm", JsonValue::number(cell(RatingTableModel::FlowLpm))},
                {"flow_m3s", JsonValue::number(cell(RatingTableModel::FlowM3s))}};
            if (gauge.gauge) {
                members.emplace_back("flow_U_lpm", JsonValue::number(cell(RatingTableModel::PlusMinus)));
                members.emplace_back("flow_U_percent", JsonValue::number(cell(RatingTableModel::Expanded)));
            }
            members.emplace_back(
                "reason",
                JsonValue::stringOrNull(model.index(row, RatingTableModel::Remark).data().toString().toStdString()));
            text += (row ? ",\n" : "") + jsonObject(members);
        }
        run.sink.write(text + "\n]\n");
        return kAllFound;
    }
    const QChar separator = run.format == OutputFormat::Csv ? u',' : u'\t';
    // In a file, with a byte-order mark: a spreadsheet then reads the
    // Japanese header as UTF-8.
    if (run.sink.isFile())
        run.sink.write("\xEF\xBB\xBF");
    run.sink.write(tableText(model, separator, QStringLiteral("\n")).toStdString());
    return kAllFound;
}

} // namespace

const Subcommand &tableSubcommand()
{
    static const Subcommand command{"table",
                                    QT_TRANSLATE_NOOP("CommandLine", "水位流量表を出力します。"),
                                    {{"width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅 (mm)")},
                                     {"from", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ 始め (mm)")},
                                     {"to", "mm", QT_TRANSLATE_NOOP("CommandLine", "越流高さ 終わり (mm)")},
                                     {"step", "mm", QT_TRANSLATE_NOOP("CommandLine", "刻み (mm)")}},
                                    runTable};
    return command;
}

} // namespace weir
