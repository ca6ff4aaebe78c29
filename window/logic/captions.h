// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

// Texts the window shows. The box captions double as the names by which the
// messages refer to a box, so they live in one place.
namespace Caption {
inline const QString window = QStringLiteral(u"\u3000四角堰の越流高さ");
inline const QString width = QStringLiteral(u"堰の幅(mm)");
inline const QString flow = QStringLiteral(u"流量(L/min)");
inline const QString minimum = QStringLiteral(u"解の挟込最小値(mm)");
inline const QString maximum = QStringLiteral(u"最大値(mm)");
inline const QString head = QStringLiteral(u"越流高さ(mm)");
inline const QString trials = QStringLiteral(u"Trial回数");
inline const QString validRange = QStringLiteral(u"適用範囲        越流高さ≧20mm         ");
inline const QString calculate = QStringLiteral(u"計算");
inline const QString clear = QStringLiteral(u"クリヤ");
} // namespace Caption
