// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

namespace weir {

// Where the answers go: the output stream, or a file (--output) written whole
// or not at all. Buffered, so that ten million rows are a few hundred writes.
class OutputSink
{
public:
    OutputSink(std::FILE *out, const QString &path);
    OutputSink(const OutputSink &) = delete;
    OutputSink &operator=(const OutputSink &) = delete;

    QString failure() const { return m_failure; }
    // Whether the bytes end up in a file a spreadsheet may open (--output, or
    // the output stream sent to a file) rather than on a terminal or down a
    // pipe: a file's text opens with a byte-order mark.
    bool isFile() const { return m_isFile; }

    void write(const std::string &bytes);
    bool finish();
    void abandon();

private:
    void flush();

    std::FILE *m_out;
    std::optional<QSaveFile> m_file;
    bool m_isFile = false;
    bool m_streamFailed = false;
    QString m_failure;
    std::string m_buffer;
};

} // namespace weir
