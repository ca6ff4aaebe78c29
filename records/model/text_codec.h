// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace weir {

// The encodings a record file comes in: UTF-8 (with or without a byte-order
// mark), UTF-16 with one, CP932 (what Excel on a Japanese Windows saves as
// "CSV"), and Latin-1.
enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Cp932, Latin1 };

// The name a user gives (--encoding) and the one the program says.
std::optional<TextEncoding> encodingNamed(const QString &name);
QString encodingName(TextEncoding encoding);

// Text to and from one of them. Qt's converters do the work where this Qt has
// the codec (Debian's is built with ICU); on Windows, whose Qt is built
// without ICU, the system's own code page conversion stands in for CP932.
// Strict: a byte sequence the encoding does not have is an error, never a
// guess.
class TextCodec
{
public:
    explicit TextCodec(TextEncoding encoding);
    TextEncoding encoding() const { return m_encoding; }
    // False when neither Qt nor the system can convert it here.
    bool isAvailable() const;

    // None when the bytes are not text in this encoding.
    std::optional<QString> decode(std::string_view bytes) const;
    // Lenient: what cannot be read is replaced (for messages and output).
    QString decodeLenient(std::string_view bytes) const;
    std::string encode(const QString &text) const;

private:
    TextEncoding m_encoding;
};

// Whether the bytes are well-formed UTF-8, fed in pieces: a character cut by
// a piece's end is carried over to the next.
class Utf8Check
{
public:
    void feed(const char *bytes, std::size_t size);
    // After the last piece: every character whole and well formed.
    bool valid() const { return m_valid && m_pending == 0; }

private:
    bool m_valid = true;
    int m_pending = 0;                          // continuation bytes still expected
    unsigned m_lowest = 0x80, m_highest = 0xBF; // the next continuation byte's range
};

} // namespace weir
