// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/box_number.h"

#include "common/texts.h"

#include <array>
#include <charconv>
#include <cmath>

namespace weir {

QString foldFullWidth(const QString &text, const QLocale &locale)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            folded += QChar(u'0' + (u - u'０'));
        else if (u == u'．')
            folded += u'.';
        else if (u == u'，')
            folded += u',';
        else if (u == u'＋')
            folded += u'+';
        else if (u == u'－' || u == u'\u2212' || u == u'ー')
            folded += u'-';
        else if (u == u'ｅ' || u == u'Ｅ')
            folded += QChar(u - u'ａ' + u'a'); // same offset for both cases
        else if (u == u'。' || u == u'｡')
            // An input method turns the period key into the ideographic full
            // stop after nothing or a digit: it stands where the decimal point
            // does, and the locale's own rules then accept it there only.
            folded += locale.decimalPoint();
        else
            folded += c;
    }
    return folded;
}

namespace {

// QLocale reports a number too small for a double (1e-400) as a failure with the
// value 0, like text that is no number at all. It is a number, and its nearest
// double is zero: tell the two apart by reading mantissa and exponent apart.
bool underflowsToZero(const QString &text, const QLocale &locale)
{
    const QString e = locale.exponential();
    const qsizetype at = text.lastIndexOf(e, -1, Qt::CaseInsensitive);
    if (at <= 0)
        return false;
    bool mantissaOk = false;
    bool exponentOk = false;
    locale.toDouble(text.left(at), &mantissaOk);
    const QString exponent = text.mid(at + e.size());
    const qlonglong value = QLocale::c().toLongLong(exponent, &exponentOk);
    return mantissaOk && exponentOk && value < 0;
}

} // namespace

BoxNumber parseBoxNumber(const QString &text, const QLocale &locale)
{
    // Plain digits and a point are read directly, where the locale's decimal
    // point is '.'; everything else (full width, grouping, exponents, other
    // separators) the locale's way below.
    if (const std::optional<double> plain = readPlainDecimal(text); plain && writesLikeC(locale))
        return {BoxNumber::Status::Ok, *plain};
    const QString folded = foldFullWidth(text, locale).trimmed();
    bool ok = false;
    const double value = locale.toDouble(folded, &ok);
    if (ok)
        return std::isfinite(value) ? BoxNumber{BoxNumber::Status::Ok, value}
                                    : BoxNumber{BoxNumber::Status::NotANumber, 0.0};
    if (std::isinf(value))
        return {BoxNumber::Status::TooLarge, 0.0};
    if (underflowsToZero(folded, locale))
        return {BoxNumber::Status::Ok, 0.0};
    return {BoxNumber::Status::NotANumber, 0.0};
}

std::optional<double> positiveBoxNumber(const QString &text, const QLocale &locale)
{
    const BoxNumber number = parseBoxNumber(text, locale);
    if (number.status == BoxNumber::Status::Ok && number.value > 0)
        return number.value;
    return std::nullopt;
}

PositiveNumber readPositiveNumber(const QString &text, const QString &caption, const QLocale &locale)
{
    const BoxNumber number = parseBoxNumber(text, locale);
    switch (number.status) {
    case BoxNumber::Status::NotANumber: return {std::nullopt, Texts::notANumber(caption)};
    case BoxNumber::Status::TooLarge: return {std::nullopt, Texts::tooLarge(caption)};
    case BoxNumber::Status::Ok: break;
    }
    if (!(number.value > 0))
        return {std::nullopt, Texts::notPositive(caption)};
    return {number.value, {}};
}

std::optional<double> readPlainDecimal(QStringView text)
{
    constexpr qsizetype kLongest = 64; // longer texts are rare; the locale reads them
    if (text.isEmpty() || text.size() > kLongest)
        return std::nullopt;
    std::array<char, kLongest> ascii{};
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.')
            ++points;
        else if (!(c == u'-' && i == 0))
            return std::nullopt;
        ascii[std::size_t(i)] = char(c);
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    double value = 0.0;
    const char *end = ascii.data() + text.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool readFixedPattern(const QString &text, double *value)
{
    std::optional<double> read = readPlainDecimal(text);
    bool ok = read.has_value();
    if (!read)
        read = QLocale::c().toDouble(text, &ok);
    if (ok && value)
        *value = *read;
    return ok;
}

bool writesLikeC(const QLocale &locale)
{
    // Asked for every number written, and a QLocale's separators cost a
    // string each: remembered for the last locale asked about.
    thread_local QLocale last = QLocale::c();
    thread_local bool lastAnswer = true;
    if (!(locale == last)) {
        last = locale;
        lastAnswer = locale.decimalPoint() == QLatin1String(".") && locale.negativeSign() == QLatin1String("-")
            && locale.zeroDigit() == QLatin1String("0");
    }
    return lastAnswer;
}

} // namespace weir
