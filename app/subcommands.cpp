// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/subcommands.h"

#include "app/command_line_texts.h"
#include "app/console_text.h"
#include "app/subcommand.h"
#include "app/subcommand_names.h"
#include "common/texts.h"

#include <QCommandLineParser>
#include <QLocale>

#include <algorithm>

namespace weir {

namespace {

// The options every subcommand has, after its own.
const std::vector<SubcommandOption> &commonOptions()
{
    static const std::vector<SubcommandOption> options{
        {"u-head", "mm",
         QT_TRANSLATE_NOOP("CommandLine",
                           "越流高さの標準不確かさ（読みとゼロ点を合わせて）: 流量の拡張不確かさを加えます")},
        {"u-width", "mm", QT_TRANSLATE_NOOP("CommandLine", "堰の幅の標準不確かさ")},
        {"u-coefficient", "%", QT_TRANSLATE_NOOP("CommandLine", "流量係数の相対標準不確かさ（三つとも指定します）")},
        {"format", "csv|tsv|json", QT_TRANSLATE_NOOP("CommandLine", "出力の形式（記録では既定で記録と同じ区切り）")},
        {"output", QT_TRANSLATE_NOOP("CommandLine", "ファイル"),
         QT_TRANSLATE_NOOP("CommandLine", "出力先のファイル（全部書けたときだけ置き換えます）")},
        {"decimal-comma", nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "読み書きする数値の小数点をコンマにします（既定: 記録はその小数点で読み書きし、ほかは点）")},
        {"help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "この説明を表示します")}};
    return options;
}

QString translated(const char *text)
{
    return CommandLineTexts::tr(text);
}

// Columns a text takes on a terminal: East Asian wide characters two.
qsizetype columnsOf(const QString &text)
{
    qsizetype columns = 0;
    for (const QChar c : text)
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    return columns;
}

// The help, in the user's language throughout: written here rather than by
// QCommandLineParser, whose own lines come from Qt's catalogue.
QString helpText(const Subcommand &command)
{
    QString text = CommandLineTexts::tr("使い方: weir-head %1 [オプション]").arg(QLatin1String(command.name)) + u'\n'
        + translated(command.description) + QStringLiteral("\n\n") + CommandLineTexts::tr("オプション:") + u'\n';
    QList<std::pair<QString, QString>> rows;
    for (const auto *options : {&command.options, &commonOptions()}) {
        for (const SubcommandOption &option : *options) {
            QString name = QStringLiteral("--") + QLatin1String(option.name);
            if (option.valueName)
                name += QStringLiteral(" <") + translated(option.valueName) + u'>';
            if (QLatin1String(option.name) == QLatin1String("help"))
                name = QStringLiteral("-h, ") + name;
            rows.append({name, translated(option.description)});
        }
    }
    qsizetype widest = 0;
    for (const auto &row : rows)
        widest = std::max(widest, columnsOf(row.first));
    for (const auto &[name, description] : rows)
        text += QStringLiteral("  ") + name + QString(widest + 2 - columnsOf(name), u' ') + description + u'\n';
    return text;
}

// Numbers in files are written and read the C way, never with digit
// grouping, which a delimiter could be taken for (a decimal comma is a mark
// put on at the edge: SubcommandRun).
QLocale fileLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

int runSubcommand(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    const QString name = arguments.value(1);
    const Subcommand *command = nullptr;
    for (const Subcommand *candidate :
         {&headSubcommand(), &flowSubcommand(), &tableSubcommand(), &designSubcommand()}) {
        if (name == QLatin1String(candidate->name))
            command = candidate;
    }
    if (!command) {
        writeLine(err,
                  CommandLineTexts::tr("サブコマンド %1 はありません (%2)。")
                      .arg(name, subcommandList(QStringLiteral(", "))));
        return kFault;
    }
    QCommandLineParser parser;
    for (const auto *options : {&command->options, &commonOptions()}) {
        for (const SubcommandOption &option : *options) {
            const QString optionName = QString::fromLatin1(option.name);
            if (optionName == u"help")
                parser.addOption({{QStringLiteral("h"), optionName}, translated(option.description)});
            else if (option.valueName)
                parser.addOption({optionName, translated(option.description), translated(option.valueName)});
            else
                parser.addOption({optionName, translated(option.description)});
        }
    }
    QStringList withoutCommand = arguments;
    withoutCommand.removeAt(1);
    if (!parser.parse(withoutCommand)) {
        writeLine(err, parser.errorText());
        return kFault;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        writeText(out, helpText(*command));
        return kAllFound;
    }
    if (!parser.positionalArguments().isEmpty()) {
        writeLine(err, CommandLineTexts::tr("余分な引数があります: %1").arg(parser.positionalArguments().join(u' ')));
        return kFault;
    }
    OutputFormat format = OutputFormat::RecordsOwn;
    const QString formatName = parser.value(QStringLiteral("format"));
    if (formatName == QLatin1String("csv"))
        format = OutputFormat::Csv;
    else if (formatName == QLatin1String("tsv"))
        format = OutputFormat::Tsv;
    else if (formatName == QLatin1String("json"))
        format = OutputFormat::Json;
    else if (!formatName.isEmpty()) {
        writeLine(err, CommandLineTexts::tr("形式 %1 は使えません (csv, tsv, json)。").arg(formatName));
        return kFault;
    }

    const QString outputPath = parser.value(QStringLiteral("output"));
    OutputSink sink(out, outputPath);
    if (const Outcome<void> opened = sink.opened(); !opened) {
        writeLine(err, opened.words());
        return exitStatus(opened.fault().kind);
    }
    const char decimalMark = parser.isSet(QStringLiteral("decimal-comma")) ? ',' : '.';
    const SubcommandRun run{parser, format, fileLocale(), decimalMark, in, sink, err};
    const int status = command->run(run);
    if (status == kFault) {
        sink.abandon();
        return status;
    }
    if (const Outcome<void> finished = sink.finish(); !finished) {
        writeLine(err, finished.words());
        return exitStatus(finished.fault().kind);
    }
    return status;
}

} // namespace weir
