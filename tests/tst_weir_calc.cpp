// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "hydraulics/bisection.h"
#include "hydraulics/flow_uncertainty.h"
#include "hydraulics/standard_uncertainty.h"
#include "hydraulics/standard_weirs.h"
#include "hydraulics/weir_design.h"
#include "hydraulics/weir_domain.h"
#include "hydraulics/weir_formula.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace weir;

Q_DECLARE_METATYPE(SolveStatus)
Q_DECLARE_METATYPE(weir::Discharge::Status)
Q_DECLARE_METATYPE(weir::FlowUncertainty::Status)
Q_DECLARE_METATYPE(weir::WidthRange::Status)
Q_DECLARE_METATYPE(weir::WidthRange::Bound)

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The worked example: 300 L/min over a 300 mm weir.
constexpr double kQ = (300.0 / 1000) / 60;
constexpr double kB = 300.0 / 1000.0;

// A double to the last bit, and how a mismatch is shown: as a hex float.
bool sameBits(double actual, double expected)
{
    return std::memcmp(&actual, &expected, sizeof actual) == 0;
}

QByteArray bitsOf(double actual, double expected)
{
    return QString::asprintf("%a, expected %a", actual, expected).toLatin1();
}

struct CountingResidual {
    int calls = 0;
    QList<double> heads;
    double operator()(double head, double flow, double width)
    {
        ++calls;
        heads.append(head);
        return weirResidual(head, flow, width);
    }
};
constexpr double kLpm = 1.0 / 60000; // m^3/s in a litre per minute
} // namespace

class WeirCalcTest : public QObject
{
    Q_OBJECT

private slots:
    void residualIsBitExact_data();
    void residualIsBitExact();
    void residualKnownValues();
    void residualFaultsAreNotFinite_data();
    void residualFaultsAreNotFinite();
    void dischargeStopsAtItsPeak_data();
    void dischargeStopsAtItsPeak();

    void solve_data();
    void solve();
    void workedExampleEvaluatesUpperLowerMidpoint();
    void faultAtLowerEndStopsAfterUpperEnd();
    void reversedBracketSearchesTheSame();
    void neverLoopsForever_data();
    void neverLoopsForever();

    void uncertaintyWorkedValues_data();
    void uncertaintyWorkedValues();
    void sensitivitiesAreTheFormulasSlopes_data();
    void sensitivitiesAreTheFormulasSlopes();
    void uncertaintyOutsideTheFormula_data();
    void uncertaintyOutsideTheFormula();
    void widthsForARangeOfFlows_data();
    void widthsForARangeOfFlows();
    void designEndsWhateverItIsGiven_data();
    void designEndsWhateverItIsGiven();

    void standardFormulasWorkedValues_data();
    void standardFormulasWorkedValues();
    void standardRangesMarked_data();
    void standardRangesMarked();
    void standardSensitivities_data();
    void standardSensitivities();
    void standardHeadRecovered_data();
    void standardHeadRecovered();
};

// Each term worked one IEEE rounding at a time, in the formula's order
// (h/b, its square root, /10, 1 - that; 0.0012/h, 1 + that; x 1.838, x the
// contraction, x b; x h^1.5; - Q), by a separate script in Python's doubles,
// with h^1.5 taken as h sqrt(h) in 80-digit decimals and rounded once. The
// C library's pow agrees on every row, here and under Wine.
void WeirCalcTest::residualIsBitExact_data()
{
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("flow");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("contraction");
    QTest::addColumn<double>("lowHeadFactor");
    QTest::addColumn<double>("power");
    QTest::addColumn<double>("residual");
    QTest::newRow("worked example midpoint") << 0.0438281 << kQ << kB << 0x1.ec6e23bf7e97fp-1 << 0x1.07025b0d93d10p+0
                                             << 0x1.2ca9891b8b8c0p-7 << -0x1.a7ad36e534000p-21;
    QTest::newRow("first midpoint") << 0.06 << kQ << kB << 0x1.e91a482e99a82p-1 << 0x1.051eb851eb852p+0
                                    << 0x1.e196db02eca84p-7 << 0x1.7b9fd87d2d992p-9;
    QTest::newRow("head equals width") << 0.3 << 0.01 << 0.3 << 0x1.ccccccccccccdp-1 << 0x1.010624dd2f1aap+0
                                       << 0x1.50854f2c3d222p-3 << 0x1.26612c0dc66f4p-4;
    QTest::newRow("tiny head") << 1e-9 << 0.0 << 2.5 << 0x1.ffffbce4217d3p-1 << 0x1.24f80ffffffffp+20
                               << 0x1.1cd5288a35c9fp-45 << 0x1.7673b45b89512p-23;
    QTest::newRow("large weir") << 3.7 << 120.0 << 40.0 << 0x1.f06d99caa15e9p-1 << 0x1.001541425dc3ep+0
                                << 0x1.c77e6fe00e649p+2 << 0x1.837fc96a9f5abp+8;
    QTest::newRow("negative flow") << 0.123456789 << -0.5 << 0.7 << 0x1.ea7f7e510ee38p-1 << 0x1.027d028a7f3cap+0
                                   << 0x1.635ae0255b2b9p-5 << 0x1.1ba41a942f302p-1;
}

