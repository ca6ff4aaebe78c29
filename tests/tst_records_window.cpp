// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The records window (記録から流量): opened from the calculator's menu and by
// a dropped file, its daily table the engine's to the last digit, the window
// answering while a long record is read, and 中止 leaving nothing shown.
#include "app/subcommands.h"
#include "calculator/weir_head_window.h"
#include "records/records_window.h"
#include "tests/support/page_ink.h"

#include <qcustomplot.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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
    void previewMarksTheFile_data();
    void previewMarksTheFile();
    void loadsFromConcentrations();
    void standardFormulaIsTheEngines();
    void rowsAsTheCommandLineWritesThem();
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
    settings.columns = {ColumnChoice::fromText(u"head_mm"_qs), {ColumnChoice::fromText(u"time"_qs)}, {}, {}};
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
    // The point under the mouse, read out; the time zoomed and panned from
    // the keyboard, and the whole record again with Home.
    QCustomPlot &plot = *window.plot();
    const double noon = double(QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC).toSecsSinceEpoch());
    window.readOutAt(QPointF(plot.xAxis->coordToPixel(noon), 100));
    QVERIFY2(window.pointReadout().startsWith(u"2026-12-10 1"_qs) && window.pointReadout().contains(u"L/min"_qs),
             qPrintable(window.pointReadout()));
    const QCPRange whole = plot.xAxis->range();
    QTest::keyClick(&plot, Qt::Key_Plus);
    QVERIFY(std::abs(plot.xAxis->range().size() - whole.size() / 2) < 1);
    QTest::keyClick(&plot, Qt::Key_Right);
    QVERIFY(plot.xAxis->range().lower > whole.lower);
    QTest::keyClick(&plot, Qt::Key_Home);
    QVERIFY(std::abs(plot.xAxis->range().size() - whole.size()) < 1);
}

// What the window shows of a file before reading it: each of the first
// lines marked (passed over, header, units, data), what was found, and the
// columns chosen without asking only where the rows leave no choice.
void RecordsWindowTest::previewMarksTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("delimiter"); // 0: from the file
    QTest::addColumn<QString>("marks"); // a letter a line: b before, h header, p passed, d data
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("head"); // chosen without asking; empty when the rows leave a choice
    QTest::addColumn<QString>("time");
    // A table as Campbell's TOA5 lays it out: a title line, the names,
    // the units, the processing; a record number beside the level leaves
    // the choice open.
    QTest::newRow("TOA5-like") << QByteArray("\"TOA5\",\"Station\",\"CR1000\"\n"
                                             "\"TIMESTAMP\",\"RECORD\",\"Level\"\n"
                                             "\"TS\",\"RN\",\"cm\"\n"
                                             "\"\",\"\",\"Smp\"\n"
                                             "\"2026-12-09 00:00:00\",1,3.2\n"
                                             "\"2026-12-09 00:10:00\",2,3.4\n")
                               << 0 << u"bhppdd"_qs << u"見出し 2行目"_qs << QString() << QString();
    QTest::newRow("semicolons, decimal commas, date and time apart")
        << QByteArray("Logger 7\nDatum;Zeit;Pegel [m]\n27.03.2014;10:00;0,032\n27.03.2014;10:10;0,034\n") << 0
        << u"bhdd"_qs << u"区切り セミコロン、小数点 ,"_qs << u"Pegel [m]"_qs << u"Datum, Zeit"_qs;
    QTest::newRow("a delimiter chosen that the file has not")
        << QByteArray("time,head_mm\n2026-12-09T00:00,30\n") << int('\t') << u"bb"_qs << u"見出し"_qs << QString()
        << QString();
}

void RecordsWindowTest::previewMarksTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, delimiter);
    QFETCH(QString, marks);
    QFETCH(QString, found);
    QFETCH(QString, head);
    QFETCH(QString, time);
    QTemporaryDir dir;
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    if (delimiter)
        window.delimiterBox()->setCurrentIndex(window.delimiterBox()->findData(delimiter));
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, bytes));
    // Each line as "   3 単位 │ text": its mark, before the bar.
    QString shown;
    for (const QString &line : window.previewLines()->toPlainText().split(u'\n')) {
        const QString mark = line.section(u'│', 0, 0).simplified().section(u' ', 1, 1);
        shown += mark == u"見出し"_qs                                              ? u'h'
            : mark == u"データ"_qs                                                 ? u'd'
            : mark == u"単位"_qs || (mark == u"飛ばす"_qs && shown.contains(u'h')) ? u'p'
                                                                                   : u'b';
    }
    QCOMPARE(shown, marks);
    QVERIFY2(window.foundText().contains(found), qPrintable(window.foundText()));
    QCOMPARE(window.headColumnBox()->text(), head);
    QCOMPARE(window.timeColumnsBox()->text(), time);
    if (!head.isEmpty()) {
        QVERIFY(done.wait(10000));
        QVERIFY2(window.summary().contains(u"2行のうち 2行に流量があります"_qs), qPrintable(window.summary()));
    }
}

