// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The rating table against the formula, and against the calculator: a flow
// read off the table at a head the calculator found is the flow the user
// typed, to the solver's tolerance.
#include "calculator/model/calculation.h"
#include "hydraulics/bisection.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"
#include "rating/model/rating_table.h"
#include "rating/model/table_export.h"
#include "tests/support/locales.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace weir;

namespace {
using test::kJapanese;
constexpr double kToleranceLpm = units::litresPerMinuteFromCubicMetresPerSecond(kResidualTolerance); // 0.6 L/min
} // namespace

class RatingTableTest : public QObject
{
    Q_OBJECT

private slots:
    void flowsAreTheFormulas_data();
    void flowsAreTheFormulas();
    void calculatorAndTableAgree();
    void rowsOfTheRange();
    void csvBytes();
    void roundSteps_data();
    void roundSteps();
    void standardFormulaTable_data();
    void standardFormulaTable();
    void flowAtAMeasuredHead_data();
    void flowAtAMeasuredHead();
};

void RatingTableTest::roundSteps_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("step"); // 0: none
    // About twenty rows: the smallest of 1, 2, 5 x 10^n at least (to - from) / 20.
    QTest::newRow("the calculator's bracket") << 20.0 << 100.0 << 5.0; // 4 -> 5
    QTest::newRow("exactly a round step") << 0.0 << 20.0 << 1.0;       // 1 -> 1
    QTest::newRow("just over a round step") << 0.0 << 20.2 << 2.0;     // 1.01 -> 2
    QTest::newRow("two to five") << 0.0 << 60.0 << 5.0;                // 3 -> 5
    QTest::newRow("five to ten") << 0.0 << 120.0 << 10.0;              // 6 -> 10
    QTest::newRow("small range") << 43.8 << 43.9 << 0.005;             // 0.005 -> 0.005
    QTest::newRow("large range") << 1.0 << 30001.0 << 2000.0;          // 1500 -> 2000
    QTest::newRow("empty range") << 50.0 << 50.0 << 0.0;
    QTest::newRow("falling range") << 100.0 << 20.0 << 0.0;
    QTest::newRow("infinite range") << 0.0 << qInf() << 0.0;
}

void RatingTableTest::roundSteps()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, step);
    const std::optional<double> chosen = roundStepFor(from, to);
    if (step == 0) {
        QVERIFY(!chosen);
        return;
    }
    QVERIFY(chosen);
    QVERIFY2(std::fabs(*chosen - step) <= 1e-12 * step, qPrintable(QString::number(*chosen, 'g', 17)));
}

// A standard's formula in the table: its flows against the values worked
// from the formulas' printed forms (JIS in m³/min, here as L/min), the limits
// a row breaks in its remark, and the program's own flow beside it with the
// difference: 5652.71 against 5610.02 L/min is +0.76 %, 5523.70 against
// it −1.54 %.
void RatingTableTest::standardFormulaTable_data()
{
    QTest::addColumn<int>("weir");
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("channelMm");
    QTest::addColumn<double>("crestMm");
    QTest::addColumn<double>("headMm");
    QTest::addColumn<QString>("lpm");
    QTest::addColumn<QString>("m3s");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("difference"); // empty: not worked out
    // K 105.332: 5.6527064 m³/min
    QTest::newRow("四角せき") << int(StandardWeir::JisRectangular) << 600.0 << 1200.0 << 500.0 << 200.0 << "5652.71"
                              << "0.0942118" << QString() << "0.76";
    QTest::newRow("四角せき past 0.45√b")
        << int(StandardWeir::JisRectangular) << 600.0 << 1200.0 << 500.0 << 360.0 << ""
        << "" << u"h > 0.45√b"_qs << "";
    // K 113.665: 10.1665067 m³/min; b is B
    QTest::newRow("全幅せき") << int(StandardWeir::JisFullWidth) << 1000.0 << 0.0 << 500.0 << 200.0 << "10166.51"
                              << "0.1694418" << QString() << "";
    // 1.838 × 0.56 × 0.2^1.5 = 0.0920616 m³/s
    QTest::newRow("Francis") << int(StandardWeir::JisFrancis) << 600.0 << 0.0 << 0.0 << 200.0 << "5523.70"
                             << "0.0920616" << QString() << "-1.54";
    // 0.632 × (2/3)√(2g) × 0.999 × 0.201^1.5 = 0.1679812 m³/s
    QTest::newRow("ISO full width") << int(StandardWeir::IsoFullWidth) << 1000.0 << 0.0 << 500.0 << 200.0 << "10078.87"
                                    << "0.1679812" << QString() << "";
    QTest::newRow("ISO h/D over 2.5") << int(StandardWeir::IsoFullWidth) << 1000.0 << 0.0 << 100.0 << 300.0 << ""
                                      << "" << u"h/D > 2.5"_qs << "";
}

