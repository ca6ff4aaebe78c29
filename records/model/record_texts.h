// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace weir {

// The record layer's texts: what it found in a file and what it could not
// read, each worded whole in one language (context "Records", in the
// command line's catalogue). They name lines and columns, never an option:
// what to tell the program is the caller's to add.
class RecordTexts
{
    Q_DECLARE_TR_FUNCTIONS(Records)
};

// A count for a text that takes its singular or plural by it (tr's %n, an
// int): a record's rows can outnumber an int, whose largest value is then
// plural enough.
inline int counted(long long count)
{
    return int(std::clamp<long long>(count, INT_MIN, INT_MAX));
}

} // namespace weir
