// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/text_codec.h"

#include "records/model/windows_api.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace weir {

namespace {

// The IANA name of each, as ICU knows it: windows-31j is CP932 itself (NEC and
// IBM extensions, 0x8160 as U+FF5E), which plain Shift_JIS is not.
const char *converterName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf16LE: return "UTF-16LE";
    case TextEncoding::Utf16BE: return "UTF-16BE";
    case TextEncoding::Cp932: return "windows-31j";
    case TextEncoding::Latin1: return "ISO-8859-1";
    }
    return "UTF-8";
}

#ifdef Q_OS_WIN
constexpr UINT kCp932 = 932;

std::optional<QString> systemDecode(std::string_view bytes, bool strict)
{
    if (bytes.empty())
        return QString();
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int length = MultiByteToWideChar(kCp932, flags, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length == 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(kCp932, flags, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t *>(text.data()),
                        length);
    return text;
}

std::string systemEncode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = WideCharToMultiByte(kCp932, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(length), '\0');
    WideCharToMultiByte(kCp932, 0, wide, int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}
#endif

// ASCII reads the same in every encoding here but UTF-16: a record's numbers
// and times need no converter.
bool byteSafeAscii(TextEncoding encoding, std::string_view bytes)
{
    return encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE
        && std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool qtHas(TextEncoding encoding)
{
    return QStringDecoder(converterName(encoding)).isValid();
}

} // namespace

std::optional<TextEncoding> encodingNamed(const QString &name)
{
    const QString n = name.toLower().remove(u'-').remove(u'_');
    if (n == u"utf8")
        return TextEncoding::Utf8;
    if (n == u"utf16" || n == u"utf16le")
        return TextEncoding::Utf16LE;
    if (n == u"utf16be")
        return TextEncoding::Utf16BE;
    if (n == u"cp932" || n == u"windows31j" || n == u"shiftjis" || n == u"sjis" || n == u"ms932")
        return TextEncoding::Cp932;
    if (n == u"latin1" || n == u"iso88591")
        return TextEncoding::Latin1;
    return std::nullopt;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE: return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BE: return QStringLiteral("UTF-16BE");
    case TextEncoding::Cp932: return QStringLiteral("CP932");
    case TextEncoding::Latin1: return QStringLiteral("Latin-1");
    }
    return {};
}

TextCodec::TextCodec(TextEncoding encoding)
    : m_encoding(encoding)
{
}

bool TextCodec::isAvailable() const
{
#ifdef Q_OS_WIN
    if (m_encoding == TextEncoding::Cp932)
        return true;
#endif
    return qtHas(m_encoding);
}

std::optional<QString> TextCodec::decode(std::string_view bytes) const
{
    if (byteSafeAscii(m_encoding, bytes))
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    switch (m_encoding) {
    case TextEncoding::Utf8: {
        Utf8Check check;
        check.feed(bytes.data(), bytes.size());
        if (!check.valid())
            return std::nullopt;
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    case TextEncoding::Latin1: return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    default: break;
    }
#ifdef Q_OS_WIN
    if (m_encoding == TextEncoding::Cp932 && !qtHas(m_encoding))
        return systemDecode(bytes, true);
#endif
    QStringDecoder decoder(converterName(m_encoding));
    QString text = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    return text;
}

QString TextCodec::decodeLenient(std::string_view bytes) const
{
    if (m_encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    if (byteSafeAscii(m_encoding, bytes))
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    if (m_encoding == TextEncoding::Latin1)
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
#ifdef Q_OS_WIN
    if (m_encoding == TextEncoding::Cp932 && !qtHas(m_encoding))
        return systemDecode(bytes, false).value_or(QString());
#endif
    QStringDecoder decoder(converterName(m_encoding));
    return decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string TextCodec::encode(const QString &text) const
{
    switch (m_encoding) {
    case TextEncoding::Utf8: return text.toStdString();
    case TextEncoding::Latin1: return text.toLatin1().toStdString();
    default: break;
    }
#ifdef Q_OS_WIN
    if (m_encoding == TextEncoding::Cp932 && !qtHas(m_encoding))
        return systemEncode(text);
#endif
    QStringEncoder encoder(converterName(m_encoding));
    return QByteArray(encoder(text)).toStdString();
}

// RFC 3629: no overlong forms, no surrogates, nothing past U+10FFFF.
void Utf8Check::feed(const char *bytes, std::size_t size)
{
    std::size_t i = 0;
    while (m_valid && i < size) {
        if (m_pending == 0) {
            // Eight ASCII bytes at a time: a record is mostly digits.
            while (i + 8 <= size) {
                std::uint64_t word;
                std::memcpy(&word, bytes + i, 8);
                if (word & 0x8080808080808080ull)
                    break;
                i += 8;
            }
            if (i == size)
                break;
        }
        const auto byte = static_cast<unsigned char>(bytes[i++]);
        if (m_pending > 0) {
            if (byte < m_lowest || byte > m_highest) {
                m_valid = false;
                break;
            }
            --m_pending;
            m_lowest = 0x80;
            m_highest = 0xBF;
            continue;
        }
        if (byte < 0x80)
            continue;
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            m_pending = 2;
            if (byte == 0xE0)
                m_lowest = 0xA0;
            else if (byte == 0xED)
                m_highest = 0x9F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            m_pending = 3;
            if (byte == 0xF0)
                m_lowest = 0x90;
            else if (byte == 0xF4)
                m_highest = 0x8F;
        } else {
            m_valid = false;
        }
    }
}

} // namespace weir
