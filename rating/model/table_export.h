// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

class QAbstractItemModel;

namespace weir {

// A table as text with a header row, cells separated by the separator and
// rows by the line end: tab-separated for the clipboard, CSV for files. A
// note, when given, is a line of one cell under the table (what its ± and U
// columns come from).
QString tableText(const QAbstractItemModel &model, QChar separator, const QString &lineEnd, const QString &note = {});

// The CSV file's bytes: UTF-8 with a byte-order mark (so that spreadsheet
// programs read the Japanese headers), CRLF line ends.
QByteArray csvBytes(const QAbstractItemModel &model, const QString &note = {});

} // namespace weir
