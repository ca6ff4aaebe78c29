// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QChar>
#include <QString>

#include <string>
#include <string_view>

namespace weir {

// A field of a delimited file as spreadsheets read it back: quoted, with its
// quotes doubled, when it holds the delimiter, a quote, or a line break of
// either kind (a lone CR ends a row in Excel as LF does); else as it is.
// Every CSV and tab-separated text the program writes goes through here.
// Added to the end of a line being built (no string of its own: a record
// writes millions).
void appendCsvField(std::string &line, std::string_view text, char delimiter);
QString csvField(const QString &text, QChar delimiter);

} // namespace weir
