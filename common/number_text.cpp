// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/number_text.h"

#include "common/box_number.h"
#include "hydraulics/units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace weir {

namespace {
constexpr int kSignificantDigits = 15;
constexpr int kDecimals = 5;
} // namespace

QString formatFixedPattern(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral(".");

    // 15 significant digits, as a double is written in general form, so that
    // 0.043825 (stored as 0.04382499999...) is rounded as the engineer reads it.
    // (to_chars rounds as printf's %.14e does, without its locale look-ups.)
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                       kSignificantDigits - 1);
    const std::string scientific(buffer, written.ptr);
    const std::size_t ePos = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, ePos - 2);
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);

    // Place the digits around the point: the integer part holds exponent + 1 of
    // them (padded with zeros), the fraction the rest (after zeros when the
    // value is below 0.1).
    const int pointAt = exponent + 1;
    std::string integer;
    std::string fraction;
    if (pointAt <= 0) {
        fraction = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (pointAt >= static_cast<int>(digits.size())) {
        integer = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        integer = digits.substr(0, static_cast<std::size_t>(pointAt));
        fraction = digits.substr(static_cast<std::size_t>(pointAt));
    }

    // Round half away from zero at the fifth decimal (the magnitude is rounded
    // up; the sign is put back afterwards).
    const bool roundUp = fraction.size() > kDecimals && fraction[kDecimals] >= '5';
    fraction.resize(std::min<std::size_t>(fraction.size(), kDecimals));
    if (roundUp) {
        std::string all = integer + fraction;
        int i = static_cast<int>(all.size()) - 1;
        for (; i >= 0 && all[static_cast<std::size_t>(i)] == '9'; --i)
            all[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++all[static_cast<std::size_t>(i)];
        else
            all.insert(all.begin(), '1');
        const std::size_t integerSize = all.size() - fraction.size();
        integer = all.substr(0, integerSize);
        fraction = all.substr(integerSize);
    }

    while (!integer.empty() && integer.front() == '0')
        integer.erase(integer.begin());
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    const bool isZero = integer.empty() && fraction.empty();
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integer;
    if (!fraction.empty() || integer.empty())
        text += "." + fraction;
    return QString::fromLatin1(text);
}

namespace {

QLocale withoutGrouping(const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain;
}

} // namespace

QString generalNumberText(double value, const QLocale &locale)
{
    // Between 1e-4 and 1e15 both QLocale and to_chars write the number
    // without an exponent, correctly rounded to 15 digits, and differ only at
    // an exact tie (QLocale rounds it away from zero, to_chars to even). A
    // tie is a value whose 16-digit form ends in 5 and reads back exactly:
    // those go the locale's way.
    if (value >= 1e-4 && value < 1e15 && writesLikeC(locale)) {
        char digits16[64];
        const auto sixteen = std::to_chars(digits16, digits16 + sizeof digits16, value, std::chars_format::scientific,
                                           kSignificantDigits);
        const char *exponent = std::find(digits16, sixteen.ptr, 'e');
        double back = 0.0;
        std::from_chars(digits16, sixteen.ptr, back);
        if (!(exponent[-1] == '5' && back == value)) {
            char buffer[64];
            const auto written
                = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kSignificantDigits);
            return QString::fromLatin1(buffer, written.ptr - buffer);
        }
    }
    return withoutGrouping(locale).toString(value, 'g', kSignificantDigits);
}

QString fixedNumberText(double value, int decimals, const QLocale &locale)
{
    // The common case written straight by to_chars, which rounds the exact
    // binary value correctly as QLocale does, except at an exact tie
    // (0.125 to two decimals), where it rounds to even and QLocale away from
    // zero. A tie needs value * 2^(decimals + 1) to be a whole number; such
    // values, negatives, zeros and very large values go the locale's way.
    constexpr double kLargest = 1e15;
    if (value > 0 && value < kLargest && decimals >= 0 && decimals <= 17) {
        const double scaled = std::ldexp(value, decimals + 1);
        if (scaled != std::floor(scaled) && writesLikeC(locale)) {
            char buffer[64];
            const auto written
                = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
            return QString::fromLatin1(buffer, written.ptr - buffer);
        }
    }
    return withoutGrouping(locale).toString(value, 'f', decimals);
}

QString exactNumberText(double value, const QLocale &locale)
{
    return withoutGrouping(locale).toString(value, 'g', QLocale::FloatingPointShortest);
}

QString significantNumberText(double value, int digits, const QLocale &locale)
{
    return withoutGrouping(locale).toString(value, 'g', digits);
}

QString scientificNumberText(double value, int decimals, const QLocale &locale)
{
    return withoutGrouping(locale).toString(value, 'e', decimals);
}

QString withDecimalComma(const QString &text)
{
    QString marked = text;
    for (qsizetype i = 1; i + 1 < marked.size(); ++i) {
        if (marked[i] == u'.' && marked[i - 1].isDigit() && marked[i + 1].isDigit())
            marked[i] = u',';
    }
    return marked;
}

QString peakHeadText(double peakMetres, const QLocale &locale)
{
    return generalNumberText(std::round(units::millimetresFromMetres(peakMetres) * 10) / 10, locale);
}

} // namespace weir
