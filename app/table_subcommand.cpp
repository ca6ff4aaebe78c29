// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// weir-head table: the rating table, as the rating window shows it.
#include "app/json_text.h"
#include "app/subcommand.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"

#include <algorithm>

namespace weir {

namespace {

int runTable(const SubcommandRun &run)
{
    const RatingRead read
        = readRatingBoxes({run.value("width"), run.value("from"), run.value("to"), run.value("step")}, run.locale);
    if (!read.range) {
        run.say(read.message);
        return kFault;
    }
    RatingTableModel model;
    model.setLocale(run.locale);
    model.setRange(*read.range);
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
            text += (row ? ",\n" : "")
                + jsonObject({{"head_mm", JsonValue::number(cell(RatingTableModel::Head))},
                              {"flow_lpm", JsonValue::number(cell(RatingTableModel::FlowLpm))},
                              {"flow_m3s", JsonValue::number(cell(RatingTableModel::FlowM3s))},
                              {"reason",
                               JsonValue::stringOrNull(
                                   model.index(row, RatingTableModel::Remark).data().toString().toStdString())}});
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
