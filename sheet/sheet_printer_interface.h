// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QtPlugin>

class QWidget;

namespace weir {

struct CalculationSheet;

// The calculation sheet's pages are laid out by a module of their own
// (sheet/), loaded the first time the user saves or prints a sheet, so that
// the calculator's start-up never pays for printing. This is all the
// calculator knows of it; the sheet's content comes from logic/.
class SheetPrinter
{
public:
    virtual ~SheetPrinter() = default;
    // The sheet as an A4 PDF, fonts embedded; empty if it could not be drawn.
    virtual QByteArray pdf(const CalculationSheet &sheet) = 0;
    // Opens the print dialog over the window (window-modal, returning at once)
    // and prints the sheet when the user accepts it.
    virtual void print(const CalculationSheet &sheet, QWidget *window) = 0;
};

} // namespace weir

#define SheetPrinter_iid "org.weirhead.overflowhead.SheetPrinter/1"
Q_DECLARE_INTERFACE(weir::SheetPrinter, SheetPrinter_iid)
