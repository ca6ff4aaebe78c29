// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/subcommand_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace weir {

QTranslator *installSubcommandTexts(QCoreApplication &app)
{
    if (QLocale().language() == QLocale::Japanese)
        return nullptr;
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/i18n/weir-head-texts_en.qm"))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace weir
