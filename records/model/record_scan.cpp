// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/record_scan.h"

#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/record_texts.h"

namespace weir {

QString timeTextOf(const std::vector<std::string> &fields, const std::vector<long> &columns, const TextCodec &codec)
{
    if (columns.size() == 1)
        return std::size_t(columns[0]) < fields.size()
            ? codec.decodeLenient(trimmedField(fields[std::size_t(columns[0])]))
            : QString();
    QString text;
    for (const long column : columns) {
        if (std::size_t(column) >= fields.size())
            continue;
        const std::string_view field = trimmedField(fields[std::size_t(column)]);
        if (field.empty())
            continue;
        if (!text.isEmpty())
            text += u' ';
        text += codec.decodeLenient(field);
    }
    return text;
}

namespace {

// Whether a row's time may be a date written day or month first, or a time
// of day before its date: a separator within its first three bytes. The
// year-first times most records hold are passed by without decoding them.
bool mayNeedOrder(const std::vector<std::string> &fields, const std::vector<long> &columns)
{
    for (const long column : columns) {
        if (std::size_t(column) >= fields.size())
            continue;
        const std::string_view time = trimmedField(fields[std::size_t(column)]);
        for (std::size_t i = 1; i < 3 && i < time.size(); ++i)
            if (time[i] == '.' || time[i] == '/' || time[i] == '-' || time[i] == ':')
                return true;
    }
    return false;
}

} // namespace

RecordScan scanRecord(const RecordSource &source, const RecordLayout &layout, const QString &timeFormat)
{
    RecordScan scan;
    if (!seekStream(source.stream(), layout.dataOffset)) {
        scan.fault = RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
        return scan;
    }
    CsvTokenizer tokenizer(source.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);
    const TextCodec codec(source.encoding());
    const std::size_t width = layout.fieldCount;
    const bool dates = timeFormat.isEmpty() && !layout.timeColumns.empty();
    DateEvidence evidence;
    long long lastLine = 0;
    bool lastWords = false;
    QString lastText;
    CsvTokenizer::Status status;
    while ((status = tokenizer.next()) == CsvTokenizer::Status::Record) {
        const std::vector<std::string> &fields = tokenizer.fields();
        bool empty = true;
        for (const std::string &field : fields)
            empty = empty && trimmedField(field).empty();
        if (empty)
            continue;
        lastLine = tokenizer.line();
        // A footer: words alone on a line that has not the rows' shape.
        const bool words = !(std::size_t(layout.valueColumn) < fields.size()
                             && looksLikeReading(fields[std::size_t(layout.valueColumn)]))
            && isWordsOnly(fields);
        lastWords = words && fields.size() < width;
        if (words) {
            lastText = codec.decodeLenient(tokenizer.raw()).trimmed();
            continue; // a note, or the footer: no row of readings
        }
        for (std::size_t i = width; i < fields.size(); ++i) {
            if (!trimmedField(fields[i]).empty()) {
                scan.fault = RecordFault{RecordFault::Reason::BeyondHeader, tokenizer.line(),
                                         RecordTexts::tr("%1行目: 見出しの%2列より先に値があります（%3列目）。")
                                             .arg(tokenizer.line())
                                             .arg(width)
                                             .arg(i + 1)};
                return scan;
            }
        }
        if (dates && mayNeedOrder(fields, layout.timeColumns))
            evidence.observe(timeTextOf(fields, layout.timeColumns, codec), tokenizer.line());
    }
    if (status == CsvTokenizer::Status::Error) {
        scan.fault = RecordFault{RecordFault::Reason::OpenQuote, tokenizer.line(), tokenizer.error()};
        return scan;
    }
    if (lastWords) {
        scan.footerLine = lastLine;
        scan.footerText = lastText;
    }
    if (dates) {
        QStringList columns;
        for (const long column : layout.timeColumns)
            columns << layout.headerNames.value(column);
        scan.fault = evidence.fault(columns.join(QStringLiteral(" + ")));
        scan.dateOrder = evidence.order();
    }
    return scan;
}

bool isNoteRow(const std::vector<std::string> &fields, const RecordLayout &layout)
{
    const bool noReading = std::size_t(layout.valueColumn) >= fields.size()
        || trimmedField(fields[std::size_t(layout.valueColumn)]).empty();
    return !layout.timeColumns.empty() && noReading && isWordsOnly(fields);
}

QStringList layoutNotes(const RecordLayout &layout)
{
    QStringList notes;
    if (layout.decimalMarkFromData)
        notes << RecordTexts::tr("読みの小数点はコンマとして読みました（0,032 のように書かれています）。");
    for (const PassedLine &passed : layout.passed) {
        if (passed.why == PassedLine::Why::Units)
            notes << RecordTexts::tr("%1行目は単位の行として読み飛ばしました。").arg(passed.line);
        else if (passed.why == PassedLine::Why::Processing)
            notes << RecordTexts::tr("%1行目は読みのない行として読み飛ばしました。").arg(passed.line);
    }
    if (!layout.timeZone.isEmpty())
        notes << RecordTexts::tr("時刻の時間帯: %1（見出しによる）。日ごと・月ごとの区切りはこの時刻のままです。")
                     .arg(layout.timeZone);
    return notes;
}

} // namespace weir
