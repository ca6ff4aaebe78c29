// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/gauge_uncertainty.h"
#include "calculator/model/input_boxes.h"
#include "sheet/model/sheet_title.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QtPlugin>

class QWidget;

namespace weir {

// One Calculate, as its sheet is made: the box texts as they stood when
// Calculate was pressed, the window's locale, when, the uncertainties the
// user has stated for the gauge, the width and the coefficient, and the
// sheet's title block.
struct SheetRequest {
    BoxTexts boxes;
    QLocale locale;
    QDateTime calculatedAt;
    std::optional<GaugeUncertainty> gauge; // the user's, when stated
    SheetTitle title;
};

// The calculation sheet is written and laid out by a module of its own
// (sheet/, with the sheet's content from sheet/model/calculation_sheet), loaded the
// first time the user saves or prints a sheet, so that the calculator's
// start-up pays neither for printing nor for the sheet's code. This is all
// the calculator knows of it.
class SheetPrinter
{
public:
    virtual ~SheetPrinter() = default;
    // The sheet as an A4 PDF, fonts embedded; empty if it could not be drawn.
    virtual QByteArray pdf(const SheetRequest &request) = 0;
    // Opens the print dialog over the window (window-modal, returning at once)
    // and prints the sheet when the user accepts it.
    virtual void print(const SheetRequest &request, QWidget *window) = 0;
    // The sheet's pages as the printer would have them, in a preview dialog
    // over the window (window-modal, returning at once), from which it can
    // be printed.
    virtual void preview(const SheetRequest &request, QWidget *window) = 0;
};

} // namespace weir

#define SheetPrinter_iid "org.weirhead.overflowhead.SheetPrinter/4"
Q_DECLARE_INTERFACE(weir::SheetPrinter, SheetPrinter_iid)
