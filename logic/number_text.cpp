// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "logic/number_text.h"

#include <cmath>
#include <cstdio>
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    const std::string scientific(buffer);
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

bool readFixedPattern(const QString &text, double *value)
{
    bool ok = false;
    const double read = QLocale::c().toDouble(text, &ok);
    if (ok && value)
        *value = read;
    return ok;
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
    return withoutGrouping(locale).toString(value, 'g', kSignificantDigits);
}

QString fixedNumberText(double value, int decimals, const QLocale &locale)
{
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

} // namespace weir
