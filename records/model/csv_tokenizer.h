// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace weir {

// The one reader of a record's lines, for its header as for its rows: a CSV
// record at a time, in constant memory however long the file, as
// spreadsheets and loggers write it. The delimiter is given (the layout
// finds it, records/model/record_layout.h); a field in double quotes may hold the
// delimiter, line breaks and doubled quotes, and its quote may follow spaces
// (`, "x"`); lines end in LF or CRLF. The bytes are UTF-8, CP932 or Latin-1,
// in all of which the delimiters, quotes and line ends are the ASCII bytes
// and never part of another character.
//
// Each record comes both as its fields and as the bytes it was written in
// (without its line end), so that a writer can hand it on exactly as it came.
class CsvTokenizer
{
public:
    // From a stream, where it stands: `offset` is where that is, in bytes
    // from the file's start, and `firstLine` its line, counting from 1.
    CsvTokenizer(std::FILE *in, char delimiter, long long firstLine = 1, qint64 offset = 0);
    // From bytes in memory (a sample of the file), as if they were all of it.
    CsvTokenizer(const std::string &bytes, char delimiter, long long firstLine = 1, qint64 offset = 0);

    enum class Status { Record, End, Error };

    Status next();
    const std::vector<std::string> &fields() const { return m_fields; }
    const std::string &raw() const { return m_raw; }
    // The line the current record begins on, counting from 1, and where it
    // begins in the file.
    long long line() const { return m_recordLine; }
    qint64 offset() const { return m_recordOffset; }
    // Where the next record begins.
    qint64 nextOffset() const { return m_bufferOffset + qint64(m_pos); }
    // After Error: the line the open quote is on.
    QString error() const { return m_error; }

    char delimiter() const { return m_delimiter; }
    // Whether a line so far has ended in CRLF.
    bool crlf() const { return m_crlf; }

private:
    int get();
    int peek();
    bool fill();

    std::FILE *m_in = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;

    char m_delimiter;
    bool m_crlf = false;
    long long m_line;
    long long m_recordLine = 0;
    qint64 m_bufferOffset; // where m_buffer[0] stands in the file
    qint64 m_recordOffset = 0;
    std::vector<std::string> m_fields;
    std::string m_raw;
    QString m_error;
};

// A field without the spaces and tabs around it (a tab that is not the
// delimiter: spaces around fields are the writer's layout, never data).
inline std::string_view trimmedField(std::string_view field)
{
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    return field;
}

} // namespace weir
