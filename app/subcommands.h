// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QStringList>

#include <cstdio>

namespace weir {

// The calculation without the window, on the command line: no display, no
// QApplication, the window's own conversions, formula, formatting and
// messages.
//
//   weir-head head  --width MM --flow LPM --min MM --max MM   one head, as the window shows it
//   weir-head head  --width MM --column NAME [--min MM --max MM] < record.csv
//   weir-head flow  --width MM --head MM                      one flow, as the rating window shows it
//   weir-head flow  --width MM --column NAME [--time NAME] < record.csv
//   weir-head table --width MM --from MM --to MM --step MM    the rating table
//
// Exit status: 0 when every answer was found, 1 when some were not (each
// named on the error stream), 2 when the command or the file is at fault and
// nothing was written.
int runSubcommand(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

} // namespace weir
