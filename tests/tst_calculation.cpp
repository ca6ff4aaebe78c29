// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// One Calculate from four box texts to what the window shows, with no window
// and no QApplication.
#include "calculator/model/calculation.h"
#include "calculator/model/input_boxes.h"
#include "tests/support/calculation_cases.h"
#include "tests/support/locales.h"

#include <QTest>

using namespace weir;

namespace QTest {
template <> char *toString(const PrintedLine::Tone &tone)
{
    return qstrdup(tone == PrintedLine::Tone::Note ? "Note" : "Error");
}
} // namespace QTest

namespace {
using test::boxNumber;
using test::kJapanese;
using Kind = CalculationOutcome::Kind;
} // namespace

class CalculationTest : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void boxMapFollowsConversionOrder();
};

void CalculationTest::outcome_data()
{
    test::addCalculationCases();
}

void CalculationTest::outcome()
{
    QFETCH(QStringList, inputs);
    QFETCH(Kind, kind);
    QFETCH(QString, head);
    QFETCH(QString, trials);
    QFETCH(QStringList, lines);
    QFETCH(int, box);

    const CalculationOutcome outcome = calculate({inputs[0], inputs[1], inputs[2], inputs[3]}, kJapanese);
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(outcome.headText, head);
    QCOMPARE(outcome.trialsText, trials);
    QCOMPARE(outcome.texts(), lines);
    QCOMPARE(boxNumber(outcome.box), box);
    // The head as a number is the one its text states; a box at fault is a
    // usage fault in the words shown.
    if (kind == Kind::Shown)
        QCOMPARE(outcome.headMm.value_or(-1.0), kJapanese.toDouble(head));
    const std::optional<Fault> fault = outcome.boxFault();
    QCOMPARE(fault.has_value(), kind == Kind::Printed && box >= 0);
    if (fault) {
        QCOMPARE(fault->kind, Fault::Kind::Usage);
        QCOMPARE(fault->words, lines.join(u' '));
    }
    // The note under 20 mm is blue; every other line, past the peak with a
    // head shown as much as with none, is an error in red.
    for (const PrintedLine &line : outcome.lines)
        QCOMPARE(line.tone,
                 line.text == u"20mm未満は公式の適用範囲外です。"_qs ? PrintedLine::Tone::Note
                                                                     : PrintedLine::Tone::Error);
}

void CalculationTest::boxMapFollowsConversionOrder()
{
    // The enumerators index the map; a box named in a message is the first bad
    // one in this order.
    const QStringList names{"Text6", "Text1", "Text2", "Text3"};
    for (const InputBoxInfo &info : inputBoxes()) {
        QCOMPARE(&inputBoxInfo(info.box), &info);
        QCOMPARE(QString::fromLatin1(info.objectName), names[qsizetype(info.box)]);
    }
    const CalculationOutcome outcome = calculate({"a", "b", "c", "d"}, kJapanese);
    QCOMPARE(boxNumber(outcome.box), int(InputBox::Width));
}

QTEST_APPLESS_MAIN(CalculationTest)
#include "tst_calculation.moc"
