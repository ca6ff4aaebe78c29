// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The calculation sheet's content and the copied trail, without a window: what
// a checker reads must be what the search did, and worked independently.
#include "hydraulics/bisection.h"
#include "sheet/model/calculation_sheet.h"
#include "sheet/model/calculation_trail.h"
#include "sheet/model/sheet_texts.h"
#include "tests/support/locales.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace weir;

Q_DECLARE_METATYPE(weir::BoxTexts)

namespace {

const QDateTime kMadeAt(QDate(2026, 12, 9), QTime(10, 30));

const SheetBlock *tableAfter(const CalculationSheet &sheet, const QString &headingEnd)
{
    bool inSection = false;
    for (const SheetBlock &block : sheet.blocks) {
        if (block.kind == SheetBlock::Kind::Heading)
            inSection = block.text.endsWith(headingEnd);
        else if (inSection && block.kind == SheetBlock::Kind::Table)
            return &block;
    }
    return nullptr;
}

QStringList texts(const CalculationSheet &sheet, SheetBlock::Kind kind)
{
    QStringList found;
    for (const SheetBlock &block : sheet.blocks) {
        if (block.kind == kind)
            found << block.text;
    }
    return found;
}

// The worked example, trial by trial, worked apart from the program: the
// midpoints by halving the decimal ends in double arithmetic, the residuals
// from the formula in 50-digit arithmetic at those midpoints, rounded to the
// sheet's six significant digits.
const QList<QStringList> kWorkedTrail{
    {"1", "0.02", "0.1", "0.060000000000000005", "-3.38951E-03", "1.16272E-02", "2.89630E-03", "XU ← XM"},
    {"2", "0.02", "0.060000000000000005", "0.04", "-3.38951E-03", "2.89630E-03", "-6.22370E-04", "XL ← XM"},
    {"3", "0.04", "0.060000000000000005", "0.05", "-6.22370E-04", "2.89630E-03", "1.05508E-03", "XU ← XM"},
    {"4", "0.04", "0.05", "0.045", "-6.22370E-04", "1.05508E-03", "1.94700E-04", "XU ← XM"},
    {"5", "0.04", "0.045", "0.042499999999999996", "-6.22370E-04", "1.94700E-04", "-2.19417E-04", "XL ← XM"},
    {"6", "0.042499999999999996", "0.045", "0.04375", "-2.19417E-04", "1.94700E-04", "-1.37320E-05", "XL ← XM"},
    {"7", "0.04375", "0.045", "0.044375", "-1.37320E-05", "1.94700E-04", "9.01433E-05", "XU ← XM"},
    {"8", "0.04375", "0.044375", "0.0440625", "-1.37320E-05", "9.01433E-05", "3.81202E-05", "XU ← XM"},
    {"9", "0.04375", "0.0440625", "0.043906249999999994", "-1.37320E-05", "3.81202E-05", "1.21727E-05", "XU ← XM"},
    {"10", "0.04375", "0.043906249999999994", "0.043828124999999996", "-1.37320E-05", "1.21727E-05", "-7.85014E-07",
     "収束"},
};

} // namespace

class CalculationSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void trailFollowsTheSearch_data();
    void trailFollowsTheSearch();
    void workedExampleSheet();
    void workedExampleTrailAsWorkedByHand();
    void missesAndComplaints_data();
    void missesAndComplaints();
    void longTrailKeepsEveryTrial();
    void copiedTrailReadsBackExactly();
    void uncertaintySection_data();
    void uncertaintySection();
};

// Whatever the inputs, the trail is the search: as many rows as trials, each
// row's bracket the last one's with one end moved to its midpoint, and the
// plain search's result to the bit.
void CalculationSheetTest::trailFollowsTheSearch_data()
{
    QTest::addColumn<double>("flow");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<int>("lastStep");

    using Step = BisectionTrial::Step;
    QTest::newRow("worked example") << 0.005 << 0.3 << 0.02 << 0.1 << int(Step::Converged);
    QTest::newRow("bracket reversed") << 0.005 << 0.3 << 0.1 << 0.02 << int(Step::Converged);
    QTest::newRow("no root above") << 0.005 << 0.3 << 0.06 << 0.1 << int(Step::NoRoot);
    QTest::newRow("zero lower end") << 0.005 << 0.3 << 0.0 << 0.1 << int(Step::Fault);
    QTest::newRow("negative width") << 0.005 << -0.3 << 0.02 << 0.1 << int(Step::Fault);
    QTest::newRow("flow too fine to meet") << 1e12 << 1e9 << 1.0 << 1e6 << int(Step::Stuck);
}

