// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace weir {

namespace {

QTranslator *installCatalogue(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator; // a language with no texts of that catalogue
    return nullptr;
}

} // namespace

void installQtTranslations(QCoreApplication &app)
{
    installCatalogue(app, QLocale(), QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QTranslator *installProgramTranslations(QCoreApplication &app)
{
    const QLocale locale;
    const QLocale ours = locale.language() == QLocale::Japanese ? locale : QLocale(QLocale::English);
    return installCatalogue(app, ours, QStringLiteral("weir-head"), QStringLiteral(":/i18n"));
}

void installTranslations(QCoreApplication &app)
{
    installQtTranslations(app);
    installProgramTranslations(app);
}

} // namespace weir
