// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"
#include "rating/rating_window_interface.h"
#include "sheet/sheet_printer_interface.h"

#include <QLocale>
#include <QMargins>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QWidget;

namespace weir {

class DesignWindow;
class RatingWindow;
class RecordsWindow;

// The calculator's three modules, each loaded the first time it is asked for
// and held from then on (common/module_loader.h finds them): the rating
// window and the design window, shown beside the calculator, and the
// calculation sheet's pages, saved or printed. What fails comes back as the
// words the calculator says (common/texts.h).
class ModuleHost : public QObject
{
public:
    explicit ModuleHost(QWidget *calculator);

    // The rating window if it has been created, else nullptr.
    RatingWindow *createdRatingWindow() const { return m_rating; }
    // Given the calculator's boxes, then shown, raised and given the
    // keyboard; placed beside the calculator when it was hidden. Empty, or
    // why the module could not be loaded.
    Outcome<void> openRatingWindow(const CalculatorReading &reading);

    // The same for the design window, which calls `apply` with the width
    // the user chose.
    DesignWindow *createdDesignWindow() const { return m_design; }
    Outcome<void> openDesignWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                   const std::function<void(const QString &)> &apply);
    // The records window, given the calculator's locale, uncertainties and
    // width, and a file to read when one was dropped: empty, or why its
    // module could not be loaded.
    RecordsWindow *createdRecordsWindow() const { return m_records; }
    Outcome<void> openRecordsWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                    const QString &widthMm, const QString &path = {});
    // The manual's window, beside the calculator: empty, or why its module
    // could not be loaded.
    Outcome<void> openHelpWindow();
    QWidget *createdHelpWindow() const { return m_help; }

    // The user's uncertainties changed: to the module windows open.
    void takeGauge(const std::optional<GaugeUncertainty> &gauge, const QLocale &locale);

    // The sheet as a PDF into `path`, whole or not at all: empty when saved.
    Outcome<void> saveSheetPdf(const SheetRequest &request, const QString &path);
    // The sheet on a printer the user picks: empty unless the module failed.
    Outcome<void> printSheet(const SheetRequest &request);
    // The sheet's pages in a print preview: the same.
    Outcome<void> previewSheet(const SheetRequest &request);

protected:
    // A module window's first move with a frame: placed again with it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Each created by its module on the first call, or why the module cannot
    // be loaded.
    Outcome<RatingWindow *> ratingWindow();
    Outcome<DesignWindow *> designWindow();
    Outcome<SheetPrinter *> sheetPrinter();
    void showBeside(QWidget *window);
    void placeBeside(QWidget *window, const QMargins &frame);

    QWidget *m_calculator;
    RatingWindow *m_rating = nullptr;       // a child window of the calculator
    DesignWindow *m_design = nullptr;       // the same
    RecordsWindow *m_records = nullptr;     // the same
    QWidget *m_help = nullptr;              // the same
    SheetPrinter *m_sheetPrinter = nullptr; // owned by Qt's plugin loader
    // Until the window manager has framed a module's window, its frame is
    // taken to be the calculator's.
    QSet<QObject *> m_awaitingFrame;
};

} // namespace weir
