// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/record_clock.h"

#include "common/box_number.h"
#include "records/model/record_texts.h"

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

// A date written day or month first, with its time of day or none:
// 27.03.2014 13:05, 03/27/14 1:05:00 PM.
const QRegularExpression &dayMonthDate()
{
    static const QRegularExpression date(QStringLiteral(
        "^(\\d{1,2})([./-])(\\d{1,2})\\2(\\d{4}|\\d{2})(?:[ T]+(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d{1,3})\\d*)?)?"
        "\\s*([AaPp][Mm])?)?$"));
    return date;
}

// A time of day before its date: 10:05:06 09.09.2013. The date and the time
// swapped, or the text as it was.
QString dateFirst(const QString &t)
{
    static const QRegularExpression timeFirst(
        QStringLiteral("^(\\d{1,2}:\\d{2}(?::\\d{2}(?:[.,]\\d+)?)?(?:\\s*[AaPp][Mm])?)\\s+(\\d.*\\d)$"));
    const QRegularExpressionMatch match = timeFirst.match(t);
    return match.hasMatch() && !match.captured(2).contains(u':') ? match.captured(2) + u' ' + match.captured(1) : t;
}

int twoDigitYear(int year)
{
    return year < 70 ? 2000 + year : 1900 + year; // 1970 to 2069, as POSIX reads them
}

} // namespace

RecordClock::RecordClock(const QString &format, DateOrder order)
    : m_format(format)
    , m_order(order)
    , m_twoDigitYear(format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy")))
{
}

std::optional<RecordTime> RecordClock::readDayMonth(const QString &t) const
{
    const QRegularExpressionMatch match = dayMonthDate().match(t);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt(), second = match.captured(3).toInt();
    DateOrder order = m_order;
    if (order == DateOrder::Unknown) {
        if (first == second || first > 12)
            order = DateOrder::DayFirst;
        else if (second > 12)
            order = DateOrder::MonthFirst;
        else
            return std::nullopt; // two readings and nothing to choose: never guessed
    }
    const int day = order == DateOrder::DayFirst ? first : second;
    const int month = order == DateOrder::DayFirst ? second : first;
    int year = match.captured(4).toInt();
    if (match.captured(4).size() == 2)
        year = twoDigitYear(year);
    const QDate date(year, month, day);
    int hour = match.captured(5).isEmpty() ? 0 : match.captured(5).toInt();
    const int minute = match.captured(6).isEmpty() ? 0 : match.captured(6).toInt();
    const int second_ = match.captured(7).isEmpty() ? 0 : match.captured(7).toInt();
    const QString fraction = match.captured(8);
    const int ms = fraction.isEmpty() ? 0 : (fraction + QStringLiteral("00")).left(3).toInt();
    const QString half = match.captured(9).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == u"PM" ? 12 : 0);
    }
    if (!date.isValid() || hour > 23 || minute > 59 || second_ > 59)
        return std::nullopt;
    return RecordTime{(((date.toJulianDay() - kJulianDayOf1970) * 24 + hour) * 60 + minute) * 60000
                          + qint64(second_) * 1000 + ms,
                      false};
}

