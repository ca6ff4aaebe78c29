// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/subcommand.h"

#include "app/command_line_texts.h"
#include "app/console_text.h"
#include "app/json_text.h"
#include "common/number_text.h"

#include <algorithm>

namespace weir {

void SubcommandRun::say(const QString &text) const
{
    writeLine(err, text);
}

QString SubcommandRun::number(const char *name) const
{
    QString text = value(name);
    if (decimalMark != ',')
        return text;
    for (QChar &c : text) {
        switch (c.unicode()) {
        case u',': c = u'.'; break;
        case u'.': c = u','; break;
        case u'，': c = u'．'; break; // the full-width twins an input method types
        case u'．': c = u'，'; break;
        default: break;
        }
    }
    return text;
}

QString SubcommandRun::marked(const QString &text) const
{
    return decimalMark == ',' ? withDecimalComma(text) : text;
}

Outcome<void> requireOptions(const SubcommandRun &run, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (run.value(name).isEmpty())
            return usageFault(CommandLineTexts::tr("--%1 を指定して下さい。").arg(QLatin1String(name)));
    return {};
}

Outcome<void> requireOneOf(const SubcommandRun &run, const char *one, const char *other)
{
    if (!run.value(one).isEmpty() || !run.value(other).isEmpty())
        return {};
    return usageFault(
        CommandLineTexts::tr("--%1 か --%2 を指定して下さい。").arg(QLatin1String(one), QLatin1String(other)));
}

QString optionFault(const char *name, const QString &message)
{
    return QStringLiteral("--%1: %2").arg(QLatin1String(name), message);
}

int writeAnswer(const SubcommandRun &run, const std::vector<AnswerValue> &values, const QStringList &lines,
                Answered answered)
{
    const bool shown = answered != Answered::None;
    const int status = answered == Answered::Found ? kAllFound : kSomeNotFound;
    for (const QString &line : lines)
        run.say(run.marked(line));
    if (run.format == OutputFormat::Json) {
        std::vector<std::pair<std::string, JsonValue>> members;
        for (const AnswerValue &value : values) {
            const std::string text = value.text.toStdString(); // JSON's numbers have the point
            if (value.numeric) {
                members.emplace_back(value.key, JsonValue::number(shown ? text : std::string()));
            } else {
                members.emplace_back(value.key,
                                     JsonValue::stringOrNull(value.jsonText ? std::string(value.jsonText) : text));
            }
        }
        run.sink.write(jsonObject(members) + "\n");
        return status;
    }
    if (!shown)
        return status;
    std::string text;
    for (const AnswerValue &value : values) {
        if (!value.caption.isEmpty())
            text += (value.caption + u'\t' + run.marked(value.text) + u'\n').toStdString();
    }
    run.sink.write(text);
    return status;
}

} // namespace weir
