// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/command_line.h"
#include "app/qt_translations.h"
#include "app/subcommands.h"
#include "calculator/weir_head_window.h"
#include "logic/texts.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("weir-head"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WEIR_HEAD_VERSION));
    if (weir::isSubcommand(argc, argv)) {
        // The calculation without the window: no display needed.
        QCoreApplication app(argc, argv);
        weir::installTranslations(app);
        return weir::runSubcommand(QCoreApplication::arguments(), stdin, stdout, stderr);
    }
    if (weir::asksForTextOnly(argc, argv))
        weir::answerTextOnly(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(weir::Texts::appName());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.weirhead.overflowhead"));
    weir::installTranslations(app);
    QCommandLineParser parser; // what is left once Qt has taken its own options
    weir::describeOptions(parser);
    parser.process(app);

    weir::WeirHeadWindow::prepareApplication();
    weir::WeirHeadWindow window;
    window.show();
    return app.exec();
}
