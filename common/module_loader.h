// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace weir {

// The program's modules (the rating window, the design window, the records
// window, the calculation sheet's pages, the subcommands),
// each loaded the first time it is needed and found by its base name
// (weir-head-rating, with whatever suffix the platform gives a loadable module:
// .so, .dll) in:
//   1. the folders in WEIR_HEAD_MODULE_PATH, if set (the build tree's tests
//      and run script point it at the modules they built);
//   2. the folder the install layout puts them in, relative to the program's
//      own folder, so that an installed tree can be moved as a whole.
// Any module, by its base name: the root object of the first one found that
// has the interface `fits` asks for (owned by Qt's plugin loader), or why
// there is none.
Outcome<QObject *> loadModuleObject(const QString &baseName, bool (*fits)(QObject *));

template <typename Interface> Outcome<Interface *> loadModule(const QString &baseName)
{
    const Outcome<QObject *> object = loadModuleObject(
        baseName, [](QObject *candidate) { return qobject_cast<Interface *>(candidate) != nullptr; });
    if (!object)
        return object.fault();
    return qobject_cast<Interface *>(*object);
}

// The folders searched, in order.
QStringList moduleFolders();

} // namespace weir
