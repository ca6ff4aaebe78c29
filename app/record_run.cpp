// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_run.h"

#include "app/command_line_texts.h"
#include "app/console_text.h"
#include "app/json_text.h"
#include "common/csv_field.h"
#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/record_scan.h"
#include "records/model/record_source.h"
#include "records/model/windows_api.h"

#include <algorithm>
#include <climits>
#include <functional>

#ifndef Q_OS_WIN
#include <unistd.h> // isatty; on Windows from io.h
#endif

namespace weir {

namespace {

// An answer as it is written: the added columns in the output's encoding
// (JSON: UTF-8, numbers with a '.').
struct WrittenAnswer {
    std::vector<std::string> columns;
    bool answered = false;
    QString reason;
    std::optional<double> flowM3s;
    std::optional<double> uM3s;
    bool outsideRange = false;
};

class RecordWriter
{
public:
    RecordWriter(const SubcommandRun &run, const RecordSource &file, const RecordLayout &layout, RecordAnswers &answers)
        : m_run(run)
        , m_fileCodec(file.encoding())
        , m_added(answers.addedColumns())
        , m_answers(answers)
        , m_json(run.format == OutputFormat::Json)
        // CP932 in, CP932 out: Excel on a Japanese Windows reads it as it
        // wrote it. Everything else is written as UTF-8.
        , m_outCodec(file.encoding() == TextEncoding::Cp932 && !m_json ? TextEncoding::Cp932 : TextEncoding::Utf8)
    {
        m_outDelimiter = run.format == OutputFormat::Tsv ? '\t'
            : run.format == OutputFormat::Csv            ? ','
                                                         : layout.delimiter;
        m_passThrough = m_outDelimiter == layout.delimiter && m_outCodec.encoding() == file.encoding();
        // The record's readings are read, and the added numbers written, with
        // the record's own mark (JSON's is a point); the answers come with a
        // point.
        m_fileMark = layout.decimalMark;
        m_fieldCount = layout.fieldCount;
        m_outMark = m_json ? '.' : layout.decimalMark;
    }

    void start(const CsvTokenizer &header, bool byteOrderMark, bool writeHeader)
    {
        m_headerFields = header.fields();
        // A header of fewer names than the rows have fields (columns chosen
        // by number): the rows keep all of theirs, under empty names.
        m_headerFields.resize(std::max(m_headerFields.size(), m_fieldCount));
        m_lineEnd = header.crlf() ? "\r\n" : "\n";
        if (m_json || !writeHeader)
            return;
        if (m_outCodec.encoding() == TextEncoding::Utf8 && (byteOrderMark || m_run.sink.isFile()))
            m_run.sink.write("\xEF\xBB\xBF");
        std::vector<std::string> names;
        for (const AddedColumn &column : m_added)
            names.emplace_back(column.name);
        writeRow(header, names);
    }

    // The line end of the record, for a table of its own (the periods).
    const std::string &lineEnd() const { return m_lineEnd; }
    char delimiter() const { return m_outDelimiter; }
    char outMark() const { return m_outMark; }

    void writeRow(const CsvTokenizer &reader, const std::vector<std::string> &added)
    {
        const std::vector<std::string> &fields = reader.fields();
        const std::size_t width = m_headerFields.size();
        if (m_json) {
            std::vector<std::pair<std::string, JsonValue>> members;
            for (std::size_t i = 0; i < width; ++i)
                members.emplace_back(utf8(m_headerFields[i]),
                                     JsonValue::string(i < fields.size() ? utf8(fields[i]) : std::string()));
            for (std::size_t i = 0; i < m_added.size(); ++i)
                members.emplace_back(m_added[i].name,
                                     m_added[i].numeric ? JsonValue::number(jsonNumber(added[i]))
                                                        : JsonValue::stringOrNull(added[i]));
            m_run.sink.write((m_firstJson ? "[\n" : ",\n") + jsonObject(members));
            m_firstJson = false;
            return;
        }
        m_line.clear();
        if (m_passThrough && fields.size() == width) {
            m_line = reader.raw(); // every field exactly as it came
        } else {
            // Every row has the header's fields: a short one is filled out, a
            // long one's trailing empty fields dropped (a longer one with
            // values there is refused before anything is written).
            for (std::size_t i = 0; i < width; ++i) {
                if (i)
                    m_line += m_outDelimiter;
                if (i < fields.size())
                    appendCsvField(m_line, out(fields[i]), m_outDelimiter);
            }
        }
        for (const std::string &field : added) {
            m_line += m_outDelimiter;
            appendCsvField(m_line, field, m_outDelimiter);
        }
        m_line += m_lineEnd;
        m_run.sink.write(m_line);
    }

