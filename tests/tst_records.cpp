// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The record layer on its own, without the command line: the one tokenizer,
// the layout the data decides for the kinds of file loggers write (each
// fixture written here after its format's documented layout), the dates'
// order by evidence, the reading to the head, and the volume by stretches,
// gaps and calendar days against hand-worked values.
#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/hydrograph.h"
#include "records/model/reading_scale.h"
#include "records/model/record_layout.h"
#include "records/model/record_scan.h"
#include "records/model/record_source.h"
#include "records/model/volume_tally.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

using namespace weir;

namespace {

struct Opened {
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file{nullptr, &std::fclose};
    RecordSource source;
};

// The bytes as a record file, opened as the program opens one.
std::unique_ptr<Opened> opened(const QByteArray &bytes)
{
    auto record = std::make_unique<Opened>();
    record->file.reset(std::tmpfile());
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), record->file.get());
    std::fflush(record->file.get());
    if (record->source.open(record->file.get(), std::nullopt))
        return nullptr;
    return record;
}

std::vector<ColumnChoice> choices(const QStringList &texts)
{
    std::vector<ColumnChoice> columns;
    for (const QString &text : texts)
        columns.push_back(ColumnChoice::fromText(text));
    return columns;
}

using Kind = RecordFault::Reason;
using Why = PassedLine::Why;

constexpr qint64 kMinute = 60000;
constexpr qint64 kDay = 86400000;
const qint64 k2026_12_09 = QDate(1970, 1, 1).daysTo(QDate(2026, 12, 9)) * kDay;

} // namespace

Q_DECLARE_METATYPE(std::optional<RecordFault::Reason>)
Q_DECLARE_METATYPE(std::optional<units::HeadUnit>)

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void tokenizer_data();
    void tokenizer();
    void layoutOfLoggerFiles_data();
    void layoutOfLoggerFiles();
    void unitInAName_data();
    void unitInAName();
    void datesByEvidence_data();
    void datesByEvidence();
    void readingToHead_data();
    void readingToHead();
    void daysAddUpToTheVolume();
    void intervalSplitAtMidnight();
    void hydrographKeepsItsPeaks();
};

// Fields as spreadsheets quote them; each record's first line and offset.
void RecordsTest::tokenizer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields"); // the first record's
    QTest::addColumn<qint64>("secondOffset");
    QTest::addColumn<long long>("secondLine");
    QTest::newRow("plain") << QByteArray("a,b\nc,d\n") << QStringList{"a", "b"} << qint64(4) << 2LL;
    QTest::newRow("CRLF") << QByteArray("a,b\r\nc,d\r\n") << QStringList{"a", "b"} << qint64(5) << 2LL;
    QTest::newRow("quote after spaces") << QByteArray("  \"a,1\" ,b\nc\n") << QStringList{"a,1 ", "b"} << qint64(11)
                                        << 2LL;
    QTest::newRow("line break in quotes")
        << QByteArray("\"a\nb\",\"x\"\"y\"\nc\n") << QStringList{"a\nb", "x\"y"} << qint64(13) << 3LL;
    QTest::newRow("quote inside a field") << QByteArray("5\"3,b\nc\n") << QStringList{"5\"3", "b"} << qint64(6) << 2LL;
}

void RecordsTest::tokenizer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(qint64, secondOffset);
    QFETCH(long long, secondLine);
    CsvTokenizer tokenizer(bytes.toStdString(), ',');
    QCOMPARE(tokenizer.next(), CsvTokenizer::Status::Record);
    QStringList got;
    for (const std::string &field : tokenizer.fields())
        got << QString::fromStdString(field);
    QCOMPARE(got, fields);
    QCOMPARE(tokenizer.next(), CsvTokenizer::Status::Record);
    QCOMPARE(tokenizer.offset(), secondOffset);
    QCOMPARE(tokenizer.line(), secondLine);
    QCOMPARE(tokenizer.next(), CsvTokenizer::Status::End);
}