void WeirCalcTest::residualIsBitExact()
{
    QFETCH(double, head);
    QFETCH(double, flow);
    QFETCH(double, width);
    QFETCH(double, contraction);
    QFETCH(double, lowHeadFactor);
    QFETCH(double, power);
    QFETCH(double, residual);
    const WeirTerms terms = weirTerms(head, width);
    QVERIFY2(sameBits(terms.contraction, contraction), bitsOf(terms.contraction, contraction));
    QVERIFY2(sameBits(terms.lowHeadFactor, lowHeadFactor), bitsOf(terms.lowHeadFactor, lowHeadFactor));
    QVERIFY2(sameBits(terms.power, power), bitsOf(terms.power, power));
    const double actual = weirResidual(head, flow, width);
    QVERIFY2(sameBits(actual, residual), bitsOf(actual, residual));
    // The discharge is the residual against no flow, from the same roundings.
    QVERIFY2(sameBits(weirDischarge(head, width) - flow, residual),
             bitsOf(weirDischarge(head, width) - flow, residual));
}

void WeirCalcTest::residualKnownValues()
{
    // 1.838 x 1.024 x 0.959175 x 0.3 x 0.0111803
    QVERIFY(std::fabs(weirResidual(0.05, 0.0, 0.3) - 0.0060551) < 5e-8);
    // The target comes off the discharge unchanged.
    QCOMPARE(weirResidual(0.05, 0.001, 0.3), weirResidual(0.05, 0.0, 0.3) - 0.001);
    // At h = b the contraction factor is 0.9 (as near as a double has it):
    // 1.838 x 1.004 x 0.9 x 0.3 x 0.3^1.5 = 0.08187...
    QVERIFY2(sameBits(weirResidual(0.3, 0.0, 0.3), 0x1.4f56ee9d22983p-4),
             bitsOf(weirResidual(0.3, 0.0, 0.3), 0x1.4f56ee9d22983p-4));
    // Towards h -> 0+ the discharge vanishes and the residual tends to -flow.
    QVERIFY(std::fabs(weirResidual(1e-12, 0.004, 0.3) + 0.004) < 1e-8);
}

void WeirCalcTest::residualFaultsAreNotFinite_data()
{
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("width");
    QTest::newRow("zero width") << 0.05 << 0.0;
    QTest::newRow("zero head") << 0.0 << 0.3;
    QTest::newRow("negative zero head") << -0.0 << 0.3;
    QTest::newRow("negative head") << -0.05 << 0.3;
    QTest::newRow("negative width") << 0.05 << -0.3;
    QTest::newRow("both negative") << -0.05 << -0.3;
    QTest::newRow("overflowing power") << 1e250 << 1e250;
    QTest::newRow("overflowing ratio") << 1e300 << 1e-300;
    QTest::newRow("infinite head") << kInf << 0.3;
    QTest::newRow("NaN width") << 0.05 << kNaN;
}

void WeirCalcTest::residualFaultsAreNotFinite()
{
    QFETCH(double, head);
    QFETCH(double, width);
    QVERIFY(!std::isfinite(weirResidual(head, 0.005, width)));
}

// Q(h) rises to a peak and falls: without the low-head term at 56.25 widths
// exactly, with it a little lower (55.85 widths for a 1 mm weir). From the
// peak up no discharge is given, so no head ever shows a flow that a lower
// head passes too, nor a negative one past 100 widths.
void WeirCalcTest::dischargeStopsAtItsPeak_data()
{
    using Status = Discharge::Status;
    QTest::addColumn<double>("width");  // m
    QTest::addColumn<double>("widths"); // the head, in widths
    QTest::addColumn<Status>("status");
    QTest::newRow("the worked example's head") << 0.3 << 0.0438281 / 0.3 << Status::Ok;
    QTest::newRow("56 widths") << 0.3 << 56.0 << Status::Ok;
    QTest::newRow("56.25 widths") << 0.3 << 56.25 << Status::BeyondPeak;
    QTest::newRow("40 m over 0.3 m") << 0.3 << 40.0 / 0.3 << Status::BeyondPeak;
    QTest::newRow("100 widths, where the factor is 0") << 0.3 << 100.0 << Status::BeyondPeak;
    QTest::newRow("1 mm weir, 55.8 widths") << 0.001 << 55.8 << Status::Ok;
    QTest::newRow("1 mm weir, 56 widths") << 0.001 << 56.0 << Status::BeyondPeak;
    QTest::newRow("zero head") << 0.3 << 0.0 << Status::HeadNotPositive;
    QTest::newRow("negative head") << 0.3 << -1.0 << Status::HeadNotPositive;
    QTest::newRow("head not a number") << 0.3 << std::numeric_limits<double>::quiet_NaN() << Status::NotComputable;
    QTest::newRow("infinite head") << 0.3 << std::numeric_limits<double>::infinity() << Status::NotComputable;
    QTest::newRow("zero width") << 0.0 << 1.0 << Status::NotComputable;
    QTest::newRow("negative width") << -0.3 << 1.0 << Status::NotComputable;
}

