// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/model/rating_texts.h"

#include "common/texts.h"
#include "rating/model/rating_table.h"

namespace weir {

QString RatingTexts::caption(RatingBox box)
{
    switch (box) {
    case RatingBox::Width: return Texts::width();
    case RatingBox::From: return tr("越流高さ 始め(mm)");
    case RatingBox::To: return tr("越流高さ 終わり(mm)");
    case RatingBox::Step: return tr("刻み(mm)");
    case RatingBox::Head: return Texts::head();
    }
    return {};
}

QString RatingTexts::flowM3s()
{
    return tr("流量(m³/s)");
}

QString RatingTexts::remark()
{
    return tr("備考");
}

QString RatingTexts::channelWidth()
{
    return tr("水路の幅 B(mm)");
}

QString RatingTexts::crestHeight()
{
    return tr("堰頂の高さ D(mm)");
}

} // namespace weir
