// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/csv_field.h"

namespace weir {

void appendCsvField(std::string &line, std::string_view text, char delimiter)
{
    const char special[] = {delimiter, '"', '\n', '\r'};
    if (text.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
        line += text;
        return;
    }
    line += '"';
    for (const char c : text) {
        line += c;
        if (c == '"')
            line += '"';
    }
    line += '"';
}

QString csvField(const QString &text, QChar delimiter)
{
    if (!text.contains(delimiter) && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

} // namespace weir
