// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/standard_weirs.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

namespace weir {

// Every caption and message of the calculator, once. The captions double as
// the names by which the messages, the rating table, the copied result and the
// command line refer to a box, so they live here and nowhere else.
//
// The source texts are the program's own Japanese; they pass through Qt's
// translation machinery (context "Texts") like any other user-visible text.
// Messages carry no indentation of their own: the window's message lines
// indent what they show.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(Texts)

public:
    // The window and its controls.
    static QString windowTitle(); // begins with an ideographic space
    static QString appName();     // the title without that space
    static QString width();       // 堰の幅(mm)
    static QString flow();        // 流量(L/min)
    static QString minimum();     // 解の挟込最小値(mm)
    static QString maximum();     // 最大値(mm)
    static QString head();        // 越流高さ(mm)
    static QString trials();      // Trial回数
    static QString validRange();  // the range note, with the runs of spaces it wraps at
    static QString calculate();   // 計算
    static QString clear();       // クリヤ

    // The formula a flow comes from: the program's own (none) or a
    // standard's, by name with its source ("JIS B 8302 四角せき（板谷・手島の式）"),
    // and its range of validity as the standard states it, in symbols.
    static QString formulaName(std::optional<StandardWeir> weir);
    static QString formulaRange(std::optional<StandardWeir> weir);
    static QString formulaStatement(std::optional<StandardWeir> weir); // 公式: name（適用範囲: range）
    // A flow outside the formula's range, with the limits it breaks.
    static QString outsideFormulaRange(const std::vector<RangeLimit> &limits);
    static QString ownFormulaFlow();    // 本プログラムの公式の流量(L/min)
    static QString formulaDifference(); // 差(%)

    // The documents the calculator makes or opens, by name: 計算書, 水位流量表.
    static QString sheetName();
    static QString ratingName();
    static QString recordsName();
    static QString designName();                       // 堰の設計
    static QString aboutTitle();                       // このプログラムについて
    static QString saveTitle(const QString &document); // a save dialog's title
    static QString pdfFiles();                         // its filter for PDF documents
    static QString cannotOpen(const QString &document, const QString &reason);

    // Other forms of one text, built from it so that it is written once. An
    // entry with its access key as Japanese menus show it: 水位流量表(&T).
    static QString withAccessKey(const QString &text, QChar key);
    // A caption as a form's label, the key before its unit: 堰の幅(&W) (mm).
    static QString formLabel(const QString &caption, QChar key);
    // A caption as an axis's label, its unit set apart: 越流高さ (mm).
    static QString axisLabel(const QString &caption);

    // Why no head is shown.
    static QString noRoot();
    static QString notConverged();
    static QString notComputable();
    static QString notANumber(const QString &caption);
    static QString tooLarge(const QString &caption);
    static QString notPositive(const QString &caption);

    // What follows the no-root line: where the head lies, its value in mm as
    // the head box would show it.
    static QString headBelowMinimum(const QString &mm);
    static QString headAboveMaximum(const QString &mm);
    // The head lies inside the bracket, but the bracket reaches heads of 100
    // widths and more, where the formula's discharge turns negative.
    static QString headInsideBracket(const QString &mm);
    // No head on the formula's range passes the flow: it is more than the
    // weir's peak.
    static QString headBeyondRange();
    // With no bracket: no head on the formula's range passes the flow.
    static QString flowBeyondWeir();

    // Under a head that was shown, in the note's blue.
    static QString belowValidRange();
    // The same, short, for a table's remark column.
    static QString outsideValidRange();
    // A head at or past the one where the formula's discharge stops rising
    // (about 56 widths; its value in mm as a table shows heads): no flow.
    static QString beyondFormula(const QString &peakMm);
    // The same, short, for a table's remark column.
    static QString noFlowBeyondFormula();
    // A head found at or past that peak: shown as found, with this red line
    // and, under it, where the head for that flow lies below the peak.
    static QString foundBeyondPeak(const QString &peakMm);
    // A reading at or below the crest: no water passes, the flow is 0.
    static QString noOverflow();
    static QString headBelowPeak(const QString &mm);
    // Said of the head and trials shown once an input has changed since.
    static QString answerOfEarlierInputs();

    // The discharge formula in one line of plain text, h^1.5 for the power,
    // and what its letters stand for.
    static QString formula();
    static QString formulaUnits();

    // A flow's uncertainty: the three inputs' captions, what is said when one
    // is missing or negative, the statement of all three that goes with every
    // uncertainty shown, and the two columns a table adds.
    static QString headUncertainty();        // 越流高さの標準不確かさ u(h)(mm)
    static QString widthUncertainty();       // 堰の幅の標準不確かさ u(b)(mm)
    static QString coefficientUncertainty(); // 流量係数の相対標準不確かさ u_C(%)
    static QString uncertaintyMissing(const QString &caption);
    static QString uncertaintyNegative(const QString &caption);
    static QString uncertaintyStatement(const QString &headMm, const QString &widthMm, const QString &percent);
    static QString uncertaintyTitle(); // 不確かさ: the dialog's title and menu entry
    static QString uncertaintyNote();  // what the three are, under the boxes
    static QString clearAll();         // 消去
    static QString plusMinusFlow();    // ±(L/min)
    static QString expandedPercent();  // U(%)

    // A file that could not be written, and why.
    static QString cannotSave(const QString &fileName, const QString &reason);
};

} // namespace weir
