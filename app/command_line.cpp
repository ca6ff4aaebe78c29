// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/command_line.h"

#include "app/console_text.h"
#include "app/exit_status.h"
#include "app/qt_translations.h"
#include "app/subcommand_names.h"
#include "app/subcommand_runner_interface.h"
#include "common/module_loader.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace weir {

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "四角堰の越流高さ: 流量、堰の幅と越流高さの挟込範囲から、二分法で越流高さを求めます。"));
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "サブコマンド"),
        QCoreApplication::translate(
            "CommandLine",
            "窓を開かずに計算します: 越流高さ、流量、水位流量表、堰の設計 (weir-head head --help など)。"),
        u'[' + subcommandList(QStringLiteral("|")) + u']');
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

int answerTextOnly(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's window options (-platform, -style, ...) are unknown to a parser
    // without a window; they do not stand in the way of help or version.
    parser.parse(QCoreApplication::arguments());
    // Written to the output stream ourselves: QCommandLineParser shows a
    // message box instead when a windowed program runs on Windows, which no
    // script reading the answer could click away.
    const QString text = parser.isSet(QStringLiteral("version"))
        ? QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n'
        : parser.helpText();
    writeText(stdout, text);
    std::fflush(stdout);
    return kAllFound;
}

bool isSubcommand(int argc, char *argv[])
{
    return argc > 1 && isSubcommandName(argv[1]);
}

std::optional<int> refuseUnknownSubcommand(int argc, char *argv[])
{
    if (argc < 2 || argv[1][0] == '-' || isSubcommandName(argv[1]))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    installTranslations(app);
    writeLine(stderr,
              QCoreApplication::translate("CommandLine", "サブコマンド %1 はありません (%2)。")
                  .arg(QString::fromLocal8Bit(argv[1]), subcommandList(QStringLiteral(", "))));
    return kFault;
}

int runSubcommandModule(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    const Outcome<SubcommandRunner *> load = loadModule<SubcommandRunner>(QStringLiteral("weir-head-cli"));
    if (!load) {
        const QString message
            = QCoreApplication::translate("CommandLine", "weir-head: 計算の部品 (weir-head-cli) を読み込めません: %1")
                  .arg(load.words());
        writeLine(err, message);
        return kFault;
    }
    return (*load)->run(arguments, in, out, err);
}

} // namespace weir
