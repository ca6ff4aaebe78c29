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
