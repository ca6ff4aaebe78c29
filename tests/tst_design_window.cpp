// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The design window (表示 → 堰の設計): loaded from its module on first use,
// answering as its boxes are typed, drawing both flows' heads against the
// width, and putting the chosen width into the calculator.
#include "accessibility/announcer.h"
#include "calculator/weir_head_window.h"
#include "design/design_window.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <qcustomplot.h>

using namespace weir;

class DesignWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAndApplies();
    void answersAsTyped_data();
    void answersAsTyped();
};

void DesignWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    storeGaugeUncertainty(std::nullopt);
}

// The first example's range worked in closed form (see tst_weir_calc): 170.9
// to 310.3 mm; its middle, 241 mm, chosen; この幅を計算機に入れる fills the width box.
void DesignWindowTest::opensAndApplies()
{
    test::CalculatorWindow window;
    WeirHeadWindow &w = window.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!w.designWindow()); // nothing loaded until asked for
    w.designAction()->trigger();
    auto *design = static_cast<DesignWindowWidget *>(w.designWindow()->widget());
    QVERIFY(design);
    QVERIFY(QTest::qWaitForWindowExposed(design));
    QVERIFY2(design->rangeText().contains(u"170.9 〜 310.3 mm"_qs), qPrintable(design->rangeText()));
    QCOMPARE(design->widthBox()->text(), u"241"_qs);
    QVERIFY2(design->pointText().contains(u"最小流量 100.00 L/min: 越流高さ "_qs), qPrintable(design->pointText()));
    QVERIFY(design->gaugeText().contains(u"未設定"_qs));
    // Both curves drawn, falling as the weir widens.
    const QSharedPointer<QCPGraphDataContainer> smallest = design->plot()->graph(1)->data();
    QVERIFY(smallest->size() > 100);
    QVERIFY(smallest->constBegin()->value > (smallest->constEnd() - 1)->value);

    design->widthBox()->setText(u"200"_qs);
    QTest::mouseClick(design->applyButton(), Qt::LeftButton);
    QCOMPARE(w.inputBox(InputBox::Width)->text(), u"200"_qs);
    // Uncertainties stated in the calculator reach the open window; a limit
    // of 4 % at the smallest flow then sets the wide end.
    storeGaugeUncertainty(GaugeUncertainty{0.3, 0.5, 1});
    w.uncertaintyAction()->trigger();
    auto *dialog = w.findChild<QDialog *>(u"uncertaintyDialog"_qs);
    QVERIFY(dialog);
    dialog->accept();
    QVERIFY(design->gaugeText().startsWith(u"u(h) = 0.3 mm"_qs));
    design->box(DesignBox::LargestU)->setText(u"4"_qs);
    QVERIFY2(design->rangeText().contains(u"拡張不確かさ 4 % で決まります"_qs), qPrintable(design->rangeText()));
    storeGaugeUncertainty(std::nullopt);
    // The picture for the README.
    QVERIFY2(design->pointText().contains(u"最小流量での拡張不確かさ: ±"_qs), qPrintable(design->pointText()));
    if (const QString path = qEnvironmentVariable("WEIR_DESIGN_SCREENSHOT"); !path.isEmpty()) {
        QTest::qWait(50); // the labels laid out again for their new lines
        QVERIFY(design->grab().save(path));
    }
}

void DesignWindowTest::answersAsTyped_data()
{
    QTest::addColumn<QStringList>("boxes"); // smallest, largest, highest, U limit
    QTest::addColumn<bool>("stated");       // the 0.3 mm, 0.5 mm, 1 % of the other tests
    QTest::addColumn<QString>("range");     // contained in the range line, or the message
    QTest::addColumn<bool>("applies");
    QTest::newRow("the example") << QStringList{"100", "1000", "150", ""} << false << u"170.9 〜 310.3 mm"_qs << true;
    QTest::newRow("a U limit narrows it")
        << QStringList{"100", "1000", "150", "4"} << true << u"拡張不確かさ 4 % で決まります"_qs << true;
    QTest::newRow("flows spanning too much")
        << QStringList{"10", "5000", "50", ""} << false << u"一つの堰では測れません"_qs << false;
    QTest::newRow("a limit without the three")
        << QStringList{"100", "1000", "150", "4"} << false << u"不確かさの三つの値"_qs << false;
    QTest::newRow("a box not a number") << QStringList{"100", "abc", "150", ""} << false
                                        << u"最大流量(L/min)が数値ではありません。"_qs << false;
}

void DesignWindowTest::answersAsTyped()
{
    QFETCH(QStringList, boxes);
    QFETCH(bool, stated);
    QFETCH(QString, range);
    QFETCH(bool, applies);
    DesignWindowWidget design;
    design.takeSettings(test::kJapanese, stated ? std::optional(GaugeUncertainty{0.3, 0.5, 1}) : std::nullopt);
    for (const DesignBox box :
         {DesignBox::SmallestFlow, DesignBox::LargestFlow, DesignBox::HighestHead, DesignBox::LargestU})
        design.box(box)->setText(boxes[int(box)]);
    QVERIFY2(design.rangeText().contains(range), qPrintable(design.rangeText()));
    QCOMPARE(design.applyButton()->isEnabled(), applies);
    // Return in a box says the answer to a screen reader.
    QTest::keyClick(design.box(DesignBox::HighestHead), Qt::Key_Return);
    QVERIFY2(design.announcer()->lastAnnouncement().startsWith(design.rangeText()),
             qPrintable(design.announcer()->lastAnnouncement()));
    if (stated) {
        QVERIFY(design.gaugeText().startsWith(u"u(h) = 0.3 mm"_qs));
        QVERIFY2(design.pointText().contains(u"最小流量での拡張不確かさ"_qs), qPrintable(design.pointText()));
    }
    // At its smallest, every answer is whole: no line of a label is cut or
    // broken inside a word, and a number keeps its unit on its line.
    design.show();
    QVERIFY(QTest::qWaitForWindowExposed(&design));
    design.resize(design.minimumSizeHint());
    QCoreApplication::processEvents();
    for (const QLabel *label : design.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                 qPrintable(label->text()));
        for (const QString &line : label->text().split(u'\n'))
            QVERIFY2(!line.startsWith(u"mm"_qs) && !line.startsWith(u'%') && !line.endsWith(u'約'),
                     qPrintable(label->text()));
    }
}

QTEST_MAIN(DesignWindowTest)
#include "tst_design_window.moc"