void RatingTableTest::standardFormulaTable()
{
    QFETCH(int, weir);
    QFETCH(double, widthMm);
    QFETCH(double, channelMm);
    QFETCH(double, crestMm);
    QFETCH(double, headMm);
    QFETCH(QString, lpm);
    QFETCH(QString, m3s);
    QFETCH(QString, remark);
    QFETCH(QString, difference);
    RatingTableModel model;
    model.setLocale(QLocale::c());
    model.setRange({widthMm, headMm, headMm, 1});
    model.setFormula(StandardFormula{StandardWeir(weir), channelMm, crestMm});
    QCOMPARE(model.columnCount(), 6);
    const auto cell = [&model](RatingTableModel::Column column) {
        return model.index(0, model.sectionOf(column)).data().toString();
    };
    if (!lpm.isEmpty()) {
        QCOMPARE(cell(RatingTableModel::FlowLpm), lpm);
        QCOMPARE(cell(RatingTableModel::FlowM3s), m3s);
    }
    QVERIFY2(remark.isEmpty() ? cell(RatingTableModel::Remark).isEmpty()
                              : cell(RatingTableModel::Remark).contains(remark),
             qPrintable(cell(RatingTableModel::Remark)));
    QVERIFY(!cell(RatingTableModel::OwnFlowLpm).isEmpty());
    if (!difference.isEmpty())
        QCOMPARE(cell(RatingTableModel::Difference), difference);
    // The program's own formula again: its four columns, its own flow.
    model.setFormula(std::nullopt);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.index(0, RatingTableModel::FlowLpm).data().toString(),
             flowLpmText(model.ownFlowLpmAt(0), QLocale::c()));
}

void RatingTableTest::flowAtAMeasuredHead_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("stated"); // the 300 mm weir read to 0.3 mm, built to 0.5 mm, C to 1 %
    // Flows worked out as in flowsAreTheFormulas: 363.30 L/min at 50 mm over
    // 300 mm, 36.38 at 10 mm.
    QTest::newRow("in range") << "50"
                              << "363.30 L/min (0.0060551 m³/s)" << QString() << false;
    QTest::newRow("below 20 mm, flagged")
        << "10" << u"36.38 L/min (0.0006063 m³/s) — 20mm未満は公式の適用範囲外です"_qs << QString() << false;
    QTest::newRow("full-width digits") << u"５０"_qs << "363.30 L/min (0.0060551 m³/s)" << QString() << false;
    QTest::newRow("not a number") << "abc" << QString() << u"越流高さ(mm)が数値ではありません。"_qs << false;
    QTest::newRow("zero") << "0" << QString() << u"越流高さ(mm)は0より大きい値にして下さい。"_qs << false;
    QTest::newRow("too large") << "1e999" << QString() << u"越流高さ(mm)の値が大き過ぎます。"_qs << false;
    // 40 m over 300 mm once gave -1294830.30 L/min; from about 56 widths up
    // the formula gives no flow.
    QTest::newRow("past the discharge's peak")
        << "40000" << QString() << u"越流高さが約16874.6mm以上では公式の流量が増えないため、流量を求められません。"_qs
        << false;
    // U and its ± in L/min worked by hand: 2.8416 % of 299.97 L/min at
    // 43.83 mm, 2.2097 % of 997.63 at 100 mm.
    QTest::newRow("stated, the worked example")
        << "43.83" << u"299.97 L/min (0.0049995 m³/s) ± 8.52 L/min（U = 2.84 %）"_qs << QString() << true;
    QTest::newRow("stated, 100 mm") << "100" << u"997.63 L/min (0.0166272 m³/s) ± 22.04 L/min（U = 2.21 %）"_qs
                                    << QString() << true;
}

