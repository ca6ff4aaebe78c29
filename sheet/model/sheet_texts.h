// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/bisection.h"

#include <QCoreApplication>
#include <QString>

namespace weir {

// The calculation sheet's texts and its trail's, which 編集 → 計算過程をコピー
// puts on the clipboard too (context "SheetTexts"). The texts written here
// are the ones more than one place shows; the sheet's prose, each sentence
// said once, is written where the sheet is put together
// (sheet/model/calculation_sheet.cpp), through SheetTexts::tr().
class SheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(SheetTexts)

public:
    static QString title();       // 計算書 — 四角堰の越流高さ: the sheet's, its PDF's and each page's foot
    static QString trailHeader(); // the trail's columns, tab-separated
    static QString trailStep(BisectionTrial::Step step);
    static QString dash(); // a value there is none of: a trial's NaN, a blank box's SI value
};

} // namespace weir
