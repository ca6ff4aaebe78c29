// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The calculation without the window: the subcommands' answers equal the
// window's outcome, record files of every dialect come back whole with their
// flows, bad rows keep their place and are named, a malformed file writes
// nothing, and the volume of a constant flow is the flow times the time.
#include "app/qt_translations.h"
#include "app/subcommand_texts.h"
#include "app/subcommands.h"
#include "calculator/model/calculation.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"
#include "records/model/flow_record.h"
#include "records/model/text_codec.h"
#include "tests/support/calculation_cases.h"
#include "tests/support/locales.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <cstdio>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h> // the pseudo-terminal's ends
#endif

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

// The program's subcommand with the arguments, the input given as bytes;
// what it says goes to `terminal` when one is given.
Run run(const QStringList &arguments, const QByteArray &input = {}, std::FILE *terminal = nullptr)
{
    std::FILE *in = std::tmpfile();
    std::FILE *out = std::tmpfile();
    std::FILE *err = terminal ? terminal : std::tmpfile();
    std::fwrite(input.constData(), 1, std::size_t(input.size()), in);
    std::rewind(in);
    Run result;
    result.status = runSubcommand(QStringList{QStringLiteral("weir-head")} + arguments, in, out, err);
    std::fflush(out);
    std::fflush(err);
    result.out = readAll(out);
    std::fclose(in);
    std::fclose(out);
    if (!terminal) {
        result.err = QString::fromUtf8(readAll(err));
        std::fclose(err);
    }
    return result;
}

// A run's status, the texts its output holds (each followed by `after`: a
// line end for whole lines), what it says on the error stream, and nothing
// written when the command was at fault.
void expectAnswer(const Run &result, int status, const QStringList &written, const QString &after, const QString &said)
{
    QCOMPARE(result.status, status);
    const QString out = QString::fromUtf8(result.out);
    for (const QString &text : written)
        QVERIFY2(out.contains(text + after), qPrintable(out));
    QVERIFY2(result.err.contains(said), qPrintable(result.err));
    if (status == 2)
        QVERIFY(result.out.isEmpty());
}

// What a file written by the program begins with (the output stream here is
// a file): Excel then reads it as UTF-8.
const QByteArray kBom("\xEF\xBB\xBF");

} // namespace

Q_DECLARE_METATYPE(weir::FlowRecordSettings)

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void headAsTheWindowShowsIt_data();
    void headAsTheWindowShowsIt();
    void flowForOneHead();
    void decimalComma_data();
    void decimalComma();
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
    void fullOutputStreamSaysWhat();
    void loggerExports_data();
    void loggerExports();
    void faultsNamedNotHidden_data();
    void faultsNamedNotHidden();
    void unitsOfAReading_data();
    void unitsOfAReading();
    void uncertaintyOnEveryAnswer_data();
    void uncertaintyOnEveryAnswer();
    void designWidths_data();
    void designWidths();
    void tableOfAnyLength();
    void progressOnATerminal();
    void helpIsInOneLanguage();
    void englishRunInOneLanguage_data();
    void englishRunInOneLanguage();
    void windowEngineAgreesWithPeriodDay_data();
    void windowEngineAgreesWithPeriodDay();
    void excelReadsWhatIsWritten_data();
    void excelReadsWhatIsWritten();
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
    // An option that is missing or does not read is the command's fault,
    // named by the option; only the flow of a record's row is the row's.
    static const char *const options[] = {"width", "flow", "min", "max"};
    const QString option = box == test::kNoBox ? QString() : u"--"_qs + QLatin1String(options[box]);
    switch (kind) {
    case Kind::Incomplete:
        QCOMPARE(one.status, 2);
        QVERIFY2(one.err.contains(option + u' ') && one.err.contains(u"を指定して下さい。"_qs), qPrintable(one.err));
        QVERIFY(one.out.isEmpty());
        if (InputBox(box) != InputBox::Flow) {
            // A record with no bracket to search is refused whole.
            QCOMPARE(record.status, 2);
            QVERIFY(record.out.isEmpty());
        }
        return;
    case Kind::Shown:
        // A head past the formula's peak is written as found, with its
        // reason, and is no answer: status 1, as for a flow past the peak.
        QCOMPARE(one.status, window.found() ? 0 : 1);
        QCOMPARE(QString::fromUtf8(one.out), u"越流高さ(mm)\t"_qs + head + u"\nTrial回数\t"_qs + trials + u'\n');
        QCOMPARE(record.status, window.found() ? 0 : 1);
        QCOMPARE(record.out,
                 kBom
                     + (u"flow_lpm,head_mm,trials,reason\n"_qs + inputs[1] + u',' + head + u',' + trials + u',' + said
                        + u'\n')
                           .toUtf8());
        break;
    case Kind::Printed:
        QCOMPARE(one.status, box == test::kNoBox ? 1 : 2);
        QVERIFY(one.out.isEmpty());
        if (box != test::kNoBox)
            QVERIFY2(one.err.contains(option + u": "_qs + said), qPrintable(one.err));
        if (box != test::kNoBox && InputBox(box) != InputBox::Flow) {
            QCOMPARE(record.status, 2);
            QVERIFY(record.out.isEmpty());
            break;
        }
        QCOMPARE(record.status, 1);
        QCOMPARE(record.out,
                 kBom + (u"flow_lpm,head_mm,trials,reason\n"_qs + inputs[1] + u",,,"_qs + said + u'\n').toUtf8());
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
    // JSON numbers are numbers, with a point whatever the files' decimal mark.
    result = run({"flow", "--width", "300", "--head", "50", "--decimal-comma", "--format", "json"});
    QCOMPARE(result.out, QByteArray("{\"flow_lpm\":363.30,\"flow_m3s\":0.0060551,\"reason\":null}\n"));
    result = run({"head", "--width", "300", "--flow", "300", "--min", "20", "--max", "100", "--format", "json"});
    QCOMPARE(result.out, QByteArray("{\"head_mm\":43.83,\"trials\":10,\"reason\":null}\n"));
    result = run({"flow", "--width", "0", "--head", "50"});
    QCOMPARE(result.status, 2);
    QVERIFY(result.err.contains(u"堰の幅(mm)は0より大きい値にして下さい。"_qs));
}

void CommandLineTest::decimalComma_data()
{
    // With --decimal-comma the comma is the decimal mark of the option values
    // read and the numbers written; a point there is refused rather than
    // read (1.000 is a thousand to many who write the comma).
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    const QStringList comma{"--decimal-comma"};
    QTest::newRow("flow") << QStringList{"flow", "--width", "300,0", "--head", "50"} + comma << 0
                          << QStringList{u"流量(L/min)\t363,30\n流量(m³/s)\t0,0060551\n"_qs} << QString();
    QTest::newRow("point refused") << QStringList{"flow", "--width", "300", "--head", "50.0"} + comma << 2
                                   << QStringList() << u"--head"_qs;
    QTest::newRow("table cells quoted") << QStringList{"table", "--width", "300", "--from",   "50", "--to",
                                                       "50",    "--step",  "1",   "--format", "csv"}
            + comma << 0 << QStringList{u"\n50,\"363,30\",\"0,0060551\",,300\n"_qs}
                                        << QString();
    QTest::newRow("stated uncertainty") << QStringList{"head", "--width",   "300", "--flow",          "300", "--u-head",
                                                       "0,5",  "--u-width", "1",   "--u-coefficient", "1"}
            + comma << 0 << QStringList{u"43,83"_qs, u"u(h) = 0,5 mm"_qs}
                                        << QString();
}