void RatingTableTest::flowAtAMeasuredHead()
{
    QFETCH(QString, head);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, stated);
    const FlowAtHead flow
        = flowAtHead(head, 300, kJapanese, stated ? std::optional(GaugeUncertainty{0.3, 0.5, 1}) : std::nullopt);
    QCOMPARE(flow.text, text);
    QCOMPARE(flow.message, message);
}

void RatingTableTest::flowsAreTheFormulas_data()
{
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("headMm");
    QTest::addColumn<double>("exactLpm");
    QTest::addColumn<QString>("lpm");
    QTest::addColumn<QString>("m3s");
    QTest::addColumn<QString>("remark");
    // Worked out from the formula in 40-digit decimal arithmetic: 1.838 x
    // 1.024 x 0.959175 x 0.3 x 0.0111803 m³/s x 60000 = 363.30 L/min for the
    // first row, and so on.
    QTest::newRow("50 mm over 300 mm") << 300.0 << 50.0 << 363.30460562186013 << "363.30"
                                       << "0.0060551"
                                       << "";
    QTest::newRow("worked example's head") << 300.0 << 45.0 << 311.68199038492860 << "311.68"
                                           << "0.0051947"
                                           << "";
    QTest::newRow("below 20 mm") << 300.0 << 10.0 << 36.377568151213299 << "36.38"
                                 << "0.0006063" << u"適用範囲外"_qs;
    QTest::newRow("head equal to width") << 100.0 << 100.0 << 317.62873091495637 << "317.63"
                                         << "0.0052938"
                                         << "";
}

void RatingTableTest::flowsAreTheFormulas()
{
    QFETCH(double, widthMm);
    QFETCH(double, headMm);
    QFETCH(double, exactLpm);
    QFETCH(QString, lpm);
    QFETCH(QString, m3s);
    QFETCH(QString, remark);
    RatingTableModel model;
    model.setLocale(kJapanese);
    model.setRange({widthMm, headMm, headMm, 1.0});
    QCOMPARE(model.rowCount(), 1);
    // Twelve roundings of a double from the exact value: a few units in the
    // last place, far inside 1e-12 of it.
    QVERIFY2(std::fabs(model.flowLpmAt(0) - exactLpm) <= 1e-12 * exactLpm,
             qPrintable(QString::number(model.flowLpmAt(0), 'g', 17)));
    QCOMPARE(model.index(0, RatingTableModel::FlowLpm).data().toString(), lpm);
    QCOMPARE(model.index(0, RatingTableModel::FlowM3s).data().toString(), m3s);
    QCOMPARE(model.index(0, RatingTableModel::Remark).data().toString(), remark);
}

void RatingTableTest::calculatorAndTableAgree()
{
    // The worked example: at the shown 43.83 mm the table's flow is 300 L/min
    // within the tolerance the calculator searched to.
    QVERIFY(std::fabs(flowLitresPerMinute(43.83, 300) - 300) < kToleranceLpm);

    // A spread of weirs and flows: the calculator's head gives back the flow.
    QRandomGenerator random(20261208);
    int shown = 0;
    for (int i = 0; i < 2000; ++i) {
        const double width = 50 + random.bounded(3000.0);
        const double head = 20 + random.bounded(std::min(500.0, width));
        const double flow = std::round(flowLitresPerMinute(head, width) * 100) / 100;
        const BoxTexts texts{QString::number(width, 'g', 10), QString::number(flow, 'f', 2), QStringLiteral("1"),
                             QString::number(head * 2, 'g', 10)};
        const CalculationOutcome outcome = calculate(texts, QLocale::c());
        if (outcome.kind != CalculationOutcome::Kind::Shown)
            continue;
        ++shown;
        const SolveResult exact
            = solveHead(units::cubicMetresPerSecondFromLitresPerMinute(flow), units::metresFromMillimetres(width),
                        0.001, units::metresFromMillimetres(head * 2));
        QCOMPARE(exact.status, SolveStatus::Converged);
        const double back = flowLitresPerMinute(units::millimetresFromMetres(exact.head), width);
        QVERIFY2(std::fabs(back - flow) < kToleranceLpm,
                 qPrintable(texts[InputBox::Width] + u' ' + texts[InputBox::Flow]));
        // The shown head is rounded to 0.01 mm: the flow there is off by at
        // most the slope of the rating curve over 0.005 mm.
        const double shownHead = outcome.headText.toDouble();
        const double slope
            = (flowLitresPerMinute(shownHead + 0.01, width) - flowLitresPerMinute(shownHead - 0.01, width)) / 0.02;
        QVERIFY(std::fabs(flowLitresPerMinute(shownHead, width) - flow) < kToleranceLpm + slope * 0.005 + 1e-9);
    }
    QVERIFY(shown > 1900);
}

