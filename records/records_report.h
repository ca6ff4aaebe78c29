// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QCustomPlot;
class QPrinter;

namespace weir {

// A table as the report sets it: its header and its rows of texts, numbers
// set to the right.
struct ReportTable {
    QString title;
    QStringList headers;
    std::vector<QStringList> rows;
};

// What the records report holds, top to bottom: what was read and how
// (the file, what was found in it, the weir, the formula, the
// uncertainties, the totals), the hydrograph, the daily table with its
// loads, the monthly totals, then the gaps and rows without an answer.
struct RecordsReport {
    QStringList lines;
    std::vector<ReportTable> tables;
    QStringList notes;
};

// The report on A4 pages through the program's page (15 mm margins, every
// page numbered "n / N"): as the PDF file's bytes, to be written whole, or
// on a printer (false when it cannot be painted on).
QByteArray recordsReportPdf(const RecordsReport &report, QCustomPlot *plot);
bool printRecordsReport(const RecordsReport &report, QCustomPlot *plot, QPrinter &printer);

} // namespace weir
