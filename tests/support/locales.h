// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QLocale>

namespace weir::test {

// The locale the program was made for, pinned so that no test depends on the
// machine's: decimal point '.', grouping ','.
inline const QLocale kJapanese(QLocale::Japanese, QLocale::Japan);

} // namespace weir::test
