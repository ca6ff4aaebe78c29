// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/units.h"

#include <QString>

#include <optional>
#include <string_view>

namespace weir {

// A head unit by the short name a user types: mm, cm, m, in, ft.
std::optional<units::HeadUnit> headUnitNamed(const QString &name);

// The short name of a head unit, as typed.
QString headUnitName(units::HeadUnit unit);

// A head unit as a logger states it: a units row's cell ("cm", "meters"),
// or the unit written into a column's name ("Füllstand [m]", "Level (cm)",
// "Water Level, meters", "Depth, feet", "Pegel [cmH2O]", "Druck [mWS]",
// "Level mm"). A column of water is its length: cmH2O is cm, mWS is m. None
// when the text states no head unit.
std::optional<units::HeadUnit> headUnitStated(const QString &text);

// A plain decimal as a logger writes it, with the record's decimal mark
// ('.' or ','): an optional sign, digits, the mark and digits, an optional
// exponent; spaces around it are layout. No digit grouping: a mark is the
// decimal mark or the number does not read. A number past a double's range
// reads, as too large.
struct DecimalReading {
    enum class Status { Ok, NotANumber, TooLarge };
    Status status = Status::NotANumber;
    double value = 0.0;
};
DecimalReading readReading(std::string_view text, char decimalMark);
std::optional<double> readDecimal(std::string_view text, char decimalMark);

// A level reading to the head over the crest, in mm. The reading is in its
// unit and measured from its own zero: the reading when the water stands
// level with the crest. A gauge in the water reads more as the water rises
// (head = reading − zero); one above it (ultrasonic, radar, a laser
// rangefinder) reads the distance down to the water, less as it rises
// (head = zero − reading).
struct ReadingScale {
    units::HeadUnit unit = units::HeadUnit::Millimetre;
    double zero = 0.0;
    bool falling = false;

    double headMm(double reading) const
    {
        return falling ? units::headMillimetresFromReading(zero, reading, unit)
                       : units::headMillimetresFromReading(reading, zero, unit);
    }
};

} // namespace weir