void CommandLineTest::decimalComma()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    for (const QString &text : out)
        QVERIFY2(QString::fromUtf8(result.out).contains(text), result.out.constData());
    QVERIFY2(result.err.contains(err), qPrintable(result.err));
    if (status == 2)
        QVERIFY(result.out.isEmpty());
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
    QCOMPARE(result.out, output.startsWith(kBom) ? output : kBom + output);
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
    // At or below the crest no water passes: a flow of 0, and an answer.
    QCOMPARE(rows[4], QByteArray("-1,d,0.00,0.0000000,越流なし（水面が堰頂の高さ以下）"));
    // Below 20 mm: a flow, and the note beside it.
    QCOMPARE(rows[5], QByteArray("10,e,36.38,0.0006063,20mm未満は公式の適用範囲外です。"));
    for (const char *named : {"3行目", "4行目"})
        QVERIFY2(result.err.contains(QString::fromUtf8(named)), qPrintable(result.err));
    QVERIFY(result.err.contains(u"5行のうち 3行に答えがあり、2行にありません。"_qs));
}

void CommandLineTest::malformedFileWritesNothing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("error");
    QTest::newRow("unbalanced quote") << QByteArray("head_mm\n50\n\"60\n70\n") << u"3行目: 引用符"_qs;
    QTest::newRow("missing column") << QByteArray("height\n50\n")
                                    << u"列 「head_mm」 を含む見出しの行がありません（最初の1000行を調べました）。"_qs;
    QTest::newRow("empty file") << QByteArray() << u"見出しの行がありません。"_qs;
    QTest::newRow("header out of line with its rows")
        << QByteArray("t,head_mm\nA,50,,\nB,50,x\n") << u"1行目の見出しは2列ですが、その下の3行目は3列あります。"_qs;
    QByteArray longRecord("t,head_mm\n");
    for (int row = 0; row < 30; ++row)
        longRecord += "A,50\n";
    QTest::newRow("values past the header's columns further down") << longRecord
            + "B,50,x\n" << u"32行目: 見出しの2列より先に値があります（3列目）。"_qs;
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
    QTest::newRow("24:00, as gauging records count the last hour")
        << QByteArray("2026/12/09 23:30") << QByteArray("2026/12/09 24:00") << u"通過した水量: 10.899 m³"_qs;
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
    QVERIFY(result.out.startsWith(kBom + "flow_lpm,head_mm,trials,reason\n300,43.83,10,\n0,,,解がありません。"));
    result = run({"head", "--width", "300", "--column", "flow_lpm", "--format", "tsv"}, input);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.out.startsWith(kBom + "flow_lpm\thead_mm\ttrials\treason\n300\t43.83\t\t\n0\t\t\t"),
             result.out.constData());
}

void CommandLineTest::jsonKeepsTheColumnsInOrder()
{
    const Run result = run({"flow", "--width", "300", "--column", "head_mm", "--format", "json"},
                           "zone,head_mm,a \"note\"\nB,50,\"x\ty\"\nA,,\n");
    QCOMPARE(result.status, 1);
    QCOMPARE(QString::fromUtf8(result.out),
             u"[\n{\"zone\":\"B\",\"head_mm\":\"50\",\"a \\\"note\\\"\":\"x\\u0009y\",\"flow_lpm\":363.30,"
             "\"flow_m3s\":0.0060551,\"reason\":null},\n"
             "{\"zone\":\"A\",\"head_mm\":\"\",\"a \\\"note\\\"\":\"\",\"flow_lpm\":null,\"flow_m3s\":null,"
             "\"reason\":\"値がありません。\"}\n]\n"_qs);
}

