// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace weir {

class DesignWindowFactory;
class HelpWindowFactory;
class RatingWindowFactory;
class RecordsWindowFactory;
class SheetPrinter;

// The program's modules (the rating window, the design window, the records
// window, the calculation sheet's pages, the subcommands),
// each loaded the first time it is needed and found by its base name
// (weir-head-rating, with whatever suffix the platform gives a loadable module:
// .so, .dll) in:
//   1. the folders in WEIR_HEAD_MODULE_PATH, if set (the build tree's tests
//      and run script point it at the modules they built);
//   2. the folder the install layout puts them in, relative to the program's
//      own folder, so that an installed tree can be moved as a whole.
template <typename Interface> struct ModuleLoad {
    Interface *module = nullptr; // owned by Qt's plugin loader
    QString failure;             // why not, when there is none
};

ModuleLoad<RatingWindowFactory> loadRatingModule();
ModuleLoad<DesignWindowFactory> loadDesignModule();
ModuleLoad<HelpWindowFactory> loadHelpModule();
ModuleLoad<RecordsWindowFactory> loadRecordsModule();
ModuleLoad<SheetPrinter> loadSheetModule();

// Any module, by its base name: the root object of the first one found that
// has the interface `fits` asks for; nullptr, and why in *failure, if none.
QObject *loadModuleObject(const QString &baseName, bool (*fits)(QObject *), QString *failure);

template <typename Interface> ModuleLoad<Interface> loadModule(const QString &baseName)
{
    ModuleLoad<Interface> load;
    load.module = qobject_cast<Interface *>(loadModuleObject(
        baseName, [](QObject *object) { return qobject_cast<Interface *>(object) != nullptr; }, &load.failure));
    return load;
}

// The folders searched, in order.
QStringList moduleFolders();

} // namespace weir
