// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "sheet/model/sheet_texts.h"

#include "common/texts.h"

namespace weir {

QString SheetTexts::title()
{
    return tr("%1 — %2").arg(Texts::sheetName(), Texts::appName());
}

QString SheetTexts::trailHeader()
{
    return tr("試行\tXL (m)\tXU (m)\tXM (m)\tF(XL) (m³/s)\tF(XU) (m³/s)\tF(XM) (m³/s)\t判定");
}

QString SheetTexts::trailStep(BisectionTrial::Step step)
{
    switch (step) {
    case BisectionTrial::Step::RaiseLower: return QStringLiteral(u"XL ← XM");
    case BisectionTrial::Step::LowerUpper: return QStringLiteral(u"XU ← XM");
    case BisectionTrial::Step::Converged: return tr("収束");
    case BisectionTrial::Step::NoRoot: return tr("符号変化なし");
    case BisectionTrial::Step::Stuck: return tr("区間が縮まない");
    case BisectionTrial::Step::Fault: return tr("計算不能");
    }
    return {};
}

QString SheetTexts::dash()
{
    return QStringLiteral(u"—");
}

} // namespace weir
