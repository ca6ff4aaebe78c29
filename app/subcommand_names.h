// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstring>

namespace weir {

// The subcommands by name, in the order the help lists them: known to the
// program, which hands them to the subcommands' module, and to the module,
// which runs them.
inline constexpr std::array<const char *, 4> kSubcommandNames{"head", "flow", "table", "design"};

inline bool isSubcommandName(const char *name)
{
    for (const char *known : kSubcommandNames)
        if (std::strcmp(name, known) == 0)
            return true;
    return false;
}

// head, flow, table, design (or with another separator).
inline QString subcommandList(const QString &separator)
{
    QStringList names;
    for (const char *name : kSubcommandNames)
        names << QLatin1String(name);
    return names.join(separator);
}

} // namespace weir
