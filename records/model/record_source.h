// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_fault.h"
#include "records/model/scratch_file.h"
#include "records/model/text_codec.h"

#include <QtGlobal>

#include <cstdio>
#include <memory>
#include <optional>

namespace weir {

// A record file as loggers and spreadsheets write it, made ready to be read
// more than once (to find its layout, to check it whole before anything is
// written, to answer it), with its encoding.
//
// A stream that cannot seek (a pipe) is copied to a scratch file first. The
// encoding: a byte-order mark says UTF-8 or UTF-16; else the whole file is
// tried as UTF-8, then as CP932, then taken as Latin-1 (unless the caller
// says which). Latin-1 text with accents or a degree sign (°) can also read
// as CP932, where it comes out as half-width katakana, which no logger's
// record holds: a CP932 reading with any is taken for Latin-1. UTF-16 is
// kept as UTF-8 in a scratch file, so that the reader only ever sees
// encodings whose delimiters are single ASCII bytes.
class RecordSource
{
public:
    std::optional<RecordFault> open(std::FILE *in, std::optional<TextEncoding> forced);

    std::FILE *stream() const { return m_stream; }
    // What the reader reads, and what the file came in.
    TextEncoding encoding() const { return m_encoding; }
    TextEncoding fileEncoding() const { return m_fileEncoding; }
    bool byteOrderMark() const { return m_bom; }
    bool encodingGuessed() const { return m_guessed; }
    qint64 dataStart() const { return m_dataStart; } // past the byte-order mark

private:
    std::optional<RecordFault> copyIfNotSeekable(std::FILE *in);
    std::optional<RecordFault> transcodeUtf16();

    std::FILE *m_stream = nullptr;
    std::unique_ptr<ScratchFile> m_copy;
    std::unique_ptr<ScratchFile> m_utf8;
    TextEncoding m_encoding = TextEncoding::Utf8;
    TextEncoding m_fileEncoding = TextEncoding::Utf8;
    bool m_bom = false;
    bool m_guessed = true;
    qint64 m_dataStart = 0;
};

} // namespace weir