// An output stream that takes nothing (a full disk): the run fails, and says
// which output and why; it once said "を保存できません: " and nothing more.
void CommandLineTest::fullOutputStreamSaysWhat()
{
    std::FILE *full = std::fopen("/dev/full", "w");
    if (!full)
        QSKIP("no /dev/full on this system");
    std::FILE *in = std::tmpfile();
    std::FILE *err = std::tmpfile();
    const int status = runSubcommand({"weir-head", "flow", "--width", "300", "--head", "43.83"}, in, full, err);
    std::fclose(full);
    std::fflush(err);
    const QString said = QString::fromUtf8(readAll(err)).trimmed();
    std::fclose(in);
    std::fclose(err);
    QCOMPARE(status, 2);
    const QString prefix = u"標準出力 を保存できません: "_qs;
    QVERIFY2(said.startsWith(prefix) && said.size() > prefix.size(), qPrintable(said));
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

namespace {

QByteArray utf16WithItsMark(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

// 日時,水位(cm),備考 and 晴れ in CP932, byte for byte (the Windows build's Qt
// has no CP932 converter of its own to make them with).
const QByteArray kCp932Header("\x93\xFA\x8E\x9E,\x90\x85\x88\xCA(cm),\x94\xF5\x8D\x6C");
const QByteArray kCp932Fine("\x90\xB0\x82\xEA");

} // namespace

// Exports as loggers and spreadsheets write them, each laid out as its maker
// documents it: every row's flow is the formula's at the head its reading
// gives, and the volume is the trapezoid over the readings' times.
void CommandLineTest::loggerExports_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("flows"); // L/min, a data row each: worked at the head its reading gives
    QTest::addColumn<double>("volume");     // m³, the trapezoid over the rows' times, worked
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QByteArray>("written"); // the output's encoding: UTF-8 (with a byte-order mark) or CP932
    QTest::addColumn<QByteArray>("header");  // the output's header line

    const QStringList flow{"flow", "--width", "300"};
    QTest::newRow("HOBO: a title line, # and units in the header")
        << flow + QStringList{"--column",      "Water Level",
                              "--unit",        "m",
                              "--zero",        "0.32",
                              "--time",        "Date Time",
                              "--time-format", "MM/dd/yy hh:mm:ss AP"}
        << u"\"Plot Title: Weir 3\"\n"
           "\"#\",\"Date Time, GMT+09:00\",\"Water Level, meters (LGR S/N: 20512345)\",\"Temp, °C (LGR S/N: "
           "20512345)\"\n"
           "1,12/09/26 10:00:00 AM,0.36383,8.1\n2,12/09/26 10:10:00 AM,0.36410,8.1\n3,12/09/26 10:20:00 AM,0.36502,8.2\n"_qs
               .toUtf8()
        << QStringList{"299.97", "302.66", "311.88"} << 6.0858872
        << QStringList{u"見出しは2行目です（その上の1行は読み飛ばしました）。"_qs} << QByteArray("UTF-8")
        << u"\"#\",\"Date Time, GMT+09:00\",\"Water Level, meters (LGR S/N: 20512345)\",\"Temp, °C (LGR S/N: "
           u"20512345)\","
           "flow_lpm,flow_m3s,reason"_qs.toUtf8();
    QTest::newRow("Solinst: a header block, date and time apart, Latin-1")
        << flow + QStringList{"--column", "LEVEL", "--unit", "m", "--zero", "1", "--time", "Date", "--time", "Time"}
        << QString::fromUtf8("Serial_number:\r\n2062147\r\nProject ID:\r\nWeir 3\r\nLocation:\r\nOutlet\r\nLEVEL\r\n"
                             "UNIT: m\r\nOffset: 0.000000 m\r\nTEMPERATURE\r\nUNIT: °C\r\n\r\n"
                             "Date,Time,ms,LEVEL,TEMPERATURE\r\n2026/12/09,10:00:00,0,1.04383,8.1\r\n"
                             "2026/12/09,10:10:00,0,1.04410,8.1\r\n")
               .toLatin1()
        << QStringList{"299.97", "302.66"} << 3.0131639
        << QStringList{u"文字コード Latin-1 として読みました（--encoding で変えられます）。"_qs,
                       u"見出しは13行目です（その上の12行は読み飛ばしました）。"_qs}
        << QByteArray("UTF-8") << QByteArray("Date,Time,ms,LEVEL,TEMPERATURE,flow_lpm,flow_m3s,reason");
    QTest::newRow("USGS RDB: comments, tabs, the field-type row, feet")
        << flow + QStringList{"--column", "69928_00065", "--unit", "ft", "--zero", "10", "--time", "datetime"}
        << QByteArray(
               "# U.S. Geological Survey\n# Data for site 01646500\n#    TS_ID  Parameter Description\n"
               "#    69928  00065     Gage height, feet\n"
               "agency_cd\tsite_no\tdatetime\ttz_cd\t69928_00065\t69928_00065_cd\n5s\t15s\t20d\t6s\t14n\t10s\n"
               "USGS\t01646500\t2026-12-09 10:00\tEST\t10.1438\tP\nUSGS\t01646500\t2026-12-09 10:15\tEST\t10.1447\tP\n")
        << QStringList{"299.97", "302.71"} << 4.5201050
        << QStringList{u"見出しは5行目です（その上の4行は読み飛ばしました）。"_qs} << QByteArray("UTF-8")
        << QByteArray("agency_cd\tsite_no\tdatetime\ttz_cd\t69928_00065\t69928_00065_cd\tflow_lpm\tflow_m3s\treason");
    QTest::newRow("Excel on a Japanese Windows: CP932, CRLF, centimetres")
        << flow + QStringList{"--column", u"水位(cm)"_qs, "--unit", "cm", "--time", u"日時"_qs}
        << kCp932Header + "\r\n2026/12/09 10:00,4.383," + kCp932Fine + "\r\n2026/12/09 10:10,4.410,\r\n"
        << QStringList{"299.97", "302.66"} << 3.0131639
        << QStringList{u"文字コード CP932 として読みました（--encoding で変えられます）。"_qs} << QByteArray("CP932")
        << kCp932Header + ",flow_lpm,flow_m3s,reason";
    QTest::newRow("semicolons and decimal commas, a column named by its start")
        << flow + QStringList{"--column", "Pegel", "--time", "Zeit", "--decimal-comma"}
        << QByteArray("Zeit;Pegel (mm)\n2026-12-09 10:00;43,83\n2026-12-09 10:10;44,10\n")
        << QStringList{"299.97", "302.66"} << 3.0131639 << QStringList{} << QByteArray("UTF-8")
        << QByteArray("Zeit;Pegel (mm);flow_lpm;flow_m3s;reason");
    QTest::newRow("UTF-16 with its byte-order mark")
        << flow + QStringList{"--column", "head_mm", "--time", "time"}
        << utf16WithItsMark(u"time,head_mm\n2026-12-09T10:00,43.83\n2026-12-09T10:10,44.10\n"_qs)
        << QStringList{"299.97", "302.66"} << 3.0131639 << QStringList{u"文字コード UTF-16LE として読みました。"_qs}
        << QByteArray("UTF-8") << QByteArray("time,head_mm,flow_lpm,flow_m3s,reason");
    QTest::newRow("Excel's serial days") << flow + QStringList{"--column", "head_mm", "--time", "time"}
                                         << QByteArray("time,head_mm\n46000.4166666667,43.83\n46000.4236111111,44.10\n")
                                         << QStringList{"299.97", "302.66"} << 3.0131639 << QStringList{}
                                         << QByteArray("UTF-8") << QByteArray("time,head_mm,flow_lpm,flow_m3s,reason");
}

void CommandLineTest::loggerExports()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, flows);
    QFETCH(double, volume);
    QFETCH(QStringList, said);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, header);
    const Run result = run(arguments, input);
    QCOMPARE(result.status, 0);
    for (const QString &line : said)
        QVERIFY2(result.err.contains(line), qPrintable(result.err));

    // UTF-8 for a file opens with its byte-order mark; CP932 has none.
    QCOMPARE(result.out.startsWith(kBom), written == "UTF-8");
    const QByteArray text = written == "UTF-8" ? result.out.mid(3) : result.out;
    const bool crlf = input.contains("\r\n") || input.contains(QByteArray("\r\0\n\0", 4));
    QCOMPARE(text.count("\r\n"), crlf ? flows.size() + 1 : 0);
    QList<QByteArray> lines = text.split('\n');
    lines.removeAll(QByteArray());
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    QCOMPARE(lines.size(), flows.size() + 1); // the header and the readings, nothing of the lines above
    QCOMPARE(lines.first(), header);
    const char delimiter = header.contains('\t') ? '\t' : header.contains(';') ? ';' : ',';
    const bool comma = arguments.contains(QStringLiteral("--decimal-comma"));
    for (qsizetype i = 0; i < flows.size(); ++i) {
        const QList<QByteArray> fields = lines[i + 1].split(delimiter);
        QString expected = flows[i];
        if (comma)
            expected.replace(u'.', u',');
        QCOMPARE(QString::fromLatin1(fields[fields.size() - 3]), expected);
    }
    // Said to the litre: within half a litre of the worked volume.
    const QRegularExpression said3(QStringLiteral("通過した水量: ([0-9.]+) m³\n"));
    const QRegularExpressionMatch match = said3.match(result.err);
    QVERIFY2(match.hasMatch(), qPrintable(result.err));
    QVERIFY2(std::fabs(match.captured(1).toDouble() - volume) <= 0.0005, qPrintable(match.captured(1)));
}