void WeirCalcTest::dischargeStopsAtItsPeak()
{
    QFETCH(double, width);
    QFETCH(double, widths);
    QFETCH(Discharge::Status, status);
    const WeirDomain domain(width);
    const double head = widths * width;
    const Discharge discharge = domain.dischargeAt(head);
    QCOMPARE(discharge.status, status);
    if (status == Discharge::Status::Ok) {
        QCOMPARE(discharge.flow, weirDischarge(head, width));
        QVERIFY(discharge.flow > 0);
    }
    if (!(width > 0))
        return;
    // The peak itself: the discharge falls on either side of it, and it lies
    // where the low-head term puts it, a little below 56.25 widths: where
    // dQ/dh = 0, worked in 40 digits, at 56.2486667 widths of a 0.3 m weir
    // and 55.8521383 of a 1 mm one. A golden-section search on a flat
    // maximum finds it to about the square root of a double's resolution.
    const double peak = domain.peakHead();
    for (const double side : {0.999, 1.001})
        QVERIFY(weirDischarge(peak * side, width) < weirDischarge(peak, width));
    const double worked = width == 0.3 ? 56.2486667 : 55.8521383;
    QVERIFY2(std::abs(peak / width - worked) < 1e-6, qPrintable(QString::number(peak / width, 'g', 12)));
}

void WeirCalcTest::solve_data()
{
    QTest::addColumn<double>("Q");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<SolveStatus>("status");
    QTest::addColumn<int>("trials");
    QTest::addColumn<double>("head");

    QTest::newRow("worked example") << kQ << 0.02 << 0.1 << SolveStatus::Converged << 10 << 0.0438281;
    QTest::newRow("midpoint on the root") << kQ << 0.0338281 << 0.0538281 << SolveStatus::Converged << 1 << 0.0438281;
    QTest::newRow("no root above") << kQ << 0.06 << 0.1 << SolveStatus::NoRoot << 1 << 0.0;
    QTest::newRow("no root below") << kQ << 0.001 << 0.03 << SolveStatus::NoRoot << 1 << 0.0;
    QTest::newRow("degenerate bracket") << kQ << 0.05 << 0.05 << SolveStatus::NoRoot << 1 << 0.0;
    QTest::newRow("degenerate bracket on the root")
        << kQ << 0.0438281 << 0.0438281 << SolveStatus::Converged << 1 << 0.0438281;
    QTest::newRow("zero lower end") << kQ << 0.0 << 0.1 << SolveStatus::ResidualNotFinite << 0 << 0.0;
    QTest::newRow("negative upper end") << kQ << 0.02 << -0.1 << SolveStatus::ResidualNotFinite << 0 << 0.0;
    // The discharge rises and falls again (it is zero at h = 100 b), so this
    // bracket holds two roots; the upper half is searched first.
    QTest::newRow("two roots: upper one") << kQ << 0.02 << 30.0 << SolveStatus::Converged << -1 << 29.99;
}

void WeirCalcTest::solve()
{
    QFETCH(double, Q);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(SolveStatus, status);
    QFETCH(int, trials);
    QFETCH(double, head);

    const SolveResult result = solveHead(Q, kB, lower, upper);
    QCOMPARE(result.status, status);
    if (trials >= 0)
        QCOMPARE(result.trials, trials);
    if (status == SolveStatus::Converged) {
        QVERIFY2(std::fabs(result.head - head) < 1e-2 * head, qPrintable(QString::number(result.head, 'g', 17)));
        QVERIFY(std::fabs(weirResidual(result.head, Q, kB)) < kResidualTolerance);
    }
}

void WeirCalcTest::workedExampleEvaluatesUpperLowerMidpoint()
{
    CountingResidual counter;
    const SolveResult result = bisectHead(counter, kQ, kB, 0.02, 0.1);
    QCOMPARE(result.status, SolveStatus::Converged);
    QCOMPARE(result.trials, 10);
    QCOMPARE(counter.calls, 30);
    const double firstMidpoint = (0.1 + 0.02) / 2;
    QCOMPARE(counter.heads.mid(0, 3), (QList<double>{0.1, 0.02, firstMidpoint}));
    // The first midpoint lies above the root: the upper end moves down to it.
    QCOMPARE(counter.heads.mid(3, 3), (QList<double>{firstMidpoint, 0.02, (firstMidpoint + 0.02) / 2}));
    QVERIFY(std::fabs(result.head - 0.0438281) < 5e-8);
    QCOMPARE(result.head, counter.heads.last());
}

void WeirCalcTest::faultAtLowerEndStopsAfterUpperEnd()
{
    CountingResidual counter;
    const SolveResult result = bisectHead(counter, kQ, kB, 0.0, 0.1);
    QCOMPARE(result.status, SolveStatus::ResidualNotFinite);
    QCOMPARE(counter.heads, (QList<double>{0.1, 0.0}));
}

