// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/output_sink.h"

#include "app/command_line_texts.h"
#include "app/console_text.h"
#include "common/texts.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace weir {

namespace {

bool isRegularFile(std::FILE *stream)
{
    struct stat status {
    };
    return fstat(fileno(stream), &status) == 0 && (status.st_mode & S_IFMT) == S_IFREG;
}

// Why the stream would not take the bytes, in the system's words (the disk
// full, the pipe closed).
QString streamReason()
{
    const int error = errno;
    return error ? QString::fromLocal8Bit(std::strerror(error)) : CommandLineTexts::tr("書き込めません。");
}

} // namespace

OutputSink::OutputSink(std::FILE *out, const QString &path)
    : m_out(out)
    , m_name(path.isEmpty() ? CommandLineTexts::tr("標準出力") : path)
{
    if (path.isEmpty()) {
        m_isFile = isRegularFile(out);
        return;
    }
    m_isFile = true;
    m_file.emplace(path);
    if (!m_file->open(QIODevice::WriteOnly))
        failed(m_file->errorString());
}

Outcome<void> OutputSink::opened() const
{
    if (m_fault)
        return *m_fault;
    return {};
}

void OutputSink::failed(const QString &reason)
{
    // The first fault is the one said: what follows it is its consequence.
    if (!m_fault)
        m_fault = Fault{Fault::Kind::File, Texts::cannotSave(m_name, reason)};
}

void OutputSink::write(const std::string &bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() > (1 << 20))
        flush();
}

Outcome<void> OutputSink::finish()
{
    flush();
    if (m_file) {
        if (!m_fault && !m_file->commit())
            failed(m_file->errorString());
    } else if (!m_fault) {
        errno = 0;
        if (std::fflush(m_out) != 0 || std::ferror(m_out))
            failed(streamReason());
    }
    return opened();
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
            failed(m_file->errorString());
    } else {
        errno = 0;
        if (!writeText(m_out, m_buffer))
            failed(streamReason());
    }
    m_buffer.clear();
}

} // namespace weir
