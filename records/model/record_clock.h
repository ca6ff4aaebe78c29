// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_fault.h"

#include <QString>
#include <QStringList>
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

// Which comes first in a date written 27.03.2014 or 03/27/2014.
enum class DateOrder { Unknown, DayFirst, MonthFirst };

// Reads a record's times.
//
// Without a format: ISO 8601 (T or a space, seconds, fractions and an offset
// optional), the year-first forms spreadsheets and Japanese loggers write
// (2026/12/09 13:05[:00], with AM/PM or without; 24:00 as Japanese gauging
// records count the last hour, the next day's 0:00), and Excel's serial days
// (45999.5 is 2025-12-08 12:00; the 1900 leap day that Excel counts and that
// never was is not among them, so serials start at 61, 1900-03-01). A date
// that begins with its day or month (27.03.2014, 03/27/14) reads by the
// order given, which the column's own dates decide (DateEvidence); without
// one, only where both orders give the same day. A time of day may stand
// before its date (10:05:06 09.09.2013), as some loggers write it.
//
// With a format, in QDateTime's syntax (MM/dd/yy hh:mm:ss AP): that alone. A
// two-digit year is 1970 to 2069, as POSIX reads them, not Qt's 1900s.
class RecordClock
{
public:
    explicit RecordClock(const QString &format = {}, DateOrder order = DateOrder::Unknown);

    std::optional<RecordTime> read(const QString &text) const;

private:
    std::optional<RecordTime> readDayMonth(const QString &text) const;

    QString m_format;
    DateOrder m_order;
    bool m_twoDigitYear = false;
};

// The order of a column's dates, by evidence: a date whose first part is
// past 12 is day first (27.03.2014), one whose second part is, month first
// (03/27/2014); one such date decides the column. A date that reads the same
// both ways (09.09.2013) is no doubt. A column whose dates all read two
// different ways is a fault, naming its first such date, both readings and
// the format that says each; so is a column with dates of both orders.
class DateEvidence
{
public:
    void observe(const QString &text, long long line);
    // The order, Unknown when no date needs one.
    DateOrder order() const;
    std::optional<RecordFault> fault(const QString &column) const;

private:
    long long m_dayFirst = 0, m_monthFirst = 0; // the first line of each
    long long m_twoWays = 0;
    QString m_twoWaysText, m_dayFirstText, m_monthFirstText;
    QStringList m_formats; // month first, day first
};

} // namespace weir