// Each kind of export is read given only what the data cannot say (the
// columns), or refused naming the real cause.
void RecordsTest::layoutOfLoggerFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("columns"); // the readings', then the time's
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<char>("decimalMark");
    QTest::addColumn<long long>("headerLine");
    QTest::addColumn<long long>("dataLine");
    QTest::addColumn<std::optional<units::HeadUnit>>("unit");
    QTest::addColumn<QList<int>>("passed"); // line, why, line, why...
    QTest::addColumn<long long>("footerLine");
    QTest::addColumn<std::optional<Kind>>("fault");

    const std::optional<units::HeadUnit> none;
    const std::optional<Kind> fine;
    // Campbell Scientific's TOA5: the file's line, the field names, their
    // units and their processing, then the rows.
    QTest::newRow("TOA5 table") << QByteArray(
        "\"TOA5\",\"Weir1\",\"CR1000\",\"1234\",\"CR1000.Std.32\",\"CPU:weir.CR1\","
        "\"5678\",\"Table10\"\r\n"
        "\"TIMESTAMP\",\"RECORD\",\"BattV_Min\",\"Level\"\r\n"
        "\"TS\",\"RN\",\"Volts\",\"cm\"\r\n"
        "\"\",\"\",\"Min\",\"Smp\"\r\n"
        "\"2026-12-09 00:00:00\",0,12.9,5.21\r\n"
        "\"2026-12-09 00:10:00\",1,12.9,5.30\r\n")
                                << QStringList{"Level", "TIMESTAMP"} << ',' << '.' << 2LL << 5LL
                                << std::optional(units::HeadUnit::Centimetre)
                                << QList<int>{3, int(Why::Units), 4, int(Why::Processing)} << 0LL << fine;
    // Van Essen's Diver-Office: a block of settings, the header, the rows,
    // and a last line that is no row.
    QTest::newRow("Diver-Office export with its footer")
        << QByteArray("Data file:\tC:\\Diver\\W123.MON\n"
                      "=====================================\n"
                      "[Logger settings]\n"
                      "Instrument type=D1501\n"
                      "[Data]\n"
                      "Date/time,Pressure[cmH2O],Temperature[°C]\n"
                      "2026/12/09 00:00:00,105.2,8.1\n"
                      "2026/12/09 00:10:00,105.9,8.1\n"
                      "END OF DATA FILE OF DATALOGGER FOR WINDOWS\n")
        << QStringList{"Pressure", "Date/time"} << ',' << '.' << 6LL << 7LL
        << std::optional(units::HeadUnit::Centimetre) << QList<int>{} << 9LL << fine;
    // A tab export with decimal commas, dates day first, and a note a user
    // typed among the rows.
    QTest::newRow("tabs, decimal commas, a note")
        << QByteArray("Datum\tUhrzeit\tFüllstand [m]\n"
                      "27.03.2014\t10:00:00\t0,032\n"
                      "//Uhrzeit verstellt\t\t\n"
                      "27.03.2014\t10:10:00\t0,034\n")
        << QStringList{"Füllstand", "Datum", "Uhrzeit"} << '\t' << ',' << 1LL << 2LL
        << std::optional(units::HeadUnit::Metre) << QList<int>{} << 0LL << fine;
    // Solinst's Levelogger export: a block naming each channel alone on a
    // line, with its unit and offset, before the real header.
    QTest::newRow("Solinst, semicolons, the channel named alone")
        << QByteArray("Serial_number:\n2001234\nProject ID:\nWEIR\nLocation:\nINLET\n"
                      "LEVEL\nUNIT: cm\nOffset: 0,000000 cm\n"
                      "TEMPERATURE\nUNIT: °C\n"
                      "Date;Time;ms;LEVEL;TEMPERATURE\n"
                      "2014/05/01;10:00:00;0;12,345;10,1\n"
                      "2014/05/01;10:10:00;0;12,401;10,1\n")
        << QStringList{"LEVEL", "Date", "Time"} << ';' << ',' << 12LL << 13LL << none << QList<int>{} << 0LL << fine;
    // An STS logger writes the time of day before the date.
    QTest::newRow("time before date") << QByteArray(
        "Time\tDate\tLevel [cm]\n10:05:06\t09.09.2013\t12.5\n10:15:06\t09.09.2013\t12.7\n")
                                      << QStringList{"Level", "Time", "Date"} << '\t' << '.' << 1LL << 2LL
                                      << std::optional(units::HeadUnit::Centimetre) << QList<int>{} << 0LL << fine;
    // Two fields of date and time under one name: by name it is refused
    // naming both counts; by number the rows are read as they stand.
    const QByteArray outOfLine("Date and Time,CALIBRATED VALUE,RAW\n2026-12-09,00:00,51.3,1023\n"
                               "2026-12-09,00:10,52.1,1030\n");
    QTest::newRow("header out of line, by name")
        << outOfLine << QStringList{"CALIBRATED VALUE", "Date and Time"} << ',' << '.' << 0LL << 0LL << none
        << QList<int>{} << 0LL << std::optional(Kind::HeaderOutOfLine);
    QTest::newRow("header out of line, by number")
        << outOfLine << QStringList{"3", "1", "2"} << ',' << '.' << 1LL << 2LL << none << QList<int>{} << 0LL << fine;
    // A USGS RDB file: # comments, the header, the row of field types.
    QTest::newRow("USGS RDB") << QByteArray("# U.S. Geological Survey\n# retrieved 2026-12-09\n"
                                            "agency_cd\tsite_no\tdatetime\ttz_cd\t00065\n"
                                            "5s\t15s\t20d\t6s\t14n\n"
                                            "USGS\t01646500\t2026-12-09 00:00\tEST\t3.21\n")
                              << QStringList{"00065", "datetime"} << '\t' << '.' << 3LL << 5LL << none
                              << QList<int>{4, int(Why::FieldTypes)} << 0LL << fine;
    QTest::newRow("the column is nowhere")
        << QByteArray("time,level\n2026-12-09 00:00,5\n") << QStringList{"head"} << ',' << '.' << 0LL << 0LL << none
        << QList<int>{} << 0LL << std::optional(Kind::NoHeader);
    QTest::newRow("a quote left open") << QByteArray("t,h\n2026-12-09 00:00,\"5\n") << QStringList{"h"} << ',' << '.'
                                       << 1LL << 2LL << none << QList<int>{} << 0LL << std::optional(Kind::OpenQuote);
}

