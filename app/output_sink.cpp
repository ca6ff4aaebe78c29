// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/output_sink.h"

#include "app/console_text.h"

#include <sys/stat.h>

namespace weir {

namespace {

bool isRegularFile(std::FILE *stream)
{
    struct stat status {
    };
    return fstat(fileno(stream), &status) == 0 && (status.st_mode & S_IFMT) == S_IFREG;
}

} // namespace

OutputSink::OutputSink(std::FILE *out, const QString &path)
    : m_out(out)
{
    if (path.isEmpty()) {
        m_isFile = isRegularFile(out);
        return;
    }
    m_isFile = true;
    m_file.emplace(path);
    if (!m_file->open(QIODevice::WriteOnly))
        m_failure = m_file->errorString();
}

void OutputSink::write(const std::string &bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() > (1 << 20))
        flush();
}

bool OutputSink::finish()
{
    flush();
    if (m_file)
        return m_failure.isEmpty() && m_file->commit();
    return std::fflush(m_out) == 0 && !std::ferror(m_out) && !m_streamFailed;
}

void OutputSink::abandon()
{
    if (m_file)
        m_file->cancelWriting();
}

void OutputSink::flush()
{
    if (m_file) {
        if (m_file->write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
            m_failure = m_file->errorString();
    } else {
        m_streamFailed |= !writeText(m_out, m_buffer);
    }
    m_buffer.clear();
}

} // namespace weir
