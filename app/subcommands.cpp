// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/subcommands.h"

#include "app/csv_reader.h"
#include "hydraulics/units.h"
#include "logic/calculation.h"
#include "logic/texts.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <optional>
#ifdef _WIN32
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX // std::min and std::max, not the macros
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace weir {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

enum class Format { Same, Csv, Tsv, Json };

enum Exit { kAllFound = 0, kSomeNotFound = 1, kFault = 2 };

// Where the answers go: the output stream, or a file written whole or not at
// all. Buffered, so that ten million rows are a few thousand writes.
class Sink
{
public:
    Sink(std::FILE *out, const QString &path)
        : m_out(out)
    {
        if (!path.isEmpty()) {
            m_file.emplace(path);
            if (!m_file->open(QIODevice::WriteOnly))
                m_failure = m_file->errorString();
        }
    }
    QString failure() const { return m_failure; }
    void write(const std::string &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() > (1 << 20))
            flush();
    }
    bool finish()
    {
        flush();
        if (m_file)
            return m_failure.isEmpty() && m_file->commit();
        return std::fflush(m_out) == 0;
    }
    void abandon()
    {
        if (m_file)
            m_file->cancelWriting();
    }

private:
    void flush()
    {
        if (m_file) {
            if (m_file->write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
                m_failure = m_file->errorString();
        } else {
            std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
        }
        m_buffer.clear();
    }

    std::FILE *m_out;
    std::optional<QSaveFile> m_file;
    QString m_failure;
    std::string m_buffer;
};

// A JSON string (RFC 8259): quotes, backslashes and control characters
// escaped, bytes that are not UTF-8 replaced as QString replaces them.
std::string jsonString(const std::string &text)
{
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string utf8 = ascii ? text : QString::fromStdString(text).toStdString();
    std::string json = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

// A JSON object with its members in the order given (a record's columns
// keep their order); a missing value is null.
std::string jsonObject(const std::vector<std::pair<std::string, std::optional<std::string>>> &members)
{
    std::string json = "{";
    for (const auto &[name, value] : members) {
        if (json.size() > 1)
            json += ',';
        json += jsonString(name) + ':' + (value ? jsonString(*value) : std::string("null"));
    }
    return json + '}';
}

// A file of our own that is gone once closed. On Windows in the user's
// temporary folder: the C runtime's tmpfile() writes to the drive's root,
// which a user may not write to.
std::FILE *scratchFile()
{
#ifdef _WIN32
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"whd", 0, path) == 0)
        return nullptr;
    return _wfopen(path, L"w+bTD"); // T: short-lived, D: deleted when closed
#else
    return std::tmpfile();
#endif
}

void say(std::FILE *err, const QString &text)
{
    std::fputs(text.toUtf8().constData(), err);
    std::fputc('\n', err);
}

