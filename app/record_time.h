// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace weir {

// A time of a record's row, as milliseconds on one clock for the whole file:
// a time with an offset (or Z) on UTC, a time without one as it stands (the
// logger's own clock). The two cannot be compared, so a file must keep to
// one kind (the volume is refused otherwise).
struct RecordTime {
    qint64 ms = 0;
    bool withOffset = false;
};

// Reads a record's times.
//
// Without a format: ISO 8601 (T or a space, seconds, fractions and an offset
// optional), the year-first forms spreadsheets and Japanese loggers write
// (2026/12/09 13:05[:00], with AM/PM or without; 24:00 as Japanese gauging
// records count the last hour, the next day's 0:00), and Excel's serial days
// (45999.5 is 2025-12-08 12:00; the 1900 leap day that Excel counts and that
// never was is not among them, so serials start at 61, 1900-03-01). A date
// that begins with its day or month (08/08/21) reads two ways, month first
// or day first; it is never guessed (readsTwoWays).
//
// With a format, in QDateTime's syntax (MM/dd/yy hh:mm:ss AP): that alone. A
// two-digit year is 1970 to 2069, as POSIX reads them, not Qt's 1900s.
class RecordClock
{
public:
    explicit RecordClock(const QString &format = {});

    std::optional<RecordTime> read(const QString &text) const;

    // A date with two or one-digit fields before the year, day and month
    // either way round.
    static bool readsTwoWays(const QString &text);

private:
    QString m_format;
    bool m_twoDigitYear = false;
};

} // namespace weir