void WeirCalcTest::reversedBracketSearchesTheSame()
{
    const SolveResult forward = solveHead(kQ, kB, 0.02, 0.1);
    const SolveResult reversed = solveHead(kQ, kB, 0.1, 0.02);
    QCOMPARE(reversed.status, SolveStatus::Converged);
    QCOMPARE(reversed.trials, forward.trials);
    QCOMPARE(reversed.head, forward.head);
}

void WeirCalcTest::neverLoopsForever_data()
{
    QTest::addColumn<double>("Q");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<SolveStatus>("status");

    // So steep a residual that neighbouring doubles jump over the tolerance.
    QTest::newRow("huge flow, wide weir") << 1e6 << 1e4 << 1e-3 << 1e6 << SolveStatus::NotConverged;
    QTest::newRow("huger flow, wider weir") << 1e14 << 1e8 << 1e-3 << 1e6 << SolveStatus::NotConverged;
    QTest::newRow("NaN flow") << kNaN << kB << 0.02 << 0.1 << SolveStatus::ResidualNotFinite;
    QTest::newRow("infinite upper end") << kQ << kB << 0.02 << kInf << SolveStatus::ResidualNotFinite;
    QTest::newRow("bracket sum overflows") << kQ << 1e308 << 1e308 << 1.7e308 << SolveStatus::ResidualNotFinite;
    QTest::newRow("subnormal bracket") << 0.0 << kB << 5e-324 << 1e-323 << SolveStatus::ResidualNotFinite;
}

void WeirCalcTest::neverLoopsForever()
{
    QFETCH(double, Q);
    QFETCH(double, width);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(SolveStatus, status);
    const SolveResult result = solveHead(Q, width, lower, upper);
    QCOMPARE(result.status, status);
    QVERIFY(result.trials < 5000);
}

// A 300 mm weir read to 0.3 mm, built to 0.5 mm, its coefficient known to 1 %.
void WeirCalcTest::uncertaintyWorkedValues_data()
{
    QTest::addColumn<double>("headMm");
    QTest::addColumn<double>("headSensitivity"); // NaN: not stated
    QTest::addColumn<double>("expandedPercent");
    QTest::newRow("20 mm, the range's foot") << 20.0 << 1.43014 << 4.75;
    QTest::newRow("43.83 mm, the worked example") << 43.83 << 1.45348 << 2.84;
    QTest::newRow("100 mm") << 100.0 << kNaN << 2.21;
}

void WeirCalcTest::uncertaintyWorkedValues()
{
    QFETCH(double, headMm);
    QFETCH(double, headSensitivity);
    QFETCH(double, expandedPercent);
    const FlowUncertainty u = flowUncertainty(headMm / 1000, kB, {0.0003, 0.0005, 0.01});
    QCOMPARE(u.status, FlowUncertainty::Status::Ok);
    if (!std::isnan(headSensitivity))
        QCOMPARE(std::round(u.headSensitivity * 1e5) / 1e5, headSensitivity);
    QCOMPARE(std::round(u.expanded * 1e4) / 1e2, expandedPercent);
    QCOMPARE(u.expanded, 2 * u.relative);
    // The shares are what the quadrature adds.
    QVERIFY(std::abs(std::hypot(u.headTerm, u.widthTerm, u.coefficientTerm) - u.relative) < 1e-15);
}

// Across the whole domain, from a millimetre to just below the peak, on weirs
// from 10 mm to 3 m: the sensitivities are the slopes of ln Q that central
// differences of the formula itself give.
void WeirCalcTest::sensitivitiesAreTheFormulasSlopes_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("head");
    for (const double width : {0.01, 0.3, 3.0})
        for (const double widths : {0.001, 0.1, 1.0, 10.0, 40.0, 55.0})
            QTest::addRow("b %g m, h %g b", width, widths) << width << std::max(widths * width, 0.001);
}

void WeirCalcTest::sensitivitiesAreTheFormulasSlopes()
{
    QFETCH(double, width);
    QFETCH(double, head);
    const FlowUncertainty u = flowUncertainty(head, width, {});
    QCOMPARE(u.status, FlowUncertainty::Status::Ok);
    const double e = 1e-6; // a relative step; the difference's error is about e^2
    const auto lnQ = [](double h, double b) { return std::log(weirDischarge(h, b)); };
    const double bySlopeH
        = (lnQ(head * (1 + e), width) - lnQ(head * (1 - e), width)) / (std::log1p(e) - std::log1p(-e));
    const double bySlopeB
        = (lnQ(head, width * (1 + e)) - lnQ(head, width * (1 - e))) / (std::log1p(e) - std::log1p(-e));
    QVERIFY2(std::abs(u.headSensitivity - bySlopeH) < 1e-6, qPrintable(QString::number(bySlopeH - u.headSensitivity)));
    QVERIFY2(std::abs(u.widthSensitivity - bySlopeB) < 1e-6,
             qPrintable(QString::number(bySlopeB - u.widthSensitivity)));
}