std::optional<RecordTime> RecordClock::read(const QString &text) const
{
    if (!m_format.isEmpty()) {
        QDateTime time = QDateTime::fromString(text.trimmed(), m_format);
        if (m_twoDigitYear && time.isValid() && time.date().year() < 1970)
            time = time.addYears(100);
        return fromDateTime(time);
    }
    const QString trimmed = text.trimmed();
    if (const std::optional<qint64> plain = readPlainTime(trimmed))
        return RecordTime{*plain, false};
    const QString t = dateFirst(trimmed);
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
    if (dayMonthDate().match(t).hasMatch())
        return readDayMonth(t);
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

namespace {

// The format in QDateTime's syntax that reads a date of this shape in an
// order: "M/d/yyyy H:mm:ss", "H:mm:ss d.M.yyyy".
QString formatFor(const QString &text, DateOrder order)
{
    const QString t = text.trimmed();
    const bool timeFirst = dateFirst(t) != t;
    const QRegularExpressionMatch match = dayMonthDate().match(dateFirst(t));
    const QString separator = match.captured(2);
    const QString year = match.captured(4).size() == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    const QString date = order == DateOrder::MonthFirst ? u'M' + separator + u'd' + separator + year
                                                        : u'd' + separator + u'M' + separator + year;
    if (match.captured(5).isEmpty())
        return date;
    const bool half = !match.captured(9).isEmpty();
    QString time = (half ? QStringLiteral("h:mm") : QStringLiteral("H:mm"))
        + (match.captured(7).isEmpty() ? QString() : QStringLiteral(":ss"))
        + (match.captured(8).isEmpty() ? QString() : QStringLiteral(".zzz"))
        + (half ? QStringLiteral(" AP") : QString());
    return timeFirst ? time + u' ' + date : date + u' ' + time;
}

} // namespace

void DateEvidence::observe(const QString &text, long long line)
{
    // Most records write their times year first: a date written day or
    // month first, or a time of day before its date, has a '.', '/', '-' or
    // ':' within its first three characters.
    const auto separatorAt = [&text](qsizetype i) {
        return i < text.size() && (text[i] == u'.' || text[i] == u'/' || text[i] == u'-' || text[i] == u':');
    };
    if (!separatorAt(1) && !separatorAt(2) && !(text.startsWith(u' ') || text.startsWith(u'\t')))
        return;
    const QString t = dateFirst(text.trimmed());
    static const QRegularExpression date(QStringLiteral("^(\\d{1,2})([./-])(\\d{1,2})\\2(\\d{4}|\\d{2})\\b"));
    const QRegularExpressionMatch match = date.match(t);
    if (!match.hasMatch())
        return;
    const int first = match.captured(1).toInt(), second = match.captured(3).toInt();
    if (first > 12 && second <= 12 && m_dayFirst == 0) {
        m_dayFirst = line;
        m_dayFirstText = text.trimmed();
    } else if (second > 12 && first <= 12 && m_monthFirst == 0) {
        m_monthFirst = line;
        m_monthFirstText = text.trimmed();
    } else if (first != second && first <= 12 && second <= 12 && m_twoWays == 0) {
        m_twoWays = line;
        m_twoWaysText = text.trimmed();
    }
}

DateOrder DateEvidence::order() const
{
    if (m_dayFirst > 0 && m_monthFirst == 0)
        return DateOrder::DayFirst;
    if (m_monthFirst > 0 && m_dayFirst == 0)
        return DateOrder::MonthFirst;
    return DateOrder::Unknown;
}

std::optional<RecordFault> DateEvidence::fault(const QString &column) const
{
    if (m_dayFirst > 0 && m_monthFirst > 0)
        return RecordFault{RecordFault::Reason::DateTwoWays, std::max(m_dayFirst, m_monthFirst),
                           RecordTexts::tr("列 %1 の日付は、%2行目（%3）では日が先、%4行目（%5）では月が先です。")
                               .arg(column)
                               .arg(m_dayFirst)
                               .arg(m_dayFirstText)
                               .arg(m_monthFirst)
                               .arg(m_monthFirstText)};
    if (m_dayFirst > 0 || m_monthFirst > 0 || m_twoWays == 0)
        return std::nullopt;
    const RecordClock monthFirst(QString(), DateOrder::MonthFirst), dayFirst(QString(), DateOrder::DayFirst);
    const auto shown = [](const std::optional<RecordTime> &time) {
        return time ? QDateTime::fromMSecsSinceEpoch(time->ms, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd"))
                    : QStringLiteral("?");
    };
    return RecordFault{
        RecordFault::Reason::DateTwoWays,
        m_twoWays,
        RecordTexts::tr("%1行目: 列 %2 の日付 %3 は、月が先なら %4、日が先なら %5 と二通りに読め、"
                        "この列にはどちらかに決める日付（13以上の日）がありません。")
            .arg(m_twoWays)
            .arg(column, m_twoWaysText, shown(monthFirst.read(m_twoWaysText)), shown(dayFirst.read(m_twoWaysText))),
        {formatFor(m_twoWaysText, DateOrder::MonthFirst), formatFor(m_twoWaysText, DateOrder::DayFirst)}};
}

} // namespace weir
