// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/exit_status.h"
#include "app/output_sink.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QString>

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace weir {

// How answers are written. A record's answers come back in the record's own
// delimiter unless a format is asked for.
enum class OutputFormat { RecordsOwn, Csv, Tsv, Json };

// One option of a subcommand; the texts are marked for translation in the
// context "CommandLine" (QT_TRANSLATE_NOOP) and translated when shown.
struct SubcommandOption {
    const char *name;
    const char *valueName; // none for a switch
    const char *description;
};

struct SubcommandRun {
    const QCommandLineParser &options;
    OutputFormat format = OutputFormat::RecordsOwn;
    // Numbers are read and written the C way (a point, no grouping); the
    // decimal comma asked for with --decimal-comma is a mark taken off the
    // option values as they are read (number()) and put on the numbers
    // written (marked()), never a locale with rules of its own.
    QLocale locale;
    char decimalMark = '.';
    std::FILE *in;
    OutputSink &sink;
    std::FILE *err;

    QString value(const char *name) const { return options.value(QString::fromLatin1(name)); }
    // An option's number as the C locale reads it: with the decimal comma,
    // commas and points change places, so that 600,5 reads as 600.5 and a
    // point (1.000, a thousand as a German writes it) is refused, not taken
    // for a decimal point.
    QString number(const char *name) const;
    // A text written the C way, with the decimal comma on its numbers when asked.
    QString marked(const QString &text) const;
    QStringList values(const char *name) const { return options.values(QString::fromLatin1(name)); }
    bool isSet(const char *name) const { return options.isSet(QString::fromLatin1(name)); }
    void say(const QString &text) const;
    // A fault said on the error stream; its exit status.
    int refuse(const Fault &fault) const
    {
        say(fault.words);
        return exitStatus(fault.kind);
    }
};

// A subcommand declares its name, what it does and its own options; the
// options every subcommand has (--format, --output, --decimal-comma, --help)
// are added to them.
struct Subcommand {
    const char *name;
    const char *description;
    std::vector<SubcommandOption> options;
    int (*run)(const SubcommandRun &run);
};

// A subcommand's own options followed by a group it shares with others.
inline std::vector<SubcommandOption> withOptions(std::vector<SubcommandOption> own,
                                                 const std::vector<SubcommandOption> &shared)
{
    own.insert(own.end(), shared.begin(), shared.end());
    return own;
}

// One answer (not a record), written as the window shows it, a caption and
// its value a line; in JSON an object with the keys a record's added columns
// have. The lines are said on the error stream; with nothing shown only they.
// A head found past the formula's peak is shown with why it is no answer,
// and the status is that of an answer not found.
enum class Answered { Found, ShownNotFound, None };
struct AnswerValue {
    QString caption;
    const char *key;
    QString text;
    bool numeric = true;
    const char *jsonText = nullptr; // a key JSON gives instead of the words shown
};
int writeAnswer(const SubcommandRun &run, const std::vector<AnswerValue> &values, const QStringList &lines,
                Answered answered);

// What a subcommand cannot do without: an option missing, or given empty,
// is a usage fault that names it.
Outcome<void> requireOptions(const SubcommandRun &run, std::initializer_list<const char *> names);
Outcome<void> requireOneOf(const SubcommandRun &run, const char *one, const char *other);

// A fault in how the command was given: an option missing, or a value that
// does not read or cannot be.
inline Fault usageFault(const QString &words)
{
    return {Fault::Kind::Usage, words};
}
// A fault in an option's value, said with the option's name before it.
QString optionFault(const char *name, const QString &message);

const Subcommand &headSubcommand();
const Subcommand &flowSubcommand();
const Subcommand &tableSubcommand();
const Subcommand &designSubcommand();

} // namespace weir
