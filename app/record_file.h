// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/scratch_file.h"
#include "app/text_codec.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace weir {

// A record file as loggers and spreadsheets write it, made ready to be read
// twice (once to check it whole before anything is written, once to answer
// it): its encoding, and where its header is among the lines above it.
//
// The encoding: a byte-order mark says UTF-8 or UTF-16; else the whole file
// is tried as UTF-8, then as CP932, then taken as Latin-1 (--encoding says it
// instead). Latin-1 text with accents or a degree sign (°) can also read as
// CP932, where it comes out as half-width katakana, which no logger's record
// holds: a CP932 reading with any is taken for Latin-1. UTF-16 is kept as
// UTF-8 in a scratch file, so that the reader only ever sees encodings whose
// delimiters are single ASCII bytes.
class RecordFile
{
public:
    // Fails (the message says why) when no scratch file can be made or the
    // encoding cannot be read here.
    QString open(std::FILE *in, std::optional<TextEncoding> forced);

    std::FILE *stream() const { return m_stream; }
    // What the reader reads, and what the file came in.
    TextEncoding encoding() const { return m_encoding; }
    TextEncoding fileEncoding() const { return m_fileEncoding; }
    bool byteOrderMark() const { return m_bom; }
    bool encodingGuessed() const { return m_guessed; }
    long dataStart() const { return m_dataStart; } // past the byte-order mark

private:
    QString copyIfNotSeekable(std::FILE *in);
    QString transcodeUtf16();

    std::FILE *m_stream = nullptr;
    std::unique_ptr<ScratchFile> m_copy;
    std::unique_ptr<ScratchFile> m_utf8;
    TextEncoding m_encoding = TextEncoding::Utf8;
    TextEncoding m_fileEncoding = TextEncoding::Utf8;
    bool m_bom = false;
    bool m_guessed = true;
    long m_dataStart = 0;
};

// The header: the first line that holds every column named on the command
// line, in one of the delimiters (tab, semicolon, comma; the one it holds most
// of outside quotes). Lines above it (a title, a logger's header block, #
// comments) are passed over. A name matches a field that is the name itself,
// or, failing that, the one field that begins with it and then goes on with
// a unit or a serial number ("Water Level" for "Water Level, meters (LGR S/N:
// 1234)").
struct RecordHeader {
    long long line = 0; // counting from 1
    long offset = 0;    // where the line begins in the stream
    char delimiter = ',';
    std::vector<long> columns; // where each named column is
    QString failure;           // no header: why, naming what is missing
};

// At most this many lines are looked at for the header.
inline constexpr int kHeaderSearchLines = 1000;

RecordHeader findHeader(const RecordFile &file, const QStringList &names);

} // namespace weir
