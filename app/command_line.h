// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

class QCommandLineParser;

namespace weir {

// The program's options: --help and --version, described in the user's
// language (Japanese under a Japanese locale, English otherwise).
void describeOptions(QCommandLineParser &parser);

// True when the arguments ask only for text (--help, --version), which needs
// no window and no display.
bool asksForTextOnly(int argc, char *argv[]);

// Prints that text and exits; on no display at all.
[[noreturn]] void answerTextOnly(int argc, char *argv[]);

} // namespace weir
