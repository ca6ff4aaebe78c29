// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/record_layout.h"

#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/reading_scale.h"
#include "records/model/record_texts.h"

#include <QRegularExpression>

#include <algorithm>

namespace weir {

ColumnChoice ColumnChoice::fromText(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int number = t.toInt(&ok);
    return {t, ok && number > 0 && !t.startsWith(u'+') ? number : 0};
}

namespace {

// The first lines of the file, whole, as bytes: the header is among them.
std::string sample(const RecordSource &source)
{
    constexpr std::size_t kMostBytes = 8 << 20;
    std::string bytes;
    if (!seekStream(source.stream(), source.dataStart()))
        return bytes;
    long long lines = 0;
    // Pieces from 4 KiB, where most headers lie, doubling to the buffer's
    // size: a short file is read in a read or two.
    char buffer[1 << 16];
    std::size_t piece = 4096, got;
    while (lines < kHeaderSearchLines + kConfirmingRows + 8 && bytes.size() < kMostBytes
           && (got = std::fread(buffer, 1, piece, source.stream())) > 0) {
        bytes.append(buffer, got);
        lines += std::count(buffer, buffer + got, '\n');
        if (piece < sizeof buffer)
            piece *= 2;
    }
    if (std::fgetc(source.stream()) != EOF) {
        // Cut after the last whole line: a line cut short would be a row of
        // too few fields.
        const std::size_t end = bytes.rfind('\n');
        bytes.resize(end == std::string::npos ? 0 : end + 1);
    }
    return bytes;
}

struct SampleRow {
    long long line = 0;
    qint64 offset = 0;
    qint64 end = 0; // where the next line begins
    std::vector<std::string> fields;
    QStringList names; // decoded, trimmed
};

std::vector<SampleRow> rowsOf(const std::string &bytes, char delimiter, const RecordSource &source)
{
    const TextCodec codec(source.encoding());
    CsvTokenizer tokenizer(bytes, delimiter, 1, source.dataStart());
    std::vector<SampleRow> rows;
    while (tokenizer.next() == CsvTokenizer::Status::Record) {
        SampleRow row{tokenizer.line(), tokenizer.offset(), tokenizer.nextOffset(), tokenizer.fields(), {}};
        for (const std::string &field : row.fields)
            row.names << codec.decodeLenient(trimmedField(field)).trimmed();
        rows.push_back(std::move(row));
    }
    return rows;
}

// Where a name stands among the fields: the field that is the name, else the
// one field that begins with it and goes on with something that is not a
// letter or digit ("Water Level, meters" for "Water Level"). -1 when none or
// more than one.
long columnNamed(const QStringList &fields, const QString &name)
{
    const qsizetype exact = fields.indexOf(name);
    if (exact >= 0)
        return long(exact);
    long found = -1;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields[i];
        if (field.size() > name.size() && field.startsWith(name) && !field[name.size()].isLetterOrNumber()) {
            if (found >= 0)
                return -1;
            found = long(i);
        }
    }
    return found;
}

// A column by its name, else by its number: a header may name a column
// with digits (USGS's parameter codes, 00065).
long columnOf(const QStringList &fields, const ColumnChoice &choice, bool &byNumber)
{
    const long named = columnNamed(fields, choice.name);
    byNumber = named < 0 && choice.number > 0;
    if (byNumber)
        return choice.number <= fields.size() ? long(choice.number - 1) : -1;
    return named;
}

// The fields a row has, its trailing empty ones aside.
std::size_t filledWidth(const std::vector<std::string> &fields)
{
    std::size_t width = fields.size();
    while (width > 0 && trimmedField(fields[width - 1]).empty())
        --width;
    return width;
}

bool isEmptyRow(const std::vector<std::string> &fields)
{
    return filledWidth(fields) == 0;
}

bool readsAsNumber(std::string_view field)
{
    return readDecimal(field, '.') || readDecimal(field, ',');
}

// What a row below the header may hold under the column of readings and
// still be no row of readings: nothing, a unit (a head's, a flow's), or a
// logger's processing code (Campbell's Smp, Avg, Max, Min, Tot).
bool isMetaCell(const QString &cell)
{
    static const QRegularExpression flowUnit(
        QStringLiteral("^(?:[lL]|m3|m³|ft3|ft³|gal)/(?:s|min|h|d)$|^(?:cfs|gpm|mgd|l/s)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QStringList codes{QStringLiteral("Smp"), QStringLiteral("Avg"), QStringLiteral("Max"),
                                   QStringLiteral("Min"), QStringLiteral("Tot"), QStringLiteral("Std"),
                                   QStringLiteral("Med"), QStringLiteral("Cnt")};
    return cell.isEmpty() || headUnitStated(cell) || flowUnit.match(cell).hasMatch() || codes.contains(cell);
}

const std::string &cell(const std::vector<std::string> &fields, long column)
{
    static const std::string none;
    return column >= 0 && std::size_t(column) < fields.size() ? fields[std::size_t(column)] : none;
}

// How the rows below a header candidate agree with it.
struct Agreement {
    bool agrees = false;
    std::size_t rowsWidth = 0; // the first row wider than the header, or 0
    long long rowsLine = 0;
    std::size_t readings = 0;
    std::size_t metaRows = 0; // rows of words directly below
};

Agreement agreement(const std::vector<SampleRow> &rows, std::size_t header, long valueColumn, bool byNumber)
{
    Agreement result;
    const std::size_t width = rows[header].fields.size();
    std::size_t i = header + 1;
    while (i < rows.size() && isEmptyRow(rows[i].fields))
        ++i;
    while (i < rows.size() && result.metaRows < 3
           && ((isWordsOnly(rows[i].fields) && isMetaCell(rows[i].names.value(valueColumn)))
               || isFieldTypeRow(rows[i].fields))) {
        ++result.metaRows;
        ++i;
    }
    // A header found by a column's number names nothing to look for: it is
    // the line of words directly above the readings (and their units and
    // processing rows), not any line of words higher up.
    if (byNumber && i < rows.size() && isWordsOnly(rows[i].fields))
        return result;
    std::size_t seen = 0;
    for (; i < rows.size() && seen < std::size_t(kConfirmingRows); ++i) {
        const std::vector<std::string> &fields = rows[i].fields;
        if (isEmptyRow(fields) || isWordsOnly(fields))
            continue; // a note among the readings, or a footer
        ++seen;
        if (filledWidth(fields) > std::max(width, result.rowsWidth) && (result.rowsWidth == 0 || byNumber)) {
            result.rowsWidth = filledWidth(fields);
            result.rowsLine = rows[i].line;
        }
        if (readsAsNumber(cell(fields, valueColumn)))
            ++result.readings;
    }
    // Columns chosen by number read the rows as they are: a header of fewer
    // names than the rows have fields is no fault then.
    result.agrees = (result.rowsWidth == 0 || byNumber) && (seen == 0 || result.readings > 0);
    if (result.readings == 0)
        result.metaRows = 0; // rows of words with no readings below are the record's rows
    return result;
}

QString quotedNames(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << u'「' + name + u'」';
    return quoted.join(RecordTexts::tr("、", "between the items of a list"));
}

// The decimal mark the readings are written with, under a delimiter that is
// not a comma: a comma when the column of readings (else any column) holds
// 0,032 and never 0.032.
char decimalMarkOf(const std::vector<SampleRow> &rows, std::size_t from, long valueColumn)
{
    static const QRegularExpression comma(QStringLiteral("^[-+]?\\d*,\\d+$"));
    static const QRegularExpression point(QStringLiteral("^[-+]?\\d*\\.\\d+$"));
    long long commas[2] = {0, 0}, points[2] = {0, 0}; // the column of readings, the others
    for (std::size_t i = from; i < rows.size(); ++i) {
        for (qsizetype c = 0; c < rows[i].names.size(); ++c) {
            const int which = c == valueColumn ? 0 : 1;
            if (comma.match(rows[i].names[c]).hasMatch())
                ++commas[which];
            else if (point.match(rows[i].names[c]).hasMatch())
                ++points[which];
        }
    }
    if (commas[0] > 0 || points[0] > 0)
        return commas[0] > 0 && points[0] == 0 ? ',' : '.';
    return commas[1] > 0 && points[1] == 0 ? ',' : '.';
}

void findTimeZone(RecordLayout &layout, const std::vector<SampleRow> &rows, std::size_t data)
{
    static const QRegularExpression stated(QStringLiteral("\\b(?:GMT|UTC)\\s*(?:[+-]\\d{1,2}(?::?\\d{2})?)?"));
    for (const long column : layout.timeColumns) {
        const QString name = layout.headerNames.value(column);
        if (const QRegularExpressionMatch match = stated.match(name); match.hasMatch()) {
            layout.timeZone = match.captured(0).trimmed();
            return;
        }
    }
    for (qsizetype c = 0; c < layout.headerNames.size(); ++c) {
        const QString name = layout.headerNames[c].toLower();
        if (name == u"tz_cd" || name == u"tz" || name == u"timezone" || name == u"time zone") {
            layout.zoneColumn = long(c);
            if (data < rows.size())
                layout.timeZone = rows[data].names.value(c);
            return;
        }
    }
}

} // namespace

bool looksLikeReading(std::string_view field)
{
    field = trimmedField(field);
    if (field.empty())
        return false;
    // A date or a time: digits on both sides of a '-', '/', '.' or ':'.
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        const char c = field[i];
        if ((c == '-' || c == '/' || c == '.' || c == ':') && std::isdigit(static_cast<unsigned char>(field[i - 1]))
            && std::isdigit(static_cast<unsigned char>(field[i + 1])))
            return true;
    }
    return readsAsNumber(field);
}

