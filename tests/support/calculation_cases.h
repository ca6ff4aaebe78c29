// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// The table of Calculate cases, every kind of outcome and every box each kind
// of message names: what the window shows for four box texts. The window's
// model is tested against it (tst_calculation), and so is the command line,
// which must answer each case exactly as the window does (tst_command_line).

#include "calculator/model/calculation.h"
#include "calculator/model/input_boxes.h"

#include <QTest>

Q_DECLARE_METATYPE(weir::CalculationOutcome::Kind)

namespace weir::test {

// The box an outcome is about, as a number for data rows; -1 for none.
inline constexpr int kNoBox = -1;
inline int boxNumber(std::optional<InputBox> box)
{
    return box ? int(*box) : kNoBox;
}

// Adds the columns inputs (width, flow, minimum, maximum), kind, head, trials,
// lines and box, and a row for each case.
inline void addCalculationCases()
{
    using Kind = CalculationOutcome::Kind;

    QTest::addColumn<QStringList>("inputs"); // width, flow, minimum, maximum
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("trials");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("box");

    const auto row
        = [](const char *name, const QStringList &inputs) -> QTestData & { return QTest::newRow(name) << inputs; };
    row("worked example", {"300", "300", "20", "100"}) << Kind::Shown << "43.83"
                                                       << "10" << QStringList{} << kNoBox;
    row("head rounds to nothing", {"300", "0", "0.001", "0.002"})
        << Kind::Shown << "0"
        << "1" << QStringList{u"20mm未満は公式の適用範囲外です。"_qs} << kNoBox;

    for (const InputBoxInfo &info : inputBoxes()) {
        QStringList inputs{"300", "300", "20", "100"};
        inputs[qsizetype(info.box)] = QString();
        QTest::addRow("empty %s", info.objectName)
            << inputs << Kind::Incomplete << QString() << QString() << QStringList{} << int(info.box);
        inputs[qsizetype(info.box)] = QStringLiteral("x");
        QTest::addRow("not a number: %s", info.objectName)
            << inputs << Kind::Printed << QString() << QString()
            << QStringList{info.caption() + u"が数値ではありません。"_qs} << int(info.box);
        inputs[qsizetype(info.box)] = QStringLiteral("1e999");
        QTest::addRow("too large: %s", info.objectName)
            << inputs << Kind::Printed << QString() << QString()
            << QStringList{info.caption() + u"の値が大き過ぎます。"_qs} << int(info.box);
    }
    const auto notPositive
        = [](InputBox box) { return QStringList{inputBoxInfo(box).caption() + u"は0より大きい値にして下さい。"_qs}; };
    row("zero width", {"0", "300", "20", "100"})
        << Kind::Printed << QString() << QString() << notPositive(InputBox::Width) << int(InputBox::Width);
    row("zero minimum", {"300", "300", "0", "100"})
        << Kind::Printed << QString() << QString() << notPositive(InputBox::Minimum) << int(InputBox::Minimum);
    row("negative maximum", {"300", "300", "20", "-1"})
        << Kind::Printed << QString() << QString() << notPositive(InputBox::Maximum) << int(InputBox::Maximum);
    const QString noRoot = u"解がありません。挟込範囲を変更して下さい。"_qs;
    row("no root, head below the minimum", {"300", "300", "60", "100"})
        << Kind::Printed << QString() << QString() << QStringList{noRoot, u"越流高さは最小値より下の約43.83mmです。"_qs}
        << kNoBox;
    row("no root, head above the maximum", {"300", "300", "5", "30"})
        << Kind::Printed << QString() << QString() << QStringList{noRoot, u"越流高さは最大値より上の約43.83mmです。"_qs}
        << kNoBox;
    // The bracket holds the head, but reaches past 100 widths, where the
    // formula's discharge is negative: no sign change for the search.
    row("no root, bracket past the formula's range", {"300", "300", "0.001", "1e6"})
        << Kind::Printed << QString() << QString()
        << QStringList{noRoot, u"越流高さ約43.83mm: 最大値を下げて下さい。"_qs} << kNoBox;
    row("no root, zero flow", {"300", "0", "20", "100"})
        << Kind::Printed << QString() << QString()
        << QStringList{noRoot, u"流量(L/min)は0より大きい値にして下さい。"_qs} << kNoBox;
    row("no root, negative flow", {"300", "-5", "20", "100"})
        << Kind::Printed << QString() << QString()
        << QStringList{noRoot, u"流量(L/min)は0より大きい値にして下さい。"_qs} << kNoBox;
    // A 1 mm weir passes at most about 0.6 L/min (at a head near 56 mm).
    row("no root, more than the weir can pass", {"1", "100", "20", "100"})
        << Kind::Printed << QString() << QString()
        << QStringList{noRoot, u"越流高さは最大値より上、公式の範囲外です。"_qs} << kNoBox;
    row("head below the formula's range", {"300", "10", "1", "100"})
        << Kind::Shown << "3.71"
        << "8" << QStringList{u"20mm未満は公式の適用範囲外です。"_qs} << kNoBox;
    // A bracket up to 100 widths reaches the falling side of Q(h), past its
    // peak at 16874.6 mm over 300 mm: the search's head is shown as it
    // found it, and the red lines say it is no answer and give the head the
    // weir really has (a 1 L/min nappe about 0.37 mm deep).
    const QString beyondPeak = u"約16874.6mmより上では公式の流量が減るため、この越流高さは解ではありません。"_qs;
    row("head past the formula's peak", {"300", "1", "20", "100000"})
        << Kind::Shown << "29999.99"
        << "23" << QStringList{beyondPeak, u"この流量の越流高さは約0.37mmです。"_qs} << kNoBox;
    // A 0.1 mm weir peaks at 5.2 mm and passes at most about 0.0014 L/min:
    // a head past the peak but under 20 mm has the red lines, not the note.
    row("head past the peak of a weir too narrow for the flow", {".10", ".2", "1", "21"})
        << Kind::Shown << "11"
        << "1"
        << QStringList{u"約5.2mmより上では公式の流量が減るため、この越流高さは解ではありません。"_qs,
                       u"この幅の堰では公式の範囲内でこの流量を流せません。"_qs}
        << kNoBox;
    row("no flow, head past the formula's peak", {"300", "0", "20", "100000"})
        << Kind::Shown << "30000"
        << "19" << QStringList{beyondPeak, u"流量(L/min)は0より大きい値にして下さい。"_qs} << kNoBox;
    row("search cannot finish", {"1e7", "6e10", "1", "1e9"})
        << Kind::Printed << QString() << QString() << QStringList{u"収束しません。挟込範囲を変更して下さい。"_qs}
        << kNoBox;
    row("formula overflows", {"300", "300", "20", "1e300"})
        << Kind::Printed << QString() << QString() << QStringList{u"計算できません。入力値を見直して下さい。"_qs}
        << kNoBox;
}

} // namespace weir::test
