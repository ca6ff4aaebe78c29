// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "sheet/model/sheet_title.h"

#include <QString>

#include <functional>

class QWidget;

namespace weir {

// The calculator's small dialogs, each over `window` and owned by it.

// このプログラムについて: name, version, licence, formula and units, not
// modal, closing itself.
void openAboutBox(QWidget *window);

// Where to save the calculation sheet: the file chosen, or empty.
QString chooseSheetPath(QWidget *window);

// A module that could not be loaded: what the user asked for and why not.
void warnCannotOpen(QWidget *window, const QString &document, const QString &failure);

// Before a sheet is saved, printed or previewed: its title block, filled
// from what was given last time (the date prepared, today's when none was
// given), asked in a window-modal dialog. What the user gives is stored
// (storedSheetTitle, which every sheet request reads) and `then` runs once
// the dialog is accepted; nothing happens when it is cancelled.
void askSheetTitle(QWidget *window, const std::function<void()> &then);

} // namespace weir
