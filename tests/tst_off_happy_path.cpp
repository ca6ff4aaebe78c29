// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The window off the happy path: every printed message whole inside the
// window in both fonts the package allows and at larger scales, the cursor
// taken to a box still empty, Qt's own texts in Japanese, no useless maximise.
#include "app/qt_translations.h"
#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "common/texts.h"
#include "tests/support/require.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace weir;

namespace {

using test::kJapanese;

// Every message, the long ones with the widest values they can carry, alone
// or under the no-root line as they are printed.
QList<QStringList> everyPrinting()
{
    QList<QStringList> printings;
    for (const InputBoxInfo &info : inputBoxes()) {
        printings << QStringList{Texts::notANumber(info.caption())} << QStringList{Texts::tooLarge(info.caption())}
                  << QStringList{Texts::notPositive(info.caption())};
    }
    printings << QStringList{Texts::notConverged()} << QStringList{Texts::notComputable()}
              << QStringList{Texts::belowValidRange()};
    const QString wide = QStringLiteral("123456.78");
    for (const QString &second :
         {Texts::headBelowMinimum(wide), Texts::headAboveMaximum(wide), Texts::headInsideBracket(wide),
          Texts::headBeyondRange(), Texts::notPositive(inputBoxInfo(InputBox::Flow).caption()), Texts::notComputable()})
        printings << QStringList{Texts::noRoot(), second};
    // As the message lines prints them.
    for (QStringList &printing : printings) {
        for (QString &line : printing)
            line.prepend(MessageLines::kIndent);
    }
    return printings;
}

} // namespace

class OffHappyPathTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messagesFitTheWindow_data();
    void messagesFitTheWindow();
    void printedRowsStayAboveTheBoxes();
    void emptyBoxTakesTheCursor_data();
    void emptyBoxTakesTheCursor();
    void qtTextsInJapanese();
    void noMaximiseButton();
};

void OffHappyPathTest::initTestCase()
{
    // Both fonts must really be there, or the rows below measure a stand-in.
    WEIR_REQUIRE(test::missingFonts({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}));
}

void OffHappyPathTest::messagesFitTheWindow_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("scale");
    for (const char *family : {"IPAPGothic", "Noto Sans CJK JP"}) {
        for (const qreal scale : {1.0, 1.5, 1.75, 2.0})
            QTest::addRow("%s at %.2f", family, scale) << QString::fromLatin1(family) << scale;
    }
}

void OffHappyPathTest::messagesFitTheWindow()
{
    QFETCH(QString, family);
    QFETCH(qreal, scale);
    // At a scale factor the window, its band above the width box and the
    // 9-point font (12 px at 96 dpi) all grow by it; pixel sizes round.
    QFont font(family);
    font.setPixelSize(qRound(12 * scale));
    QCOMPARE(QFontInfo(font).family(), family);
    const int width = qRound(240 * scale);
    const int band = qRound(32 * scale);

    for (const QStringList &printing : everyPrinting()) {
        QList<MessageLines::Line> lines;
        for (const QString &text : printing)
            lines.append({text, Qt::red});
        const MessageLines::Painted painted = MessageLines::layOut(lines, font, width, band);
        const QString what = printing.join(QLatin1Char('|'));
        QVERIFY2(painted.rows.size() <= MessageLines::kRows, qPrintable(what));
        QString joined;
        const QFontMetrics metrics(painted.font);
        for (const MessageLines::Row &row : painted.rows) {
            QVERIFY2(row.width <= width, qPrintable(row.text));
            QVERIFY2(metrics.horizontalAdvance(row.text.trimmed()) <= width, qPrintable(row.text));
            // Japanese never starts a row with a full stop or a comma.
            QVERIFY2(!row.text.startsWith(u'。') && !row.text.startsWith(u'、'), qPrintable(row.text));
            joined += row.text;
        }
        QCOMPARE(joined, printing.join(QString())); // nothing lost at the breaks
        // The strokes of the last row end above the width box: ideographs
        // reach about an eighth of an em below the baseline.
        QVERIFY2(painted.rows.last().baseline + painted.font.pixelSize() / 8 < band, qPrintable(what));
        QVERIFY2(painted.rows.first().baseline - painted.font.pixelSize() * 7 / 8 >= 0, qPrintable(what));
    }
}

void OffHappyPathTest::printedRowsStayAboveTheBoxes()
{
    // The real window: the zero-minimum message, and a no-root pair.
    test::CalculatorWindow window; // in the pinned Japanese locale
    WeirHeadWindow &w = window.w;
    for (const BoxTexts &texts : {BoxTexts{"300", "300", "0", "100"}, BoxTexts{"300", "300", "60", "100"}}) {
        invariants::fill(w, texts);
        w.calculate();
        const MessageLines::Painted painted = w.messageLines()->painted();
        QVERIFY(!painted.rows.isEmpty());
        QVERIFY(painted.rows.size() <= MessageLines::kRows);
        for (const MessageLines::Row &row : painted.rows)
            QVERIFY2(row.width <= w.clientArea()->width(), qPrintable(row.text));
        QVERIFY(painted.rows.last().baseline < w.inputBox(InputBox::Width)->y());
    }
}

void OffHappyPathTest::emptyBoxTakesTheCursor_data()
{
    QTest::addColumn<BoxTexts>("texts");
    QTest::addColumn<QString>("focused");
    QTest::newRow("maximum still empty") << BoxTexts{"300", "300", "20", ""} << "Text3";
    QTest::newRow("all empty: the width first") << BoxTexts{} << "Text6";
    QTest::newRow("flow and maximum empty: the flow") << BoxTexts{"300", "", "20", ""} << "Text1";
    QTest::newRow("minimum empty") << BoxTexts{"300", "300", "", "100"} << "Text2";
}

void OffHappyPathTest::emptyBoxTakesTheCursor()
{
    QFETCH(BoxTexts, texts);
    QFETCH(QString, focused);
    WeirHeadWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    invariants::fill(w, texts);
    w.calculateButton()->setFocus();
    QTest::keyClick(w.calculateButton(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QVERIFY(w.messageLines()->lines().isEmpty());
    QVERIFY(w.headBox()->text().isEmpty());
}

void OffHappyPathTest::qtTextsInJapanese()
{
    QLocale::setDefault(kJapanese);
    installTranslations(*QCoreApplication::instance());
    QLineEdit box;
    QMenu *menu = box.createStandardContextMenu();
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    delete menu;
    QLocale::setDefault(QLocale::c());
    // Undo, Redo, Cut, Copy, Paste, Delete, Select All
    QVERIFY2(texts.first().startsWith(u"元に戻す"_qs), qPrintable(texts.join(u'|')));
    QVERIFY2(texts.join(u'|').contains(u"コピー"_qs), qPrintable(texts.join(u'|')));
}

void OffHappyPathTest::noMaximiseButton()
{
    WeirHeadWindow w;
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
}

QTEST_MAIN(OffHappyPathTest)
#include "tst_off_happy_path.moc"