// A day's load is its concentration times its volume: 1000 mg/L is 1 kg/m³,
// so the load in kg is the volume in m³; 250 mg/L a quarter of it. The
// month's load is its days'. A concentration pasted as a spreadsheet's
// column fills the days from the one selected down.
void RecordsWindowTest::loadsFromConcentrations()
{
    QTemporaryDir dir;
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, tenMinuteRecord(400)));
    QVERIFY(done.wait(10000));
    QTableWidget &days = *window.daysTable();
    const int load = days.columnCount() - 2;
    QCOMPARE(days.horizontalHeaderItem(load)->text(), u"負荷量 (kg/日)"_qs);
    window.setConcentration(1, u"1000"_qs);
    QCOMPARE(days.item(1, load)->text(), days.item(1, 1)->text()); // kg = m³
    days.setCurrentCell(2, load - 1);
    QGuiApplication::clipboard()->setText(u"250\n1000\n"_qs);
    QAction *paste = days.actions().value(0);
    QVERIFY(paste && paste->shortcut() == QKeySequence(QKeySequence::Paste));
    paste->trigger();
    const double third = days.item(2, 1)->text().toDouble();
    QCOMPARE(days.item(2, load)->text(), QString::number(third / 4, 'f', 3));
    QCOMPARE(days.item(3, load)->text(), days.item(3, 1)->text());
    const double month = days.item(1, load)->text().toDouble() + days.item(2, load)->text().toDouble()
        + days.item(3, load)->text().toDouble();
    QTableWidget &months = *window.monthsTable();
    QVERIFY(std::abs(months.item(0, months.columnCount() - 3)->text().toDouble() - month) <= 0.0015);
    QCOMPARE(months.item(0, months.columnCount() - 2)->text(), u"3"_qs);
    // Kept when the file is read again.
    QVERIFY(window.read());
    QVERIFY(done.wait(10000));
    QCOMPARE(days.item(1, load - 1)->text(), u"1000"_qs);
    QCOMPARE(days.item(1, load)->text(), days.item(1, 1)->text());

    // Out: the days and months as a spreadsheet reads a CSV file, and the
    // A4 report with its loads, every page on its paper and numbered.
    const QByteArray csv = window.daysCsv();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" + u"日付,水量 (m³),"_qs.toUtf8()));
    QVERIFY(csv.contains(("\r\n" + days.item(1, 0)->text() + u',' + days.item(1, 1)->text()).toUtf8()));
    QVERIFY(csv.contains(u"\r\n\r\n月,水量 (m³),"_qs.toUtf8()));
    const QString pdf = dir.filePath(u"records.pdf"_qs);
    QCOMPARE(window.savePdf(pdf).words(), QString());
    QProcess info;
    info.start(u"pdfinfo"_qs, {pdf});
    QVERIFY(info.waitForFinished(10000) && info.exitCode() == 0);
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(infoText.contains(u"(A4)"_qs), qPrintable(infoText));
    const int pages = infoText.section(u"Pages:"_qs, 1).trimmed().section(u'\n', 0, 0).toInt();
    QVERIFY(pages >= 1);
    const QString ink = test::inkOutsideMargins(pdf, 15);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));
    QProcess text;
    text.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
    QVERIFY(text.waitForFinished(10000) && text.exitCode() == 0);
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &expected : {u"record.csv"_qs, u"日ごとの水量"_qs, u"月ごとの水量"_qs, u"負荷量"_qs,
                                    u"公式: 本プログラムの公式"_qs, days.item(1, load)->text()})
        QVERIFY2(extracted.contains(expected), qPrintable(expected));
    QVERIFY(extracted.contains(QRegularExpression(QStringLiteral("\\b%1 */ *%1\\b").arg(pages))));
    QFile::remove(u"records-report.pdf"_qs);
    QFile::copy(pdf, u"records-report.pdf"_qs); // beside the build, for a look
}