bool isWordsOnly(const std::vector<std::string> &fields)
{
    bool any = false;
    for (const std::string &field : fields) {
        if (looksLikeReading(field))
            return false;
        any = any || !trimmedField(field).empty();
    }
    return any;
}

bool isFieldTypeRow(const std::vector<std::string> &fields)
{
    static const QRegularExpression type(QStringLiteral("^\\d+[sndf]$"));
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](const std::string &field) {
        return type.match(QString::fromLatin1(field.data(), qsizetype(field.size()))).hasMatch();
    });
}

RecordLayout findLayout(const RecordSource &source, const LayoutQuestion &question)
{
    RecordLayout layout;
    const std::string bytes = sample(source);
    std::vector<ColumnChoice> choices{question.value};
    choices.insert(choices.end(), question.time.begin(), question.time.end());

    struct Candidate {
        std::vector<SampleRow> rows;
        char delimiter;
    };
    std::vector<Candidate> candidates;
    const std::vector<char> delimiters
        = question.delimiter ? std::vector<char>{*question.delimiter} : std::vector<char>{',', ';', '\t', '|'};
    for (const char delimiter : delimiters)
        candidates.push_back({rowsOf(bytes, delimiter, source), delimiter});

    // The line holding most of the names, to say what it lacks; the first
    // header out of line with its rows, to say so.
    long long bestLine = 0;
    QStringList bestMissing;
    std::optional<RecordFault> outOfLine;

    const std::size_t lines = candidates.front().rows.size();
    for (std::size_t i = 0; i < lines && i < std::size_t(kHeaderSearchLines); ++i) {
        const Candidate *chosen = nullptr;
        std::size_t chosenIndex = 0, chosenWidth = 0, chosenMeta = 0, chosenRowsWidth = 0;
        std::vector<long> chosenColumns;
        for (const Candidate &candidate : candidates) {
            // Rows in one delimiter line up with the first delimiter's only
            // while no quoted field holds a line break: look the line up.
            const long long line = candidates.front().rows[i].line;
            const auto at = std::find_if(candidate.rows.begin(), candidate.rows.end(),
                                         [line](const SampleRow &row) { return row.line == line; });
            if (at == candidate.rows.end())
                continue;
            const std::size_t index = std::size_t(at - candidate.rows.begin());
            const SampleRow &row = *at;
            std::vector<long> columns;
            QStringList missing;
            bool anyByName = false;
            for (const ColumnChoice &choice : choices) {
                bool byNumber = false;
                columns.push_back(columnOf(row.names, choice, byNumber));
                anyByName = anyByName || !byNumber;
                if (columns.back() < 0)
                    missing << choice.name;
            }
            if (!missing.isEmpty()) {
                if (missing.size() < qsizetype(choices.size())
                    && (bestLine == 0 || missing.size() < bestMissing.size())) {
                    bestLine = row.line;
                    bestMissing = missing;
                }
                continue;
            }
            // Columns by number alone: the header is a line of names above
            // the readings, not a reading.
            if (!anyByName && readsAsNumber(cell(row.fields, columns.front())))
                continue;
            const Agreement agreed = agreement(candidate.rows, index, columns.front(), !anyByName);
            if (!agreed.agrees) {
                if (agreed.rowsWidth > 0 && !outOfLine && anyByName)
                    outOfLine = RecordFault{RecordFault::Reason::HeaderOutOfLine, row.line,
                                            RecordTexts::tr("%1行目の見出しは%2列ですが、その下の%3行目は%4列あります。"
                                                            "見出しが行と揃っていないため、列を名前では選べません。列は"
                                                            "番号（1から数えて）でも選べます。")
                                                .arg(row.line)
                                                .arg(row.fields.size())
                                                .arg(agreed.rowsLine)
                                                .arg(agreed.rowsWidth)};
                continue;
            }
            if (!chosen || row.fields.size() > chosenWidth) {
                chosen = &candidate;
                chosenIndex = index;
                chosenWidth = row.fields.size();
                chosenColumns = columns;
                chosenMeta = agreed.metaRows;
                chosenRowsWidth = agreed.rowsWidth;
            }
        }
        if (!chosen)
            continue;

        const std::size_t index = chosenIndex;
        const SampleRow *header = &chosen->rows[index];
        layout.delimiter = chosen->delimiter;
        layout.headerLine = header->line;
        layout.headerOffset = header->offset;
        layout.headerNames = header->names;
        layout.fieldCount = std::max(header->fields.size(), chosenRowsWidth);
        layout.valueColumn = chosenColumns.front();
        layout.timeColumns.assign(chosenColumns.begin() + 1, chosenColumns.end());
        // The rows passed over: empty lines, then the rows of words.
        std::size_t data = index + 1;
        while (data < chosen->rows.size() && isEmptyRow(chosen->rows[data].fields))
            ++data;
        for (std::size_t k = 0; k < chosenMeta; ++k, ++data) {
            const SampleRow &row = chosen->rows[data];
            const PassedLine::Why why = isFieldTypeRow(row.fields) ? PassedLine::Why::FieldTypes
                : k == 0                                           ? PassedLine::Why::Units
                                                                   : PassedLine::Why::Processing;
            layout.passed.push_back({row.line, why});
            if (why == PassedLine::Why::Units) {
                const QString unit = row.names.value(layout.valueColumn);
                if (const std::optional<units::HeadUnit> stated = headUnitStated(unit)) {
                    layout.statedUnit = stated;
                    layout.statedUnitText = unit;
                    layout.statedUnitLine = row.line;
                }
            }
        }
        if (data < chosen->rows.size()) {
            layout.dataLine = chosen->rows[data].line;
            layout.dataOffset = chosen->rows[data].offset;
        } else {
            // Nothing below in the sample but what was passed over.
            layout.dataLine = chosen->rows[data - 1].line + 1;
            layout.dataOffset = chosen->rows[data - 1].end;
        }
        if (!layout.statedUnit) {
            const QString name = layout.headerNames.value(layout.valueColumn);
            if (const std::optional<units::HeadUnit> stated = headUnitStated(name)) {
                layout.statedUnit = stated;
                layout.statedUnitText = name;
            }
        }
        if (question.decimalMark) {
            layout.decimalMark = *question.decimalMark;
        } else if (layout.delimiter != ',') {
            layout.decimalMark = decimalMarkOf(chosen->rows, data, layout.valueColumn);
            layout.decimalMarkFromData = layout.decimalMark == ',';
        }
        findTimeZone(layout, chosen->rows, data);
        return layout;
    }

    QStringList names;
    for (const ColumnChoice &choice : choices)
        names << choice.name;
    if (bytes.empty())
        layout.fault
            = RecordFault{RecordFault::Reason::Empty, 0, RecordTexts::tr("記録が空です。見出しの行がありません。")};
    else if (outOfLine)
        layout.fault = outOfLine;
    else if (bestLine > 0)
        layout.fault = RecordFault{
            RecordFault::Reason::NoHeader, bestLine,
            RecordTexts::tr("%1行目の見出しに 列 %2 がありません。").arg(bestLine).arg(quotedNames(bestMissing))};
    else
        layout.fault = RecordFault{RecordFault::Reason::NoHeader, 0,
                                   RecordTexts::tr("列 %1 を含む見出しの行がありません（最初の%2行を調べました）。")
                                       .arg(quotedNames(names))
                                       .arg(kHeaderSearchLines)};
    return layout;
}

} // namespace weir