void RatingTableTest::rowsOfTheRange()
{
    RatingTableModel model;
    model.setLocale(kJapanese);
    model.setRange({300, 10, 30, 2.5});
    QCOMPARE(model.rowCount(), 9);
    QCOMPARE(model.index(8, 0).data().toString(), u"30"_qs);
    QCOMPARE(model.index(1, 0).data().toString(), u"12.5"_qs);
    QCOMPARE(model.rowNearest(21.4), 5); // 22.5 (row 5) is nearer than 20 (row 4)
    QCOMPARE(model.rowNearest(-5), 0);
    QCOMPARE(model.rowNearest(1e9), 8);
    // A range that is not a whole number of steps stops before its end.
    model.setRange({300, 20, 21, 0.3});
    QCOMPARE(model.rowCount(), 4);
    // Many small steps: the last head is the end, not the end less a drift.
    model.setRange({300, 0.1, 100.1, 0.1});
    QCOMPARE(model.index(model.rowCount() - 1, 0).data().toString(), u"100.1"_qs);
}

void RatingTableTest::csvBytes()
{
    RatingTableModel model;
    model.setLocale(QLocale(QLocale::German, QLocale::Germany));
    model.setRange({300, 10, 20, 10});
    const QByteArray bytes = weir::csvBytes(model);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    // A decimal comma in a cell gets the cell quoted.
    // Every row says the width its flows are for.
    QCOMPARE(QString::fromUtf8(bytes.mid(3)),
             u"越流高さ(mm),流量(L/min),流量(m³/s),備考,堰の幅(mm)\r\n"
             u"10,\"36,38\",\"0,0006063\",適用範囲外,300\r\n"
             u"20,\"96,63\",\"0,0016105\",,300\r\n"_qs);
    // With the user's uncertainties, U and its ± follow, worked by hand:
    // 4.7457 % of 96.63 L/min at 20 mm; and the three they come from, in
    // columns of their own, so that nothing but rows stands under the header.
    model.setRange({300.5, 10, 20, 10});
    model.setGauge(GaugeUncertainty{0.3, 0.5, 1});
    const QStringList lines = QString::fromUtf8(weir::csvBytes(model).mid(3)).split(u"\r\n"_qs);
    QCOMPARE(lines.size(), 4); // the header, two rows, and the last line's end
    QCOMPARE(lines[0],
             u"越流高さ(mm),流量(L/min),流量(m³/s),備考,±(L/min),U(%),堰の幅(mm),"
             u"越流高さの標準不確かさ u(h)(mm),堰の幅の標準不確かさ u(b)(mm),流量係数の相対標準不確かさ u_C(%)"_qs);
    QVERIFY2(lines[2].endsWith(u",\"300,5\",\"0,3\",\"0,5\",1"_qs), qPrintable(lines[2]));
    model.setRange({300, 10, 20, 10});
    QCOMPARE(QString::fromUtf8(weir::csvBytes(model).mid(3)).split(u"\r\n"_qs)[2],
             u"20,\"96,63\",\"0,0016105\",,\"4,59\",\"4,75\",300,\"0,3\",\"0,5\",1"_qs);
    QCOMPARE(lines.last(), QString());
}

QTEST_APPLESS_MAIN(RatingTableTest)
#include "tst_rating_table.moc"