void RecordsTest::layoutOfLoggerFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, columns);
    QFETCH(char, delimiter);
    QFETCH(char, decimalMark);
    QFETCH(long long, headerLine);
    QFETCH(long long, dataLine);
    QFETCH(std::optional<units::HeadUnit>, unit);
    QFETCH(QList<int>, passed);
    QFETCH(long long, footerLine);
    QFETCH(std::optional<Kind>, fault);

    const std::unique_ptr<Opened> record = opened(bytes);
    QVERIFY(record);
    const std::vector<ColumnChoice> chosen = choices(columns);
    const RecordLayout layout = findLayout(
        record->source,
        {chosen.front(), std::vector<ColumnChoice>(chosen.begin() + 1, chosen.end()), std::nullopt, std::nullopt});
    if (layout.fault) {
        QVERIFY2(fault && layout.fault->reason == *fault, qPrintable(layout.fault->words));
        QVERIFY(!layout.fault->words.isEmpty());
        return;
    }
    QCOMPARE(layout.delimiter, delimiter);
    QCOMPARE(layout.decimalMark, decimalMark);
    QCOMPARE(layout.headerLine, headerLine);
    QCOMPARE(layout.dataLine, dataLine);
    QCOMPARE(layout.statedUnit, unit);
    QList<int> passedLines;
    for (const PassedLine &line : layout.passed)
        passedLines << int(line.line) << int(line.why);
    QCOMPARE(passedLines, passed);

    const RecordScan scan = scanRecord(record->source, layout, {});
    QCOMPARE(scan.fault.has_value(), fault.has_value());
    if (scan.fault) {
        QCOMPARE(scan.fault->reason, *fault);
        return;
    }
    QCOMPARE(scan.footerLine, footerLine);
    // Every row of readings reads: its value a number in the mark found,
    // its time a time in the order the dates decided.
    QVERIFY(seekStream(record->source.stream(), layout.dataOffset));
    CsvTokenizer rows(record->source.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);
    const RecordClock clock({}, scan.dateOrder);
    const TextCodec codec(record->source.encoding());
    int read = 0;
    while (rows.next() == CsvTokenizer::Status::Record) {
        if (rows.line() == scan.footerLine || isWordsOnly(rows.fields()))
            continue;
        const std::string &value = rows.fields().at(std::size_t(layout.valueColumn));
        QVERIFY2(readDecimal(value, layout.decimalMark), value.c_str());
        if (!layout.timeColumns.empty()) {
            const QString time = timeTextOf(rows.fields(), layout.timeColumns, codec);
            QVERIFY2(clock.read(time), qPrintable(time));
        }
        ++read;
    }
    QCOMPARE(read, 2 - (QTest::currentDataTag() == QByteArray("USGS RDB") ? 1 : 0));
}