void WeirCalcTest::uncertaintyOutsideTheFormula_data()
{
    using Status = FlowUncertainty::Status;
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("uHead");
    QTest::addColumn<Status>("status");
    QTest::newRow("negative u(h)") << 0.05 << kB << -0.001 << Status::InputsInvalid;
    QTest::newRow("NaN u(h)") << 0.05 << kB << kNaN << Status::InputsInvalid;
    QTest::newRow("infinite u(h)") << 0.05 << kB << kInf << Status::InputsInvalid;
    QTest::newRow("zero head") << 0.0 << kB << 0.0003 << Status::HeadNotPositive;
    QTest::newRow("negative head") << -0.01 << kB << 0.0003 << Status::HeadNotPositive;
    QTest::newRow("at the peak, 56.25 widths") << 56.25 * kB << kB << 0.0003 << Status::BeyondPeak;
    QTest::newRow("past 100 widths") << 150 * kB << kB << 0.0003 << Status::BeyondPeak;
    QTest::newRow("zero width") << 0.05 << 0.0 << 0.0003 << Status::NotComputable;
    QTest::newRow("NaN head") << kNaN << kB << 0.0003 << Status::NotComputable;
    QTest::newRow("infinite width") << 0.05 << kInf << 0.0003 << Status::NotComputable;
    QTest::newRow("overflowing share") << 1e-300 << 1e-300 << 1e300 << Status::NotComputable;
}

void WeirCalcTest::uncertaintyOutsideTheFormula()
{
    QFETCH(double, head);
    QFETCH(double, width);
    QFETCH(double, uHead);
    QFETCH(FlowUncertainty::Status, status);
    QCOMPARE(flowUncertainty(head, width, {uHead, 0.0005, 0.01}).status, status);
}

// Flows in L/min, heads in mm; the widths expected worked by hand
// (widthPassing), not by the solver.
// The widths worked in 40 digits by a separate script: the width whose
// formula passes a flow at a head (the narrowest: the largest flow at the
// highest head; the widest: the smallest flow at 20 mm), and on the widest a
// limit sets, the head of the smallest flow there, where U (from the
// formula's slopes, differentiated numerically) meets the limit.
void WeirCalcTest::widthsForARangeOfFlows_data()
{
    using Status = WidthRange::Status;
    using Bound = WidthRange::Bound;
    QTest::addColumn<double>("smallest");
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("highestMm");
    QTest::addColumn<double>("limitPercent"); // NaN: no limit
    QTest::addColumn<Status>("status");
    QTest::addColumn<Bound>("widestBy");
    QTest::addColumn<double>("narrowestMm");
    QTest::addColumn<double>("widestMm");       // NaN: not worked
    QTest::addColumn<double>("smallestHeadMm"); // on the widest, where a limit sets it
    const Status ok = Status::Ok;
    const double n = kNaN;
    QTest::newRow("100 to 1000 L/min under 150 mm")
        << 100.0 << 1000.0 << 150.0 << n << ok << Bound::MinimumHead << 170.856998263838 << 310.327324596273 << n;
    QTest::newRow("one flow, 300 L/min") << 300.0 << 300.0 << 100.0 << n << ok << Bound::MinimumHead << 94.7382629522135
                                         << 920.918914984115 << n;
    QTest::newRow("a U of 5 % loose enough")
        << 100.0 << 1000.0 << 150.0 << 5.0 << ok << Bound::MinimumHead << 170.856998263838 << 310.327324596273 << n;
    QTest::newRow("a U of 4 % narrows it") << 100.0 << 1000.0 << 150.0 << 4.0 << ok << Bound::Uncertainty
                                           << 170.856998263838 << 225.06675915916 << 25.1060423950649;
    QTest::newRow("flows spanning too much") << 10.0 << 5000.0 << 50.0 << n << Status::NoWidth << Bound::MinimumHead
                                             << 4004.95969360593 << 32.8064162754401 << n;
    QTest::newRow("a U of 3 %: 3.5 % on the narrowest already")
        << 100.0 << 1000.0 << 150.0 << 3.0 << Status::NoWidth << Bound::Uncertainty << 170.856998263838 << n << n;
    QTest::newRow("a U below twice u_C") << 100.0 << 1000.0 << 150.0 << 1.9 << Status::NoWidth << Bound::Uncertainty
                                         << 170.856998263838 << n << n;
    QTest::newRow("smallest above largest")
        << 1000.0 << 100.0 << 150.0 << n << Status::FlowsInvalid << Bound::MinimumHead << n << n << n;
    QTest::newRow("zero flow") << 0.0 << 100.0 << 150.0 << n << Status::FlowsInvalid << Bound::MinimumHead << n << n
                               << n;
    QTest::newRow("NaN flow") << kNaN << 100.0 << 150.0 << n << Status::FlowsInvalid << Bound::MinimumHead << n << n
                              << n;
    QTest::newRow("highest head 20 mm") << 100.0 << 1000.0 << 20.0 << n << Status::HeadInvalid << Bound::MinimumHead
                                        << n << n << n;
    QTest::newRow("highest head infinite")
        << 100.0 << 1000.0 << kInf << n << Status::HeadInvalid << Bound::MinimumHead << n << n << n;
    QTest::newRow("negative limit") << 100.0 << 1000.0 << 150.0 << -1.0 << Status::LimitInvalid << Bound::MinimumHead
                                    << n << n << n;
}

