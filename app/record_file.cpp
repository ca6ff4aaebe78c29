// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_file.h"

#include "app/command_line_texts.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace weir {

namespace {

constexpr std::size_t kChunk = 1 << 16;

// Every piece of the stream from where it stands, in turn.
template <typename Use> void eachPiece(std::FILE *stream, Use use)
{
    std::vector<char> buffer(kChunk);
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0)
        use(buffer.data(), got);
}

bool wholeUtf8(std::FILE *stream)
{
    Utf8Check check;
    eachPiece(stream, [&check](const char *bytes, std::size_t size) { check.feed(bytes, size); });
    return check.valid();
}

bool hasHalfWidthKatakana(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F; });
}

// CP932 read a line at a time (no character of it holds a line feed), so
// that a character is never cut between two pieces.
bool readsAsCp932(std::FILE *stream)
{
    const TextCodec codec(TextEncoding::Cp932);
    std::string carried;
    bool ok = true;
    eachPiece(stream, [&](const char *bytes, std::size_t size) {
        if (!ok)
            return;
        carried.append(bytes, size);
        const std::size_t end = carried.rfind('\n');
        if (end == std::string::npos)
            return;
        const std::optional<QString> text = codec.decode(std::string_view(carried.data(), end + 1));
        ok = text && !hasHalfWidthKatakana(*text);
        carried.erase(0, end + 1);
    });
    if (ok && !carried.empty()) {
        const std::optional<QString> text = codec.decode(carried);
        ok = text && !hasHalfWidthKatakana(*text);
    }
    return ok;
}

// One line of the header search, decoded, split at a delimiter outside
// quotes, each field unquoted and trimmed.
QStringList splitLine(const QString &line, QChar delimiter)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == delimiter) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

long countOutsideQuotes(const QString &line, QChar delimiter)
{
    long count = 0;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == delimiter)
            ++count;
    }
    return count;
}

// Where a name stands among the fields: the field that is the name, else the
// one field that begins with it and goes on with something that is not a
// letter or digit. -1 when none or more than one.
long columnOf(const QStringList &fields, const QString &name)
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

} // namespace

QString RecordFile::copyIfNotSeekable(std::FILE *in)
{
    m_stream = in;
    if (std::fseek(in, 0, SEEK_SET) == 0)
        return {};
    m_copy = std::make_unique<ScratchFile>();
    if (!m_copy->get())
        return CommandLineTexts::tr("一時ファイルを作れません。");
    eachPiece(in, [this](const char *bytes, std::size_t size) { std::fwrite(bytes, 1, size, m_copy->get()); });
    if (std::fflush(m_copy->get()) != 0)
        return CommandLineTexts::tr("一時ファイルに書けません。");
    m_stream = m_copy->get();
    return {};
}

QString RecordFile::transcodeUtf16()
{
    m_utf8 = std::make_unique<ScratchFile>();
    if (!m_utf8->get())
        return CommandLineTexts::tr("一時ファイルを作れません。");
    QStringDecoder decoder(m_fileEncoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE);
    std::fseek(m_stream, m_dataStart, SEEK_SET);
    eachPiece(m_stream, [&](const char *bytes, std::size_t size) {
        const QByteArray utf8 = QString(decoder(QByteArrayView(bytes, qsizetype(size)))).toUtf8();
        std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), m_utf8->get());
    });
    (void)decoder(QByteArrayView()); // a character cut off at the end is an error too
    if (decoder.hasError())
        return CommandLineTexts::tr("%1 として読めない文字があります。").arg(encodingName(m_fileEncoding));
    if (std::fflush(m_utf8->get()) != 0)
        return CommandLineTexts::tr("一時ファイルに書けません。");
    m_stream = m_utf8->get();
    m_encoding = TextEncoding::Utf8;
    m_dataStart = 0;
    return {};
}