// Faults once reported as success, or hidden: each now named, with the
// exit status that says the answer is not whole.
void CommandLineTest::faultsNamedNotHidden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("written"); // lines of the output
    QTest::addColumn<QStringList>("said");    // on the error stream

    const QStringList record{"flow", "--width", "300", "--column", "head_mm", "--time", "time"};
    const QString beyond = u"越流高さが約16874.6mm以上では公式の流量が増えないため、流量を求められません。"_qs;
    QTest::newRow("a head past the discharge's peak: no negative flow")
        << QStringList{"flow", "--width", "300", "--head", "40000"} << QByteArray() << 1 << QStringList{}
        << QStringList{beyond};
    QTest::newRow("just below the peak: the largest flow")
        << QStringList{"flow", "--width", "300", "--head", "16800"} << QByteArray() << 0
        << QStringList{u"流量(L/min)\t573379.09"_qs} << QStringList{};
    QTest::newRow("past the peak in a record: the volume is not made negative")
        << record
        << QByteArray("time,head_mm\n2026-12-09T10:00,43.83\n2026-12-09T10:10,40000\n2026-12-09T10:20,43.83\n") << 1
        << QStringList{u"2026-12-09T10:10,40000,,,"_qs + beyond}
        << QStringList{u"欠測: 2行目から4行目まで"_qs, u"通過した水量: 0.000 m³（時刻の続く区間がありません）"_qs};
    QTest::newRow("past the peak in the rating table")
        << QStringList{"table", "--width", "300", "--from",   "16000", "--to",
                       "17000", "--step",  "500", "--format", "csv"}
        << QByteArray() << 0 << QStringList{u"17000,,,公式の範囲外（流量なし）,300"_qs} << QStringList{};
    QTest::newRow("a row shorter than the header")
        << record << QByteArray("time,head_mm,note\n2026-12-09T10:00,43.83,a\n2026-12-09T10:10\n") << 1
        << QStringList{u"2026-12-09T10:10,,,,,値がありません。"_qs} << QStringList{u"3行目: 値がありません。"_qs};
    QTest::newRow("a date that reads two ways")
        << record << QByteArray("time,head_mm\n08/09/21 05:41:00 PM,43.83\n") << 2 << QStringList{}
        << QStringList{
               u"2行目: 列 time の日付 08/09/21 05:41:00 PM は、月が先なら 2021-08-09、日が先なら 2021-09-08"_qs,
               u"月が先なら --time-format \"M/d/yy h:mm:ss AP\"、日が先なら --time-format \"d/M/yy h:mm:ss AP\""_qs};
    QTest::newRow("a time that cannot be read")
        << record
        << QByteArray("time,head_mm\n2026/12/09 10:00,43.83\n2026/12/09 10:10'00,44.10\n"
                      "2026/12/09 10:20,45.02\n2026/12/09 10:30,45.60\n")
        << 1 << QStringList{}
        << QStringList{u"3行目: 時刻 2026/12/09 10:10'00 が読めません。"_qs,
                       u"（記録の一部、1区間: 4行目から5行目まで）"_qs};
    QByteArray unreadable("time,head_mm\n");
    for (int i = 0; i < 8; ++i)
        unreadable += "x,43.83\n";
    QTest::newRow("many unreadable times: the first few, and a count")
        << record << unreadable << 1 << QStringList{}
        << QStringList{u"6行目: 時刻 x が読めません。"_qs, u"ほか 3行の時刻が読めません。"_qs};
    QTest::newRow("times with and without an offset")
        << record << QByteArray("time,head_mm\n2026-12-09T10:00,43.83\n2026-12-09T10:10+09:00,44.10\n") << 1
        << QStringList{}
        << QStringList{u"通過した水量: 求められません。時刻にオフセットのないもの（2行目）とあるもの（3行目）"_qs};
    QTest::newRow("a time that goes backwards")
        << record
        << QByteArray("time,head_mm\n2026-12-09T10:00,43.83\n2026-12-09T10:10,44.10\n2026-12-09T10:05,45.02\n"
                      "2026-12-09T10:15,45.60\n")
        << 1 << QStringList{}
        << QStringList{u"4行目: 時刻 2026-12-09T10:05 が3行目の時刻より前か同じです"_qs,
                       u"（記録の一部、2区間: 2行目から3行目まで、4行目から5行目まで）"_qs};
    QTest::newRow("a time repeated") << record
                                     << QByteArray("time,head_mm\n2026-12-09T10:00,43.83\n2026-12-09T10:00,44.10\n")
                                     << 1 << QStringList{}
                                     << QStringList{u"3行目: 時刻 2026-12-09T10:00 が2行目の時刻より前か同じです"_qs};
    QTest::newRow("a date and a time in two columns")
        << QStringList{"flow", "--width", "300", "--column", "head_mm", "--time", "date", "--time", "time"}
        << QByteArray("date,time,head_mm\n2026/12/09,10:00,43.83\n2026/12/09,10:10,44.10\n") << 0 << QStringList{}
        << QStringList{u"通過した水量: 3.013 m³\n"_qs};
    QTest::newRow("a zero below the crest, --zero=-0.7")
        << QStringList{"flow", "--width", "300", "--head", "43.13", "--zero=-0.7"} << QByteArray() << 0
        << QStringList{u"流量(L/min)\t299.97"_qs} << QStringList{};
    QTest::newRow("a zero below the crest, --zero -0.7")
        << QStringList{"flow", "--width", "300", "--head", "43.13", "--zero", "-0.7"} << QByteArray() << 0
        << QStringList{u"流量(L/min)\t299.97"_qs} << QStringList{};
    QTest::newRow("a unit there is not") << QStringList{"flow", "--width", "300", "--head", "1", "--unit", "furlong"}
                                         << QByteArray() << 2 << QStringList{}
                                         << QStringList{u"単位 furlong は使えません"_qs};
    // An option missing or not read is the command's fault, by its name.
    const auto usage = [](const char *name, const QStringList &arguments, const QString &said) {
        QTest::newRow(name) << arguments << QByteArray() << 2 << QStringList{} << QStringList{said};
    };
    usage("head with nothing", {"head"}, u"--width を指定して下さい。"_qs);
    usage("head with no flow", {"head", "--width", "300"}, u"--flow か --column を指定して下さい。"_qs);
    usage("half a bracket", {"head", "--width", "300", "--flow", "300", "--min", "20"}, u"--max を指定して下さい。"_qs);
    usage("a width that is no number", {"head", "--width", "abc", "--flow", "300"},
          u"--width: 堰の幅(mm)が数値ではありません。"_qs);
    usage("a width that is no number, for a record", {"head", "--width", "abc", "--column", "q"},
          u"--width: 堰の幅(mm)が数値ではありません。"_qs);
    usage("a head that is no number", {"flow", "--width", "300", "--head", "4x"},
          u"--head: 越流高さ(mm)が数値ではありません。"_qs);
    usage("flow with no head", {"flow", "--width", "300"}, u"--head か --column を指定して下さい。"_qs);
    usage("table with no step", {"table", "--width", "300", "--from", "20", "--to", "100"},
          u"--step を指定して下さい。"_qs);
    usage("design with one flow", {"design", "--min-flow", "100"}, u"--max-flow を指定して下さい。"_qs);
}

void CommandLineTest::faultsNamedNotHidden()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QStringList, written);
    QFETCH(QStringList, said);
    const Run result = run(arguments, input);
    QCOMPARE(result.status, status);
    const QString out = QString::fromUtf8(result.out);
    for (const QString &line : written)
        QVERIFY2(out.contains(line + u'\n'), qPrintable(out));
    for (const QString &line : said)
        QVERIFY2(result.err.contains(line), qPrintable(result.err));
    if (status == 2)
        QVERIFY(result.out.isEmpty());
    QVERIFY2(!out.contains(u",-"_qs) && !out.contains(u"\t-"_qs), qPrintable(out)); // never a negative flow
}