void WeirCalcTest::widthsForARangeOfFlows()
{
    QFETCH(double, smallest);
    QFETCH(double, largest);
    QFETCH(double, highestMm);
    QFETCH(double, limitPercent);
    QFETCH(WidthRange::Status, status);
    QFETCH(WidthRange::Bound, widestBy);
    QFETCH(double, narrowestMm);
    QFETCH(double, widestMm);
    QFETCH(double, smallestHeadMm);
    const UncertaintyInputs gauge{0.0003, 0.0005, 0.01};
    DesignRequest request{smallest * kLpm, largest * kLpm, highestMm / 1000, std::nullopt, std::nullopt};
    if (!std::isnan(limitPercent)) {
        request.uncertainty = gauge;
        request.largestExpanded = limitPercent / 100;
    }
    const WidthRange range = designWidths(request);
    QCOMPARE(range.status, status);
    if (status != WidthRange::Status::Ok && status != WidthRange::Status::NoWidth)
        return;
    QCOMPARE(range.widestBy, widestBy);
    // The worked values have 15 digits.
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1e-9 * b; };
    QVERIFY2(near(range.narrowest * 1000, narrowestMm), qPrintable(QString::number(range.narrowest * 1000, 'g', 17)));
    if (!std::isnan(widestMm))
        QVERIFY2(near(range.widest * 1000, widestMm), qPrintable(QString::number(range.widest * 1000, 'g', 17)));
    else
        QVERIFY(range.widest < range.narrowest);
    if (!std::isnan(smallestHeadMm)) {
        const DesignPoint point = designPoint(request, range.widest);
        QVERIFY(point.found);
        QVERIFY2(near(point.smallestFlowHead * 1000, smallestHeadMm),
                 qPrintable(QString::number(point.smallestFlowHead * 1000, 'g', 17)));
        QVERIFY(std::abs(flowUncertainty(point.smallestFlowHead, range.widest, gauge).expanded - limitPercent / 100)
                < 1e-9);
    }
    if (status == WidthRange::Status::Ok) {
        // Any width between measures every flow between 20 mm and the highest head.
        const DesignPoint middle = designPoint(request, (range.narrowest + range.widest) / 2);
        QVERIFY(middle.found);
        QVERIFY(middle.smallestFlowHead >= 0.02 && middle.largestFlowHead <= request.highestHead);
        QVERIFY(middle.headPerFlow > 0);
    }
}

void WeirCalcTest::designEndsWhateverItIsGiven_data()
{
    QTest::addColumn<double>("smallest"); // m^3/s
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("highest"); // m
    QTest::newRow("a trickle") << 1e-300 << 1e-299 << 0.03;
    QTest::newRow("a flood") << 1e6 << 1e9 << 1.0;
    QTest::newRow("the largest doubles") << 1e308 << 1.7e308 << 1e308;
    QTest::newRow("a head of a kilometre") << 1e-3 << 1.0 << 1e3;
    QTest::newRow("subnormal flows") << 5e-324 << 1e-320 << 0.1;
}

void WeirCalcTest::designEndsWhateverItIsGiven()
{
    QFETCH(double, smallest);
    QFETCH(double, largest);
    QFETCH(double, highest);
    const DesignRequest request{smallest, largest, highest, UncertaintyInputs{0.0003, 0.0005, 0.01}, 0.05};
    const WidthRange range = designWidths(request);
    QVERIFY(range.status == WidthRange::Status::Ok || range.status == WidthRange::Status::NoWidth);
    QVERIFY(std::isfinite(range.narrowest) && std::isfinite(range.widest) && range.narrowest > 0);
    QCOMPARE(range.narrowest <= range.widest, range.status == WidthRange::Status::Ok);
    const DesignPoint point = designPoint(request, range.narrowest);
    if (point.found)
        QVERIFY(point.smallestFlowHead > 0 && point.smallestFlowHead <= point.largestFlowHead);
}

// The standards' formulas against values worked from their printed forms
// (the JIS ones in m³/min, here ÷ 60): K and the flow.
void WeirCalcTest::standardFormulasWorkedValues_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("channelWidth");
    QTest::addColumn<double>("crestHeight");
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("coefficient");
    QTest::addColumn<double>("flow"); // m³/s
    QTest::newRow("四角せき b 0.6 B 1.2 D 0.5 h 0.2: K 105.332, 5.6527 m³/min")
        << int(StandardWeir::JisRectangular) << 0.6 << 1.2 << 0.5 << 0.2 << 105.331965 << 5.6527064 / 60;
    QTest::newRow("全幅せき B 1 D 0.5 h 0.2: K 113.665, 10.1665 m³/min")
        << int(StandardWeir::JisFullWidth) << 1.0 << 1.0 << 0.5 << 0.2 << 113.665 << 10.1665067 / 60;
    QTest::newRow("全幅せき D 1.5 (ε 0.275): K 110.642")
        << int(StandardWeir::JisFullWidth) << 1.0 << 1.0 << 1.5 << 0.2 << 110.642375 << 0.1649359145;
    QTest::newRow("Francis b 0.6 h 0.2") << int(StandardWeir::JisFrancis) << 0.6 << 0.0 << 0.0 << 0.2 << 1.838
                                         << 0.0920616019;
    QTest::newRow("ISO full width b 1 D 0.5 h 0.2: Ce 0.632, 0.167981 m³/s")
        << int(StandardWeir::IsoFullWidth) << 1.0 << 1.0 << 0.5 << 0.2 << 0.632 << 0.1679812193;
}