QString RecordFile::open(std::FILE *in, std::optional<TextEncoding> forced)
{
    if (const QString failure = copyIfNotSeekable(in); !failure.isEmpty())
        return failure;
    std::array<unsigned char, 3> start{};
    std::rewind(m_stream);
    const std::size_t got = std::fread(start.data(), 1, start.size(), m_stream);
    if (got >= 3 && start[0] == 0xEF && start[1] == 0xBB && start[2] == 0xBF) {
        m_bom = true;
        m_dataStart = 3;
        m_fileEncoding = TextEncoding::Utf8;
    } else if (got >= 2 && ((start[0] == 0xFF && start[1] == 0xFE) || (start[0] == 0xFE && start[1] == 0xFF))) {
        m_bom = true;
        m_dataStart = 2;
        m_fileEncoding = start[0] == 0xFF ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    }
    if (forced && !m_bom)
        m_fileEncoding = *forced;
    m_guessed = !forced && !m_bom;
    if (m_guessed) {
        std::fseek(m_stream, m_dataStart, SEEK_SET);
        if (!wholeUtf8(m_stream)) {
            std::fseek(m_stream, m_dataStart, SEEK_SET);
            m_fileEncoding = TextCodec(TextEncoding::Cp932).isAvailable() && readsAsCp932(m_stream)
                ? TextEncoding::Cp932
                : TextEncoding::Latin1;
        }
    }
    if (!TextCodec(m_fileEncoding).isAvailable())
        return CommandLineTexts::tr("文字コード %1 はここでは読めません。").arg(encodingName(m_fileEncoding));
    m_encoding = m_fileEncoding;
    if (m_fileEncoding == TextEncoding::Utf16LE || m_fileEncoding == TextEncoding::Utf16BE)
        return transcodeUtf16();
    return {};
}

RecordHeader findHeader(const RecordFile &file, const QStringList &names)
{
    RecordHeader header;
    const TextCodec codec(file.encoding());
    std::FILE *stream = file.stream();
    std::fseek(stream, file.dataStart(), SEEK_SET);
    // The line that holds most of the names, to say what it lacks.
    long long bestLine = 0;
    QStringList bestMissing;
    std::string line;
    long long number = 1;
    for (; number <= kHeaderSearchLines; ++number) {
        const long offset = std::ftell(stream);
        line.clear();
        int c;
        while ((c = std::fgetc(stream)) != EOF && c != '\n')
            line.push_back(char(c));
        if (c == EOF && line.empty())
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const QString text = codec.decodeLenient(line);
        // Of the delimiters that split the line into fields holding every
        // name, the one the line holds most of (a tie to the first); a line
        // of one field has none, and a comma does.
        long most = -1;
        for (const QChar delimiter : {u'\t', u';', u','}) {
            const QStringList fields = splitLine(text, delimiter);
            std::vector<long> columns;
            QStringList missing;
            for (const QString &name : names) {
                columns.push_back(columnOf(fields, name));
                if (columns.back() < 0)
                    missing << name;
            }
            const long count = countOutsideQuotes(text, delimiter);
            if (missing.isEmpty() && count > most) {
                most = count;
                header.line = number;
                header.offset = offset;
                header.delimiter = count == 0 ? ',' : char(delimiter.unicode());
                header.columns = columns;
            } else if (!missing.isEmpty() && missing.size() < names.size()
                       && (bestLine == 0 || missing.size() < bestMissing.size())) {
                bestLine = number;
                bestMissing = missing;
            }
        }
        if (header.line > 0)
            return header;
        if (c == EOF)
            break;
    }
    const auto quotedNames = [](const QStringList &list) {
        QStringList quoted;
        for (const QString &name : list)
            quoted << u'「' + name + u'」';
        return quoted.join(QStringLiteral("、"));
    };
    if (number == 1 && line.empty())
        header.failure = CommandLineTexts::tr("記録が空です。見出しの行がありません。");
    else if (bestLine > 0)
        header.failure
            = CommandLineTexts::tr("%1行目の見出しに 列 %2 がありません。").arg(bestLine).arg(quotedNames(bestMissing));
    else
        header.failure = CommandLineTexts::tr("列 %1 を含む見出しの行がありません（最初の%2行を調べました）。")
                             .arg(quotedNames(names))
                             .arg(kHeaderSearchLines);
    if (file.fileEncoding() != TextEncoding::Utf8)
        header.failure += CommandLineTexts::tr("文字コードは %1 として読みました（--encoding で変えられます）。")
                              .arg(encodingName(file.fileEncoding()));
    return header;
}

} // namespace weir