// A 300 mm weir read to 0.3 mm, built to 0.5 mm, its coefficient known to 1 %:
// U worked by hand, 2.8416 % of 299.97 L/min at 43.83 mm, 4.7457 % of 96.63
// at 20 mm. The three are stated beside every answer that carries a U.
void CommandLineTest::uncertaintyOnEveryAnswer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("written"); // lines of the output
    QTest::addColumn<QString>("said");        // on the error stream
    const QStringList u{"--u-head", "0.3", "--u-width", "0.5", "--u-coefficient", "1"};
    const QString stated = u"u(h) = 0.3 mm、u(b) = 0.5 mm、u_C = 1 %"_qs;
    QTest::newRow("head for one flow") << QStringList{"head", "--width", "300", "--flow", "300"} + u << QByteArray()
                                       << 0
                                       << QStringList{u"±(L/min)\t8.52"_qs, u"U(%)\t2.84"_qs,
                                                      u"不確かさ\t"_qs + stated
                                                          + u"（拡張不確かさ U = 2u、約 95 %）"_qs}
                                       << QString();
    QTest::newRow("flow for one head, JSON")
        << QStringList{"flow", "--width", "300", "--head", "43.83", "--format", "json"} + u << QByteArray() << 0
        << QStringList{u"{\"flow_lpm\":299.97,\"flow_m3s\":0.0049995,\"flow_U_lpm\":8.52,\"flow_U_percent\":2.84,"
                       u"\"uncertainty\":\""_qs
                       + stated + u"（拡張不確かさ U = 2u、約 95 %）\",\"reason\":null}"_qs}
        << QString();
    QTest::newRow("flows for a record, one past the peak")
        << QStringList{"flow", "--width", "300", "--column", "h"} + u << QByteArray("h\n43.83\n40000\n") << 1
        << QStringList{u"h,flow_lpm,flow_m3s,flow_U_lpm,flow_U_percent,reason"_qs,
                       u"43.83,299.97,0.0049995,8.52,2.84,"_qs,
                       u"40000,,,,,越流高さが約16874.6mm以上では公式の流量が増えないため、流量を求められません。"_qs}
        << stated;
    QTest::newRow("heads for a record, decimal comma")
        << QStringList{"head", "--width",   "300", "--column",        "q", "--decimal-comma", "--u-head",
                       "0,3",  "--u-width", "0,5", "--u-coefficient", "1"}
        << QByteArray("q\n300\n") << 0 << QStringList{u"300,\"43,83\",,\"8,52\",\"2,84\","_qs}
        << u"u(h) = 0,3 mm、u(b) = 0,5 mm、u_C = 1 %"_qs;
    QTest::newRow("the rating table")
        << QStringList{"table", "--width", "300", "--from", "20", "--to", "30", "--step", "5", "--format", "csv"} + u
        << QByteArray() << 0
        << QStringList{u"越流高さ(mm),流量(L/min),流量(m³/s),備考,±(L/min),U(%),堰の幅(mm),"
                       u"越流高さの標準不確かさ u(h)(mm),堰の幅の標準不確かさ u(b)(mm),"
                       u"流量係数の相対標準不確かさ u_C(%)"_qs,
                       u"20,96.63,0.0016105,,4.59,4.75,300,0.3,0.5,1"_qs}
        << stated;
    // The numbers themselves (worked in 30 digits), with JSON's point even
    // where the run writes a decimal comma.
    QTest::newRow("the rating table as JSON, decimal comma asked")
        << QStringList{"table", "--width", "300", "--from",   "20",   "--to",
                       "30",    "--step",  "5",   "--format", "json", "--decimal-comma"}
        << QByteArray() << 0
        << QStringList{u"{\"head_mm\":20,\"flow_lpm\":96.63,\"flow_m3s\":0.0016105,\"reason\":null},"_qs,
                       u"{\"head_mm\":25,\"flow_lpm\":133.10,\"flow_m3s\":0.0022183,\"reason\":null},"_qs,
                       u"{\"head_mm\":30,\"flow_lpm\":173.13,\"flow_m3s\":0.0028855,\"reason\":null}"_qs}
        << QString();
    QTest::newRow("only two given") << QStringList{"head",     "--width", "300",       "--flow", "300",
                                                   "--u-head", "0.3",     "--u-width", "0.5"}
                                    << QByteArray() << 2 << QStringList{}
                                    << u"--u-head, --u-width, --u-coefficient は三つとも"_qs;
    QTest::newRow("a negative one") << QStringList{"table", "--width",         "300", "--from",   "20",  "--to",
                                                   "30",    "--step",          "5",   "--u-head", "0.3", "--u-width",
                                                   "-0.5",  "--u-coefficient", "1"}
                                    << QByteArray() << 2 << QStringList{}
                                    << u"--u-width の値 -0.5 が0以上の数値ではありません。"_qs;
}

void CommandLineTest::uncertaintyOnEveryAnswer()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QStringList, written);
    QFETCH(QString, said);
    expectAnswer(run(arguments, input), status, written, u"\n"_qs, said);
}

// The widths worked in closed form (see tst_weir_calc): 1000 L/min reaches
// 150 mm on a 170.857 mm weir, 100 L/min 20 mm on a 310.327 mm one, shown
// inward to 0.1 mm.
void CommandLineTest::designWidths_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("said");
    const QStringList range{"design", "--min-flow", "100", "--max-flow", "1000", "--max-head", "150"};
    const QStringList u{"--u-head", "0.3", "--u-width", "0.5", "--u-coefficient", "1"};
    QTest::newRow("the range") << range << 0
                               << QStringList{u"最も狭い堰の幅(mm)\t170.9"_qs, u"最も広い堰の幅(mm)\t310.3"_qs,
                                              u"広い側を決めるもの\t最小流量の越流高さ 20 mm"_qs}
                               << QString();
    QTest::newRow("a chosen width, 200 mm")
        << range + QStringList{"--width", "200"} << 0
        << QStringList{u"最小流量の越流高さ(mm)\t"_qs, u"最大流量の越流高さ(mm)\t"_qs} << QString();
    QTest::newRow("a width outside it, said")
        << range + QStringList{"--width", "400"} << 0 << QStringList{} << u"この幅は範囲の外です。"_qs;
    QTest::newRow("a U limit that narrows it")
        << range + u + QStringList{"--max-u", "4", "--format", "json"} << 0
        << QStringList{u"{\"narrowest_mm\":170.9,"_qs, u"\"widest_by\":\"uncertainty\""_qs} << QString();
    QTest::newRow("a U limit, in words") << range + u + QStringList{"--max-u", "4"} << 0
                                         << QStringList{u"広い側を決めるもの\t最小流量での拡張不確かさ 4 %"_qs}
                                         << QString();
    QTest::newRow("no width: the flows span too much")
        << QStringList{"design", "--min-flow", "10", "--max-flow", "5000", "--max-head", "50"} << 1 << QStringList{}
        << u"この流量の幅を一つの堰では測れません"_qs;
    QTest::newRow("no width: U unreachable")
        << range + u + QStringList{"--max-u", "3"} << 1 << QStringList{} << u"最も狭い幅 170.9 mm でも 3.52 % です"_qs;
    QTest::newRow("a limit without the three")
        << range + QStringList{"--max-u", "3"} << 2 << QStringList{} << u"不確かさの三つの値"_qs;
    QTest::newRow("flows reversed") << QStringList{"design", "--min-flow", "1000", "--max-flow",
                                                   "100",    "--max-head", "150"}
                                    << 2 << QStringList{} << u"最大流量(L/min)は最小流量(L/min)以上にして下さい。"_qs;
    QTest::newRow("a highest head at 20 mm")
        << QStringList{"design", "--min-flow", "100", "--max-flow", "1000", "--max-head", "20"} << 2 << QStringList{}
        << u"下限 20 mm より大きく"_qs;
}

