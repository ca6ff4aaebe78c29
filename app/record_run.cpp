// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_run.h"

#include "app/command_line_texts.h"
#include "app/console_text.h"
#include "app/csv_reader.h"
#include "app/json_text.h"
#include "app/record_file.h"
#include "app/record_time.h"
#include "app/record_volume.h"
#include "app/windows_api.h"
#include "logic/csv_field.h"

#include <QRegularExpression>

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
};

// A USGS RDB file follows its header with a row of field types (5s, 15s,
// 20d, 14n): a width and s, d, n or f. It describes the columns, holds no
// reading, and is not written out.
bool isFieldTypeRow(const std::vector<std::string> &fields)
{
    static const QRegularExpression type(QStringLiteral("^\\d+[sndf]$"));
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](const std::string &field) {
        return type.match(QString::fromLatin1(field.data(), qsizetype(field.size()))).hasMatch();
    });
}

class RecordWriter
{
public:
    RecordWriter(const SubcommandRun &run, const RecordFile &file, const RecordHeader &header, RecordAnswers &answers)
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
                                                         : header.delimiter;
        m_passThrough = m_outDelimiter == header.delimiter && m_outCodec.encoding() == file.encoding();
    }

    void start(const CsvReader &reader, bool byteOrderMark)
    {
        m_headerFields = reader.fields();
        m_lineEnd = reader.crlf() ? "\r\n" : "\n";
        if (m_json)
            return;
        if (m_outCodec.encoding() == TextEncoding::Utf8 && (byteOrderMark || m_run.sink.isFile()))
            m_run.sink.write("\xEF\xBB\xBF");
        std::vector<std::string> names;
        for (const AddedColumn &column : m_added)
            names.emplace_back(column.name);
        writeRow(reader, names);
    }

    void writeRow(const CsvReader &reader, const std::vector<std::string> &added)
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
        if (index >= fields.size() || fields[index].empty()) {
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

    QString decode(const std::string &bytes) const { return m_fileCodec.decodeLenient(bytes); }

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
            const RowAnswer answer = m_answers.answer(decode(value));
            slot.answer.columns.clear();
            for (const QString &column : answer.columns)
                slot.answer.columns.push_back(encode(column));
            slot.answer.answered = answer.answered;
            slot.answer.reason = answer.reason;
            slot.answer.flowM3s = answer.flowM3s;
            slot.value = value;
            slot.used = true;
        }
        return slot.answer;
    }

    std::string encode(const QString &text) const { return m_outCodec.encode(text); }
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
    std::string m_lineEnd = "\n";
    std::vector<std::string> m_headerFields;
    std::string m_line;
    bool m_firstJson = true;
    std::vector<Slot> m_slots = std::vector<Slot>(4096);
    WrittenAnswer m_unanswered;
};

QString joinedTime(const std::vector<std::string> &fields, const std::vector<long> &columns, const RecordWriter &writer)
{
    QString text;
    for (const long column : columns) {
        if (std::size_t(column) >= fields.size() || fields[std::size_t(column)].empty())
            continue;
        if (!text.isEmpty())
            text += u' ';
        text += writer.decode(fields[std::size_t(column)]).trimmed();
    }
    return text;
}

// The whole record once before anything is written: a quote left open, or a
// row with values past the header's last column, refuses the file; so does a
// first time that reads two ways when no format is given.
QString check(const RecordFile &file, const RecordHeader &header, const RecordOptions &options,
              const std::vector<long> &timeColumns)
{
    std::fseek(file.stream(), header.offset, SEEK_SET);
    CsvReader reader(file.stream(), header.delimiter, header.line);
    const TextCodec codec(file.encoding());
    std::size_t width = 0;
    bool timeSeen = !options.timeFormat.isEmpty() || timeColumns.empty();
    CsvReader::Status status;
    while ((status = reader.next()) == CsvReader::Status::Record) {
        const std::vector<std::string> &fields = reader.fields();
        if (width == 0) {
            width = fields.size();
            continue;
        }
        for (std::size_t i = width; i < fields.size(); ++i) {
            if (!fields[i].empty())
                return CommandLineTexts::tr("%1行目: 見出しの%2列より先に値があります（%3列目）。")
                    .arg(reader.line())
                    .arg(width)
                    .arg(i + 1);
        }
        if (!timeSeen) {
            QString text;
            for (const long column : timeColumns) {
                if (std::size_t(column) < fields.size() && !fields[std::size_t(column)].empty())
                    text += (text.isEmpty() ? QString() : QStringLiteral(" "))
                        + codec.decodeLenient(fields[std::size_t(column)]).trimmed();
            }
            if (!text.isEmpty()) {
                timeSeen = true;
                if (RecordClock::readsTwoWays(text))
                    return CommandLineTexts::tr("%1行目: 列 %2 の時刻 %3 は、月/日か日/月か二通りに読めます。"
                                                "--time-format で書き方を指定して下さい"
                                                "（例: --time-format \"MM/dd/yy hh:mm:ss AP\"）。")
                        .arg(reader.line())
                        .arg(options.timeColumns.join(QStringLiteral(" + ")))
                        .arg(text);
            }
        }
    }
    return status == CsvReader::Status::Error ? reader.error() : QString();
}

} // namespace

