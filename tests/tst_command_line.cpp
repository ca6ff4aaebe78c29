// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The calculation without the window: the subcommands' answers equal the
// window's outcome, record files of every dialect come back whole with their
// flows, bad rows keep their place and are named, a malformed file writes
// nothing, and the volume of a constant flow is the flow times the time.
#include "app/subcommands.h"
#include "logic/calculation.h"
#include "tests/support/calculation_cases.h"
#include "tests/support/locales.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace weir;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

QByteArray readAll(std::FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(got));
    return bytes;
}

// The program's subcommand with the arguments, the input given as bytes.
Run run(const QStringList &arguments, const QByteArray &input = {})
{
    std::FILE *in = std::tmpfile();
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    std::fwrite(input.constData(), 1, std::size_t(input.size()), in);
    std::rewind(in);
    Run result;
    result.status = runSubcommand(QStringList{QStringLiteral("weir-head")} + arguments, in, out, err);
    std::fflush(out);
    std::fflush(err);
    result.out = readAll(out);
    result.err = QString::fromUtf8(readAll(err));
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return result;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void headAsTheWindowShowsIt_data();
    void headAsTheWindowShowsIt();
    void flowForOneHead();
    void recordDialects_data();
    void recordDialects();
    void badRowsKeepTheirPlace();
    void malformedFileWritesNothing_data();
    void malformedFileWritesNothing();
    void volumeOfAConstantFlow();
    void timesInEveryForm_data();
    void timesInEveryForm();
    void headsForARecordOfFlows();
    void jsonKeepsTheColumnsInOrder();
    void repeatedValuesAnswerAsTheFirstTime();
};

// Every case the window is tested with, through the command line: one value
// (head --flow) and the same value as a record's row (head --column), each
// exactly what the window shows for the same four texts.
void CommandLineTest::headAsTheWindowShowsIt_data()
{
    test::addCalculationCases();
}

void CommandLineTest::headAsTheWindowShowsIt()
{
    using Kind = CalculationOutcome::Kind;
    QFETCH(QStringList, inputs);
    QFETCH(Kind, kind);
    QFETCH(QString, head);
    QFETCH(QString, trials);
    QFETCH(QStringList, lines);
    QFETCH(int, box);
    // The command line reads numbers as the window does in a locale with a
    // decimal point: the cases hold no grouping, so the outcome is the same.
    const CalculationOutcome window = calculate({inputs[0], inputs[1], inputs[2], inputs[3]}, QLocale::c());
    QCOMPARE(window.kind, kind);
    QCOMPARE(window.headText, head);

    const QStringList bracket{"--width", inputs[0], "--min", inputs[2], "--max", inputs[3]};
    const Run one = run(QStringList{"head", "--flow", inputs[1]} + bracket);
    const Run record
        = run(QStringList{"head", "--column", "flow_lpm"} + bracket, "flow_lpm\n" + inputs[1].toUtf8() + "\n");
    const QString said = lines.join(u' ');
    switch (kind) {
    case Kind::Incomplete:
        QCOMPARE(one.status, 2);
        QVERIFY2(one.err.contains(inputBoxInfo(InputBox(box)).caption() + u" を指定して下さい。"_qs),
                 qPrintable(one.err));
        QVERIFY(one.out.isEmpty());
        if (InputBox(box) != InputBox::Flow) {
            // A record with no bracket to search is refused whole.
            QCOMPARE(record.status, 2);
            QVERIFY(record.out.isEmpty());
        }
        return;
    case Kind::Shown:
        QCOMPARE(one.status, 0);
        QCOMPARE(QString::fromUtf8(one.out), u"越流高さ(mm)\t"_qs + head + u"\nTrial回数\t"_qs + trials + u'\n');
        QCOMPARE(record.status, 0);
        QCOMPARE(QString::fromUtf8(record.out),
                 u"flow_lpm,head_mm,trials,reason\n"_qs + inputs[1] + u',' + head + u',' + trials + u',' + said
                     + u'\n');
        break;
    case Kind::Printed:
        QCOMPARE(one.status, 1);
        QVERIFY(one.out.isEmpty());
        QCOMPARE(record.status, 1);
        QCOMPARE(QString::fromUtf8(record.out),
                 u"flow_lpm,head_mm,trials,reason\n"_qs + inputs[1] + u",,,"_qs + said + u'\n');
        break;
    }
    for (const QString &line : lines)
        QVERIFY2(one.err.contains(line), qPrintable(one.err));
}

void CommandLineTest::flowForOneHead()
{
    // 50 mm over 300 mm: 363.30 L/min, worked out in tst_rating_table.
    Run result = run({"flow", "--width", "300", "--head", "50"});
    QCOMPARE(result.status, 0);
    QCOMPARE(QString::fromUtf8(result.out), u"流量(L/min)\t363.30\n流量(m³/s)\t0.0060551\n"_qs);
    result = run({"flow", "--width", "300", "--head", "50", "--decimal-comma", "--format", "json"});
    QCOMPARE(result.out, QByteArray("{\"流量(L/min)\":\"363,30\",\"流量(m³/s)\":\"0,0060551\"}\n"));
    result = run({"flow", "--width", "0", "--head", "50"});
    QCOMPARE(result.status, 2);
    QVERIFY(result.err.contains(u"堰の幅(mm)は0より大きい値にして下さい。"_qs));
}

