// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace weir {

class RatingTableModel;

// The rating table as text for a spreadsheet: a header row, then the rows,
// cells separated by the separator and rows by the line end (tab-separated
// for the clipboard, CSV for files). Every row states the width its flows
// are for and, with the user's uncertainties, the three its ± and U come
// from, in columns of their own after the table's: a row read alone says
// what it is, and nothing but rows stands under the header.
QString tableHeaderText(const RatingTableModel &model, QChar separator, const QString &lineEnd);
// Rows first to last - 1, for writing a long table a piece at a time; with
// a decimal comma, every number's point becomes a comma (the cells are then
// quoted where the separator is a comma too).
QString tableRowsText(const RatingTableModel &model, QChar separator, const QString &lineEnd, int first, int last,
                      QChar decimalMark = u'.');
QString tableText(const RatingTableModel &model, QChar separator, const QString &lineEnd);

// The CSV file's bytes: UTF-8 with a byte-order mark (so that spreadsheet
// programs read the Japanese headers), CRLF line ends.
QByteArray csvBytes(const RatingTableModel &model);

} // namespace weir
