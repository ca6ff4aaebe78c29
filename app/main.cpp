// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "captions.h"
#include "command_line.h"
#include "qt_translations.h"
#include "weir_head_window.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("weir-head"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WEIR_HEAD_VERSION));
    if (asksForTextOnly(argc, argv))
        answerTextOnly(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(Caption::window.trimmed());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.weirhead.overflowhead"));
    installQtTranslations(app);
    QCommandLineParser parser; // what is left once Qt has taken its own options
    describeOptions(parser);
    parser.process(app);

    QApplication::setFont(WeirHeadWindow::designFont());
    WeirHeadWindow window;
    window.show();
    return app.exec();
}
