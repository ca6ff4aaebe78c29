// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/units.h"
#include "records/model/record_fault.h"
#include "records/model/record_source.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace weir {

// A column asked for: by its name in the header, or, when no column has
// that name, by its number counting from 1 ("3"), for a header that does
// not line up with its rows.
struct ColumnChoice {
    QString name;   // as typed, and as a message names it
    int number = 0; // 0: not a number

    static ColumnChoice fromText(const QString &text);
};

// What the caller knows that the data cannot say: the column of readings,
// the time's column (or a date's and a time's, in either order), and the
// decimal mark and the delimiter when they were told.
struct LayoutQuestion {
    ColumnChoice value;
    std::vector<ColumnChoice> time;
    std::optional<char> decimalMark;
    std::optional<char> delimiter;
};

// A line between the header and the rows, passed over: a logger's units row
// (Campbell's TOA5 has one), its processing row ("Smp", "Avg"), or a USGS
// file's row of field types (5s, 15s, 14n).
struct PassedLine {
    enum class Why { Units, Processing, FieldTypes };
    long long line = 0;
    Why why = Why::Units;
};

// The layout of a record, decided from a sample of its first lines (the way
// DuckDB's CSV sniffer decides, from the data and never by a guess):
//   - the delimiter (comma, semicolon, tab or bar) and the header: the first
//     line that holds every column asked for and whose rows of readings
//     below have its number of fields (trailing empty fields aside), the
//     delimiter that splits it into the most fields; lines above it (a
//     title, a logger's header block, # comments) are passed over. A line
//     that holds the names but is out of line with the rows below is not a
//     header: the answer is then a fault naming both counts.
//   - the decimal mark: told, or a comma when the readings under a tab or a
//     semicolon are written 0,032 and none 0.032;
//   - the rows between the header and the readings that hold no reading
//     (units, processing, field types), passed over; the unit of the column
//     of readings, from the units row or from the column's name ("[m]",
//     "(cm)", ", feet");
//   - a time zone the header states for the time ("GMT-10:00", "Time
//     [UTC]"), or a column of zones beside the time (USGS tz_cd).
struct RecordLayout {
    char delimiter = ',';
    char decimalMark = '.';
    bool decimalMarkFromData = false; // decided by the readings, not told
    long long headerLine = 0;         // counting from 1
    qint64 headerOffset = 0;
    QStringList headerNames;    // decoded and trimmed
    std::size_t fieldCount = 0; // the header's, or the rows' when columns go by number and they have more
    long long dataLine = 0;     // the first line after the header and the rows passed over
    qint64 dataOffset = 0;
    long valueColumn = -1; // counting from 0
    std::vector<long> timeColumns;
    std::optional<units::HeadUnit> statedUnit;
    QString statedUnitText;       // as the file writes it
    long long statedUnitLine = 0; // the units row it is on, 0 when the column's name states it
    QString timeZone;             // as stated, empty when none
    long zoneColumn = -1;         // a column of zones, -1 when none
    std::vector<PassedLine> passed;
    std::optional<RecordFault> fault;
};

// At most this many lines are looked at for the header, and this many rows
// below it to confirm it.
inline constexpr int kHeaderSearchLines = 1000;
inline constexpr int kConfirmingRows = 20;

RecordLayout findLayout(const RecordSource &source, const LayoutQuestion &question);

// A field that holds a reading or a time, as against a field of words: a
// number with either decimal mark, or something written like a date or a
// time of day (digits around '-', '/', '.' or ':').
bool looksLikeReading(std::string_view field);
// A row of words alone (a note a logger's user typed among the readings, a
// file's last line), with something in it.
bool isWordsOnly(const std::vector<std::string> &fields);
// A USGS RDB file's row of field types: a width and s, d, n or f (5s, 14n).
bool isFieldTypeRow(const std::vector<std::string> &fields);

} // namespace weir
