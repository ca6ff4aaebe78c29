// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QStringList>

#include <cstdio>
#include <optional>

class QCommandLineParser;

namespace weir {

// The program's options: --help and --version, described in the user's
// language (Japanese under a Japanese locale, English otherwise).
void describeOptions(QCommandLineParser &parser);

// True when the arguments ask only for text (--help, --version), which needs
// no window and no display.
bool asksForTextOnly(int argc, char *argv[]);

// Prints that text, on no display at all; the program's exit status.
int answerTextOnly(int argc, char *argv[]);

// True when the first argument names a subcommand (head, flow, table,
// design): the
// calculation without the window (app/subcommands.h).
bool isSubcommand(int argc, char *argv[]);

// A first argument that is a word, not an option, and names no subcommand
// (a typo such as "weir-head haed"): said on the error stream, and the exit
// status 2 returned, for the program to end with rather than open a window
// that ignores it; none when the arguments are not such.
std::optional<int> refuseUnknownSubcommand(int argc, char *argv[]);

// Runs it. The subcommands' code is a module of its own (weir-head-cli),
// loaded only here, so that the window's start-up never carries it. Exit
// status as the subcommand's; 2 when the module cannot be loaded.
int runSubcommandModule(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

} // namespace weir
