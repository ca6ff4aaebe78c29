// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/record_source.h"

#include "records/model/file_offset.h"
#include "records/model/record_texts.h"

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

} // namespace

std::optional<RecordFault> RecordSource::copyIfNotSeekable(std::FILE *in)
{
    m_stream = in;
    if (seekStream(in, 0))
        return std::nullopt;
    m_copy = std::make_unique<ScratchFile>();
    if (!m_copy->get())
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("一時ファイルを作れません。")};
    bool written = true;
    eachPiece(in, [this, &written](const char *bytes, std::size_t size) {
        written = written && std::fwrite(bytes, 1, size, m_copy->get()) == size;
    });
    if (!written || std::fflush(m_copy->get()) != 0)
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("一時ファイルに書けません。")};
    m_stream = m_copy->get();
    return std::nullopt;
}

std::optional<RecordFault> RecordSource::transcodeUtf16()
{
    m_utf8 = std::make_unique<ScratchFile>();
    if (!m_utf8->get())
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("一時ファイルを作れません。")};
    QStringDecoder decoder(m_fileEncoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE);
    if (!seekStream(m_stream, m_dataStart))
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
    bool written = true;
    eachPiece(m_stream, [&](const char *bytes, std::size_t size) {
        const QByteArray utf8 = QString(decoder(QByteArrayView(bytes, qsizetype(size)))).toUtf8();
        written = written
            && std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), m_utf8->get()) == std::size_t(utf8.size());
    });
    (void)decoder(QByteArrayView()); // a character cut off at the end is an error too
    if (decoder.hasError())
        return RecordFault{RecordFault::Reason::Encoding, 0,
                           RecordTexts::tr("%1 として読めない文字があります。").arg(encodingName(m_fileEncoding))};
    if (!written || std::fflush(m_utf8->get()) != 0)
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("一時ファイルに書けません。")};
    m_stream = m_utf8->get();
    m_encoding = TextEncoding::Utf8;
    m_dataStart = 0;
    return std::nullopt;
}

std::optional<RecordFault> RecordSource::open(std::FILE *in, std::optional<TextEncoding> forced)
{
    if (std::optional<RecordFault> fault = copyIfNotSeekable(in))
        return fault;
    std::array<unsigned char, 3> start{};
    if (!seekStream(m_stream, 0))
        return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
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
        if (!seekStream(m_stream, m_dataStart))
            return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
        if (!wholeUtf8(m_stream)) {
            if (!seekStream(m_stream, m_dataStart))
                return RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
            m_fileEncoding = TextCodec(TextEncoding::Cp932).isAvailable() && readsAsCp932(m_stream)
                ? TextEncoding::Cp932
                : TextEncoding::Latin1;
        }
    }
    if (!TextCodec(m_fileEncoding).isAvailable())
        return RecordFault{RecordFault::Reason::Encoding, 0,
                           RecordTexts::tr("文字コード %1 はここでは読めません。").arg(encodingName(m_fileEncoding))};
    m_encoding = m_fileEncoding;
    if (m_fileEncoding == TextEncoding::Utf16LE || m_fileEncoding == TextEncoding::Utf16BE)
        return transcodeUtf16();
    return std::nullopt;
}

} // namespace weir
