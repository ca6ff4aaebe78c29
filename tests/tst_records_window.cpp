// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The records window (記録から流量): opened from the calculator's menu and by
// a dropped file, its daily table the engine's to the last digit, the window
// answering while a long record is read, and 中止 leaving nothing shown.
#include "calculator/weir_head_window.h"
#include "records/window/records_window.h"

#include <qcustomplot.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace weir;

namespace {

// A ten-minute record of heads in mm across midnight, `rows` long, with a
// gap of two hours in it.
QByteArray tenMinuteRecord(int rows)
{
    QByteArray bytes("time,head_mm\n");
    const QDateTime start(QDate(2026, 12, 8), QTime(20, 0), Qt::UTC);
    for (int step = 0; step < rows; ++step) {
        if (step > 30 && step < 42)
            continue;
        bytes += start.addSecs(600LL * step).toString(Qt::ISODate).toUtf8() + ','
            + QByteArray::number(30 + (step % 53) * 0.5, 'f', 2) + '\n';
    }
    return bytes;
}

QString written(QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("record.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

class RecordsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void daysAreTheEngines();
    void answersWhileReading();
    void cancelLeavesNothingShown();
    void openedFromTheCalculator();
};

void RecordsWindowTest::daysAreTheEngines()
{
    QTemporaryDir dir;
    const QByteArray bytes = tenMinuteRecord(400);
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    window.headColumnBox()->setText(u"head_mm"_qs);
    window.timeColumnsBox()->setText(u"time"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, bytes)); // with a column named, it reads at once
    QVERIFY(done.wait(10000));

    FlowRecordSettings settings;
    settings.columns = {ColumnChoice::fromText(u"head_mm"_qs), {ColumnChoice::fromText(u"time"_qs)}, {}};
    settings.widthMm = 300;
    std::FILE *in = std::tmpfile();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), in);
    std::rewind(in);
    const FlowRecord record = readFlowRecord(in, settings);
    std::fclose(in);
    QCOMPARE(window.daysTable()->rowCount(), int(record.days.periods.size()));
    QCOMPARE(window.daysTable()->rowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        const PeriodVolume &day = record.days.periods[std::size_t(row)];
        QCOMPARE(window.daysTable()->item(row, 0)->text(), day.name);
        QCOMPARE(window.daysTable()->item(row, 1)->text(), QString::number(day.volumeM3, 'f', 3));
        QCOMPARE(window.daysTable()->item(row, 3)->text(), QString::number(day.readings));
    }
    QVERIFY2(window.summary().contains(QString::number(record.days.volumeM3, 'f', 3)), qPrintable(window.summary()));
    QVERIFY(window.daysText().startsWith(u"日付\t水量 (m³)"_qs));
    QVERIFY(window.monthsTable()->rowCount() == 1);
    // The window as read, beside the build, for a look.
    window.resize(900, 640);
    QVERIFY(window.grab().save(u"records-window.png"_qs));
    window.plot()->resize(880, 420);
    window.plot()->replot();
    QVERIFY(window.plot()->grab().save(u"records-hydrograph.png"_qs));
}

// A record of 300,000 rows read while a timer keeps asking for the window:
// its ticks are answered all the while.
void RecordsWindowTest::answersWhileReading()
{
    QTemporaryDir dir;
    RecordsWindowWidget window;
    window.show();
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    window.openFile(written(dir, tenMinuteRecord(300000)));
    window.headColumnBox()->setText(u"head_mm"_qs);
    window.timeColumnsBox()->setText(u"time"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, &window, [&ticks] { ++ticks; });
    timer.start(5);
    QVERIFY(window.read());
    QVERIFY(window.reading());
    QVERIFY(done.wait(60000));
    QVERIFY2(ticks > 3, qPrintable(QString::number(ticks)));
    QVERIFY(!window.reading());
    QVERIFY(window.daysTable()->rowCount() > 2000);
}

void RecordsWindowTest::cancelLeavesNothingShown()
{
    QTemporaryDir dir;
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    window.openFile(written(dir, tenMinuteRecord(400000)));
    window.headColumnBox()->setText(u"head_mm"_qs);
    window.timeColumnsBox()->setText(u"time"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    QVERIFY(window.read());
    window.cancel();
    QVERIFY(done.wait(60000));
    QCOMPARE(window.daysTable()->rowCount(), 0);
    QCOMPARE(window.summary(), u"中止しました。"_qs);
    QVERIFY(window.readButton()->isEnabled());
}

// 表示 → 記録から流量 loads the module and hands it the width box, and a
// file dropped on the calculator is opened there.
void RecordsWindowTest::openedFromTheCalculator()
{
    QTemporaryDir dir;
    const QString path = written(dir, tenMinuteRecord(20));
    WeirHeadWindow calculator;
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    calculator.inputBox(InputBox::Width)->setText(u"250"_qs);
    // What a file dropped on the calculator does.
    calculator.openRecordsWindow(path);
    auto *records = calculator.findChild<QWidget *>(u"RecordsWindow"_qs);
    QVERIFY2(records, "no records window opened");
    QVERIFY(records->isVisible());
    QCOMPARE(records->findChild<QLineEdit *>(u"widthBox"_qs)->text(), u"250"_qs);
    QVERIFY(records->findChild<QLabel *>()->text().contains(u"record.csv"_qs));
}

QTEST_MAIN(RecordsWindowTest)
#include "tst_records_window.moc"
