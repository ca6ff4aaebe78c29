// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

// Lines printed on the window. Each begins with two spaces, as the printed
// output always has.
namespace Message {
inline const QString noRoot = QStringLiteral(u"  解がありません。挟込範囲を変更して下さい。");
inline const QString notConverged = QStringLiteral(u"  収束しません。挟込範囲を変更して下さい。");
inline const QString notComputable = QStringLiteral(u"  計算できません。入力値を見直して下さい。");
inline QString notANumber(const QString &caption) { return QStringLiteral(u"  ") + caption + QStringLiteral(u"が数値ではありません。"); }
inline QString tooLarge(const QString &caption) { return QStringLiteral(u"  ") + caption + QStringLiteral(u"の値が大き過ぎます。"); }
inline QString notPositive(const QString &caption) { return QStringLiteral(u"  ") + caption + QStringLiteral(u"は0より大きい値にして下さい。"); }
} // namespace Message