void RecordsTest::unitInAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<units::HeadUnit>>("unit");
    using units::HeadUnit;
    QTest::newRow("[m]") << u"Füllstand [m]"_qs << std::optional(HeadUnit::Metre);
    QTest::newRow("(cm)") << u"Level (cm)"_qs << std::optional(HeadUnit::Centimetre);
    QTest::newRow(", meters") << u"Water Level, meters (LGR S/N: 1234)"_qs << std::optional(HeadUnit::Metre);
    QTest::newRow(", feet") << u"Depth, feet"_qs << std::optional(HeadUnit::Foot);
    QTest::newRow("[cmH2O]") << u"Pegel [cmH2O]"_qs << std::optional(HeadUnit::Centimetre);
    QTest::newRow("[mWS]") << u"Druck [mWS]"_qs << std::optional(HeadUnit::Metre);
    QTest::newRow("last word") << u"Level mm"_qs << std::optional(HeadUnit::Millimetre);
    QTest::newRow("after an underscore") << u"head_mm"_qs << std::optional(HeadUnit::Millimetre);
    QTest::newRow("no unit") << u"Water Level"_qs << std::optional<HeadUnit>();
    QTest::newRow("a name alone") << u"LEVEL"_qs << std::optional<HeadUnit>();
    QTest::newRow("a temperature") << u"Temperature[°C]"_qs << std::optional<HeadUnit>();
}

void RecordsTest::unitInAName()
{
    QFETCH(QString, name);
    QFETCH(std::optional<units::HeadUnit>, unit);
    QCOMPARE(headUnitStated(name), unit);
}

// A column's dates decide their order: one date past 12 in a part is
// enough; dates that read the same both ways leave no doubt; only a column
// whose dates all read two different ways, or that puts both first, is
// refused, with the format for each reading.
void RecordsTest::datesByEvidence_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("order"); // DateOrder
    QTest::addColumn<QStringList>("formats");
    QTest::addColumn<QString>("first"); // the first date read, as ISO
    const QStringList none;
    QTest::newRow("a day past 12 decides, even later") << QStringList{"03.04.2014 10:00", "27.03.2014 10:10"}
                                                       << int(DateOrder::DayFirst) << none << u"2014-04-03T10:00"_qs;
    QTest::newRow("a month first") << QStringList{"03/04/14 1:05 PM", "03/27/14 1:05 PM"} << int(DateOrder::MonthFirst)
                                   << none << u"2014-03-04T13:05"_qs;
    QTest::newRow("the same both ways") << QStringList{"09.09.2013 10:00"} << int(DateOrder::Unknown) << none
                                        << u"2013-09-09T10:00"_qs;
    QTest::newRow("time before date") << QStringList{"10:05:06 13.09.2013"} << int(DateOrder::DayFirst) << none
                                      << u"2013-09-13T10:05:06"_qs;
    QTest::newRow("ISO, no question") << QStringList{"2026-12-09T10:00:00"} << int(DateOrder::Unknown) << none
                                      << u"2026-12-09T10:00"_qs;
    QTest::newRow("every date two ways") << QStringList{"08/09/21 05:41:00 PM", "08/10/21 05:41:00 PM"}
                                         << int(DateOrder::Unknown)
                                         << QStringList{"M/d/yy h:mm:ss AP", "d/M/yy h:mm:ss AP"} << QString();
    QTest::newRow("both orders in one column")
        << QStringList{"27.03.2014", "03.27.2014"} << int(DateOrder::Unknown) << QStringList{} << QString();
}

