// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>

class QPagedPaintDevice;
class QPrinter;

namespace weir {

struct CalculationSheet;

// The calculation sheet on A4 pages: the title on the first page, the
// sections top to bottom, a table that runs over a page continued on the next
// with its header repeated (every trial of a long search is printed, never
// elided), and on every page the title and "n / N" at the foot.

// Draws the sheet on a device already set to its page size; false if the
// device could not be painted on.
bool paintSheet(const CalculationSheet &sheet, QPagedPaintDevice &device);

// The sheet as a PDF document (QPdfWriter embeds the font's glyphs).
QByteArray sheetPdf(const CalculationSheet &sheet);

// The sheet on a printer, A4 whatever the printer's default.
bool printSheet(const CalculationSheet &sheet, QPrinter &printer);

} // namespace weir
