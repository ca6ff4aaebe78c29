// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QStringList>
#include <QtPlugin>

#include <cstdio>

namespace weir {

// The subcommands (head, flow, table, design) are a module of their own, loaded only
// when one is asked for: the window's start-up never pages in their code (the
// record reader, the JSON writer, the rating table's export). This is all the
// program knows of them; they are app/subcommands.h's runSubcommand.
class SubcommandRunner
{
public:
    virtual ~SubcommandRunner() = default;
    virtual int run(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err) = 0;
};

} // namespace weir

#define SubcommandRunner_iid "org.weirhead.overflowhead.SubcommandRunner/1"
Q_DECLARE_INTERFACE(weir::SubcommandRunner, SubcommandRunner_iid)
