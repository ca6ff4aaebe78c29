// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "sheet/model/calculation_sheet.h"

#include "calculator/model/gauge_uncertainty.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"
#include "sheet/model/calculation_trail.h"
#include "sheet/model/sheet_texts.h"

#include <cmath>

namespace weir {

namespace {

// Factors to ten significant digits: more than a checker's calculator shows,
// and enough to see that the product is the discharge. Heads, widths and flows
// are written exactly; residuals as the trail writes them for a reader.
constexpr int kFactorDigits = 10;

// 0.00001, as the rule is written, not 1e-05.
QString tolerance(const QLocale &locale)
{
    return fixedNumberText(kResidualTolerance, 5, locale);
}

SheetBlock heading(const QString &text)
{
    return {SheetBlock::Kind::Heading, text, {}, {}};
}

SheetBlock line(const QString &text)
{
    return {SheetBlock::Kind::Text, text, {}, {}};
}

SheetBlock flagged(const QString &text)
{
    return {SheetBlock::Kind::Flagged, text, {}, {}};
}

SheetBlock table(const QStringList &header, const QList<QStringList> &rows)
{
    return {SheetBlock::Kind::Table, {}, header, rows};
}

// The symbol a box's value goes by in the formula and the solver, its SI unit,
// and how the typed number becomes it.
struct SiInput {
    QString symbol;
    QString unit;
    QString conversion;
    double value = 0.0;
};

SiInput siInput(InputBox box, const WeirInputs &in)
{
    const QString byThousand = QStringLiteral(u"÷ 1000");
    switch (box) {
    case InputBox::Width: return {QStringLiteral("b"), QStringLiteral("m"), byThousand, in.width};
    case InputBox::Flow: return {QStringLiteral("Q"), QStringLiteral(u"m³/s"), QStringLiteral(u"÷ 1000 ÷ 60"), in.flow};
    case InputBox::Minimum: return {QStringLiteral("XL"), QStringLiteral("m"), byThousand, in.lower};
    case InputBox::Maximum: return {QStringLiteral("XU"), QStringLiteral("m"), byThousand, in.upper};
    }
    return {};
}

QString stoppingRule(const BisectionTrial &last, const QLocale &locale)
{
    const QString n = QString::number(last.number);
    switch (last.step) {
    case BisectionTrial::Step::Converged:
        return SheetTexts::tr("停止: 試行 %1 で |F(XM)| = %2 m³/s < %3 m³/s（収束）")
            .arg(n, residualText(std::fabs(last.atMiddle), ResidualForm::Scientific, locale), tolerance(locale));
    case BisectionTrial::Step::NoRoot:
        return SheetTexts::tr("停止: 試行 %1 で F(XU)·F(XM) ≧ 0 かつ F(XL)·F(XM) ≧ 0（挟込範囲に解がない）").arg(n);
    case BisectionTrial::Step::Stuck:
        return SheetTexts::tr("停止: 試行 %1 で中点が端と同じ値になり、区間をこれ以上半分にできない").arg(n);
    case BisectionTrial::Step::Fault: return SheetTexts::tr("停止: 試行 %1 で流量公式が有限の値にならない").arg(n);
    case BisectionTrial::Step::RaiseLower:
    case BisectionTrial::Step::LowerUpper: break;
    }
    return {};
}

class SheetWriter
{
public:
    SheetWriter(const CalculationRecord &record, const BoxTexts &boxes, const QLocale &locale,
                const std::optional<GaugeUncertainty> &gauge)
        : m_record(record)
        , m_boxes(boxes)
        , m_locale(locale)
        , m_gauge(gauge)
    {
    }