void CommandLineTest::recordDialects_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("comma, LF") << QByteArray("t,head_mm\nA,50\n")
                               << QByteArray("t,head_mm,flow_lpm,flow_m3s,reason\nA,50,363.30,0.0060551,\n");
    QTest::newRow("semicolon, CRLF") << QByteArray("t;head_mm\r\nA;50\r\n")
                                     << QByteArray("t;head_mm;flow_lpm;flow_m3s;reason\r\nA;50;363.30;0.0060551;\r\n");
    QTest::newRow("tab") << QByteArray("t\thead_mm\nA\t50\n")
                         << QByteArray("t\thead_mm\tflow_lpm\tflow_m3s\treason\nA\t50\t363.30\t0.0060551\t\n");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFt,head_mm\nA,50\n")
                                     << QByteArray(
                                            "\xEF\xBB\xBFt,head_mm,flow_lpm,flow_m3s,reason\nA,50,363.30,0.0060551,\n");
    QTest::newRow("quoted fields kept as they came")
        << QByteArray("t,head_mm\n\"A, \"\"b\"\"\n2\",\"50\"\n")
        << QByteArray("t,head_mm,flow_lpm,flow_m3s,reason\n\"A, \"\"b\"\"\n2\",\"50\",363.30,0.0060551,\n");
    QTest::newRow("no line end at the end")
        << QByteArray("head_mm\n50") << QByteArray("head_mm,flow_lpm,flow_m3s,reason\n50,363.30,0.0060551,\n");
}

void CommandLineTest::recordDialects()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    const Run result = run({"flow", "--width", "300", "--column", "head_mm"}, input);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, output);
}

void CommandLineTest::badRowsKeepTheirPlace()
{
    const QByteArray input("head_mm,x\n50,a\nabc,b\n,c\n-1,d\n10,e\n");
    const Run result = run({"flow", "--width", "300", "--column", "head_mm"}, input);
    QCOMPARE(result.status, 1);
    const QList<QByteArray> rows = result.out.split('\n');
    QCOMPARE(rows.size(), 7); // header, five rows, and the last line end
    QCOMPARE(rows[2], QByteArray("abc,b,,,越流高さ(mm)が数値ではありません。"));
    QCOMPARE(rows[3], QByteArray(",c,,,値がありません。"));
    QCOMPARE(rows[4], QByteArray("-1,d,,,越流高さ(mm)は0より大きい値にして下さい。"));
    // Below 20 mm: a flow, and the note beside it.
    QCOMPARE(rows[5], QByteArray("10,e,36.38,0.0006063,20mm未満は公式の適用範囲外です。"));
    for (const char *named : {"3行目", "4行目", "5行目"})
        QVERIFY2(result.err.contains(QString::fromUtf8(named)), qPrintable(result.err));
    QVERIFY(result.err.contains(u"5行のうち 2行に答えがあり、3行にありません。"_qs));
}

void CommandLineTest::malformedFileWritesNothing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("error");
    QTest::newRow("unbalanced quote") << QByteArray("head_mm\n50\n\"60\n70\n") << u"3行目: 引用符"_qs;
    QTest::newRow("missing column") << QByteArray("height\n50\n") << u"1行目: 列 head_mm がありません。"_qs;
    QTest::newRow("empty file") << QByteArray() << u"見出しの行がありません。"_qs;
}

void CommandLineTest::malformedFileWritesNothing()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, error);
    Run result = run({"flow", "--width", "300", "--column", "head_mm"}, input);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(error), qPrintable(result.err));
    // An output file already there stays as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flows.csv"));
    QFile before(path);
    QVERIFY(before.open(QIODevice::WriteOnly));
    before.write("old");
    before.close();
    result = run({"flow", "--width", "300", "--column", "head_mm", "--output", path}, input);
    QCOMPARE(result.status, 2);
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("old"));
}

void CommandLineTest::volumeOfAConstantFlow()
{
    // 50 mm over 300 mm for an hour, read three times, in ISO 8601 and the
    // forms spreadsheets write: 363.3046056 L/min (worked out in 40-digit
    // decimals) is 21.798 m³ an hour. A reading that cannot be had breaks
    // the integration, and the hour around it is not counted.
    QByteArray input;
    input = "time,head_mm\n2026-12-09T10:00:00,50\n2026-12-09 10:30,50\n2026/12/09 11:00:00,50\n";
    Run result = run({"flow", "--width", "300", "--column", "head_mm", "--time", "time"}, input);
    QCOMPARE(result.status, 0);
    QVERIFY2(result.err.contains(u"通過した水量: 21.798 m³"_qs), qPrintable(result.err));

    input = "time,head_mm\n2026-12-09T10:00,50\n2026-12-09T10:30,abc\n2026-12-09T11:00,50\n2026-12-09T12:00,50\n";
    result = run({"flow", "--width", "300", "--column", "head_mm", "--time", "time"}, input);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(u"欠測: 2行目から4行目まで"_qs), qPrintable(result.err));
    QVERIFY2(result.err.contains(u"通過した水量: 21.798 m³"_qs), qPrintable(result.err));
}

