// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

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

} // namespace weir