    CalculationSheet write(const QDateTime &calculatedAt)
    {
        m_sheet.title = SheetTexts::title();
        m_sheet.blocks
            << line(SheetTexts::tr("%1 バージョン %2").arg(Texts::appName(), QStringLiteral(WEIR_HEAD_VERSION)))
            << line(SheetTexts::tr("計算日時: %1").arg(calculatedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
        inputs();
        formula();
        if (m_record.solved && m_record.solved->status == SolveStatus::Converged)
            factors();
        if (!m_record.trail.empty())
            trail();
        result();
        if (m_gauge && m_record.outcome.kind == CalculationOutcome::Kind::Shown)
            uncertainty();
        return m_sheet;
    }

private:
    void section(const QString &title)
    {
        m_sheet.blocks << heading(QStringLiteral("%1. %2").arg(++m_sections).arg(title));
    }

    QString exact(double value) const { return exactNumberText(value, m_locale); }
    QString factor(double value) const { return significantNumberText(value, kFactorDigits, m_locale); }

    void inputs()
    {
        section(SheetTexts::tr("入力"));
        QList<QStringList> rows;
        for (const InputBoxInfo &info : inputBoxes()) {
            const QString typed = m_boxes[info.box].isEmpty() ? SheetTexts::tr("（空欄）") : m_boxes[info.box];
            if (m_record.inputs) {
                const SiInput si = siInput(info.box, *m_record.inputs);
                rows << QStringList{info.caption(), typed, si.symbol, exact(si.value) + u' ' + si.unit, si.conversion};
            } else {
                rows << QStringList{info.caption(), typed, SheetTexts::dash(), SheetTexts::dash(), SheetTexts::dash()};
            }
        }
        m_sheet.blocks << table(SheetTexts::tr("項目\t入力値\t記号\tSI 単位の値\t換算").split(u'\t'), rows);
    }

    void formula()
    {
        section(SheetTexts::tr("流量公式"));
        m_sheet.blocks << line(QStringLiteral("%1    (%2)").arg(Texts::formula(), Texts::formulaUnits()))
                       << line(SheetTexts::tr(
                              "F(h) = Q(h) − Q: 目標流量 Q との差。二分法は F が 0 になる h を XL と XU の間で探す。"))
                       << line(SheetTexts::tr("収束判定: |F(XM)| < %1 m³/s (0.6 L/min)").arg(tolerance(m_locale)))
                       << line(SheetTexts::tr("適用範囲: 越流高さ h ≧ %1 mm").arg(kMinimumValidHeadMm))
                       << line(SheetTexts::tr("公式の出典: 本プログラムの流量公式。Francis の係数 1.838 (m^0.5/s) に、"
                                              "低い越流高さの補正 (1 + 0.0012/h) と、幅に対する越流高さの補正 "
                                              "(1 − √(h/b)/10) を掛けたもの。JIS B 8302 や ISO 1438 の公式"
                                              "とは異なるため、規則が規格の公式を定めるときはそれによる。"));
    }

    void factors()
    {
        const WeirInputs &in = *m_record.inputs;
        const double h = m_record.solved->head;
        const WeirTerms terms = weirTerms(h, in.width);
        section(SheetTexts::tr("解における各項"));
        m_sheet.blocks << line(QStringLiteral("h = XM = %1 m,  b = %2 m").arg(exact(h), exact(in.width)));
        const QString cubic = QStringLiteral(u" m³/s");
        m_sheet.blocks << table(
            SheetTexts::tr("項\t値").split(u'\t'),
            {{QStringLiteral("h/b"), factor(terms.ratio)},
             {QStringLiteral("1 + 0.0012/h"), factor(terms.lowHeadFactor)},
             {QStringLiteral(u"1 − √(h/b)/10"), factor(terms.contraction)},
             {QStringLiteral("h^1.5"), factor(terms.power) + QStringLiteral(" m^1.5")},
             {QStringLiteral(u"Q(h) = 1.838 × (1 + 0.0012/h) × (1 − √(h/b)/10) × b × h^1.5"),
              factor(terms.discharge) + cubic},
             {SheetTexts::tr("Q（目標流量）"), exact(in.flow) + cubic},
             {QStringLiteral(u"F(h) = Q(h) − Q"),
              residualText(terms.discharge - in.flow, ResidualForm::Scientific, m_locale) + cubic}});
    }

    void trail()
    {
        section(SheetTexts::tr("二分法の経過"));
        m_sheet.blocks << line(SheetTexts::tr("各試行で F(XU), F(XL), F(XM) を求め、F(XU)·F(XM) < 0 なら XL ← XM、"
                                              "そうでなく F(XL)·F(XM) < 0 なら XU ← XM として次の試行へ進む。"))
                       << table(SheetTexts::trailHeader().split(u'\t'),
                                trailRows(m_record.trail, ResidualForm::Scientific, m_locale))
                       << line(stoppingRule(m_record.trail.back(), m_locale));
    }

    void result()
    {
        section(SheetTexts::tr("結果"));
        const CalculationOutcome &outcome = m_record.outcome;
        switch (outcome.kind) {
        case CalculationOutcome::Kind::Incomplete:
            m_sheet.blocks << line(SheetTexts::tr("空欄の入力があり、計算していません。"));
            return;
        case CalculationOutcome::Kind::Shown:
            m_sheet.blocks << line(QStringLiteral("%1: %2").arg(Texts::head(), outcome.headText))
                           << line(SheetTexts::tr("（XM = %1 m を 0.00001 m に丸め、mm で表示）")
                                       .arg(exact(m_record.solved->head)))
                           << line(QStringLiteral("%1: %2").arg(Texts::trials(), outcome.trialsText))
                           << line(Texts::validRange().simplified());
            break;
        case CalculationOutcome::Kind::Printed: break;
        }
        for (const PrintedLine &printedLine : outcome.lines)
            m_sheet.blocks << flagged(printedLine.text);
    }

    // What the flow at the head found is worth: each input's relative
    // uncertainty, the formula's sensitivity to it, its contribution and its
    // share of the variance, then u(Q)/Q and U. The head is the solver's XM,
    // the flow the target the head passes.
    void uncertainty()
    {
        const WeirInputs &in = *m_record.inputs;
        const double h = m_record.solved->head;
        const FlowUncertainty u = flowUncertainty(h, in.width, m_gauge->si());
        section(SheetTexts::tr("流量の不確かさ"));
        m_sheet.blocks << line(gaugeStatement(*m_gauge, m_locale));
        if (u.status != FlowUncertainty::Status::Ok) {
            m_sheet.blocks << flagged(
                SheetTexts::tr("この越流高さでは公式が流量の増え方を与えないため、不確かさを求められません。"));
            return;
        }
        const auto percent = [&](double fraction) {
            return significantNumberText(fraction * 100, 4, m_locale) + QStringLiteral(" %");
        };
        const auto share = [&](double term) { return percent(term * term / (u.relative * u.relative)); };
        const QString mm = QStringLiteral(" mm");
        const UncertaintyInputs si = m_gauge->si();
        m_sheet.blocks << table(
            SheetTexts::tr("項目\t値\t標準不確かさ\t相対値\t感度係数\t寄与\t割合").split(u'\t'),
            {{Texts::head(), factor(units::millimetresFromMetres(h)) + mm,
              generalNumberText(m_gauge->headMm, m_locale) + mm, percent(si.head / h), factor(u.headSensitivity),
              percent(u.headTerm), share(u.headTerm)},
             {Texts::width(), factor(units::millimetresFromMetres(in.width)) + mm,
              generalNumberText(m_gauge->widthMm, m_locale) + mm, percent(si.width / in.width),
              factor(u.widthSensitivity), percent(u.widthTerm), share(u.widthTerm)},
             {SheetTexts::tr("流量係数"), QStringLiteral("1.838"), SheetTexts::dash(), percent(si.coefficient),
              QStringLiteral("1"), percent(u.coefficientTerm), share(u.coefficientTerm)}});
        const double flowLpm = units::litresPerMinuteFromCubicMetresPerSecond(in.flow);
        const ExpandedTexts expanded = expandedTexts(u, flowLpm, m_locale);
        m_sheet.blocks << line(QStringLiteral(u"S_h = 1.5 − (0.0012/h)/(1 + 0.0012/h) − x/(2(1 − x)),  "
                                              u"S_b = 1 + x/(2(1 − x)),  x = √(h/b)/10"))
                       << line(SheetTexts::tr("合成標準不確かさ: u(Q)/Q = √(u_C² + (S_h·u(h)/h)² + (S_b·u(b)/b)²) = %1")
                                   .arg(percent(u.relative)))
                       << line(
                              SheetTexts::tr("拡張不確かさ: U = 2·u(Q) = ±%1 L/min（%2 %、流量 %3 L/min に対して）")
                                  .arg(expanded.plusMinusLpm, expanded.percent, fixedNumberText(flowLpm, 2, m_locale)));
    }

    const CalculationRecord &m_record;
    const BoxTexts &m_boxes;
    const QLocale &m_locale;
    const std::optional<GaugeUncertainty> &m_gauge;
    CalculationSheet m_sheet;
    int m_sections = 0;
};

} // namespace

QString CalculationSheet::plainText() const
{
    QStringList lines{title};
    const QStringList captions = SheetTitle::captions();
    const QStringList fields = titleBlock.fields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        lines << captions[i] + u'\t' + fields[i];
    for (const SheetBlock &block : blocks) {
        if (block.kind != SheetBlock::Kind::Table) {
            lines << block.text;
            continue;
        }
        lines << block.header.join(u'\t');
        for (const QStringList &row : block.rows)
            lines << row.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

CalculationSheet calculationSheet(const BoxTexts &boxes, const QLocale &locale, const QDateTime &calculatedAt,
                                  const std::optional<GaugeUncertainty> &gauge, const SheetTitle &titleBlock)
{
    const CalculationRecord record = calculateWithTrail(boxes, locale);
    CalculationSheet sheet = SheetWriter(record, boxes, locale, gauge).write(calculatedAt);
    sheet.titleBlock = titleBlock;
    return sheet;
}

} // namespace weir
