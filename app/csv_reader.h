// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

#include <cstdio>
#include <string>
#include <vector>

namespace weir {

// Reads a CSV record at a time from a stream, from where the stream stands,
// in constant memory (a record at a time, however long the file), as
// spreadsheets write CSV: the delimiter is given (the record's dialect finds
// it, app/record_file.h); a field in double quotes may hold the delimiter,
// line breaks and doubled quotes; lines end in LF or CRLF. The bytes are
// UTF-8, CP932 or Latin-1, in all of which the delimiters, quotes and line
// ends are the ASCII bytes and never part of another character.
//
// Each record comes both as its fields and as the bytes it was written in
// (without its line end), so that a writer can hand it on exactly as it came.
class CsvReader
{
public:
    // firstLine: the number of the line the stream stands at, counting from 1.
    CsvReader(std::FILE *in, char delimiter, long long firstLine = 1);

    enum class Status { Record, End, Error };

    Status next();
    const std::vector<std::string> &fields() const { return m_fields; }
    const std::string &raw() const { return m_raw; }
    // The line the current record begins on, counting from 1.
    long long line() const { return m_recordLine; }
    // After Error: what is wrong, naming the line.
    QString error() const { return m_error; }

    char delimiter() const { return m_delimiter; }
    // Whether a line so far has ended in CRLF.
    bool crlf() const { return m_crlf; }

private:
    int get();
    int peek();
    bool fill();

    std::FILE *m_in;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;

    char m_delimiter;
    bool m_crlf = false;
    long long m_line;
    long long m_recordLine = 0;
    std::vector<std::string> m_fields;
    std::string m_raw;
    QString m_error;
};

} // namespace weir
