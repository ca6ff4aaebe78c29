// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"

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

    // Whether the file named could be opened, or why not, naming it.
    Outcome<void> opened() const;
    // Whether the bytes end up in a file a spreadsheet may open (--output, or
    // the output stream sent to a file) rather than on a terminal or down a
    // pipe: a file's text opens with a byte-order mark.
    bool isFile() const { return m_isFile; }

    void write(const std::string &bytes);
    // Everything written and, for a file, put in place; or why not, naming
    // the file or the output stream.
    Outcome<void> finish();
    void abandon();

private:
    void flush();
    void failed(const QString &reason);

    std::FILE *m_out;
    std::optional<QSaveFile> m_file;
    bool m_isFile = false;
    QString m_name; // as a message names it
    std::optional<Fault> m_fault;
    std::string m_buffer;
};

} // namespace weir
