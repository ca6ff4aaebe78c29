// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace weir {

// The command line's own texts: help, messages about records and times. All
// of them go through CommandLineTexts::tr() (or QT_TRANSLATE_NOOP with the
// same context), so that lupdate files them under the context the program
// asks, "CommandLine". The captions of the boxes come from Texts.
class CommandLineTexts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A count for a text that takes its singular or plural by it (tr's %n, an
// int): a record's rows can outnumber an int, whose largest value is then
// plural enough.
inline int counted(long long count)
{
    return int(std::clamp<long long>(count, INT_MIN, INT_MAX));
}

} // namespace weir