// Numbers in files have a decimal point, or with --decimal-comma a comma;
// never digit grouping, which a delimiter could be taken for.
QLocale fileLocale(bool decimalComma)
{
    QLocale locale = decimalComma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// A field written into a delimited file: quoted when it holds the delimiter,
// a quote or a line break.
std::string cell(const std::string &text, char delimiter)
{
    if (text.find_first_of(std::string{delimiter, '"', '\n', '\r'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// The form a logger writes a million times, 2026-12-09T13:05 or
// 2026-12-09 13:05:00, read straight from its digits; anything else (an
// offset, fractions of a second, another form) none, for QDateTime to read.
std::optional<qint64> readPlainTime(const QString &t)
{
    if (t.size() != 16 && t.size() != 19)
        return std::nullopt;
    const auto number = [&t](qsizetype from, qsizetype count) {
        int n = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = t[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    if (t[4] != u'-' || t[7] != u'-' || (t[10] != u'T' && t[10] != u' ') || t[13] != u':'
        || (t.size() == 19 && t[16] != u':'))
        return std::nullopt;
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const int hour = number(11, 2), minute = number(14, 2), second = t.size() == 19 ? number(17, 2) : 0;
    if (!date.isValid() || date.year() < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return std::nullopt;
    constexpr qint64 kJulianDayOf1970 = 2440588;
    return (((date.toJulianDay() - kJulianDayOf1970) * 24 + hour) * 60 + minute) * 60000 + qint64(second) * 1000;
}

// A time in a record: ISO 8601 (with T or a space, seconds and an offset
// optional), or as spreadsheets write it (2026/12/09 13:05[:00]). A time
// without an offset is taken as it stands, in one clock for the whole file.
std::optional<qint64> readTime(const QString &text)
{
    const QString t = text.trimmed();
    if (const std::optional<qint64> plain = readPlainTime(t))
        return plain;
    QDateTime time = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QDateTime::fromString(QString(t).replace(u' ', u'T'), Qt::ISODateWithMs);
    for (const char *format : {"yyyy/M/d H:mm:ss", "yyyy/M/d H:mm", "yyyy-M-d H:mm:ss", "yyyy-M-d H:mm"}) {
        if (time.isValid())
            break;
        time = QDateTime::fromString(t, QString::fromLatin1(format));
    }
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time.toMSecsSinceEpoch();
}

struct Options {
    QString command;
    QCommandLineParser parser;
    Format format = Format::Same;
    QLocale locale;
};

// The answer for one value: the texts of the columns added to a row, and why
// there is none.
struct Answer {
    std::vector<std::string> columns;
    QString reason;
    std::optional<double> flowM3s; // for the volume
};

class RecordRun
{
public:
    RecordRun(const Options &options, std::FILE *err)
        : m_options(options)
        , m_err(err)
    {
    }

    virtual ~RecordRun() = default;
    virtual std::vector<std::string> addedHeader() const = 0;
    virtual Answer answer(const QString &value) = 0;

    int run(std::FILE *in, Sink &sink);

private:
    void writeRow(Sink &sink, const CsvReader &reader, const std::vector<std::string> &added);
    const Answer &rememberedAnswer(const std::string &value);
    const Answer &answerFor(const std::vector<std::string> &fields, std::size_t valueIndex, const QString &column);

    // A logger writes its readings to a fixed resolution (a head to 0.1 or
    // 0.01 mm, a flow to 0.1 L/min), so a long record holds the same few
    // thousand values over and over. Their answers are kept, by the exact
    // text of the value, in a fixed number of slots: the same text gives the
    // same answer, whatever slot it comes from, and memory stays constant.
    static constexpr std::size_t kRemembered = 4096;
    struct Remembered {
        std::string value;
        Answer answer;
        bool used = false;
    };
    std::vector<Remembered> m_remembered = std::vector<Remembered>(kRemembered);

    Answer m_unanswered; // a row with no value to answer
    std::string m_line;

protected:
    const Options &m_options;
    std::FILE *m_err;
    std::vector<std::string> m_header;
    char m_outDelimiter = ',';
    std::string m_lineEnd = "\n";
    bool m_firstJson = true;
};

void RecordRun::writeRow(Sink &sink, const CsvReader &reader, const std::vector<std::string> &added)
{
    const std::vector<std::string> &fields = reader.fields();
    if (m_options.format == Format::Json) {
        std::vector<std::pair<std::string, std::optional<std::string>>> members;
        for (std::size_t i = 0; i < m_header.size() && i < fields.size(); ++i)
            members.emplace_back(m_header[i], fields[i]);
        const std::vector<std::string> names = addedHeader();
        for (std::size_t i = 0; i < names.size(); ++i)
            members.emplace_back(names[i], added[i].empty() ? std::nullopt : std::optional(added[i]));
        sink.write((m_firstJson ? "[\n" : ",\n") + jsonObject(members));
        m_firstJson = false;
        return;
    }
    m_line.clear();
    if (m_outDelimiter == reader.delimiter()) {
        m_line = reader.raw(); // every field exactly as it came
    } else {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i)
                m_line += m_outDelimiter;
            m_line += cell(fields[i], m_outDelimiter);
        }
    }
    for (const std::string &field : added) {
        m_line += m_outDelimiter;
        m_line += cell(field, m_outDelimiter);
    }
    m_line += m_lineEnd;
    sink.write(m_line);
}

const Answer &RecordRun::rememberedAnswer(const std::string &value)
{
    Remembered &slot = m_remembered[std::hash<std::string>{}(value) % kRemembered];
    if (!slot.used || slot.value != value) {
        slot.answer = answer(QString::fromStdString(value));
        slot.value = value;
        slot.used = true;
    }
    return slot.answer;
}

const Answer &RecordRun::answerFor(const std::vector<std::string> &fields, std::size_t valueIndex,
                                   const QString &column)
{
    QString reason;
    if (valueIndex >= fields.size())
        reason = tr("列 %1 がありません。").arg(column);
    else if (fields[valueIndex].empty())
        reason = tr("値がありません。");
    else
        return rememberedAnswer(fields[valueIndex]);
    // No value to answer: empty answers, and the reason last.
    m_unanswered.columns.assign(addedHeader().size() - 1, std::string());
    m_unanswered.columns.push_back(reason.toStdString());
    m_unanswered.reason = reason;
    return m_unanswered;
}

int RecordRun::run(std::FILE *in, Sink &sink)
{
    const QString column = m_options.parser.value(QStringLiteral("column"));
    const QString timeColumn
        = m_options.command == QLatin1String("flow") ? m_options.parser.value(QStringLiteral("time")) : QString();

    // The whole record is read once before anything is written, so that a
    // malformed file writes nothing: from the file itself when it can be read
    // again, else from a copy in a temporary file.
    std::FILE *source = in;
    std::FILE *copy = nullptr;
    if (std::fseek(in, 0, SEEK_SET) != 0) {
        copy = scratchFile();
        if (!copy) {
            say(m_err, tr("一時ファイルを作れません。"));
            return kFault;
        }
        char buffer[1 << 16];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            std::fwrite(buffer, 1, got, copy);
        std::rewind(copy);
        source = copy;
    }
    {
        CsvReader check(source);
        CsvReader::Status status;
        while ((status = check.next()) == CsvReader::Status::Record) {}
        if (status == CsvReader::Status::Error) {
            say(m_err, check.error());
            if (copy)
                std::fclose(copy);
            return kFault;
        }
    }
    std::rewind(source);

    CsvReader reader(source);
    if (reader.next() != CsvReader::Status::Record) {
        say(m_err, tr("見出しの行がありません。"));
        return kFault;
    }
    m_header = reader.fields();
    const auto indexOf = [this](const QString &name) -> long {
        for (std::size_t i = 0; i < m_header.size(); ++i) {
            if (QString::fromStdString(m_header[i]).trimmed() == name)
                return long(i);
        }
        return -1;
    };
    const long valueIndex = indexOf(column);
    const long timeIndex = timeColumn.isEmpty() ? -2 : indexOf(timeColumn);
    for (const auto &[index, name] : {std::pair{valueIndex, column}, std::pair{timeIndex, timeColumn}}) {
        if (index == -1) {
            say(m_err, tr("1行目: 列 %1 がありません。").arg(name));
            return kFault;
        }
    }

    m_outDelimiter = m_options.format == Format::Tsv ? '\t'
        : m_options.format == Format::Csv            ? ','
                                                     : reader.delimiter();
    m_lineEnd = reader.crlf() ? "\r\n" : "\n";
    if (m_options.format != Format::Json) {
        if (reader.hadByteOrderMark())
            sink.write("\xEF\xBB\xBF");
        writeRow(sink, reader, addedHeader());
    }

    long long rows = 0, answered = 0;
    double volume = 0;
    std::optional<std::pair<qint64, double>> previous; // time (ms) and flow (m³/s) of the last good reading
    long long previousLine = 0, gapFrom = 0;
    const bool progress = isatty(fileno(m_err));
    CsvReader::Status status;
    while ((status = reader.next()) == CsvReader::Status::Record) {
        ++rows;
        const std::vector<std::string> &fields = reader.fields();
        const Answer &answer = answerFor(fields, std::size_t(valueIndex), column);
        if (answer.reason.isEmpty())
            ++answered;
        else
            say(m_err, tr("%1行目: %2").arg(reader.line()).arg(answer.reason));

        if (timeIndex >= 0) {
            // The volume by the trapezoidal rule between good readings;
            // rows without a flow or a later time break it, and say so.
            const std::optional<qint64> time = std::size_t(timeIndex) < fields.size()
                ? readTime(QString::fromStdString(fields[std::size_t(timeIndex)]))
                : std::nullopt;
            const bool good = answer.flowM3s && time && (!previous || *time > previous->first);
            if (good) {
                if (previous && gapFrom == 0)
                    volume += (answer.flowM3s.value() + previous->second) / 2 * double(*time - previous->first) / 1000;
                if (gapFrom != 0 && previous)
                    say(m_err,
                        tr("欠測: %1行目から%2行目まで（水量に含めません）").arg(previousLine).arg(reader.line()));
                previous = std::pair{*time, *answer.flowM3s};
                previousLine = reader.line();
                gapFrom = 0;
            } else if (gapFrom == 0) {
                gapFrom = reader.line();
                if (!time && answer.reason.isEmpty())
                    say(m_err,
                        tr("%1行目: 時刻 %2 が読めません。")
                            .arg(reader.line())
                            .arg(std::size_t(timeIndex) < fields.size()
                                     ? QString::fromStdString(fields[std::size_t(timeIndex)])
                                     : QString()));
            }
        }
        writeRow(sink, reader, answer.columns);
        if (progress && rows % 200000 == 0)
            std::fprintf(m_err, "\r%lld", rows);
    }
    if (progress && rows >= 200000)
        std::fputc('\n', m_err);
    if (m_options.format == Format::Json)
        sink.write(m_firstJson ? "[]\n" : "\n]\n");
    if (copy)
        std::fclose(copy);

    say(m_err, tr("%1行のうち %2行に答えがあり、%3行にありません。").arg(rows).arg(answered).arg(rows - answered));
    if (timeIndex >= 0)
        say(m_err, tr("通過した水量: %1 m³").arg(QString::number(volume, 'f', 3)));
    return answered == rows ? kAllFound : kSomeNotFound;
}

class FlowRun : public RecordRun
{
public:
    FlowRun(const Options &options, std::FILE *err, double widthMm)
        : RecordRun(options, err)
        , m_widthMm(widthMm)
    {
    }
    std::vector<std::string> addedHeader() const override { return {"flow_lpm", "flow_m3s", "reason"}; }
    Answer answer(const QString &value) override
    {
        const FlowReading reading = readFlowAtHead(value, m_widthMm, m_options.locale);
        if (!reading.lpm)
            return {{"", "", reading.message.toStdString()}, reading.message, {}};
        const QString note = reading.belowValidRange ? Texts::belowValidRange() : QString();
        return {{flowLpmText(*reading.lpm, m_options.locale).toStdString(),
                 flowM3sText(*reading.m3s, m_options.locale).toStdString(), note.toStdString()},
                {},
                reading.m3s};
    }

private:
    double m_widthMm;
};

// The head for a flow, as the window finds it: within the bracket when one
// is given, else over the formula's whole range.
CalculationOutcome headFor(const QCommandLineParser &p, const QString &flow, const QLocale &locale)
{
    const QString width = p.value(QStringLiteral("width"));
    if (p.isSet(QStringLiteral("min")) || p.isSet(QStringLiteral("max")))
        return calculate({width, flow, p.value(QStringLiteral("min")), p.value(QStringLiteral("max"))}, locale);
    return locateHead(width, flow, locale);
}

class HeadRun : public RecordRun
{
public:
    HeadRun(const Options &options, std::FILE *err)
        : RecordRun(options, err)
        , m_width(options.parser.value(QStringLiteral("width")))
    {
        const QCommandLineParser &p = options.parser;
        if (p.isSet(QStringLiteral("min")) || p.isSet(QStringLiteral("max")))
            m_search.emplace(m_width, p.value(QStringLiteral("min")), p.value(QStringLiteral("max")), options.locale);
    }
    std::vector<std::string> addedHeader() const override { return {"head_mm", "trials", "reason"}; }
    Answer answer(const QString &value) override
    {
        // As headFor does, with the width and the bracket read once.
        const CalculationOutcome outcome
            = m_search ? m_search->forFlow(value) : locateHead(m_width, value, m_options.locale);
        const QString said = outcome.texts().join(u' ');
        if (outcome.kind != CalculationOutcome::Kind::Shown)
            return {{"", "", said.toStdString()}, said, {}};
        return {{outcome.headText.toStdString(), outcome.trialsText.toStdString(), said.toStdString()}, {}, {}};
    }

private:
    QString m_width;
    std::optional<HeadSearch> m_search;
};

// One answer, written as the window shows it: caption and value a line.
int answerOne(const Options &options, Sink &sink, std::FILE *err,
              const std::vector<std::pair<QString, QString>> &values, const QStringList &lines, bool found)
{
    for (const QString &line : lines)
        say(err, line);
    if (!found)
        return kSomeNotFound;
    std::string text;
    if (options.format == Format::Json) {
        std::vector<std::pair<std::string, std::optional<std::string>>> members;
        for (const auto &[name, value] : values)
            members.emplace_back(name.toStdString(), value.toStdString());
        text = jsonObject(members) + "\n";
    } else {
        for (const auto &[name, value] : values)
            text += (name + u'\t' + value + u'\n').toStdString();
    }
    sink.write(text);
    return kAllFound;
}

int runHead(Options &options, std::FILE *in, Sink &sink, std::FILE *err)
{
    const QCommandLineParser &p = options.parser;
    if (p.isSet(QStringLiteral("column"))) {
        // The width and a bracket given empty leave nothing to search with,
        // for any row: the command is at fault.
        const bool bracket = p.isSet(QStringLiteral("min")) || p.isSet(QStringLiteral("max"));
        for (const auto &[name, box] : {std::pair{"width", InputBox::Width}, std::pair{"min", InputBox::Minimum},
                                        std::pair{"max", InputBox::Maximum}}) {
            if ((box == InputBox::Width || bracket) && p.value(QString::fromLatin1(name)).isEmpty()) {
                say(err, tr("%1 を指定して下さい。").arg(inputBoxInfo(box).caption()));
                return kFault;
            }
        }
        HeadRun run(options, err);
        return run.run(in, sink);
    }
    const CalculationOutcome outcome = headFor(p, p.value(QStringLiteral("flow")), options.locale);
    if (outcome.kind == CalculationOutcome::Kind::Incomplete) {
        say(err, tr("%1 を指定して下さい。").arg(inputBoxInfo(*outcome.box).caption()));
        return kFault;
    }
    std::vector<std::pair<QString, QString>> values{{Texts::head(), outcome.headText}};
    if (!outcome.trialsText.isEmpty())
        values.emplace_back(Texts::trials(), outcome.trialsText);
    return answerOne(options, sink, err, values, outcome.texts(), outcome.kind == CalculationOutcome::Kind::Shown);
}

int runFlow(Options &options, std::FILE *in, Sink &sink, std::FILE *err)
{
    const QCommandLineParser &p = options.parser;
    const PositiveNumber width = readPositiveNumber(p.value(QStringLiteral("width")), Texts::width(), options.locale);
    if (!width.value) {
        say(err, width.message);
        return kFault;
    }
    if (p.isSet(QStringLiteral("column"))) {
        FlowRun run(options, err, *width.value);
        return run.run(in, sink);
    }
    const FlowReading reading = readFlowAtHead(p.value(QStringLiteral("head")), *width.value, options.locale);
    if (!reading.lpm)
        return answerOne(options, sink, err, {}, {reading.message}, false);
    return answerOne(options, sink, err,
                     {{Texts::flow(), flowLpmText(*reading.lpm, options.locale)},
                      {RatingTableModel::tr("流量(m³/s)"), flowM3sText(*reading.m3s, options.locale)}},
                     reading.belowValidRange ? QStringList{Texts::belowValidRange()} : QStringList{}, true);
}

int runTable(Options &options, Sink &sink, std::FILE *err)
{
    const QCommandLineParser &p = options.parser;
    const RatingRead read = readRatingBoxes({p.value(QStringLiteral("width")), p.value(QStringLiteral("from")),
                                             p.value(QStringLiteral("to")), p.value(QStringLiteral("step"))},
                                            options.locale);
    if (!read.range) {
        say(err, read.message);
        return kFault;
    }
    RatingTableModel model;
    model.setLocale(options.locale);
    model.setRange(*read.range);
    if (options.format == Format::Json) {
        std::string text = "[\n";
        for (int row = 0; row < model.rowCount(); ++row) {
            std::vector<std::pair<std::string, std::optional<std::string>>> members;
            for (int column = 0; column < model.columnCount(); ++column)
                members.emplace_back(model.headerData(column, Qt::Horizontal).toString().toStdString(),
                                     model.index(row, column).data().toString().toStdString());
            text += (row ? ",\n" : "") + jsonObject(members);
        }
        sink.write(text + "\n]\n");
    } else {
        const QChar separator = options.format == Format::Csv ? u',' : u'\t';
        sink.write(tableText(model, separator, QStringLiteral("\n")).toStdString());
    }
    return kAllFound;
}

} // namespace

int runSubcommand(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    Options options;
    options.command = arguments.value(1);
    QCommandLineParser &p = options.parser;
    const auto option = [&p](const char *name, const QString &description, const char *value) {
        p.addOption({QString::fromLatin1(name), description, QString::fromLatin1(value)});
    };
    option("width", tr("堰の幅 (mm)"), "mm");
    if (options.command == QLatin1String("head")) {
        p.setApplicationDescription(tr("流量から越流高さを求めます。"));
        option("flow", tr("流量 (L/min)"), "L/min");
        option("min", tr("解の挟込最小値 (mm)"), "mm");
        option("max", tr("解の挟込最大値 (mm)"), "mm");
        option("column", tr("記録の流量の列 (L/min): 標準入力の CSV の各行に越流高さを加えます"), "name");
    } else if (options.command == QLatin1String("flow")) {
        p.setApplicationDescription(tr("越流高さから流量を求めます。"));
        option("head", tr("越流高さ (mm)"), "mm");
        option("column", tr("記録の越流高さの列 (mm): 標準入力の CSV の各行に流量を加えます"), "name");
        option("time", tr("記録の時刻の列: 通過した水量を台形公式で求めます"), "name");
    } else {
        p.setApplicationDescription(tr("水位流量表を出力します。"));
        option("from", tr("越流高さ 始め (mm)"), "mm");
        option("to", tr("越流高さ 終わり (mm)"), "mm");
        option("step", tr("刻み (mm)"), "mm");
    }
    option("format", tr("出力の形式: csv, tsv, json"), "csv|tsv|json");
    option("output", tr("出力先のファイル（全部書けたときだけ置き換えます）"), "file");
    p.addOption({QStringLiteral("decimal-comma"), tr("数値の小数点をコンマにします")});
    p.addHelpOption();
    p.addPositionalArgument(options.command, QString());

    QStringList withoutCommand = arguments;
    withoutCommand.removeAt(1);
    if (!p.parse(withoutCommand)) {
        say(err, p.errorText());
        return kFault;
    }
    if (p.isSet(QStringLiteral("help"))) {
        std::fputs(p.helpText().toUtf8().constData(), out);
        return kAllFound;
    }
    const QString format = p.value(QStringLiteral("format"));
    if (format == QLatin1String("csv"))
        options.format = Format::Csv;
    else if (format == QLatin1String("tsv"))
        options.format = Format::Tsv;
    else if (format == QLatin1String("json"))
        options.format = Format::Json;
    else if (!format.isEmpty()) {
        say(err, tr("形式 %1 は使えません (csv, tsv, json)。").arg(format));
        return kFault;
    }
    options.locale = fileLocale(p.isSet(QStringLiteral("decimal-comma")));

    Sink sink(out, p.value(QStringLiteral("output")));
    if (!sink.failure().isEmpty()) {
        say(err, Texts::cannotSave(p.value(QStringLiteral("output")), sink.failure()));
        return kFault;
    }
    int status = kFault;
    if (options.command == QLatin1String("head"))
        status = runHead(options, in, sink, err);
    else if (options.command == QLatin1String("flow"))
        status = runFlow(options, in, sink, err);
    else
        status = runTable(options, sink, err);
    if (status == kFault) {
        sink.abandon();
        return status;
    }
    if (!sink.finish()) {
        say(err, Texts::cannotSave(p.value(QStringLiteral("output")), sink.failure()));
        return kFault;
    }
    return status;
}

} // namespace weir
