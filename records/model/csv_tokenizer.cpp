// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/csv_tokenizer.h"

#include "records/model/record_texts.h"

#include <algorithm>

namespace weir {

namespace {
constexpr std::size_t kChunk = 1 << 16;
} // namespace

CsvTokenizer::CsvTokenizer(std::FILE *in, char delimiter, long long firstLine, qint64 offset)
    : m_in(in)
    , m_buffer(kChunk)
    , m_delimiter(delimiter)
    , m_line(firstLine)
    , m_bufferOffset(offset)
{
}

CsvTokenizer::CsvTokenizer(const std::string &bytes, char delimiter, long long firstLine, qint64 offset)
    : m_buffer(bytes.begin(), bytes.end())
    , m_end(bytes.size())
    , m_eof(true)
    , m_delimiter(delimiter)
    , m_line(firstLine)
    , m_bufferOffset(offset)
{
}

bool CsvTokenizer::fill()
{
    if (m_eof || !m_in)
        return false;
    // Keep what is unread at the front; grow only when nothing was consumed.
    if (m_pos > 0) {
        m_bufferOffset += qint64(m_pos);
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

int CsvTokenizer::peek()
{
    if (m_pos == m_end && !fill())
        return EOF;
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int CsvTokenizer::get()
{
    const int c = peek();
    if (c != EOF)
        ++m_pos;
    return c;
}

CsvTokenizer::Status CsvTokenizer::next()
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
    m_recordOffset = m_bufferOffset + qint64(m_pos);
    std::string *field = &startField();
    bool quoted = false;
    bool fieldStart = true; // nothing of the field read yet but spaces
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
                fieldStart = fieldStart && std::all_of(from, stop, [](char c) { return c == ' ' || c == '\t'; });
                continue;
            }
        }
        const int c = get();
        if (c == EOF) {
            if (quoted) {
                m_error = RecordTexts::tr("%1行目: 引用符 \" が閉じていません。").arg(m_recordLine);
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
            // A quote opens a field only at its start, spaces before it
            // aside: they are layout, and go.
            field->clear();
            quoted = true;
            fieldStart = false;
        } else {
            field->push_back(char(c));
            fieldStart = false;
        }
    }
}

} // namespace weir
