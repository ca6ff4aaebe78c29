// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

#include <cstdio>
#include <string_view>

namespace weir {

// The program's text (UTF-8) onto one of its streams. To a pipe or a file the
// bytes go as they are. On Windows a console is written in wide characters
// (WriteConsoleW), which it shows whatever its code page: 932 on a Japanese
// Windows would show UTF-8 bytes as mojibake. False when the text could not
// all be written.
bool writeText(std::FILE *stream, std::string_view utf8);
bool writeText(std::FILE *stream, const QString &text);
// The text and a line's end.
bool writeLine(std::FILE *stream, const QString &text);

} // namespace weir