void CalculationSheetTest::trailFollowsTheSearch()
{
    QFETCH(double, flow);
    QFETCH(double, width);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(int, lastStep);

    std::vector<BisectionTrial> trail;
    const SolveResult followed = solveHead(flow, width, lower, upper, trail);
    const SolveResult plain = solveHead(flow, width, lower, upper);
    QCOMPARE(int(followed.status), int(plain.status));
    QCOMPARE(followed.trials, plain.trials);
    QCOMPARE(followed.head, plain.head);

    QVERIFY(!trail.empty());
    QCOMPARE(int(trail.back().step), lastStep);
    // A trial that failed before its midpoint is not counted as made.
    const bool lastTaken = !std::isnan(trail.back().middle);
    QCOMPARE(int(trail.size()) - (lastTaken ? 0 : 1), plain.trials);
    QCOMPARE(trail.front().lower, lower);
    QCOMPARE(trail.front().upper, upper);
    for (std::size_t i = 0; i < trail.size(); ++i) {
        const BisectionTrial &t = trail[i];
        QCOMPARE(t.number, int(i) + 1);
        if (i + 1 == trail.size())
            break;
        const BisectionTrial &next = trail[i + 1];
        if (t.step == BisectionTrial::Step::RaiseLower) {
            QVERIFY(t.atUpper * t.atMiddle < 0);
            QCOMPARE(next.lower, t.middle);
            QCOMPARE(next.upper, t.upper);
        } else {
            QCOMPARE(int(t.step), int(BisectionTrial::Step::LowerUpper));
            QVERIFY(t.atLower * t.atMiddle < 0);
            QCOMPARE(next.upper, t.middle);
            QCOMPARE(next.lower, t.lower);
        }
    }
    if (plain.status == SolveStatus::Converged)
        QCOMPARE(trail.back().middle, plain.head);
}

