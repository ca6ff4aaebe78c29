// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {

// The two lines of the command line's help that Qt's Japanese catalogue lacks.
class JapaneseHelpTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (std::strcmp(context, "QCommandLineParser") != 0)
            return {};
        if (std::strcmp(sourceText, "Displays help on commandline options.") == 0)
            return QStringLiteral(u"コマンドラインオプションのヘルプを表示する。");
        if (std::strcmp(sourceText, "Displays help including Qt specific options.") == 0)
            return QStringLiteral(u"Qt 固有のオプションを含むヘルプを表示する。");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // English, or a language Qt has no texts for
    if (QLocale().language() == QLocale::Japanese)
        QCoreApplication::installTranslator(new JapaneseHelpTexts(&app));
}