void WeirCalcTest::standardFormulasWorkedValues()
{
    QFETCH(int, formula);
    QFETCH(double, width);
    QFETCH(double, channelWidth);
    QFETCH(double, crestHeight);
    QFETCH(double, head);
    QFETCH(double, coefficient);
    QFETCH(double, flow);
    const StandardDischarge q = standardDischarge(StandardWeir(formula), head, {width, channelWidth, crestHeight});
    QCOMPARE(q.status, StandardDischarge::Status::Ok);
    QVERIFY2(std::abs(q.coefficient - coefficient) < 5e-7 * coefficient,
             qPrintable(QString::number(q.coefficient, 'g', 12)));
    QVERIFY2(std::abs(q.flow - flow) < 1e-7 * flow, qPrintable(QString::number(q.flow, 'g', 12)));
    QVERIFY(q.outside.empty());
}

// Each side of a range's edges: outside, the flow is still given and the
// limit named; a weir that cannot be is refused.
void WeirCalcTest::standardRangesMarked_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("channelWidth");
    QTest::addColumn<double>("crestHeight");
    QTest::addColumn<double>("head");
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<int>>("outside");
    using L = RangeLimit;
    const int ok = int(StandardDischarge::Status::Ok);
    const int rect = int(StandardWeir::JisRectangular), full = int(StandardWeir::JisFullWidth);
    const int iso = int(StandardWeir::IsoFullWidth), francis = int(StandardWeir::JisFrancis);
    // 0.45√0.6 = 0.34857 m
    QTest::newRow("四角せき h just under 0.45√b") << rect << 0.6 << 1.2 << 0.5 << 0.3485 << ok << QList<int>{};
    QTest::newRow("四角せき h just over 0.45√b")
        << rect << 0.6 << 1.2 << 0.5 << 0.3486 << ok << QList<int>{int(L::HeadAboveRootWidth)};
    QTest::newRow("四角せき h under 0.03")
        << rect << 0.6 << 1.2 << 0.5 << 0.0299 << ok << QList<int>{int(L::HeadBelow)};
    // 0.15 × 0.5 / 1.2² = 0.052
    QTest::newRow("四角せき bD/B² 0.052")
        << rect << 0.15 << 1.2 << 0.5 << 0.1 << ok << QList<int>{int(L::ContractionBelow)};
    QTest::newRow("四角せき b wider than B")
        << rect << 1.3 << 1.2 << 0.5 << 0.1 << int(StandardDischarge::Status::GeometryInvalid) << QList<int>{};
    QTest::newRow("四角せき D 0") << rect << 0.6 << 1.2 << 0.0 << 0.1 << int(StandardDischarge::Status::GeometryInvalid)
                                  << QList<int>{};
    QTest::newRow("全幅せき h at B/4") << full << 1.0 << 1.0 << 0.5 << 0.25 << ok << QList<int>{};
    QTest::newRow("全幅せき h over B/4 and over D")
        << full << 1.0 << 1.0 << 0.26 << 0.27 << ok
        << QList<int>{int(L::CrestHeightBelow), int(L::HeadAboveCrest), int(L::HeadAboveQuarter)};
    QTest::newRow("ISO h/D 2.6") << iso << 1.0 << 1.0 << 0.5 << 1.3 << ok << QList<int>{int(L::HeadOverCrestAbove)};
    QTest::newRow("Francis past 3b") << francis << 0.2 << 0.0 << 0.0 << 0.61
                                     << int(StandardDischarge::Status::BeyondPeak) << QList<int>{};
    QTest::newRow("no head") << iso << 1.0 << 1.0 << 0.5 << 0.0 << int(StandardDischarge::Status::HeadNotPositive)
                             << QList<int>{};
}

void WeirCalcTest::standardRangesMarked()
{
    QFETCH(int, formula);
    QFETCH(double, width);
    QFETCH(double, channelWidth);
    QFETCH(double, crestHeight);
    QFETCH(double, head);
    QFETCH(int, status);
    QFETCH(QList<int>, outside);
    const StandardDischarge q = standardDischarge(StandardWeir(formula), head, {width, channelWidth, crestHeight});
    QCOMPARE(int(q.status), status);
    QList<int> broken;
    for (const RangeLimit limit : q.outside)
        broken << int(limit);
    QCOMPARE(broken, outside);
    if (q.status == StandardDischarge::Status::Ok)
        QVERIFY(q.flow > 0);
}

