// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "command_line.h"
#include "qt_translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>
#include <cstring>

void describeOptions(QCommandLineParser &parser)
{
    const bool japanese = QLocale().language() == QLocale::Japanese;
    parser.setApplicationDescription(
        japanese ? QStringLiteral(u"四角堰の越流高さ: 流量、堰の幅と越流高さの挟込範囲から、"
                                  u"二分法で越流高さを求めます。")
                 : QStringLiteral("Finds the overflow head over a rectangular sharp-crested weir from the flow,\n"
                                  "the weir's width and a bracket of heads, by bisection."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool asksForTextOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-help", "--help-all", "-?", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

void answerTextOnly(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installQtTranslations(app);
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's window options (-platform, -style, ...) are unknown to a parser
    // without a window; they do not stand in the way of help or version.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(EXIT_SUCCESS);
}