// A long record's progress on a terminal, over one line rewritten in place:
// the rows read and how far into the file that is. Nothing when the error
// stream is not a terminal, and nothing for a record read in a moment.
class Progress
{
public:
    Progress(const SubcommandRun &run, std::FILE *record)
        : m_err(run.err)
        , m_record(record)
        , m_shown(isatty(fileno(run.err)))
    {
        if (!m_shown)
            return;
        const long here = std::ftell(record);
        if (std::fseek(record, 0, SEEK_END) == 0)
            m_size = std::ftell(record);
        std::fseek(record, here, SEEK_SET);
    }

    void show(long long rows) const
    {
        if (!m_shown)
            return;
        const long at = std::ftell(m_record);
        const int percent = m_size > 0 && at >= 0 ? int(std::min<long>(100, at * 100 / m_size)) : 0;
        const QString text
            = CommandLineTexts::tr("読み込み中: %n行（ファイルの %1 %）", nullptr, counted(rows)).arg(percent);
        writeText(m_err, u'\r' + text);
        m_rowsShown = rows;
    }

    void end(long long rows) const
    {
        if (m_rowsShown == 0)
            return;
        if (m_rowsShown != rows)
            show(rows);
        std::fputc('\n', m_err);
    }

private:
    std::FILE *m_err;
    std::FILE *m_record;
    bool m_shown;
    long m_size = 0;
    mutable long long m_rowsShown = 0;
};

int runRecord(const SubcommandRun &run, const RecordOptions &options, RecordAnswers &answers)
{
    RecordFile file;
    if (const QString failure = file.open(run.in, options.encoding); !failure.isEmpty()) {
        run.say(failure);
        return kFault;
    }
    const RecordHeader header = findHeader(file, QStringList{options.column} + options.timeColumns);
    if (header.line == 0) {
        run.say(header.failure);
        return kFault;
    }
    const long valueColumn = header.columns.front();
    const std::vector<long> timeColumns(header.columns.begin() + 1, header.columns.end());
    if (const QString failure = check(file, header, options, timeColumns); !failure.isEmpty()) {
        run.say(failure);
        return kFault;
    }

    if (file.fileEncoding() != TextEncoding::Utf8)
        run.say(file.encodingGuessed()
                    ? CommandLineTexts::tr("文字コード %1 として読みました（--encoding で変えられます）。")
                          .arg(encodingName(file.fileEncoding()))
                    : CommandLineTexts::tr("文字コード %1 として読みました。").arg(encodingName(file.fileEncoding())));
    if (header.line > 1)
        run.say(CommandLineTexts::tr("見出しは%1行目です（その上の%n行は読み飛ばしました）。", nullptr,
                                     counted(header.line - 1))
                    .arg(header.line));

    std::fseek(file.stream(), header.offset, SEEK_SET);
    CsvReader reader(file.stream(), header.delimiter, header.line);
    reader.next();
    RecordWriter writer(run, file, header, answers);
    writer.start(reader, file.byteOrderMark());

    const RecordClock clock(options.timeFormat);
    VolumeTally volume([&run](const QString &text) { run.say(text); });
    long long rows = 0, answered = 0;
    const Progress progress(run, file.stream());
    bool first = true;
    CsvReader::Status status;
    while ((status = reader.next()) == CsvReader::Status::Record) {
        const std::vector<std::string> &fields = reader.fields();
        if (first && header.delimiter == '\t' && isFieldTypeRow(fields)) {
            first = false;
            continue;
        }
        first = false;
        ++rows;
        const WrittenAnswer &answer = writer.answerFor(fields, valueColumn);
        if (answer.answered)
            ++answered;
        else
            run.say(CommandLineTexts::tr("%1行目: %2").arg(reader.line()).arg(answer.reason));
        if (!timeColumns.empty()) {
            const QString timeText = joinedTime(fields, timeColumns, writer);
            const bool blank = timeText.isEmpty() || (timeText.front().isSpace() && timeText.trimmed().isEmpty());
            volume.add(reader.line(), answer.flowM3s, blank ? std::nullopt : clock.read(timeText),
                       blank ? QString() : timeText);
        }
        writer.writeRow(reader, answer.columns);
        if (rows % 200000 == 0)
            progress.show(rows);
    }
    progress.end(rows);
    writer.end();

    run.say(CommandLineTexts::tr("%n行のうち %1行に答えがあり、%2行にありません。", nullptr, counted(rows))
                .arg(answered)
                .arg(rows - answered));
    const bool wholeVolume = timeColumns.empty() || volume.finish();
    return answered == rows && wholeVolume ? kAllFound : kSomeNotFound;
}

} // namespace weir
