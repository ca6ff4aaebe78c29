// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace weir {

// Reading numbers: typed into a box, in a record file, and the head read back
// from its rounding pattern. Writing them is common/number_text.h.
//
// A number typed into a box:
//
// The locale's own rules apply (decimal separator, digit grouping, exponent), and
// surrounding white space is ignored. Japanese input methods in full-width mode
// produce ０-９ ． ， ＋ － ｅ Ｅ and often − (U+2212) or ー (U+30FC) for a minus;
// these read exactly as their ASCII twins. The ideographic full stop 。 (and its
// half-width ｡), which an input method commits for the period key after nothing
// or a digit, reads as the locale's decimal point. Infinities and NaNs are not
// numbers here.
struct BoxNumber {
    enum class Status { Ok, NotANumber, TooLarge };
    Status status = Status::NotANumber;
    double value = 0.0;
};

BoxNumber parseBoxNumber(const QString &text, const QLocale &locale);

// A number that must be above zero (a width, a head, a step): its value, or
// nothing when the box holds anything else.
std::optional<double> positiveBoxNumber(const QString &text, const QLocale &locale);

// The same with what the calculator says when it is not: the message names
// the box's caption.
struct PositiveNumber {
    std::optional<double> value;
    QString message;
};
PositiveNumber readPositiveNumber(const QString &text, const QString &caption, const QLocale &locale);

// Full-width digits, signs and exponent letters folded to ASCII, the
// ideographic full stop to the locale's decimal point; everything else unchanged.
QString foldFullWidth(const QString &text, const QLocale &locale);

// Reads formatFixedPattern's text (common/number_text.h) back; false for the point alone.
bool readFixedPattern(const QString &text, double *value);

// A plain decimal as a record file or a box most often holds it: an optional
// minus, digits with at most one decimal point, nothing else (no sign, space,
// exponent, grouping or full-width digit). Read straight from its characters,
// correctly rounded, as QLocale reads it in a locale whose decimal point is
// '.'; none for anything else (or a value beyond a double), which the caller
// reads the locale's way. A command line reading a million values a second
// cannot afford a QLocale per value, and needs not: both round correctly.
std::optional<double> readPlainDecimal(QStringView text);

// Whether the locale writes numbers with ASCII digits, '.' and '-', as the C
// locale does (Japanese and English do): where plain decimals mean the same.
bool writesLikeC(const QLocale &locale);

} // namespace weir
