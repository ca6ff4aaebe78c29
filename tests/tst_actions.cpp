// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace weir;

Q_DECLARE_METATYPE(InputBox)

namespace {

const QString kNoRoot = QStringLiteral(u"  解がありません。挟込範囲を変更して下さい。");
const QString kBelowRange = QStringLiteral(u"  20mm未満は公式の適用範囲外です。");

// A window of its own for every test, in a pinned locale.
struct Window : test::CalculatorWindow {
    explicit Window(const QLocale &locale = test::kJapanese)
        : CalculatorWindow(Shown::No, locale)
    {
    }
};

} // namespace

class ActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void converges_data();
    void converges();
    void emptyBoxShowsNothing_data();
    void emptyBoxShowsNothing();
    void refusedInputs_data();
    void refusedInputs();
    void refusedInputFocusesItsBox();
    void secondCalculateRemovesMessage();
    void staleOutputsClearedBeforeRefusal();
    void clearEmptiesEveryBox();
};

void ActionsTest::converges_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inputs"); // width, flow, minimum, maximum
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("trials");
    QTest::addColumn<QStringList>("notes"); // printed beside a shown head

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("worked example") << japanese << QStringList{"300", "300", "20", "100"} << "43.83"
                                    << "10" << QStringList{};
    QTest::newRow("full-width input") << japanese << QStringList{u"３００"_qs, u"３００"_qs, u"２０"_qs, u"１００"_qs}
                                      << "43.83"
                                      << "10" << QStringList{};
    QTest::newRow("reversed bracket") << japanese << QStringList{"300", "300", "100", "20"} << "43.83"
                                      << "10" << QStringList{};
    QTest::newRow("decimal comma") << QLocale(QLocale::German, QLocale::Germany)
                                   << QStringList{"300", "300,0", "20", "100"} << "43,83"
                                   << "10" << QStringList{};
    QTest::newRow("metres of head, no grouping")
        << japanese << QStringList{"1000", "200000", "1000", "2500"} << "1628.03"
        << "18" << QStringList{};
    // A vanishing flow over a tiny bracket converges below 0.000005 m,
    // which rounds to no digit at all: that is a head of 0 mm.
    QTest::newRow("head rounds to nothing") << japanese << QStringList{"300", "0", "0.001", "0.002"} << "0"
                                            << "1" << QStringList{kBelowRange};
    QTest::newRow("head below the formula's range") << japanese << QStringList{"300", "10", "1", "100"} << "3.71"
                                                    << "8" << QStringList{kBelowRange};
    // Past the peak of Q(h) the search's numbers stand, with two red lines.
    QTest::newRow("head past the formula's peak")
        << japanese << QStringList{"300", "1", "20", "100000"} << "29999.99"
        << "23"
        << QStringList{u"  約16874.6mmより上では公式の流量が減るため、この越流高さは解ではありません。"_qs,
                       u"  この流量の越流高さは約0.37mmです。"_qs};
}

void ActionsTest::converges()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QString, head);
    QFETCH(QString, trials);
    QFETCH(QStringList, notes);

    Window window(locale);
    window.fill(inputs[0], inputs[1], inputs[2], inputs[3]);
    window.calculate();
    QCOMPARE(window.head(), head);
    QCOMPARE(window.trials(), trials);
    QCOMPARE(window.printed(), notes);
    // The range note in its blue, anything else in the print colour.
    for (qsizetype i = 0; i < notes.size(); ++i)
        QCOMPARE(window.w.messageLines()->colorOfLine(i),
                 notes[i] == kBelowRange ? QColor(0, 0, 255) : window.w.messageColor());
}

void ActionsTest::emptyBoxShowsNothing_data()
{
    QTest::addColumn<InputBox>("emptied");
    for (const InputBoxInfo &info : inputBoxes())
        QTest::newRow(info.objectName) << info.box;
}

void ActionsTest::emptyBoxShowsNothing()
{
    QFETCH(InputBox, emptied);
    Window window;
    window.fill("300", "300", "20", "100");
    window.calculate();
    QCOMPARE(window.head(), QStringLiteral("43.83"));

    window.box(emptied)->clear();
    window.calculate();
    QCOMPARE(window.head(), QString());
    QCOMPARE(window.trials(), QString());
    QVERIFY(window.printed().isEmpty());
}

