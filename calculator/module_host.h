// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "sheet/sheet_printer_interface.h"

#include <QMargins>
#include <QObject>
#include <QString>

class QWidget;

namespace weir {

class RatingWindow;

// The calculator's two modules, each loaded the first time it is asked for
// and held from then on (calculator/module_loader.h finds them): the rating
// window, shown beside the calculator, and the calculation sheet's pages,
// saved or printed. What fails comes back as the words the calculator says
// (logic/texts.h).
class ModuleHost : public QObject
{
public:
    explicit ModuleHost(QWidget *calculator);

    // The rating window, created by its module on the first call; nullptr,
    // and why in *failure, when the module cannot be loaded.
    RatingWindow *ratingWindow(QString *failure);
    // The rating window if it has been created, else nullptr.
    RatingWindow *createdRatingWindow() const { return m_rating; }
    // Shown, raised and given the keyboard; placed beside the calculator
    // when it was hidden.
    void showRatingWindow();

    // The sheet as a PDF into `path`, whole or not at all: empty when saved.
    QString saveSheetPdf(const SheetRequest &request, const QString &path);
    // The sheet on a printer the user picks: empty unless the module failed.
    QString printSheet(const SheetRequest &request);

protected:
    // The rating window's first move with a frame: placed again with it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SheetPrinter *sheetPrinter(QString *failure);
    void placeRatingWindow(const QMargins &frame);

    QWidget *m_calculator;
    RatingWindow *m_rating = nullptr;       // a child window of the calculator
    SheetPrinter *m_sheetPrinter = nullptr; // owned by Qt's plugin loader
    // Until the window manager has framed the rating window, its frame is
    // taken to be the calculator's.
    bool m_ratingAwaitsFrame = false;
};

} // namespace weir
