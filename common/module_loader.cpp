// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace weir {

Outcome<QObject *> loadModuleObject(const QString &baseName, bool (*fits)(QObject *))
{
    // The first folder's complaint is the one said: the others are fallbacks.
    QString firstComplaint;
    for (const QString &folder : moduleFolders()) {
        QPluginLoader loader(QDir(folder).filePath(baseName));
        QObject *object = loader.instance();
        if (object && fits(object))
            return object;
        if (firstComplaint.isEmpty())
            firstComplaint = loader.errorString();
    }
    return Fault{Fault::Kind::Module, firstComplaint};
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
} // namespace weir