    void end()
    {
        if (m_json)
            m_run.sink.write(m_firstJson ? "[]\n" : "\n]\n");
    }

    const WrittenAnswer &answerFor(const std::vector<std::string> &fields, long column)
    {
        const std::size_t index = std::size_t(column);
        if (index >= fields.size() || trimmedField(fields[index]).empty()) {
            if (m_unanswered.columns.empty()) {
                const QString reason = CommandLineTexts::tr("値がありません。");
                m_unanswered.columns.assign(m_added.size() - 1, std::string());
                m_unanswered.columns.push_back(encode(reason));
                m_unanswered.reason = reason;
            }
            return m_unanswered;
        }
        return remembered(fields[index]);
    }

    QString decode(std::string_view bytes) const { return m_fileCodec.decodeLenient(bytes); }

private:
    // A logger writes its readings to a fixed resolution (a head to 0.1 or
    // 0.01 mm, a flow to 0.1 L/min), so a long record holds the same few
    // thousand values over and over. Their answers are kept, by the exact
    // bytes of the value, in a fixed number of slots: the same value gives
    // the same answer, whatever slot it comes from, and memory stays constant.
    const WrittenAnswer &remembered(const std::string &value)
    {
        Slot &slot = m_slots[std::hash<std::string>{}(value) % m_slots.size()];
        if (!slot.used || slot.value != value) {
            const std::string_view field = trimmedField(value);
            const RowAnswer answer = m_answers.answer({decode(field), readReading(field, m_fileMark)});
            slot.answer.columns.clear();
            for (qsizetype i = 0; i < answer.columns.size(); ++i) {
                const bool number = std::size_t(i) < m_added.size() && m_added[std::size_t(i)].numeric;
                slot.answer.columns.push_back(
                    encode(number ? withMark(answer.columns[i], '.', m_outMark) : answer.columns[i]));
            }
            slot.answer.answered = answer.answered;
            slot.answer.reason = answer.reason;
            slot.answer.flowM3s = answer.flowM3s;
            slot.answer.outsideRange = answer.outsideRange;
            slot.answer.uM3s = answer.uM3s;
            slot.value = value;
            slot.used = true;
        }
        return slot.answer;
    }

    std::string encode(const QString &text) const { return m_outCodec.encode(text); }
    // A plain decimal written with one mark, with the other: 0,032 and
    // 0.032. A text that is no such number stays as it is.
    static QString withMark(const QString &text, char from, char to)
    {
        if (from == to || text.count(QLatin1Char(from)) != 1 || text.contains(QLatin1Char(to)))
            return text;
        return QString(text).replace(QLatin1Char(from), QLatin1Char(to));
    }
    std::string utf8(const std::string &bytes) const
    {
        return m_fileCodec.encoding() == TextEncoding::Utf8 ? bytes : decode(bytes).toStdString();
    }
    // A field of the record in the output's encoding.
    std::string out(const std::string &bytes) const
    {
        return m_outCodec.encoding() == m_fileCodec.encoding() ? bytes : encode(decode(bytes));
    }
    // Numbers written with a decimal comma for the file are JSON numbers
    // with a point; they have no digit grouping.
    static std::string jsonNumber(std::string text)
    {
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    }

    struct Slot {
        std::string value;
        WrittenAnswer answer;
        bool used = false;
    };

    const SubcommandRun &m_run;
    TextCodec m_fileCodec;
    std::vector<AddedColumn> m_added;
    RecordAnswers &m_answers;
    bool m_json;
    TextCodec m_outCodec;
    char m_outDelimiter = ',';
    bool m_passThrough = false;
    char m_fileMark = '.', m_outMark = '.'; // answers are written with '.', then given the output's mark
    std::size_t m_fieldCount = 0;
    std::string m_lineEnd = "\n";
    std::vector<std::string> m_headerFields;
    std::string m_line;
    bool m_firstJson = true;
    std::vector<Slot> m_slots = std::vector<Slot>(4096);
    WrittenAnswer m_unanswered;
};

} // namespace

// A long record's progress on a terminal, over one line rewritten in place:
// the rows read and how far into the file that is. Nothing when the error
// stream is not a terminal, and nothing for a record read in a moment.
class Progress
{
public:
    Progress(const SubcommandRun &run, std::FILE *record)
        : m_err(run.err)
        , m_shown(isatty(fileno(run.err)))
        , m_size(m_shown ? streamSize(record) : 0)
    {
    }

    void show(long long rows, qint64 offset) const
    {
        if (!m_shown)
            return;
        const int percent = m_size > 0 && offset >= 0 ? int(std::min<qint64>(100, offset * 100 / m_size)) : 0;
        const QString text
            = CommandLineTexts::tr("読み込み中: %n行（ファイルの %1 %）", nullptr, counted(rows)).arg(percent);
        writeText(m_err, u'\r' + text);
        m_rowsShown = rows;
    }