// A standard's formula chosen in the window gives the engine's days for the
// same choice, says the formula and counts the readings outside its range
// day by day.
void RecordsWindowTest::standardFormulaIsTheEngines()
{
    QTemporaryDir dir;
    const QByteArray bytes = tenMinuteRecord(400);
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    window.formulaBox()->setCurrentIndex(window.formulaBox()->findData(int(StandardWeir::JisRectangular)));
    window.channelWidthBox()->setText(u"600"_qs);
    window.crestHeightBox()->setText(u"300"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, bytes));
    QVERIFY(done.wait(10000));

    FlowRecordSettings settings;
    settings.columns = {ColumnChoice::fromText(u"head_mm"_qs), {ColumnChoice::fromText(u"time"_qs)}, {}, {}};
    settings.widthMm = 300;
    settings.standard = StandardFormula{StandardWeir::JisRectangular, 600, 300};
    std::FILE *in = std::tmpfile();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), in);
    std::rewind(in);
    const FlowRecord record = readFlowRecord(in, settings);
    std::fclose(in);
    QCOMPARE(window.daysTable()->rowCount(), 4);
    // Heads of 30 to 56 mm: all within 0.03 m ≤ h ≤ 0.45√b, and
    // bD/B² = 0.3 · 0.3 / 0.36 = 0.25.
    QCOMPARE(record.outsideRange, 0);
    for (int row = 0; row < 4; ++row)
        QCOMPARE(window.daysTable()->item(row, 1)->text(),
                 QString::number(record.days.periods[std::size_t(row)].volumeM3, 'f', 3));
    QVERIFY2(window.summary().contains(u"JIS B 8302 四角せき"_qs), qPrintable(window.summary()));
    // A crest a third of its height: bD/B² = 0.3 · 0.1 / 0.36 < 0.06 on
    // every reading, counted by day.
    window.crestHeightBox()->setText(u"100"_qs);
    QVERIFY(window.read());
    QVERIFY(done.wait(10000));
    QVERIFY2(window.summary().contains(u"389行は公式の適用範囲外"_qs), qPrintable(window.summary()));
    QTableWidget &days = *window.daysTable();
    const int outside = days.columnCount() - 4;
    QCOMPARE(days.horizontalHeaderItem(outside)->text(), u"適用範囲外の読み"_qs);
    QCOMPARE(days.item(0, outside)->text(), days.item(0, 3)->text());
}

// Every row with its flow, as `weir-head flow --column ... --format csv`
// writes it (the window's file in CRLF with a byte-order mark, for a
// spreadsheet): a note kept with no answer, a reading below the crest at
// no flow, a value that is no number with its reason.
void RecordsWindowTest::rowsAsTheCommandLineWritesThem()
{
    QTemporaryDir dir;
    QByteArray bytes = tenMinuteRecord(60);
    bytes.insert(bytes.indexOf("2026-12-08T21:00"), "Pegel geprueft\n");
    bytes += "2026-12-09T06:10:00Z,-1\n2026-12-09T06:20:00Z,x\n";
    RecordsWindowWidget window;
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, bytes));
    QVERIFY(done.wait(10000));
    const QString path = dir.filePath(u"rows.csv"_qs);
    QVERIFY(window.saveRowsCsv(path));
    QVERIFY(done.wait(10000));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QByteArray fromWindow = saved.readAll();
    QVERIFY(fromWindow.startsWith("\xEF\xBB\xBF"));
    fromWindow = fromWindow.mid(3).replace("\r\n", "\n");

    std::FILE *in = std::tmpfile();
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), in);
    std::rewind(in);
    runSubcommand({u"weir-head"_qs, u"flow"_qs, u"--column"_qs, u"head_mm"_qs, u"--time"_qs, u"time"_qs, u"--width"_qs,
                   u"300"_qs, u"--format"_qs, u"csv"_qs},
                  in, out, err);
    std::rewind(out);
    QByteArray fromCommandLine;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        fromCommandLine.append(buffer, qsizetype(got));
    for (std::FILE *file : {in, out, err})
        std::fclose(file);
    if (fromCommandLine.startsWith("\xEF\xBB\xBF"))
        fromCommandLine.remove(0, 3);
    QCOMPARE(fromWindow, fromCommandLine);
    QVERIFY(fromWindow.contains("Pegel geprueft,,,,\n"));
}

// A record of 300,000 rows read while a timer keeps asking for the window:
// its ticks are answered all the while.
void RecordsWindowTest::answersWhileReading()
{
    QTemporaryDir dir;
    RecordsWindowWidget window;
    window.show();
    window.takeSettings(QLocale::c(), std::nullopt, u"300"_qs);
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, &window, [&ticks] { ++ticks; });
    timer.start(5);
    // One column of times, one of numbers: chosen without asking, and read.
    window.openFile(written(dir, tenMinuteRecord(300000)));
    QCOMPARE(window.headColumnBox()->text(), u"head_mm"_qs);
    QCOMPARE(window.timeColumnsBox()->text(), u"time"_qs);
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
    QSignalSpy done(&window, &RecordsWindowWidget::finished);
    window.openFile(written(dir, tenMinuteRecord(400000)));
    QVERIFY(window.reading());
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