// The sensitivities a standard formula's uncertainty takes, against their
// derivations by hand (d ln Q / d ln h = 1.5 + h K'(h)/K for the JIS forms):
//   四角せき  K'(h) = -0.177/h² + 14.2/D - 12.85 √((B-b)/(D B h)),
//             S_b = 1 + b · 12.85 √(h/(D B)) / √(B-b) / K
//   全幅せき  K'(h) = (-0.177/h² + 14.2/D)(1 + ε), S_b = 1
//   Francis   S_h = 1.5 - 0.2h/(b - 0.2h), S_b = b/(b - 0.2h)
//   ISO       S_h = h (0.075/D / Ce + 1.5/(h + 0.001)), S_b = b/(b - 0.001)
void WeirCalcTest::standardSensitivities_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("headSensitivity");
    QTest::addColumn<double>("widthSensitivity");
    const double b = 0.6, B = 1.2, D = 0.5;
    for (const double h : {0.05, 0.2, 0.34}) {
        const double k
            = 107.1 + 0.177 / h + 14.2 * h / D - 25.7 * std::sqrt((B - b) * h / (D * B)) + 2.04 * std::sqrt(B / D);
        const double dk = -0.177 / (h * h) + 14.2 / D - 12.85 * std::sqrt((B - b) / (D * B * h));
        QTest::addRow("四角せき h %g", h) << int(StandardWeir::JisRectangular) << h << 1.5 + h * dk / k
                                          << 1 + b * 12.85 * std::sqrt(h / (D * B)) / std::sqrt(B - b) / k;
        const double kFull = 107.1 + (0.177 / h + 14.2 * h / D);
        QTest::addRow("全幅せき h %g", h)
            << int(StandardWeir::JisFullWidth) << h << 1.5 + h * (-0.177 / (h * h) + 14.2 / D) / kFull << 1.0;
        QTest::addRow("Francis h %g", h) << int(StandardWeir::JisFrancis) << h << 1.5 - 0.2 * h / (b - 0.2 * h)
                                         << b / (b - 0.2 * h);
        const double ce = 0.602 + 0.075 * h / D;
        QTest::addRow("ISO h %g", h) << int(StandardWeir::IsoFullWidth) << h << h * (0.075 / D / ce + 1.5 / (h + 0.001))
                                     << b / (b - 0.001);
    }
}

void WeirCalcTest::standardSensitivities()
{
    QFETCH(int, formula);
    QFETCH(double, head);
    QFETCH(double, headSensitivity);
    QFETCH(double, widthSensitivity);
    // u(h) 1 mm, u(b) 1 mm, u_C 1 %: the combination is checked too.
    const UncertaintyInputs inputs{0.001, 0.001, 0.01};
    const FlowUncertainty u = standardFlowUncertainty(StandardWeir(formula), head, {0.6, 1.2, 0.5}, inputs);
    QCOMPARE(u.status, FlowUncertainty::Status::Ok);
    QVERIFY2(std::abs(u.headSensitivity - headSensitivity) < 1e-7, qPrintable(QString::number(u.headSensitivity)));
    QVERIFY2(std::abs(u.widthSensitivity - widthSensitivity) < 1e-7, qPrintable(QString::number(u.widthSensitivity)));
    const double relative = std::hypot(0.01, headSensitivity * 0.001 / head, widthSensitivity * 0.001 / 0.6);
    QVERIFY(std::abs(u.expanded - 2 * relative) < 1e-8);
}

// The head for a flow on each formula gives back the head the flow came
// from, to a micrometre, across each formula's range and past it.
void WeirCalcTest::standardHeadRecovered_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("head");
    for (const int formula : {int(StandardWeir::JisRectangular), int(StandardWeir::JisFullWidth),
                              int(StandardWeir::JisFrancis), int(StandardWeir::IsoFullWidth)})
        for (const double head : {0.005, 0.03, 0.2, 0.34, 0.79, 1.7})
            QTest::addRow("formula %d, h %g", formula, head) << formula << head;
}

void WeirCalcTest::standardHeadRecovered()
{
    QFETCH(int, formula);
    QFETCH(double, head);
    const WeirChannel channel{0.6, 1.2, 0.5};
    const StandardDischarge q = standardDischarge(StandardWeir(formula), head, channel);
    QCOMPARE(q.status, StandardDischarge::Status::Ok);
    const StandardHead found = standardHeadFor(StandardWeir(formula), q.flow, channel);
    QCOMPARE(found.status, StandardHead::Status::Found);
    QVERIFY2(std::abs(found.head - head) < 1e-6, qPrintable(QString::number(found.head, 'g', 12)));
    // Past the formula's end, no head: Francis' flow peaks at 3b.
    if (StandardWeir(formula) == StandardWeir::JisFrancis) {
        const double peak = 1.0652844; // m³/s at h = 3b = 1.8 m: 1.838 × 0.24 × 1.8^1.5
        QCOMPARE(standardHeadFor(StandardWeir::JisFrancis, peak * 1.01, channel).status,
                 StandardHead::Status::BeyondFormula);
    }
}

QTEST_APPLESS_MAIN(WeirCalcTest)
#include "tst_weir_calc.moc"
