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

// What follows the no-root line: where the head lies, its value in mm as the
// head box would show it.
inline QString headBelowMinimum(const QString &mm) { return QStringLiteral(u"  越流高さは最小値より下の約%1mmです。").arg(mm); }
inline QString headAboveMaximum(const QString &mm) { return QStringLiteral(u"  越流高さは最大値より上の約%1mmです。").arg(mm); }
// The head lies inside the bracket, but the bracket reaches heads of 100 widths
// and more, where the formula's discharge turns negative.
inline QString headInsideBracket(const QString &mm) { return QStringLiteral(u"  越流高さ約%1mm: 最大値を下げて下さい。").arg(mm); }
// No head on the formula's range passes the flow: it is more than the weir's peak.
inline const QString headBeyondRange = QStringLiteral(u"  越流高さは最大値より上、公式の範囲外です。");

// In the note's blue, under a head that was shown.
inline const QString belowValidRange = QStringLiteral(u"  20mm未満は公式の適用範囲外です。");
} // namespace Message
