// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/command_line.h"
#include "app/qt_translations.h"
#include "calculator/weir_head_window.h"
#include "common/texts.h"
#include "records/model/windows_api.h"

#include <QApplication>
#include <QCommandLineParser>

#ifdef Q_OS_WIN
#include <cstdio>

// A windowed program starts with no console. Started from one (cmd.exe,
// PowerShell) for --help, --version or a subcommand, it answers there; with
// its output already going somewhere (a pipe, a file), it keeps it there.
// What it writes to a console goes in wide characters (app/console_text.h),
// whatever the console's code page; bytes to a pipe or a file are UTF-8.
static void answerOnTheConsole()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    // A record's bytes pass through as they are: no CRLF made of LF, no
    // Ctrl+Z taken for the end.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}
#else
static void answerOnTheConsole() {}
#endif

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("weir-head"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WEIR_HEAD_VERSION));
    const bool subcommand = weir::isSubcommand(argc, argv);
    if (subcommand || weir::asksForTextOnly(argc, argv) || (argc > 1 && argv[1][0] != '-'))
        answerOnTheConsole();
    if (const std::optional<int> refused = weir::refuseUnknownSubcommand(argc, argv))
        return *refused;
    if (subcommand) {
        // The calculation without the window: no display needed.
        QCoreApplication app(argc, argv);
        weir::installTranslations(app);
        return weir::runSubcommandModule(QCoreApplication::arguments(), stdin, stdout, stderr);
    }
    if (weir::asksForTextOnly(argc, argv))
        return weir::answerTextOnly(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(weir::Texts::appName());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.weirhead.overflowhead"));
    weir::installQtTranslations(app);
    // What Qt left of the command line once it took its own options: an
    // unknown option is refused as QCommandLineParser refuses it. Started with
    // nothing more, as from a desktop's menu, there is nothing to parse, and
    // neither the parser's code (a 64 kB window of Qt Core) nor the program's
    // own catalogue, whose texts are the command line's, is paged in.
    if (QCoreApplication::arguments().size() > 1) {
        weir::installProgramTranslations(app);
        QCommandLineParser parser;
        weir::describeOptions(parser);
        parser.process(app);
    }

    weir::WeirHeadWindow::prepareApplication();
    weir::WeirHeadWindow window;
    window.show();
    return app.exec();
}