void CommandLineTest::designWidths()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, written);
    QFETCH(QString, said);
    expectAnswer(run(arguments), status, written, QString(), said);
}

// Far more rows than a window shows (5,801 heads, 20 to 600 mm by 0.1 mm),
// written a piece at a time, each whole.
void CommandLineTest::tableOfAnyLength()
{
    const Run result
        = run({"table", "--width", "300", "--from", "20", "--to", "600", "--step", "0.1", "--format", "tsv"});
    QCOMPARE(result.status, 0);
    const QStringList lines = QString::fromUtf8(result.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 5801);
    QVERIFY2(lines[4097].startsWith(u"429.6\t"_qs), qPrintable(lines[4097])); // across a piece's end
    QVERIFY2(lines.last().startsWith(u"600\t"_qs) && lines.last().endsWith(u"\t300"_qs), qPrintable(lines.last()));
    for (const QString &line : lines)
        QCOMPARE(line.count(u'\t'), 4);
}

// A long record shows on a terminal how far it has come: the rows read and
// the share of the file, on one line rewritten in place.
void CommandLineTest::progressOnATerminal()
{
#ifdef Q_OS_WIN
    QSKIP("the error stream is a pseudo-terminal here, which Windows has not");
#else
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    std::FILE *terminal = std::fopen(ptsname(master), "w");
    QVERIFY(terminal);
    QByteArray record("head_mm\n");
    for (int i = 0; i < 400000; ++i)
        record += "43.83\n";
    const Run result = run({"flow", "--width", "300", "--column", "head_mm"}, record, terminal);
    std::fclose(terminal);
    QCOMPARE(result.status, 0);
    QByteArray said;
    char buffer[4096];
    ssize_t got;
    fcntl(master, F_SETFL, O_NONBLOCK);
    while ((got = read(master, buffer, sizeof buffer)) > 0)
        said.append(buffer, got);
    close(master);
    const QString text = QString::fromUtf8(said);
    // Half the rows are half the file, give or take what is read ahead.
    QVERIFY2(text.contains(QRegularExpression(u"\r読み込み中: 200000行（ファイルの 5[01] %）"_qs)), qPrintable(text));
    QCOMPARE(text.count(u"\r読み込み中: 400000行（ファイルの 100 %）"_qs), 1);
#endif
}

// A reading in another unit gives what the same quantity in mm or L/min gives.
void CommandLineTest::unitsOfAReading_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("same");
    const QStringList flow{"flow", "--width", "300"};
    const QStringList head{"head", "--width", "300", "--min", "20", "--max", "100"};
    QTest::newRow("cm") << flow + QStringList{"--head", "4.383", "--unit", "cm"}
                        << flow + QStringList{"--head", "43.83"};
    QTest::newRow("m") << flow + QStringList{"--head", "0.04383", "--unit", "m"}
                       << flow + QStringList{"--head", "43.83"};
    QTest::newRow("m from a zero") << flow + QStringList{"--head", "1.04383", "--unit", "m", "--zero", "1"}
                                   << flow + QStringList{"--head", "43.83"};
    QTest::newRow("in, 25.4 mm") << flow + QStringList{"--head", "2", "--unit", "in"}
                                 << flow + QStringList{"--head", "50.8"};
    QTest::newRow("ft, 304.8 mm") << flow + QStringList{"--head", "0.5", "--unit", "ft"}
                                  << flow + QStringList{"--head", "152.4"};
    QTest::newRow("L/s") << head + QStringList{"--flow", "5", "--unit", "L/s"} << head + QStringList{"--flow", "300"};
    QTest::newRow("m3/s") << head + QStringList{"--flow", "0.005", "--unit", "m3/s"}
                          << head + QStringList{"--flow", "300"};
    QTest::newRow("m³/h") << head + QStringList{"--flow", "18", "--unit", u"m³/h"_qs}
                          << head + QStringList{"--flow", "300"};
    QTest::newRow("m3/d") << head + QStringList{"--flow", "432", "--unit", "m3/d"}
                          << head + QStringList{"--flow", "300"};
    QTest::newRow("cfs, 28.316846592 L") << head + QStringList{"--flow", "0.1", "--unit", "cfs"}
                                         << head + QStringList{"--flow", "169.901079552"};
}

void CommandLineTest::unitsOfAReading()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, same);
    const Run inUnit = run(given);
    QCOMPARE(inUnit.status, 0);
    QCOMPARE(inUnit.out, run(same).out);
    // The same as a record's column.
    QStringList column = given;
    const qsizetype at = column.indexOf(QStringLiteral("--head")) >= 0 ? column.indexOf(QStringLiteral("--head"))
                                                                       : column.indexOf(QStringLiteral("--flow"));
    const QByteArray value = column[at + 1].toUtf8();
    column[at] = QStringLiteral("--column");
    column[at + 1] = QStringLiteral("v");
    const Run record = run(column, "v\n" + value + "\n");
    QCOMPARE(record.status, 0);
    QVERIFY2(record.out.contains(QString::fromUtf8(inUnit.out).section(u'\t', 1, 1).section(u'\n', 0, 0).toUtf8()),
             record.out.constData());
}

// The help says everything in the program's language, Qt's lines included.
void CommandLineTest::helpIsInOneLanguage()
{
    for (const char *command : {"head", "flow", "table", "design"}) {
        const Run help = run({command, "--help"});
        QCOMPARE(help.status, 0);
        const QString text = QString::fromUtf8(help.out);
        QVERIFY2(text.startsWith(u"使い方: weir-head "_qs + QLatin1String(command)), qPrintable(text));
        for (const char *english : {"Usage", "Options", "Displays", "help on"})
            QVERIFY2(!text.contains(QLatin1String(english)), qPrintable(text));
    }
}