// Two readings of 50 mm over 300 mm (0.006055076760 m³/s) at these times:
// the volume is that flow times the time between them, across a leap day, a
// year's end, offsets and the spreadsheet form; a date that does not exist is
// named and counts nothing.
void CommandLineTest::timesInEveryForm_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("said");
    QTest::newRow("over a leap day") << QByteArray("2024-02-28T23:00") << QByteArray("2024-02-29T01:00")
                                     << u"通過した水量: 43.597 m³"_qs;
    QTest::newRow("into March of a leap year")
        << QByteArray("2024-02-29T23:30") << QByteArray("2024-03-01 00:00") << u"通過した水量: 10.899 m³"_qs;
    QTest::newRow("over a year's end, seconds")
        << QByteArray("2026-12-31T23:59:30") << QByteArray("2027-01-01 00:00:00") << u"通過した水量: 0.182 m³"_qs;
    QTest::newRow("offsets") << QByteArray("2026-12-09T10:00+09:00") << QByteArray("2026-12-09T01:30Z")
                             << u"通過した水量: 10.899 m³"_qs;
    QTest::newRow("spreadsheet form") << QByteArray("2026/12/09 10:00") << QByteArray("2026-12-09T10:30:00")
                                      << u"通過した水量: 10.899 m³"_qs;
    QTest::newRow("no such day") << QByteArray("2026-02-27T10:00") << QByteArray("2026-02-30T10:00")
                                 << u"3行目: 時刻 2026-02-30T10:00 が読めません。"_qs;
    QTest::newRow("no such hour") << QByteArray("2026-12-09T10:00") << QByteArray("2026-12-09T25:00")
                                  << u"3行目: 時刻 2026-12-09T25:00 が読めません。"_qs;
}

void CommandLineTest::timesInEveryForm()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, said);
    const Run result = run({"flow", "--width", "300", "--column", "head_mm", "--time", "time"},
                           "time,head_mm\n" + first + ",50\n" + second + ",50\n");
    QVERIFY2(result.err.contains(said), qPrintable(result.err));
}

void CommandLineTest::headsForARecordOfFlows()
{
    const QByteArray input("flow_lpm\n300\n0\n");
    // With a bracket, as the window; without, over the formula's range.
    Run result = run({"head", "--width", "300", "--column", "flow_lpm", "--min", "20", "--max", "100"}, input);
    QCOMPARE(result.status, 1);
    QVERIFY(result.out.startsWith("flow_lpm,head_mm,trials,reason\n300,43.83,10,\n0,,,解がありません。"));
    result = run({"head", "--width", "300", "--column", "flow_lpm", "--format", "tsv"}, input);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.out.startsWith("flow_lpm\thead_mm\ttrials\treason\n300\t43.83\t\t\n0\t\t\t"),
             result.out.constData());
}

void CommandLineTest::jsonKeepsTheColumnsInOrder()
{
    const Run result = run({"flow", "--width", "300", "--column", "head_mm", "--format", "json"},
                           "zone,head_mm,a \"note\"\nB,50,\"x\ty\"\nA,,\n");
    QCOMPARE(result.status, 1);
    QCOMPARE(QString::fromUtf8(result.out),
             u"[\n{\"zone\":\"B\",\"head_mm\":\"50\",\"a \\\"note\\\"\":\"x\\u0009y\",\"flow_lpm\":\"363.30\","
             "\"flow_m3s\":\"0.0060551\",\"reason\":null},\n"
             "{\"zone\":\"A\",\"head_mm\":\"\",\"a \\\"note\\\"\":\"\",\"flow_lpm\":null,\"flow_m3s\":null,"
             "\"reason\":\"値がありません。\"}\n]\n"_qs);
}

// A record's answers are remembered by the value's text in a fixed number of
// slots; whatever the slots hold, every row gets the answer its own value
// gives alone. Six thousand different heads, each three times, in an order
// that sends many to one slot.
void CommandLineTest::repeatedValuesAnswerAsTheFirstTime()
{
    QByteArray input("head_mm\n");
    QStringList heads;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 6000; ++i) {
            const int k = round == 1 ? 5999 - i : (i * 7919) % 6000;
            heads << QString::number(20 + k * 0.01, 'f', 2);
            input += heads.last().toUtf8() + '\n';
        }
    }
    const Run result = run({"flow", "--width", "300", "--column", "head_mm"}, input);
    QCOMPARE(result.status, 0);
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), heads.size() + 2); // the header, and the end of the last line
    for (qsizetype i = 0; i < heads.size(); i += 97) {
        const Run alone = run({"flow", "--width", "300", "--head", heads[i]});
        const QString lpm = QString::fromUtf8(alone.out).section(u'\n', 0, 0).section(u'\t', 1);
        QCOMPARE(QString::fromUtf8(lines[i + 1]).section(u',', 1, 1), lpm);
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
