// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The formulas' names and ranges, apart from the calculator's texts: only
// the windows and commands that offer a standard's formula link them.
#include "common/texts.h"

#include <QStringList>

namespace weir {

QString Texts::formulaName(std::optional<StandardWeir> weir)
{
    if (!weir)
        return tr("本プログラムの公式");
    switch (*weir) {
    case StandardWeir::JisRectangular: return tr("JIS B 8302 四角せき（板谷・手島の式）");
    case StandardWeir::JisFullWidth: return tr("JIS B 8302 全幅せき");
    case StandardWeir::JisFrancis: return tr("JIS K 0094 フランシスの式（両端収縮）");
    case StandardWeir::IsoFullWidth: return tr("ISO 1438 全幅の薄刃せき");
    }
    return {};
}

QString Texts::formulaRange(std::optional<StandardWeir> weir)
{
    // The ranges as the standards print them: B channel width, b crest
    // width, D crest height above the bed, h head, all in m.
    if (!weir)
        return tr("越流高さ 20 mm 以上");
    switch (*weir) {
    case StandardWeir::JisRectangular:
        return QStringLiteral("B 0.5–6.3 m, b 0.15–5 m, D 0.15–3.5 m, bD/B² ≥ 0.06, 0.03 m ≤ h ≤ 0.45√b");
    case StandardWeir::JisFullWidth:
        return QStringLiteral("B ≥ 0.5 m, D 0.3–2.5 m, 0.03 m ≤ h ≤ D, h ≤ 0.8 m, h ≤ B/4");
    case StandardWeir::JisFrancis: return QStringLiteral("h < 3b");
    case StandardWeir::IsoFullWidth: return QStringLiteral("b ≥ 0.15 m, D ≥ 0.1 m, h ≥ 0.03 m, h/D ≤ 2.5");
    }
    return {};
}

QString Texts::formulaStatement(std::optional<StandardWeir> weir)
{
    return tr("公式: %1（適用範囲: %2）").arg(formulaName(weir), formulaRange(weir));
}

QString Texts::outsideFormulaRange(const std::vector<RangeLimit> &limits)
{
    QStringList broken;
    for (const RangeLimit limit : limits)
        broken << QString::fromUtf8(rangeLimitText(limit));
    return tr("公式の適用範囲外（%1）").arg(broken.join(QStringLiteral(", ")));
}

QString Texts::ownFormulaFlow()
{
    return tr("本プログラムの公式の流量(L/min)");
}

QString Texts::formulaDifference()
{
    return tr("差(%)");
}

} // namespace weir
