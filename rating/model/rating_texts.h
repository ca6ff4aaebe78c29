// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QCoreApplication>
#include <QString>

namespace weir {

enum class RatingBox;

// The rating table's, its window's and its report's texts (context
// "RatingTexts"). Its boxes share the calculator's captions where they mean
// the same (the width, the head: common/texts.h); the texts written here are
// the ones more than one place shows, the rest are written where they are
// shown, through RatingTexts::tr().
class RatingTexts
{
    Q_DECLARE_TR_FUNCTIONS(RatingTexts)

public:
    // A box's caption, as the messages name it: 越流高さ 始め(mm).
    static QString caption(RatingBox box);
    // The table's two columns the calculator has no box for.
    static QString flowM3s(); // 流量(m³/s)
    static QString remark();  // 備考
    // The channel a standard's formula takes: 水路の幅 B(mm), 堰頂の高さ D(mm).
    static QString channelWidth();
    static QString crestHeight();
};

} // namespace weir
