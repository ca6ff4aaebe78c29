// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/csv_reader.h"

#include "app/command_line_texts.h"

#include <algorithm>

namespace weir {

namespace {
constexpr std::size_t kChunk = 1 << 16;
} // namespace

CsvReader::CsvReader(std::FILE *in, char delimiter, long long firstLine)
    : m_in(in)
    , m_buffer(kChunk)
    , m_delimiter(delimiter)
    , m_line(firstLine)
{
}

bool CsvReader::fill()
{
    if (m_eof)
        return false;
    // Keep what is unread at the front; grow only when nothing was consumed.
    if (m_pos > 0) {
        std::copy(m_buffer.begin() + std::ptrdiff_t(m_pos), m_buffer.begin() + std::ptrdiff_t(m_end), m_buffer.begin());
        m_end -= m_pos;
        m_pos = 0;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    const std::size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_in);
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end += got;
    return true;
}

int CsvReader::peek()
{
    if (m_pos == m_end && !fill())
        return EOF;
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int CsvReader::get()
{
    const int c = peek();
    if (c != EOF)
        ++m_pos;
    return c;
}

CsvReader::Status CsvReader::next()
{
    m_raw.clear();
    if (peek() == EOF) {
        m_fields.clear();
        return Status::End;
    }

    // The fields' strings are kept from record to record, so that a record
    // of the usual shape allocates nothing.
    std::size_t count = 0;
    const auto startField = [this, &count]() -> std::string & {
        if (count == m_fields.size())
            m_fields.emplace_back();
        std::string &field = m_fields[count++];
        field.clear();
        return field;
    };
    const auto endRecord = [this, &count] {
        m_fields.resize(count);
        return Status::Record;
    };

    m_recordLine = m_line;
    std::string *field = &startField();
    bool quoted = false;
    bool fieldStart = true; // nothing of the field read yet
    for (;;) {
        if (!quoted && peek() != EOF) {
            // A run of ordinary bytes, taken whole.
            const char *from = m_buffer.data() + m_pos;
            const char *to = m_buffer.data() + m_end;
            const char *stop = from;
            while (stop != to && *stop != m_delimiter && *stop != '\n' && *stop != '\r' && *stop != '"')
                ++stop;
            if (stop != from) {
                field->append(from, stop);
                m_raw.append(from, stop);
                m_pos += std::size_t(stop - from);
                fieldStart = false;
                continue;
            }
        }
        const int c = get();
        if (c == EOF) {
            if (quoted) {
                m_error = CommandLineTexts::tr("%1行目: 引用符 \" が閉じていません。").arg(m_recordLine);
                return Status::Error;
            }
            return endRecord();
        }
        if (quoted) {
            m_raw.push_back(char(c));
            if (c == '"') {
                if (peek() == '"') {
                    m_raw.push_back(char(get()));
                    field->push_back('"');
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++m_line;
                field->push_back(char(c));
            }
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && peek() == '\n') {
                get();
                m_crlf = true;
            }
            ++m_line;
            return endRecord();
        }
        m_raw.push_back(char(c));
        if (c == m_delimiter) {
            field = &startField();
            fieldStart = true;
        } else if (c == '"' && fieldStart) {
            quoted = true; // a quote opens a field only at its start
            fieldStart = false;
        } else {
            field->push_back(char(c));
            fieldStart = false;
        }
    }
}

} // namespace weir
