// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>
#include <QStringList>

namespace weir {

class RatingWindowFactory;

// The rating window's module, found by its base name (weir-head-rating, with
// whatever suffix the platform gives a loadable module: .so, .dll) in:
//   1. the folders in WEIR_HEAD_MODULE_PATH, if set (the build tree's tests
//      and run script point it at the module they built);
//   2. the folder the install layout puts it in, relative to the program's own
//      folder, so that an installed tree can be moved as a whole.
struct ModuleLoad {
    RatingWindowFactory *factory = nullptr; // owned by Qt's plugin loader
    QString failure;                        // why not, when there is none
};

ModuleLoad loadRatingModule();

// The folders searched, in order.
QStringList ratingModuleFolders();

} // namespace weir