// Under any language but Japanese a run speaks English throughout: its own
// messages, the result's labels, the window's reasons and the counts, each
// in its singular or plural. Japanese in what it writes is a text left out
// of a catalogue. In Japanese nothing of the calculation's is loaded.
void CommandLineTest::englishRunInOneLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("said");

    const QStringList bracket{"--width", "300", "--min", "20", "--max", "100"};
    QTest::newRow("head found") << (QStringList{"head", "--flow", "300"} + bracket) << QByteArray() << 0
                                << QStringList{"Head (mm)\t43.83\nTrials\t10\n"};
    QTest::newRow("head past the peak") << QStringList{"head",  "--width", "300",   "--flow", "1",
                                                       "--min", "20",      "--max", "100000"}
                                        << QByteArray() << 1
                                        << QStringList{"Head (mm)\t29999.99", "the formula's flow falls",
                                                       "The head for this flow is about 0.37 mm."};
    QTest::newRow("head below the bracket")
        << QStringList{"head", "--width", "300", "--flow", "300", "--min", "50", "--max", "100"} << QByteArray() << 1
        << QStringList{"The head is about"};
    QTest::newRow("flow not a number") << QStringList{"head", "--width", "300", "--flow", "abc"} << QByteArray() << 2
                                       << QStringList{"--flow", "Flow (L/min) is not a number."};
    QTest::newRow("option missing") << QStringList{"flow", "--head", "50"} << QByteArray() << 2
                                    << QStringList{"--width"};
    QTest::newRow("flow below the range") << QStringList{"flow", "--width", "300", "--head", "10"} << QByteArray() << 0
                                          << QStringList{"Flow (L/min)\t36.38", "Below 20 mm"};
    QTest::newRow("record of one row") << QStringList{"flow", "--width", "300", "--column", "h"}
                                       << QByteArray("h\n50\n") << 0
                                       << QStringList{"1 row: 1 with an answer, 0 without."};
    QTest::newRow("record with a bad row and times")
        << QStringList{"flow", "--width", "300", "--column", "h", "--time", "t"}
        << QByteArray("t,h\n2026-01-01 00:00,50\n2026-01-01 01:00,abc\n2026-01-01 02:00,40\n") << 1
        << QStringList{"line 3: Head (mm) is not a number.", "Head (mm) is not a number.\n",
                       "3 rows: 2 with an answer, 1 without."};
    QTest::newRow("table with uncertainty")
        << QStringList{"table", "--width",   "300", "--from",          "20", "--to", "30", "--step", "10", "--u-head",
                       "0.5",   "--u-width", "0.5", "--u-coefficient", "1"}
        << QByteArray() << 0
        << QStringList{"Head (mm)\tFlow (L/min)\tFlow (m³/s)\tRemark\t±(L/min)\tU(%)\tWidth of the weir (mm)",
                       "expanded uncertainty U = 2u"};
    QTest::newRow("table step too small")
        << QStringList{"table", "--width", "300", "--from", "20", "--to", "30", "--step", "0"} << QByteArray() << 2
        << QStringList{"--step"};
    // JIS B 8302's rectangular weir: 5.6527 m³/min for b 0.6, B 1.2, D 0.5,
    // h 0.2 m; over 0.45√b its range is named.
    const QStringList jisRect{"flow", "--formula",      "jis-rect", "--width", "600", "--channel-width",
                              "1200", "--crest-height", "500",      "--head"};
    QTest::newRow("JIS rectangular weir")
        << (jisRect + QStringList{"200"}) << QByteArray() << 0 << QStringList{"Flow (L/min)\t5652.71\n"};
    QTest::newRow("JIS rectangular weir past its range") << (jisRect + QStringList{"360"}) << QByteArray() << 0
                                                         << QStringList{"outside the formula's range (h > 0.45√b)"};
    // The head for that flow on the same formula, with U from its own
    // sensitivities (S_h 1.49097, S_b 1.05456 by hand: 2.16 %); the table
    // beside the program's own formula.
    const QStringList weir{"--formula",       "jis-rect", "--width",        "600",
                           "--channel-width", "1200",     "--crest-height", "500"};
    QTest::newRow("JIS rectangular weir, head for its flow")
        << QStringList{"head", "--flow", "5652.71", "--u-head", "0.5", "--u-width", "1", "--u-coefficient", "1"} + weir
        << QByteArray() << 0 << QStringList{"Head (mm)\t200\n", "U(%)\t2.16\n"};
    QTest::newRow("JIS rectangular weir, no bracket")
        << QStringList{"head", "--flow", "5652.71", "--min", "10", "--max", "300"} + weir << QByteArray() << 2
        << QStringList{"--min and --max cannot be used"};
    QTest::newRow("JIS rectangular weir, table beside the own formula")
        << QStringList{"table", "--from", "200", "--to", "200", "--step", "1", "--format", "csv"} + weir << QByteArray()
        << 0
        << QStringList{"Remark,Flow by the program's own formula (L/min),Difference (%),", "\n200,5652.71,0.0942118,,",
                       "Formula: JIS B 8302 rectangular weir (Itaya-Teshima formula) (range of validity: B 0.5–6.3 m"};
    // A record on it by the day: 20 mm lies under its 0.03 m, and the rows
    // outside are counted, by day too.
    QTest::newRow("JIS rectangular weir, a record by the day")
        << QStringList{"flow", "--column", "head_mm", "--time", "time", "--period", "day"} + weir
        << QByteArray("time,head_mm\n2026-12-09T00:00,20\n2026-12-09T12:00,40\n2026-12-10T00:00,25\n") << 0
        << QStringList{"max_lpm,outside_range,incomplete\n", "\n2026-12-09,550.734,100.0,2,196.93,382.45,531.27,1,\n",
                       "2 rows' flows lie outside the formula's range"};
    QTest::newRow("a weir that cannot be")
        << QStringList{"flow", "--formula",      "jis-rect", "--width", "1300", "--channel-width",
                       "1200", "--crest-height", "500",      "--head",  "200"}
        << QByteArray() << 2 << QStringList{"No such weir can be"};
    QTest::newRow("design") << QStringList{"design",     "--min-flow", "100",     "--max-flow", "500",
                                           "--max-head", "200",        "--width", "200"}
                            << QByteArray() << 0
                            << QStringList{"Widest set by\tthe smallest flow's head, 20 mm",
                                           "Head at the smallest flow (mm)\t27.30"};
    QTest::newRow("design, no one weir") << QStringList{"design", "--min-flow", "10", "--max-flow",
                                                        "500",    "--max-head", "200"}
                                         << QByteArray() << 1
                                         << QStringList{"No one weir measures flows this far apart"};
    for (const char *command : {"head", "flow", "table", "design"})
        QTest::addRow("%s --help", command) << QStringList{command, "--help"} << QByteArray() << 0
                                            << QStringList{u"Usage: weir-head "_qs + QLatin1String(command)};
}

void CommandLineTest::englishRunInOneLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QStringList, said);
    QCoreApplication &app = *QCoreApplication::instance();
    QLocale::setDefault(test::kJapanese);
    QCOMPARE(installSubcommandTexts(app), nullptr);
    // The locale and both catalogues are the run's alone: taken off however
    // the row ends, so the other tests read the program's Japanese.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    struct Catalogues {
        QTranslator *program;
        QTranslator *texts;
        ~Catalogues()
        {
            for (QTranslator *translator : {program, texts}) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
            QLocale::setDefault(QLocale::c());
        }
    } catalogues{installProgramTranslations(app), installSubcommandTexts(app)};
    QVERIFY(catalogues.program && catalogues.texts);

    const Run result = run(arguments, input);
    QCOMPARE(result.status, status);
    const QString written = QString::fromUtf8(result.out) + result.err;
    for (const QString &text : said)
        QVERIFY2(written.contains(text), qPrintable(written));
    static const QRegularExpression japanese(u"[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"_qs);
    QVERIFY2(!written.contains(japanese), qPrintable(written));
}

