// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_time.h"

#include "logic/box_number.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace weir {

namespace {

constexpr qint64 kJulianDayOf1970 = 2440588;
constexpr qint64 kMsPerDay = 86400000;

// The form a logger writes a million times, 2026-12-09T13:05 or
// 2026-12-09 13:05:00, read straight from its digits; anything else (an
// offset, fractions of a second, another form) none, for QDateTime to read.
std::optional<qint64> readPlainTime(const QString &t)
{
    if (t.size() != 16 && t.size() != 19)
        return std::nullopt;
    const auto number = [&t](qsizetype from, qsizetype count) {
        int n = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = t[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    if (t[4] != u'-' || t[7] != u'-' || (t[10] != u'T' && t[10] != u' ') || t[13] != u':'
        || (t.size() == 19 && t[16] != u':'))
        return std::nullopt;
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const int hour = number(11, 2), minute = number(14, 2), second = t.size() == 19 ? number(17, 2) : 0;
    if (!date.isValid() || date.year() < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return std::nullopt;
    return (((date.toJulianDay() - kJulianDayOf1970) * 24 + hour) * 60 + minute) * 60000 + qint64(second) * 1000;
}

// Excel's day 25569 is 1970-01-01; a day's fraction is its time, to the
// millisecond Excel keeps.
std::optional<qint64> readSerialDays(const QString &t)
{
    const std::optional<double> days = readPlainDecimal(t);
    if (!days || *days < 61 || *days > 2958466) // 1900-03-01 to 9999-12-31
        return std::nullopt;
    return qint64(std::llround((*days - 25569) * double(kMsPerDay)));
}

std::optional<RecordTime> fromDateTime(QDateTime time)
{
    if (!time.isValid())
        return std::nullopt;
    const bool offset = time.timeSpec() != Qt::LocalTime;
    if (!offset)
        time.setTimeSpec(Qt::UTC); // the wall clock as it stands, never the machine's zone
    return RecordTime{time.toMSecsSinceEpoch(), offset};
}

} // namespace

RecordClock::RecordClock(const QString &format)
    : m_format(format)
    , m_twoDigitYear(format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy")))
{
}

std::optional<RecordTime> RecordClock::read(const QString &text) const
{
    const QString t = text.trimmed();
    if (!m_format.isEmpty()) {
        QDateTime time = QDateTime::fromString(t, m_format);
        if (m_twoDigitYear && time.isValid() && time.date().year() < 1970)
            time = time.addYears(100);
        return fromDateTime(time);
    }
    if (const std::optional<qint64> plain = readPlainTime(t))
        return RecordTime{*plain, false};
    // Japanese gauging records count the hours of a day 1 to 24: 24:00 is the
    // next day's 0:00.
    static const QRegularExpression hour24(QStringLiteral("^(.+[ T])24:00(:00)?$"));
    if (const QRegularExpressionMatch match = hour24.match(t); match.hasMatch()) {
        if (std::optional<RecordTime> midnight = read(match.captured(1) + QStringLiteral("00:00"))) {
            midnight->ms += kMsPerDay;
            return midnight;
        }
        return std::nullopt;
    }
    if (const std::optional<qint64> serial = readSerialDays(t))
        return RecordTime{*serial, false};
    QDateTime time = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QDateTime::fromString(QString(t).replace(u' ', u'T'), Qt::ISODateWithMs);
    for (const char *format : {"yyyy/M/d H:mm:ss", "yyyy/M/d H:mm", "yyyy-M-d H:mm:ss", "yyyy-M-d H:mm",
                               "yyyy/M/d h:mm:ss AP", "yyyy/M/d h:mm AP", "yyyy/M/d"}) {
        if (time.isValid())
            break;
        time = QDateTime::fromString(t, QString::fromLatin1(format));
    }
    return fromDateTime(time);
}

bool RecordClock::readsTwoWays(const QString &text)
{
    static const QRegularExpression dayOrMonthFirst(QStringLiteral("^\\d{1,2}[/.-]\\d{1,2}[/.-]\\d{2,4}(\\D|$)"));
    return dayOrMonthFirst.match(text.trimmed()).hasMatch();
}

} // namespace weir