void RecordsTest::datesByEvidence()
{
    QFETCH(QStringList, dates);
    QFETCH(int, order);
    QFETCH(QStringList, formats);
    QFETCH(QString, first);
    DateEvidence evidence;
    for (qsizetype i = 0; i < dates.size(); ++i)
        evidence.observe(dates[i], 2 + i);
    const std::optional<RecordFault> fault = evidence.fault(u"time"_qs);
    if (first.isEmpty()) {
        QVERIFY(fault);
        QCOMPARE(fault->reason, RecordFault::Reason::DateTwoWays);
        QCOMPARE(fault->formats, formats);
        // Each format reads the date as the message says.
        for (const QString &format : formats)
            QVERIFY2(RecordClock(format).read(dates.first()), qPrintable(format));
        return;
    }
    QVERIFY2(!fault, fault ? qPrintable(fault->words) : "");
    QCOMPARE(int(evidence.order()), order);
    const std::optional<RecordTime> time = RecordClock({}, evidence.order()).read(dates.first());
    QVERIFY(time);
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(time->ms, Qt::UTC), QDateTime::fromString(first, Qt::ISODate).toUTC());
}

// A gauge in the water reads more as the water rises; one above it (radar,
// ultrasonic) reads less. The head is over the crest, in mm, either way.
void RecordsTest::readingToHead_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("zero");
    QTest::addColumn<bool>("falling");
    QTest::addColumn<double>("reading");
    QTest::addColumn<double>("headMm");
    using units::HeadUnit;
    QTest::newRow("mm, no zero") << int(HeadUnit::Millimetre) << 0.0 << false << 43.83 << 43.83;
    QTest::newRow("m above a zero") << int(HeadUnit::Metre) << 0.32 << false << 0.37 << 50.0;
    QTest::newRow("at the crest") << int(HeadUnit::Metre) << 0.32 << false << 0.32 << 0.0;
    QTest::newRow("below the crest") << int(HeadUnit::Metre) << 0.32 << false << 0.315 << -5.0;
    QTest::newRow("falling: distance down to the water") << int(HeadUnit::Metre) << 1.20 << true << 1.15 << 50.0;
    QTest::newRow("falling, the water below the crest") << int(HeadUnit::Centimetre) << 120.0 << true << 121.0 << -10.0;
}

void RecordsTest::readingToHead()
{
    QFETCH(int, unit);
    QFETCH(double, zero);
    QFETCH(bool, falling);
    QFETCH(double, reading);
    QFETCH(double, headMm);
    const ReadingScale scale{units::HeadUnit(unit), zero, falling};
    QVERIFY2(std::abs(scale.headMm(reading) - headMm) < 1e-9, qPrintable(QString::number(scale.headMm(reading))));
}

// A ten-minute record of a constant 0.01 m³/s from 23:00 on the 9th to
// 01:00 on the 11th, its readings from 12:10 to 13:50 on the 10th missing
// from the file: 36 m³ on the 9th (an hour), 792 m³ on the 10th (22 hours,
// the two without readings out), 36 m³ on the 11th, 864 m³ in all.
void RecordsTest::daysAddUpToTheVolume()
{
    VolumeTally tally(PeriodKind::Day);
    long long line = 1;
    const qint64 start = k2026_12_09 + 23 * 60 * kMinute;
    for (qint64 t = start; t <= start + 26 * 60 * kMinute; t += 10 * kMinute) {
        const qint64 ofDay = (t - k2026_12_09 - kDay) / kMinute;
        if (t >= k2026_12_09 + kDay && t < k2026_12_09 + 2 * kDay && ofDay > 12 * 60 && ofDay < 14 * 60)
            continue;
        tally.add({++line, 0.01, 0.001, RecordTime{t, false}, u"t"_qs});
    }
    const VolumeResult result = tally.finish();
    QCOMPARE(result.usualStepMs, 10 * kMinute);
    QCOMPARE(result.gapCount, 1LL);
    QVERIFY(!result.whole);
    QCOMPARE(result.periods.size(), std::size_t(3));
    const struct {
        const char *name;
        double volume, cover;
        long long readings;
        const char *why;
    } days[] = {{"2026-12-09", 36, 100.0 / 24, 6, "記録の始まる前"},
                {"2026-12-10", 792, 100.0 * 22 / 24, 133, "読みのない間"},
                {"2026-12-11", 36, 100.0 / 24, 7, "記録の終わった後"}};
    double sum = 0, uSum = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const PeriodVolume &day = result.periods[i];
        QCOMPARE(day.name, QString::fromLatin1(days[i].name));
        QVERIFY2(std::abs(day.volumeM3 - days[i].volume) < 1e-9, qPrintable(QString::number(day.volumeM3)));
        QVERIFY(std::abs(day.coverPercent() - days[i].cover) < 1e-9);
        QCOMPARE(day.readings, days[i].readings);
        QCOMPARE(day.whyIncomplete(), QString::fromUtf8(days[i].why));
        QVERIFY(std::abs(*day.meanM3s() - 0.01) < 1e-12);
        sum += day.volumeM3;
        uSum += day.uM3;
    }
    QVERIFY(std::abs(sum - result.volumeM3) < 1e-9);
    QVERIFY(std::abs(result.volumeM3 - 864) < 1e-9);
    // The flows' U summed over time: a tenth of the volume here.
    QVERIFY(std::abs(uSum - result.uM3) < 1e-9 && std::abs(result.uM3 - 86.4) < 1e-9);
}

