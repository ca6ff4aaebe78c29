// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QLocale>
#include <QString>

// Reading a number typed into a box.
//
// The locale's own rules apply (decimal separator, digit grouping, exponent), and
// surrounding white space is ignored. Japanese input methods in full-width mode
// produce ０-９ ． ， ＋ － and often − (U+2212) or ー (U+30FC) for a minus; these
// read exactly as their ASCII twins. Infinities and NaNs are not numbers here.
struct BoxNumber {
    enum class Status { Ok, NotANumber, TooLarge };
    Status status = Status::NotANumber;
    double value = 0.0;
};

BoxNumber parseBoxNumber(const QString &text, const QLocale &locale);

// Full-width digits and signs folded to ASCII; everything else unchanged.
QString foldFullWidth(const QString &text);