    void end(long long rows, qint64 offset) const
    {
        if (m_rowsShown == 0)
            return;
        if (m_rowsShown != rows)
            show(rows, offset);
        std::fputc('\n', m_err);
    }

private:
    std::FILE *m_err;
    bool m_shown;
    qint64 m_size = 0;
    mutable long long m_rowsShown = 0;
};

namespace {

// What the user could tell the program about a fault of the record's.
QString hint(const RecordFault &fault, const RecordSource &file)
{
    switch (fault.reason) {
    case RecordFault::Reason::Encoding:
    case RecordFault::Reason::NoHeader:
    case RecordFault::Reason::Empty:
        if (file.encodingGuessed() && file.fileEncoding() != TextEncoding::Utf8)
            return CommandLineTexts::tr("文字コードは %1 として読みました（--encoding で変えられます）。")
                .arg(encodingName(file.fileEncoding()));
        return {};
    case RecordFault::Reason::HeaderOutOfLine: return CommandLineTexts::tr("（--column 3 のように）");
    case RecordFault::Reason::DateTwoWays:
        if (fault.formats.size() == 2)
            return CommandLineTexts::tr(
                       "月が先なら --time-format \"%1\"、日が先なら --time-format \"%2\" と指定して下さい。")
                .arg(fault.formats[0], fault.formats[1]);
        return {};
    default: return {};
    }
}

// The record's fault as the program's, with the hint after its words.
Fault withHint(const RecordFault &fault, const RecordSource &file)
{
    Fault said = fault.fault();
    said.words += hint(fault, file);
    return said;
}

// The numbers of the periods' table, with the output's decimal mark.
std::string numberText(double value, int decimals, char mark)
{
    std::string text = QString::number(value, 'f', decimals).toStdString();
    if (mark != '.')
        std::replace(text.begin(), text.end(), '.', mark);
    return text;
}

void writePeriods(const SubcommandRun &run, const VolumeResult &result, bool outsideColumn, char delimiter, char mark,
                  const std::string &lineEnd)
{
    const bool json = run.format == OutputFormat::Json;
    const bool u = result.withUncertainty;
    std::vector<const char *> names{"period",  "volume_m3", "cover_percent", "readings",
                                    "min_lpm", "mean_lpm",  "max_lpm"};
    if (u)
        names.push_back("volume_u_m3");
    if (outsideColumn)
        names.push_back("outside_range");
    names.push_back("incomplete");
    std::string text;
    if (!json) {
        if (run.sink.isFile())
            text += "\xEF\xBB\xBF";
        for (std::size_t i = 0; i < names.size(); ++i)
            text += (i ? std::string(1, delimiter) : std::string()) + names[i];
        text += lineEnd;
    } else {
        text += "[";
    }
    bool first = true;
    for (const PeriodVolume &period : result.periods) {
        const auto lpm = [](double m3s) { return units::litresPerMinuteFromCubicMetresPerSecond(m3s); };
        const bool readings = period.readings > 0;
        const std::optional<double> mean = period.meanM3s();
        std::vector<std::pair<std::string, bool>> cells{
            {period.name.toStdString(), false},
            {numberText(period.volumeM3, 3, mark), true},
            {numberText(period.coverPercent(), 1, mark), true},
            {std::to_string(period.readings), true},
            {readings ? numberText(lpm(period.smallestM3s), 2, mark) : std::string(), true},
            {mean ? numberText(lpm(*mean), 2, mark) : std::string(), true},
            {readings ? numberText(lpm(period.largestM3s), 2, mark) : std::string(), true}};
        if (u)
            cells.push_back({numberText(period.uM3, 3, mark), true});
        if (outsideColumn)
            cells.push_back({std::to_string(period.outsideRange), true});
        cells.push_back({period.whyIncomplete().toStdString(), false});
        if (json) {
            std::vector<std::pair<std::string, JsonValue>> members;
            for (std::size_t i = 0; i < cells.size(); ++i)
                members.emplace_back(names[i],
                                     cells[i].second ? JsonValue::number(cells[i].first)
                                                     : JsonValue::stringOrNull(cells[i].first));
            text += (first ? "\n" : ",\n") + jsonObject(members);
        } else {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (i)
                    text += delimiter;
                appendCsvField(text, cells[i].first, delimiter);
            }
            text += lineEnd;
        }
        first = false;
    }
    if (json)
        text += first ? "]\n" : "\n]\n";
    run.sink.write(text);
}

} // namespace

