// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/texts.h"

#include "hydraulics/weir_formula.h"

namespace weir {

QString Texts::windowTitle()
{
    return tr("　四角堰の越流高さ");
}

QString Texts::appName()
{
    return windowTitle().trimmed();
}

QString Texts::width()
{
    return tr("堰の幅(mm)");
}

QString Texts::flow()
{
    return tr("流量(L/min)");
}

QString Texts::minimum()
{
    return tr("解の挟込最小値(mm)");
}

QString Texts::maximum()
{
    return tr("最大値(mm)");
}

QString Texts::head()
{
    return tr("越流高さ(mm)");
}

QString Texts::trials()
{
    return tr("Trial回数");
}

QString Texts::validRange()
{
    // Eight spaces after 適用範囲 and nine after 20mm: the label wraps at
    // those runs, putting 越流高さ≧20mm on a line of its own.
    return tr("適用範囲        越流高さ≧%1mm         ").arg(kMinimumValidHeadMm);
}

QString Texts::calculate()
{
    return tr("計算");
}

QString Texts::clear()
{
    return tr("クリヤ");
}

QString Texts::noRoot()
{
    return tr("解がありません。挟込範囲を変更して下さい。");
}

QString Texts::notConverged()
{
    return tr("収束しません。挟込範囲を変更して下さい。");
}

QString Texts::notComputable()
{
    return tr("計算できません。入力値を見直して下さい。");
}

QString Texts::notANumber(const QString &caption)
{
    return tr("%1が数値ではありません。").arg(caption);
}

QString Texts::tooLarge(const QString &caption)
{
    return tr("%1の値が大き過ぎます。").arg(caption);
}

QString Texts::notPositive(const QString &caption)
{
    return tr("%1は0より大きい値にして下さい。").arg(caption);
}

QString Texts::headBelowMinimum(const QString &mm)
{
    return tr("越流高さは最小値より下の約%1mmです。").arg(mm);
}

QString Texts::headAboveMaximum(const QString &mm)
{
    return tr("越流高さは最大値より上の約%1mmです。").arg(mm);
}

QString Texts::headInsideBracket(const QString &mm)
{
    return tr("越流高さ約%1mm: 最大値を下げて下さい。").arg(mm);
}

QString Texts::headBeyondRange()
{
    return tr("越流高さは最大値より上、公式の範囲外です。");
}

QString Texts::flowBeyondWeir()
{
    return tr("この幅の堰では公式の範囲内でこの流量を流せません。");
}

QString Texts::belowValidRange()
{
    return tr("%1mm未満は公式の適用範囲外です。").arg(kMinimumValidHeadMm);
}

QString Texts::outsideValidRange()
{
    return tr("適用範囲外");
}

QString Texts::beyondFormula(const QString &peakMm)
{
    return tr("越流高さが約%1mm以上では公式の流量が増えないため、流量を求められません。").arg(peakMm);
}

QString Texts::noFlowBeyondFormula()
{
    return tr("公式の範囲外（流量なし）");
}

QString Texts::foundBeyondPeak(const QString &peakMm)
{
    return tr("約%1mmより上では公式の流量が減るため、この越流高さは解ではありません。").arg(peakMm);
}

QString Texts::answerOfEarlierInputs()
{
    return tr("入力が変わりました。この値は前回の計算のものです。");
}

QString Texts::noOverflow()
{
    return tr("越流なし（水面が堰頂の高さ以下）");
}

QString Texts::headBelowPeak(const QString &mm)
{
    return tr("この流量の越流高さは約%1mmです。").arg(mm);
}

QString Texts::sheetName()
{
    return tr("計算書");
}

QString Texts::ratingName()
{
    return tr("水位流量表");
}

QString Texts::recordsName()
{
    return tr("記録から流量");
}

QString Texts::designName()
{
    return tr("堰の設計");
}

QString Texts::aboutTitle()
{
    return tr("このプログラムについて");
}

QString Texts::saveTitle(const QString &document)
{
    return tr("%1を保存").arg(document);
}

QString Texts::pdfFiles()
{
    return tr("PDF (*.pdf)");
}

QString Texts::cannotOpen(const QString &document, const QString &reason)
{
    return tr("%1を開けません: %2").arg(document, reason);
}

QString Texts::withAccessKey(const QString &text, QChar key)
{
    return text + QStringLiteral("(&") + key + u')';
}

namespace {

// Where a caption's unit in brackets begins: 堰の幅(mm) at "(mm)"; its
// length if it has none.
qsizetype unitStart(const QString &caption)
{
    const qsizetype open = caption.lastIndexOf(u'(');
    return open > 0 && caption.endsWith(u')') ? open : caption.size();
}

} // namespace

QString Texts::formLabel(const QString &caption, QChar key)
{
    const qsizetype unit = unitStart(caption);
    const QString keyed = withAccessKey(caption.left(unit), key);
    return unit == caption.size() ? keyed : keyed + u' ' + caption.mid(unit);
}

QString Texts::axisLabel(const QString &caption)
{
    const qsizetype unit = unitStart(caption);
    return unit == caption.size() ? caption : caption.left(unit) + u' ' + caption.mid(unit);
}

QString Texts::formula()
{
    return QStringLiteral(u"Q = 1.838 (1 + 0.0012/h) (1 − √(h/b)/10) b h^1.5");
}

QString Texts::formulaUnits()
{
    return tr("h, b は m、Q は m³/s");
}

QString Texts::headUncertainty()
{
    return tr("越流高さの標準不確かさ u(h)(mm)");
}

QString Texts::widthUncertainty()
{
    return tr("堰の幅の標準不確かさ u(b)(mm)");
}

QString Texts::coefficientUncertainty()
{
    return tr("流量係数の相対標準不確かさ u_C(%)");
}

QString Texts::uncertaintyMissing(const QString &caption)
{
    return tr("%1を入れて下さい（三つとも入れるか、三つとも空欄にします）。").arg(caption);
}

QString Texts::uncertaintyNegative(const QString &caption)
{
    return tr("%1は0以上にして下さい。").arg(caption);
}

QString Texts::uncertaintyStatement(const QString &headMm, const QString &widthMm, const QString &percent)
{
    return tr("u(h) = %1 mm、u(b) = %2 mm、u_C = %3 %（拡張不確かさ U = 2u、約 95 %）").arg(headMm, widthMm, percent);
}

QString Texts::uncertaintyTitle()
{
    return tr("不確かさ");
}

QString Texts::uncertaintyNote()
{
    return tr("越流高さは読みとゼロ点を合わせた標準不確かさ。三つとも入れると、計算書と水位流量表に流量の拡張不確かさ（"
              "U = 2u、約 95 %）が出ます。三つとも空欄なら出ません。");
}

QString Texts::clearAll()
{
    return tr("消去");
}

QString Texts::plusMinusFlow()
{
    return tr("±(L/min)");
}

QString Texts::expandedPercent()
{
    return tr("U(%)");
}

QString Texts::cannotSave(const QString &fileName, const QString &reason)
{
    return tr("%1 を保存できません: %2").arg(fileName, reason);
}

} // namespace weir