// An interval across midnight is split there, the flow straight between its
// readings: 0 at 23:00, 0.02 m³/s at 01:00, so 18 m³ before midnight and 54
// after. A step allowed by the caller is bridged and said.
void RecordsTest::intervalSplitAtMidnight()
{
    VolumeTally tally(PeriodKind::Day, 3 * 60 * kMinute);
    const qint64 eleven = k2026_12_09 + 23 * 60 * kMinute;
    tally.add({2, 0.0, std::nullopt, RecordTime{eleven - 10 * kMinute, false}, u"t"_qs});
    tally.add({3, 0.0, std::nullopt, RecordTime{eleven, false}, u"t"_qs});
    tally.add({4, 0.02, std::nullopt, RecordTime{eleven + 120 * kMinute, false}, u"t"_qs});
    const VolumeResult result = tally.finish();
    QCOMPARE(result.bridgedCount, 1LL);
    QCOMPARE(result.gapCount, 0LL);
    QVERIFY(result.whole);
    QCOMPARE(result.periods.size(), std::size_t(2));
    QVERIFY(std::abs(result.periods[0].volumeM3 - 18) < 1e-9);
    QVERIFY(std::abs(result.periods[1].volumeM3 - 54) < 1e-9);
    QVERIFY(std::abs(result.volumeM3 - 72) < 1e-9);
}

// A year of minute readings (525,600) kept in at most 64 spans: every
// reading within a span's bounds, the year's peak and trough still there,
// and the day without readings still a break.
void RecordsTest::hydrographKeepsItsPeaks()
{
    Hydrograph plot(64);
    double highest = 0, lowest = 1e9;
    for (qint64 minute = 0; minute < 525600; ++minute) {
        if (minute >= 200 * 1440 && minute < 201 * 1440) {
            plot.addBreak();
            continue;
        }
        const double head
            = 50 + 30 * std::sin(double(minute) / 1440 * 2 * std::numbers::pi) + (minute == 300000 ? 40 : 0);
        highest = std::max(highest, head);
        lowest = std::min(lowest, head);
        plot.add(minute * kMinute, head, head * 10);
    }
    const std::vector<Hydrograph::Span> &spans = plot.spans();
    QVERIFY(spans.size() <= 64 && spans.size() > 16);
    double top = 0, bottom = 1e9;
    int breaks = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        top = std::max(top, spans[i].largestHeadMm);
        bottom = std::min(bottom, spans[i].smallestHeadMm);
        QVERIFY(spans[i].fromMs <= spans[i].toMs && (i == 0 || spans[i - 1].toMs < spans[i].fromMs));
        QCOMPARE(spans[i].largestLpm, spans[i].largestHeadMm * 10);
        breaks += spans[i].breakBefore ? 1 : 0;
    }
    QCOMPARE(top, highest);
    QCOMPARE(bottom, lowest);
    QCOMPARE(breaks, 1);
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
