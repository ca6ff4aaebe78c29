// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/reading_scale.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace weir {

std::optional<units::HeadUnit> headUnitNamed(const QString &name)
{
    using units::HeadUnit;
    for (const auto &[text, unit] :
         {std::pair{"mm", HeadUnit::Millimetre}, std::pair{"cm", HeadUnit::Centimetre}, std::pair{"m", HeadUnit::Metre},
          std::pair{"in", HeadUnit::Inch}, std::pair{"ft", HeadUnit::Foot}}) {
        if (name == QLatin1String(text))
            return unit;
    }
    return std::nullopt;
}

QString headUnitName(units::HeadUnit unit)
{
    for (const char *name : {"mm", "cm", "m", "in", "ft"})
        if (headUnitNamed(QLatin1String(name)) == unit)
            return QLatin1String(name);
    return {};
}

namespace {

// A unit's word as loggers spell it, in any case.
std::optional<units::HeadUnit> unitWord(QString word)
{
    using units::HeadUnit;
    word = word.trimmed().toLower();
    // A column of water is its length.
    for (const char *water : {"h2o", "wc", "ws", "wassersäule", "of water"}) {
        const QString suffix = QString::fromUtf8(water);
        if (word.size() > suffix.size() && word.endsWith(suffix))
            word = word.left(word.size() - suffix.size()).trimmed();
    }
    static const std::pair<const char *, HeadUnit> words[] = {
        {"mm", HeadUnit::Millimetre},
        {"millimeters", HeadUnit::Millimetre},
        {"millimetres", HeadUnit::Millimetre},
        {"cm", HeadUnit::Centimetre},
        {"centimeters", HeadUnit::Centimetre},
        {"centimetres", HeadUnit::Centimetre},
        {"m", HeadUnit::Metre},
        {"meters", HeadUnit::Metre},
        {"metres", HeadUnit::Metre},
        {"meter", HeadUnit::Metre},
        {"metre", HeadUnit::Metre},
        {"in", HeadUnit::Inch},
        {"inches", HeadUnit::Inch},
        {"ft", HeadUnit::Foot},
        {"feet", HeadUnit::Foot},
    };
    for (const auto &[text, unit] : words) {
        if (word == QLatin1String(text))
            return unit;
    }
    return std::nullopt;
}

} // namespace

std::optional<units::HeadUnit> headUnitStated(const QString &text)
{
    const QString t = text.trimmed();
    if (const std::optional<units::HeadUnit> whole = unitWord(t))
        return whole;
    // In brackets or parentheses: the last such part of the name.
    static const QRegularExpression bracketed(QStringLiteral("[\\[(]([^\\[\\]()]+)[\\])]"));
    QRegularExpressionMatchIterator it = bracketed.globalMatch(t);
    std::optional<units::HeadUnit> found;
    while (it.hasNext()) {
        if (const std::optional<units::HeadUnit> unit = unitWord(it.next().captured(1)))
            found = unit;
    }
    if (found)
        return found;
    // After a comma ("Water Level, meters"), or the name's last word ("Level
    // mm", "level_cm"), a unit or the unit before a sensor's serial in
    // brackets.
    static const QRegularExpression trailing(QStringLiteral("(?:,|\\s|_)\\s*([^,\\s_()\\[\\]]+)\\s*(?:[\\[(].*)?$"));
    if (const QRegularExpressionMatch match = trailing.match(t); match.hasMatch())
        return unitWord(match.captured(1));
    return std::nullopt;
}

std::optional<double> readDecimal(std::string_view text, char decimalMark)
{
    const DecimalReading reading = readReading(text, decimalMark);
    return reading.status == DecimalReading::Status::Ok ? std::optional<double>(reading.value) : std::nullopt;
}

DecimalReading readReading(std::string_view text, char decimalMark)
{
    using Status = DecimalReading::Status;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    // A reading is short: anything longer is no number a logger writes.
    char plain[64];
    if (text.empty() || text.size() >= sizeof plain)
        return {};
    std::size_t size = 0;
    bool digits = false, mark = false, exponent = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain[size++] = c;
        } else if ((c == '+' || c == '-') && (i == 0 || ((text[i - 1] == 'e' || text[i - 1] == 'E') && exponent))) {
            if (c == '-')
                plain[size++] = c;
        } else if (c == decimalMark && !mark && !exponent) {
            mark = true;
            plain[size++] = '.';
        } else if ((c == 'e' || c == 'E') && digits && !exponent && i + 1 < text.size()) {
            exponent = true;
            plain[size++] = 'e';
        } else {
            return {};
        }
    }
    if (!digits)
        return {};
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain, plain + size, value);
    if (end != plain + size)
        return {};
    if (error == std::errc::result_out_of_range) {
        // Past a double's range: too small to tell from 0 (a negative
        // exponent) reads as 0; too large, as too large.
        const std::string_view digitsRead(plain, size);
        const std::size_t e = digitsRead.find('e');
        const bool tiny = e != std::string_view::npos && e + 1 < size && plain[e + 1] == '-';
        return tiny ? DecimalReading{Status::Ok, 0.0} : DecimalReading{Status::TooLarge, 0.0};
    }
    if (error != std::errc() || !std::isfinite(value))
        return {Status::TooLarge, 0.0};
    return {Status::Ok, value};
}

} // namespace weir
