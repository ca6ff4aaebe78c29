// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/record_preview.h"

#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/reading_scale.h"
#include "records/model/record_texts.h"

#include <algorithm>

namespace weir {

namespace {

constexpr int kMostColumnsTried = 64;

// The first lines as text, cut at their line ends (the delimiter matters
// not: a line is a line here, quoted line breaks aside).
std::vector<RecordPreview::Line> firstLines(const RecordSource &source, long long upTo)
{
    std::vector<RecordPreview::Line> lines;
    if (!seekStream(source.stream(), source.dataStart()))
        return lines;
    const TextCodec codec(source.encoding());
    std::string line;
    int c = 0;
    while (static_cast<long long>(lines.size()) < upTo && (c = std::fgetc(source.stream())) != EOF) {
        if (c != '\n') {
            line += char(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back({static_cast<long long>(lines.size()) + 1, codec.decodeLenient(line)});
        line.clear();
    }
    if (c == EOF && !line.empty())
        lines.push_back({static_cast<long long>(lines.size()) + 1, codec.decodeLenient(line)});
    return lines;
}

// Whether the layout's column holds a number in the first rows below it.
bool holdsNumbers(const RecordSource &source, const RecordLayout &layout)
{
    if (!seekStream(source.stream(), layout.dataOffset))
        return false;
    CsvTokenizer reader(source.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);
    for (int row = 0; row < kPreviewRows && reader.next() == CsvTokenizer::Status::Record; ++row) {
        const std::vector<std::string> &fields = reader.fields();
        if (std::size_t(layout.valueColumn) < fields.size()
            && readReading(trimmedField(fields[std::size_t(layout.valueColumn)]), layout.decimalMark).status
                == DecimalReading::Status::Ok)
            return true;
    }
    return false;
}

bool isTime(std::string_view field)
{
    return looksLikeReading(field) && !readDecimal(field, '.') && !readDecimal(field, ',');
}

} // namespace

RecordPreview previewRecord(std::FILE *in, const LayoutQuestion &question, std::optional<TextEncoding> encoding)
{
    RecordPreview preview;
    RecordSource source;
    if ((preview.fault = source.open(in, encoding)))
        return preview;
    preview.encoding = source.fileEncoding();
    // With no column asked: each column by its number, and of the layouts
    // whose column holds numbers in the rows below, the one with the
    // earliest header (a column of times taken by number would take a row of
    // readings for a header; the true header is above every row).
    if (question.value.name.isEmpty()) {
        std::optional<RecordLayout> best;
        for (int number = 1; number <= kMostColumnsTried; ++number) {
            LayoutQuestion probe = question;
            probe.value = ColumnChoice::fromText(QString::number(number));
            RecordLayout found = findLayout(source, probe);
            if (found.fault && found.fault->reason == RecordFault::Reason::Empty) {
                best = found;
                break;
            }
            if (found.fault || !holdsNumbers(source, found))
                continue;
            if (!best || found.headerLine < best->headerLine)
                best = found;
            if (number >= found.headerNames.size() && number >= qsizetype(found.fieldCount))
                break;
        }
        if (best) {
            preview.layout = *best;
        } else {
            preview.layout.fault = RecordFault{RecordFault::Reason::NoHeader, 0,
                                               RecordTexts::tr("数値の列を含む見出しの行がありません。区切りと小数点を"
                                                               "確かめて下さい。")};
        }
    } else {
        preview.layout = findLayout(source, question);
    }
    const RecordLayout &layout = preview.layout;
    preview.fault = layout.fault;
    const long long dataLine = layout.fault ? 0 : layout.dataLine;
    preview.lines = firstLines(source, std::max<long long>(dataLine + 5, 40));
    for (RecordPreview::Line &line : preview.lines) {
        if (layout.fault)
            break;
        if (line.number == layout.headerLine)
            line.role = RecordPreview::LineRole::Header;
        else if (line.number > layout.headerLine && line.number < layout.dataLine)
            line.role = RecordPreview::LineRole::Passed;
        else if (line.number >= layout.dataLine)
            line.role = RecordPreview::LineRole::Data;
    }
    if (layout.fault || !seekStream(source.stream(), layout.dataOffset))
        return preview;

    // The first rows of readings, and what each column holds: numbers in
    // every row that has the field, or dates and times, or something else.
    const std::size_t width = std::max<std::size_t>(layout.fieldCount, std::size_t(layout.headerNames.size()));
    std::vector<int> numbers(width), times(width), filled(width);
    const TextCodec codec(source.encoding());
    CsvTokenizer reader(source.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);
    while (static_cast<int>(preview.rows.size()) < kPreviewRows && reader.next() == CsvTokenizer::Status::Record) {
        const std::vector<std::string> &fields = reader.fields();
        if (isWordsOnly(fields))
            continue; // a note among the rows
        QStringList row;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string_view field = trimmedField(fields[i]);
            row << codec.decodeLenient(field);
            if (i >= width || field.empty())
                continue;
            ++filled[i];
            numbers[i] += readReading(field, layout.decimalMark).status == DecimalReading::Status::Ok;
            times[i] += isTime(field);
        }
        preview.rows.push_back(row);
    }
    std::vector<long> numberColumns;
    for (std::size_t i = 0; i < width; ++i) {
        const bool all = filled[i] > 0;
        preview.columns.push_back(all && numbers[i] == filled[i]     ? RecordPreview::ColumnKind::Numbers
                                      : all && times[i] == filled[i] ? RecordPreview::ColumnKind::Times
                                                                     : RecordPreview::ColumnKind::Other);
        if (preview.columns.back() == RecordPreview::ColumnKind::Numbers)
            numberColumns.push_back(long(i));
        else if (preview.columns.back() == RecordPreview::ColumnKind::Times)
            preview.timeColumns.push_back(long(i));
    }
    if (numberColumns.size() == 1 && (preview.timeColumns.size() == 1 || preview.timeColumns.size() == 2))
        preview.valueColumn = numberColumns.front();
    else
        preview.timeColumns.clear();
    return preview;
}

} // namespace weir