void CalculationSheetTest::workedExampleSheet()
{
    const CalculationSheet sheet
        = calculationSheet(BoxTexts(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs), test::kJapanese, kMadeAt);
    QCOMPARE(sheet.title, u"計算書 — 四角堰の越流高さ"_qs);
    QVERIFY(sheet.plainText().contains(u"四角堰の越流高さ バージョン 1.00"_qs));
    QVERIFY(sheet.plainText().contains(u"計算日時: 2026-12-09 10:30"_qs));

    // The inputs as typed, and what the solver took them for.
    const SheetBlock *inputs = tableAfter(sheet, u"入力"_qs);
    QVERIFY(inputs);
    QCOMPARE(inputs->rows.size(), 4);
    QCOMPARE(inputs->rows[0], (QStringList{u"堰の幅(mm)"_qs, u"300"_qs, u"b"_qs, u"0.3 m"_qs, u"÷ 1000"_qs}));
    QCOMPARE(inputs->rows[1],
             (QStringList{u"流量(L/min)"_qs, u"300"_qs, u"Q"_qs, u"0.005 m³/s"_qs, u"÷ 1000 ÷ 60"_qs}));
    QCOMPARE(inputs->rows[2].mid(0, 4), (QStringList{u"解の挟込最小値(mm)"_qs, u"20"_qs, u"XL"_qs, u"0.02 m"_qs}));
    QCOMPARE(inputs->rows[3].mid(0, 4), (QStringList{u"最大値(mm)"_qs, u"100"_qs, u"XU"_qs, u"0.1 m"_qs}));

    // Each factor at h = XM, worked in 50-digit arithmetic, to the ten
    // significant digits shown.
    const SheetBlock *factors = tableAfter(sheet, u"解における各項"_qs);
    QVERIFY(factors);
    const QStringList values{u"0.14609375"_qs,           u"1.027379679"_qs,         u"0.9617777879"_qs,
                             u"0.009175491504 m^1.5"_qs, u"0.004999214986 m³/s"_qs, u"0.005 m³/s"_qs,
                             u"-7.85014E-07 m³/s"_qs};
    QCOMPARE(factors->rows.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        QCOMPARE(factors->rows[i][1], values[i]);

    const QStringList lines = texts(sheet, SheetBlock::Kind::Text);
    QVERIFY(lines.contains(u"停止: 試行 10 で |F(XM)| = 7.85014E-07 m³/s < 0.00001 m³/s（収束）"_qs));
    QVERIFY(lines.contains(u"越流高さ(mm): 43.83"_qs));
    QVERIFY(lines.contains(u"Trial回数: 10"_qs));
    QVERIFY(lines.contains(u"（XM = 0.043828124999999996 m を 0.00001 m に丸め、mm で表示）"_qs));
    QVERIFY(texts(sheet, SheetBlock::Kind::Flagged).isEmpty());
}

void CalculationSheetTest::workedExampleTrailAsWorkedByHand()
{
    const CalculationSheet sheet
        = calculationSheet(BoxTexts(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs), test::kJapanese, kMadeAt);
    const SheetBlock *trail = tableAfter(sheet, u"二分法の経過"_qs);
    QVERIFY(trail);
    QCOMPARE(trail->header.size(), 8);
    QCOMPARE(trail->rows.size(), kWorkedTrail.size());
    for (qsizetype i = 0; i < kWorkedTrail.size(); ++i)
        QCOMPARE(trail->rows[i], kWorkedTrail[i]);
}

// After a miss the sheet says why, as the window printed it, instead of a
// result, and shows no factors of a head that was not found.
void CalculationSheetTest::missesAndComplaints_data()
{
    QTest::addColumn<BoxTexts>("boxes");
    QTest::addColumn<QStringList>("flaggedLines");
    QTest::addColumn<int>("trailRows");
    QTest::addColumn<bool>("siValues");

    QTest::newRow("no root, head below the bracket")
        << BoxTexts(u"300"_qs, u"300"_qs, u"60"_qs, u"100"_qs)
        << QStringList{u"解がありません。挟込範囲を変更して下さい。"_qs, u"越流高さは最小値より下の約43.83mmです。"_qs}
        << 1 << true;
    QTest::newRow("flow not a number") << BoxTexts(u"300"_qs, u"abc"_qs, u"20"_qs, u"100"_qs)
                                       << QStringList{u"流量(L/min)が数値ではありません。"_qs} << 0 << false;
    QTest::newRow("head below 20 mm") << BoxTexts(u"300"_qs, u"60"_qs, u"5"_qs, u"100"_qs)
                                      << QStringList{u"20mm未満は公式の適用範囲外です。"_qs} << -1 << true;
    // A bracket up to 100 widths holds a second head, on the falling side of
    // Q(h), which the search finds (29996.68 mm for 300 L/min): the window
    // shows it, and the sheet says, as the window does, that the formula does
    // not reach there and where the head for that flow lies.
    QTest::newRow("a head past the discharge's peak")
        << BoxTexts(u"300"_qs, u"300"_qs, u"20"_qs, u"30000"_qs)
        << QStringList{u"約16874.6mmより上では公式の流量が減るため、この越流高さは解ではありません。"_qs,
                       u"この流量の越流高さは約43.83mmです。"_qs}
        << -1 << true;
}

void CalculationSheetTest::missesAndComplaints()
{
    QFETCH(BoxTexts, boxes);
    QFETCH(QStringList, flaggedLines);
    QFETCH(int, trailRows);
    QFETCH(bool, siValues);

    const CalculationSheet sheet = calculationSheet(boxes, test::kJapanese, kMadeAt);
    QCOMPARE(texts(sheet, SheetBlock::Kind::Flagged), flaggedLines);
    const SheetBlock *trail = tableAfter(sheet, u"二分法の経過"_qs);
    if (trailRows == 0)
        QVERIFY(!trail);
    else if (trailRows > 0)
        QCOMPARE(trail->rows.size(), trailRows);
    const bool found = tableAfter(sheet, u"解における各項"_qs) != nullptr;
    QCOMPARE(found, trailRows < 0);
    const SheetBlock *inputs = tableAfter(sheet, u"入力"_qs);
    QCOMPARE(inputs->rows[0][3] != u"—"_qs, siValues);
    QCOMPARE(inputs->rows[1][1], boxes[InputBox::Flow]);
}

// A search from a bracket of hundreds of powers of ten takes hundreds of
// trials; the sheet keeps every one of them, numbered without a gap.
void CalculationSheetTest::longTrailKeepsEveryTrial()
{
    const BoxTexts boxes(u"1e203"_qs, u"6e204"_qs, u"1"_qs, u"1e73"_qs);
    const CalculationRecord record = calculateWithTrail(boxes, test::kJapanese);
    QVERIFY(record.solved);
    QVERIFY2(record.solved->trials > 250, qPrintable(QString::number(record.solved->trials)));

    const CalculationSheet sheet = calculationSheet(boxes, test::kJapanese, kMadeAt);
    const SheetBlock *trail = tableAfter(sheet, u"二分法の経過"_qs);
    QVERIFY(trail);
    QCOMPARE(trail->rows.size(), record.solved->trials);
    for (qsizetype i = 0; i < trail->rows.size(); ++i)
        QCOMPARE(trail->rows[i][0], QString::number(i + 1));
}

// The copied trail carries every number to the digits that read back as the
// program's own double, so a spreadsheet can redo the search exactly.
void CalculationSheetTest::copiedTrailReadsBackExactly()
{
    const BoxTexts boxes(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    const QStringList lines = trailForSpreadsheet(boxes, test::kJapanese).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + kWorkedTrail.size());
    QCOMPARE(lines.front(), SheetTexts::trailHeader());

    std::vector<BisectionTrial> trail;
    solveHead(0.005, 0.3, 0.02, 0.1, trail);
    for (qsizetype i = 0; i < kWorkedTrail.size(); ++i) {
        const QStringList cells = lines[i + 1].split(u'\t');
        QCOMPARE(cells.size(), 8);
        QCOMPARE(cells.mid(0, 4), kWorkedTrail[i].mid(0, 4));
        QCOMPARE(cells[7], kWorkedTrail[i][7]);
        const BisectionTrial &t = trail[std::size_t(i)];
        QCOMPARE(cells[4].toDouble(), t.atLower);
        QCOMPARE(cells[5].toDouble(), t.atUpper);
        QCOMPARE(cells[6].toDouble(), t.atMiddle);
    }
}

// A 300 mm weir read to 0.3 mm, built to 0.5 mm, its coefficient known to 1 %:
// at the worked example's head U is 2.84 % of 300 L/min.
void CalculationSheetTest::uncertaintySection_data()
{
    QTest::addColumn<BoxTexts>("boxes");
    QTest::addColumn<bool>("stated");
    QTest::addColumn<QString>("said"); // a pattern the section holds; empty: no section
    QTest::addColumn<bool>("figures");
    const BoxTexts worked(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    QTest::newRow("worked example, stated")
        << worked << true << u"U = 2·u\\(Q\\) = ±8\\.5\\d L/min（2\\.84 %"_qs << true;
    QTest::newRow("worked example, not stated") << worked << false << QString() << false;
    QTest::newRow("no head found") << BoxTexts(u"300"_qs, u"300"_qs, u"50"_qs, u"100"_qs) << true << QString() << false;
    QTest::newRow("a box empty") << BoxTexts(u"300"_qs, QString(), u"20"_qs, u"100"_qs) << true << QString() << false;
    // A 1 mm weir's discharge peaks near 56 mm; this bracket holds only the
    // falling side's head.
    QTest::newRow("past the peak: said, no figure")
        << BoxTexts(u"1"_qs, u"0.3"_qs, u"60"_qs, u"99"_qs) << true << u"不確かさを求められません"_qs << false;
}

void CalculationSheetTest::uncertaintySection()
{
    QFETCH(BoxTexts, boxes);
    QFETCH(bool, stated);
    QFETCH(QString, said);
    QFETCH(bool, figures);
    const std::optional<GaugeUncertainty> gauge
        = stated ? std::optional(GaugeUncertainty{0.3, 0.5, 1.0}) : std::nullopt;
    const CalculationSheet sheet = calculationSheet(boxes, test::kJapanese, kMadeAt, gauge);
    const QString text = sheet.plainText();
    if (said.isEmpty()) {
        QVERIFY(!text.contains(u"流量の不確かさ"_qs));
        return;
    }
    QVERIFY2(text.contains(QRegularExpression(said)), qPrintable(text.right(400)));
    // Each input stated wherever an uncertainty is spoken of.
    QVERIFY2(text.contains(u"u(h) = 0.3 mm、u(b) = 0.5 mm、u_C = 1 %"_qs), qPrintable(text.right(600)));
    const SheetBlock *terms = tableAfter(sheet, u"流量の不確かさ"_qs);
    QCOMPARE(terms != nullptr, figures);
    if (!terms)
        return;
    // The head's sensitivity, and shares that make up the whole variance.
    QCOMPARE(terms->rows.size(), 3);
    QVERIFY2(terms->rows[0][4].startsWith(u"1.4534"_qs), qPrintable(terms->rows[0].join(u' ')));
    double shares = 0;
    for (const QStringList &row : terms->rows)
        shares += row.last().chopped(2).toDouble();
    QVERIFY2(std::abs(shares - 100) < 0.01, qPrintable(QString::number(shares)));
}

QTEST_APPLESS_MAIN(CalculationSheetTest)
#include "tst_calculation_sheet.moc"
