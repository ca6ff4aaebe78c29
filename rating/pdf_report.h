// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>

class QCustomPlot;
class QPagedPaintDevice;
class QPrinter;

namespace weir {

class RatingTableModel;

// The rating table as an A4 report: the weir's width, the formula and its
// range, the table (over as many pages as it needs, its header on each), then
// the curve on a page of its own; every page numbered "n / N". Returned as
// the PDF file's bytes, so that the caller can write them whole or not at all.
QByteArray pdfReport(const RatingTableModel &model, QCustomPlot *plot);

// The same report on a printer (for its preview), A4 whatever the printer's
// default; false when it could not be painted on.
bool printReport(const RatingTableModel &model, QCustomPlot *plot, QPrinter &printer);

} // namespace weir