// The records window reads a record with records/model/flow_record.h, the
// command line with its own loop over the same layer: for the same file and
// choices, the days they give agree to the last digit written.
void CommandLineTest::windowEngineAgreesWithPeriodDay_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("options"); // the command line's, past --width 300
    QTest::addColumn<FlowRecordSettings>("settings");

    // Ten-minute heads in cm under a TOA5 header, across two midnights,
    // the logger down for two hours and one reading bad.
    QByteArray toa5("\"TOA5\",\"W\",\"CR1000\"\r\n\"TIMESTAMP\",\"RECORD\",\"Level\"\r\n\"TS\",\"RN\",\"cm\"\r\n"
                    "\"\",\"\",\"Smp\"\r\n");
    const QDateTime start(QDate(2026, 12, 8), QTime(21, 0), Qt::UTC);
    for (int step = 0; step <= 36 * 6; ++step) {
        const QDateTime t = start.addSecs(600LL * step);
        if (step > 96 && step < 108)
            continue; // the logger down
        const QByteArray level = step == 50 ? QByteArray("ERR") : QByteArray::number(4.2 + (step % 37) * 0.05, 'f', 2);
        toa5 += '"' + t.toString(u"yyyy-MM-dd HH:mm:ss"_qs).toUtf8() + "\"," + QByteArray::number(step) + ',' + level
            + "\r\n";
    }
    FlowRecordSettings toa5Settings;
    toa5Settings.columns = {ColumnChoice::fromText(u"Level"_qs), {ColumnChoice::fromText(u"TIMESTAMP"_qs)}, {}, {}};
    toa5Settings.widthMm = 300;
    QTest::newRow("TOA5, a gap, a bad reading")
        << toa5 << QStringList{"--column", "Level", "--time", "TIMESTAMP"} << toa5Settings;

    // Day-first dates, decimal commas, metres above a zero, the water
    // falling to the crest and below it, a note, the three uncertainties.
    QByteArray tabs("Datum\tUhrzeit\tFüllstand [m]\n");
    for (int step = 0; step < 300; ++step) {
        const QDateTime t = QDateTime(QDate(2014, 3, 27), QTime(20, 0), Qt::UTC).addSecs(900LL * step);
        const double level = 0.32 + 0.05 * std::cos(step / 20.0);
        tabs += t.toString(u"dd.MM.yyyy\tHH:mm:ss"_qs).toUtf8() + '\t'
            + QByteArray::number(level, 'f', 4).replace('.', ',') + '\n';
        if (step == 120)
            tabs += "//Uhrzeit verstellt\t\t\n";
    }
    FlowRecordSettings tabSettings;
    tabSettings.columns = {ColumnChoice::fromText(u"Füllstand"_qs),
                           {ColumnChoice::fromText(u"Datum"_qs), ColumnChoice::fromText(u"Uhrzeit"_qs)},
                           {},
                           {}};
    tabSettings.zero = 0.32;
    tabSettings.widthMm = 300;
    tabSettings.gauge = GaugeUncertainty{0.5, 0.5, 1.0};
    QTest::newRow("tabs, decimal commas, the crest, uncertainties")
        << tabs
        << QStringList{"--column", u"Füllstand"_qs, "--time", "Datum",     "--time", "Uhrzeit",         "--zero",
                       "0.32",     "--u-head",      "0.5",    "--u-width", "0.5",    "--u-coefficient", "1"}
        << tabSettings;
}

void CommandLineTest::windowEngineAgreesWithPeriodDay()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, options);
    QFETCH(FlowRecordSettings, settings);
    const Run line = run(QStringList{"flow", "--width", "300", "--period", "day", "--format", "tsv"} + options, record);
    QVERIFY2(line.status == 0 || line.status == 1, qPrintable(line.err));
    QStringList rows = QString::fromUtf8(line.out).remove(u'\uFEFF').remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(rows.size() > 2);
    rows.removeFirst(); // the header

    std::FILE *in = std::tmpfile();
    std::fwrite(record.constData(), 1, std::size_t(record.size()), in);
    std::rewind(in);
    const FlowRecord read = readFlowRecord(in, settings);
    std::fclose(in);
    QVERIFY2(!read.fault, read.fault ? qPrintable(read.fault->words) : "");
    QCOMPARE(std::size_t(rows.size()), read.days.periods.size());
    const auto fixed = [](double value, int decimals) { return QString::number(value, 'f', decimals); };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PeriodVolume &day = read.days.periods[std::size_t(i)];
        const auto lpm = [](double m3s) { return units::litresPerMinuteFromCubicMetresPerSecond(m3s); };
        QStringList cells{day.name,
                          fixed(day.volumeM3, 3),
                          fixed(day.coverPercent(), 1),
                          QString::number(day.readings),
                          fixed(lpm(day.smallestM3s), 2),
                          fixed(lpm(*day.meanM3s()), 2),
                          fixed(lpm(day.largestM3s), 2)};
        if (settings.gauge)
            cells << fixed(day.uM3, 3);
        cells << day.whyIncomplete();
        QCOMPARE(rows[i].replace(u',', u'.'), cells.join(u'\t'));
    }
    QVERIFY2(line.err.contains(fixed(read.days.volumeM3, 3).replace(u'.', u',') + u" m³"_qs)
                 || line.err.contains(fixed(read.days.volumeM3, 3) + u" m³"_qs),
             qPrintable(line.err));
    QCOMPARE(fixed(read.months.volumeM3, 6), fixed(read.days.volumeM3, 6));
    QVERIFY(!read.hydrograph.spans().empty());
}

// Excel opening a CSV file reads UTF-8 only behind a byte-order mark, and
// anything else as the system's code page, CP932 on a Japanese Windows: every
// file the program writes must read back with its Japanese whole that way.
void CommandLineTest::excelReadsWhatIsWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("japanese");
    QTemporaryDir dir;
    const auto writtenTo = [&dir](const QStringList &arguments, const QByteArray &input) {
        const QString path = dir.filePath(QStringLiteral("out.csv"));
        QFile::remove(path);
        run(arguments + QStringList{"--output", path}, input);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTest::newRow("a record's flows, --output")
        << writtenTo({"flow", "--width", "300", "--column", "head_mm"}, "head_mm\n-1\n")
        << u"越流なし（水面が堰頂の高さ以下）"_qs;
    QTest::newRow("a record's flows on the output stream, a file")
        << run({"flow", "--width", "300", "--column", u"水位"_qs}, u"水位\nabc\n"_qs.toUtf8()).out << u"水位"_qs;
    QTest::newRow("a CP932 record's flows, in CP932") << writtenTo(
        {"flow", "--width", "300", "--column", "v", "--encoding", "cp932"}, "v," + kCp932Header + "\n50,\n")
                                                      << u"日時,水位(cm),備考"_qs;
    QTest::newRow("the rating table") << writtenTo(
        {"table", "--width", "300", "--from", "10", "--to", "30", "--step", "10", "--format", "csv"}, {})
                                      << u"越流高さ(mm),流量(L/min),流量(m³/s),備考"_qs;
    RatingTableModel model;
    model.setRange({300, 10, 30, 10});
    QTest::newRow("the rating window's 保存...") << csvBytes(model) << u"適用範囲外"_qs;
}

void CommandLineTest::excelReadsWhatIsWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, japanese);
    QVERIFY(!bytes.isEmpty());
    const std::optional<QString> text = bytes.startsWith(kBom)
        ? TextCodec(TextEncoding::Utf8).decode(bytes.mid(3).toStdString())
        : TextCodec(TextEncoding::Cp932).decode(bytes.toStdString());
    QVERIFY(text);
    QVERIFY2(text->contains(japanese), qPrintable(*text));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