void ActionsTest::refusedInputs_data()
{
    QTest::addColumn<QStringList>("inputs"); // width, flow, minimum, maximum
    QTest::addColumn<QString>("line");

    QTest::newRow("no root") << QStringList{"300", "300", "60", "100"} << kNoRoot;
    QTest::newRow("width not a number") << QStringList{"abc", "x", "y", "z"}
                                        << u"  堰の幅(mm)が数値ではありません。"_qs;
    QTest::newRow("flow of spaces") << QStringList{"300", "   ", "20", "100"}
                                    << u"  流量(L/min)が数値ではありません。"_qs;
    QTest::newRow("minimum with unit") << QStringList{"300", "300", "20mm", "100"}
                                       << u"  解の挟込最小値(mm)が数値ではありません。"_qs;
    QTest::newRow("maximum infinite") << QStringList{"300", "300", "20", "inf"}
                                      << u"  最大値(mm)が数値ではありません。"_qs;
    QTest::newRow("flow too large") << QStringList{"300", "1e999", "20", "100"}
                                    << u"  流量(L/min)の値が大き過ぎます。"_qs;
    QTest::newRow("conversion order: width first")
        << QStringList{"1e999", "abc", "20", "100"} << u"  堰の幅(mm)の値が大き過ぎます。"_qs;
    QTest::newRow("zero width") << QStringList{"0", "300", "20", "100"}
                                << u"  堰の幅(mm)は0より大きい値にして下さい。"_qs;
    QTest::newRow("maximum before minimum")
        << QStringList{"300", "300", "-20", "0"} << u"  最大値(mm)は0より大きい値にして下さい。"_qs;
    QTest::newRow("zero minimum") << QStringList{"300", "300", "0", "100"}
                                  << u"  解の挟込最小値(mm)は0より大きい値にして下さい。"_qs;
    QTest::newRow("negative flow is searched") << QStringList{"300", "-300", "20", "100"} << kNoRoot;
    QTest::newRow("search cannot finish")
        << QStringList{"1e7", "6e10", "1", "1e9"} << u"  収束しません。挟込範囲を変更して下さい。"_qs;
    QTest::newRow("formula overflows") << QStringList{"300", "300", "20", "1e300"}
                                       << u"  計算できません。入力値を見直して下さい。"_qs;
}

void ActionsTest::refusedInputs()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, line);

    Window window;
    window.fill(inputs[0], inputs[1], inputs[2], inputs[3]);
    window.calculate();
    // The line, and after "no root" a second one saying what to change.
    const QStringList printed = window.printed();
    QCOMPARE(printed.value(0), line);
    QCOMPARE(printed.size(), line == kNoRoot ? 2 : 1);
    for (qsizetype i = 0; i < printed.size(); ++i)
        QCOMPARE(window.w.messageLines()->colorOfLine(i), QColor(Qt::red));
    QCOMPARE(window.head(), QString());
    QCOMPARE(window.trials(), QString());
    // What the user typed is left exactly as it was.
    QCOMPARE(window.inputs(), inputs);
}

void ActionsTest::refusedInputFocusesItsBox()
{
    Window window;
    window.w.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    window.fill("300", "300", "20", "１００ｍｍ");
    window.calculate();
    QLineEdit *maximum = window.box(InputBox::Maximum);
    QCOMPARE(QApplication::focusWidget(), maximum);
    QCOMPARE(maximum->selectedText(), maximum->text());
    QCOMPARE(maximum->accessibleDescription(), u"最大値(mm)が数値ではありません。"_qs);

    maximum->setText("100");
    window.calculate();
    QCOMPARE(maximum->accessibleDescription(), QString());
}

void ActionsTest::secondCalculateRemovesMessage()
{
    Window window;
    window.fill("300", "300", "60", "100");
    window.calculate();
    window.calculate();
    QCOMPARE(window.printed(),
             (QStringList{kNoRoot, u"  越流高さは最小値より下の約43.83mmです。"_qs})); // afresh, not twice

    window.box(InputBox::Minimum)->setText("20");
    window.calculate();
    QVERIFY(window.printed().isEmpty());
    QCOMPARE(window.head(), QStringLiteral("43.83"));
}

void ActionsTest::staleOutputsClearedBeforeRefusal()
{
    Window window;
    window.fill("300", "300", "20", "100");
    window.calculate();
    window.box(InputBox::Minimum)->setText("60");
    window.calculate();
    QCOMPARE(window.head(), QString());
    QCOMPARE(window.trials(), QString());
}

void ActionsTest::clearEmptiesEveryBox()
{
    Window window;
    window.fill("300", "300", "60", "100");
    window.calculate();
    QCOMPARE(window.printed().size(), 2);
    window.w.headBox()->setText("typed by hand");
    window.w.trialsBox()->setText("7");
    window.clear();
    for (QLineEdit *box : window.w.findChildren<QLineEdit *>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(window.printed().isEmpty());
    QCOMPARE(window.w.messageColor(), QColor(Qt::red));
}

QTEST_MAIN(ActionsTest)
#include "tst_actions.moc"
