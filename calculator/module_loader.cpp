// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/module_loader.h"

#include "design/design_window_interface.h"
#include "help/help_window_interface.h"
#include "rating/rating_window_interface.h"
#include "records/window/records_window_interface.h"
#include "sheet/sheet_printer_interface.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace weir {

QObject *loadModuleObject(const QString &baseName, bool (*fits)(QObject *), QString *failure)
{
    failure->clear();
    for (const QString &folder : moduleFolders()) {
        QPluginLoader loader(QDir(folder).filePath(baseName));
        QObject *object = loader.instance();
        if (object && fits(object)) {
            failure->clear();
            return object;
        }
        if (failure->isEmpty())
            *failure = loader.errorString();
    }
    return nullptr;
}

QStringList moduleFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("WEIR_HEAD_MODULE_PATH");
    // Relative folders are taken from the current one, as a shell user means
    // them (QPluginLoader would look for a relative name in Qt's library paths).
    for (const QString &folder : fromEnvironment.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << QDir::cleanPath(QDir(folder).absolutePath());
    // WEIR_HEAD_MODULE_DIR_FROM_BIN comes from the install layout: the module
    // folder relative to the program's, e.g. ../lib/x86_64-linux-gnu/weir-head/modules.
    folders << QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(WEIR_HEAD_MODULE_DIR_FROM_BIN)));
    return folders;
}

ModuleLoad<RatingWindowFactory> loadRatingModule()
{
    return loadModule<RatingWindowFactory>(QStringLiteral("weir-head-rating"));
}

ModuleLoad<DesignWindowFactory> loadDesignModule()
{
    return loadModule<DesignWindowFactory>(QStringLiteral("weir-head-design"));
}

ModuleLoad<RecordsWindowFactory> loadRecordsModule()
{
    return loadModule<RecordsWindowFactory>(QStringLiteral("weir-head-records"));
}

ModuleLoad<HelpWindowFactory> loadHelpModule()
{
    return loadModule<HelpWindowFactory>(QStringLiteral("weir-head-help"));
}

ModuleLoad<SheetPrinter> loadSheetModule()
{
    return loadModule<SheetPrinter>(QStringLiteral("weir-head-sheet"));
}

} // namespace weir