int runRecord(const SubcommandRun &run, const RecordOptions &options, RecordAnswers &answers)
{
    RecordSource file;
    if (const std::optional<RecordFault> fault = file.open(run.in, options.encoding))
        return run.refuse(withHint(*fault, file));
    const RecordLayout layout = findLayout(file, {options.column, options.timeColumns, options.decimalMark, {}});
    if (layout.fault)
        return run.refuse(withHint(*layout.fault, file));
    const RecordScan scan = scanRecord(file, layout, options.timeFormat);
    if (scan.fault)
        return run.refuse(withHint(*scan.fault, file));

    if (file.fileEncoding() != TextEncoding::Utf8)
        run.say(file.encodingGuessed()
                    ? CommandLineTexts::tr("文字コード %1 として読みました（--encoding で変えられます）。")
                          .arg(encodingName(file.fileEncoding()))
                    : CommandLineTexts::tr("文字コード %1 として読みました。").arg(encodingName(file.fileEncoding())));
    if (layout.headerLine > 1)
        run.say(CommandLineTexts::tr("見出しは%1行目です（その上の%n行は読み飛ばしました）。", nullptr,
                                     counted(layout.headerLine - 1))
                    .arg(layout.headerLine));
    for (const QString &note : layoutNotes(layout))
        run.say(note);
    for (const QString &note : answers.useLayout(layout))
        run.say(note);

    // The header as it stands, then the rows from below what was passed over.
    if (!seekStream(file.stream(), layout.headerOffset))
        return run.refuse({Fault::Kind::File, RecordTexts::tr("記録を読み直せません。")});
    CsvTokenizer header(file.stream(), layout.delimiter, layout.headerLine, layout.headerOffset);
    header.next();
    const bool periods = options.period != PeriodKind::None;
    RecordWriter writer(run, file, layout, answers);
    writer.start(header, file.byteOrderMark(), !periods);
    if (!seekStream(file.stream(), layout.dataOffset))
        return run.refuse({Fault::Kind::File, RecordTexts::tr("記録を読み直せません。")});
    CsvTokenizer reader(file.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);

    const TextCodec codec(file.encoding());
    const RecordClock clock(options.timeFormat, scan.dateOrder);
    const bool timed = !layout.timeColumns.empty();
    VolumeTally volume(options.period, options.maxGapMs);
    long long rows = 0, answered = 0, notes = 0, outside = 0;
    const Progress progress(run, file.stream());
    const std::vector<std::string> noAnswer(answers.addedColumns().size());
    while (reader.next() == CsvTokenizer::Status::Record) {
        const std::vector<std::string> &fields = reader.fields();
        if (reader.line() == scan.footerLine) {
            run.say(CommandLineTexts::tr("%1行目は記録の終わりの行として読み飛ばしました: %2")
                        .arg(reader.line())
                        .arg(codec.decodeLenient(reader.raw()).trimmed()));
            break;
        }
        const QString timeText = timed ? timeTextOf(fields, layout.timeColumns, codec) : QString();
        if (isNoteRow(fields, layout)) {
            // Kept in the output with no answer.
            if (++notes <= 5)
                run.say(CommandLineTexts::tr("%1行目は注記として読み飛ばしました: %2")
                            .arg(reader.line())
                            .arg(codec.decodeLenient(reader.raw()).trimmed()));
            if (!periods)
                writer.writeRow(reader, noAnswer);
            continue;
        }
        ++rows;
        const WrittenAnswer &answer = writer.answerFor(fields, layout.valueColumn);
        outside += answer.outsideRange;
        if (answer.answered)
            ++answered;
        else
            run.say(CommandLineTexts::tr("%1行目: %2").arg(reader.line()).arg(answer.reason));
        if (timed)
            volume.add({reader.line(), answer.flowM3s, answer.uM3s,
                        timeText.isEmpty() ? std::nullopt : clock.read(timeText), timeText, answer.outsideRange});
        if (!periods)
            writer.writeRow(reader, answer.columns);
        if (rows % 200000 == 0)
            progress.show(rows, reader.nextOffset());
    }
    progress.end(rows, reader.nextOffset());
    if (!periods)
        writer.end();

    run.say(CommandLineTexts::tr("%n行のうち %1行に答えがあり、%2行にありません。", nullptr, counted(rows))
                .arg(answered)
                .arg(rows - answered));
    if (outside > 0)
        run.say(CommandLineTexts::tr("%n行の流量は公式の適用範囲外です（reason の欄）。", nullptr, counted(outside)));
    bool wholeVolume = true;
    if (timed) {
        const VolumeResult result = volume.finish();
        for (const QString &line : result.messages())
            run.say(line);
        wholeVolume = result.whole;
        if (periods)
            writePeriods(run, result, answers.checksRange(), writer.delimiter(), writer.outMark(), writer.lineEnd());
    }
    return answered == rows && wholeVolume ? kAllFound : kSomeNotFound;
}

} // namespace weir
