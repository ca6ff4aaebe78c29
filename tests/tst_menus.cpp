// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The menu bar: it sits above the client area without moving anything, works
// from the keyboard, copies the result for a spreadsheet and shows About.
#include "calculator/weir_head_window.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace weir;

namespace {

using test::ShownWindow;

const QString kWorkedExampleCopy
    = QStringLiteral(u"堰の幅(mm)\t流量(L/min)\t解の挟込最小値(mm)\t最大値(mm)\t越流高さ(mm)\tTrial回数\n"
                     u"300\t300\t20\t100\t43.83\t10\n");

} // namespace

class MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void barSitsAboveTheClientArea();
    void menusHaveMnemonics();
    void copyResultFromTheKeyboard();
    void copyResultReadsTheBoxes();
    void copyResultIsOfTheLastCalculate_data();
    void copyResultIsOfTheLastCalculate();
    void manualFromTheHelpMenu();
    void aboutBoxTellsWhatItIs();
    void ctrlQCloses();
    void ownTextsDrawnFromTheirFontAlone();
};

void MenusTest::barSitsAboveTheClientArea()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.w));
    const QMenuBar *bar = window.w.menuBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->height() > 0);
    const QRect client = window.w.clientArea()->geometry();
    QCOMPARE(client.size(), QSize(240, 323)); // at 96 dpi, as drawn
    QCOMPARE(client.top(), bar->geometry().bottom() + 1);
    QCOMPARE(window.w.size(), QSize(240, 323 + bar->height()));
    QCOMPARE(window.w.minimumSize(), window.w.maximumSize());
    QCOMPARE(window.w.inputBox(InputBox::Width)->geometry(), QRect(104, 32, 81, 25));
    QCOMPARE(window.w.calculateButton()->geometry(), QRect(24, 200, 81, 33));
}

void MenusTest::menusHaveMnemonics()
{
    WeirHeadWindow w;
    QStringList titles;
    QStringList items;
    for (const QAction *menu : w.menuBar()->actions()) {
        titles << menu->text();
        for (const QAction *item : menu->menu()->actions())
            if (!item->isSeparator())
                items << item->text();
    }
    QCOMPARE(titles, (QStringList{u"ファイル(&F)"_qs, u"編集(&E)"_qs, u"表示(&V)"_qs, u"ヘルプ(&H)"_qs}));
    // Entries built from the names of what they open, as Japanese menus write
    // an access key: in brackets after the text, before the dialog's dots.
    QCOMPARE(items,
             (QStringList{u"計算書を保存 (PDF)(&S)..."_qs, u"印刷(&P)..."_qs, u"印刷プレビュー(&V)..."_qs,
                          u"終了(&X)"_qs, u"結果をコピー(&C)"_qs, u"計算過程をコピー(&T)"_qs, u"不確かさ(&U)..."_qs,
                          u"水位流量表(&T)..."_qs, u"堰の設計(&D)..."_qs, u"記録から流量(&R)..."_qs, u"使い方(&M)"_qs,
                          u"このプログラムについて(&A)"_qs, u"Qt について(&Q)"_qs}));
    QCOMPARE(w.manualAction()->shortcut(), QKeySequence(QKeySequence::HelpContents));
    QCOMPARE(w.quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(w.ratingAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    // All four titles fit the window's width: none overflows into a button.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QAction *menu : w.menuBar()->actions()) {
        const QRect title = w.menuBar()->actionGeometry(menu);
        QVERIFY2(!title.isEmpty() && title.right() < w.menuBar()->width(), qPrintable(menu->text()));
    }
}

void MenusTest::copyResultFromTheKeyboard()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    invariants::fill(window.w, {"300", "300", "20", "100"});
    window.w.calculate();
    QGuiApplication::clipboard()->clear();

    // Alt+E opens 編集; C takes 結果をコピー.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), kWorkedExampleCopy);
}

void MenusTest::copyResultReadsTheBoxes()
{
    WeirHeadWindow w;
    w.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    invariants::fill(w, {u"３００"_qs, u"300"_qs, u"２０"_qs, u"１００"_qs});
    w.calculate();
    w.copyResult();
    QCOMPARE(QGuiApplication::clipboard()->text(), kWorkedExampleCopy);

    // Text that is no number is copied as typed, kept on its one row.
    invariants::fill(w, {"300", "abc\tdef", "20", ""});
    w.calculate();
    w.copyResult();
    QCOMPARE(QGuiApplication::clipboard()->text().section(u'\n', 1, 1), u"300\tabc def\t20\t\t\t"_qs);
}

// Whatever is typed after a Calculate, into an input or into the head and
// trials boxes (which take keys), the copy pairs that Calculate's inputs with
// its answer; an input changed since draws the answer grey and tells a
// screen reader it is of the earlier inputs.
void MenusTest::copyResultIsOfTheLastCalculate_data()
{
    QTest::addColumn<QString>("box"); // objectName
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stale");
    QTest::newRow("width changed") << "Text6"
                                   << "250" << true;
    QTest::newRow("flow written otherwise") << "Text1"
                                            << "300.0" << true;
    QTest::newRow("maximum emptied") << "Text3"
                                     << "" << true;
    QTest::newRow("width typed again as it was") << "Text6"
                                                 << "300" << false;
    QTest::newRow("head typed into") << "Text4"
                                     << "12.5" << false;
    QTest::newRow("trials typed into") << "Text5"
                                       << "3" << false;
}

void MenusTest::copyResultIsOfTheLastCalculate()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, stale);
    WeirHeadWindow w;
    w.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    invariants::fill(w, {"300", "300", "20", "100"});
    w.calculate();
    const QColor fresh = w.headBox()->palette().color(QPalette::Text);
    const QColor freshTrials = w.trialsBox()->palette().color(QPalette::Text);
    w.findChild<QLineEdit *>(box)->setText(typed);
    w.copyResult();
    QCOMPARE(QGuiApplication::clipboard()->text(), kWorkedExampleCopy);
    QCOMPARE(w.answerIsStale(), stale);
    QCOMPARE(w.headBox()->palette().color(QPalette::Text) != fresh, stale);
    QCOMPARE(w.trialsBox()->palette().color(QPalette::Text) != freshTrials, stale);
    QCOMPARE(w.headBox()->accessibleDescription().contains(u"前回の計算"_qs), stale);
    // The next Calculate's answer is fresh again, in the window's own colours.
    w.calculate();
    QVERIFY(!w.answerIsStale());
    QCOMPARE(w.trialsBox()->palette().color(QPalette::Text), freshTrials);
}

// ヘルプ → 使い方 (F1): the user's part of the README, its pictures with it,
// in a window of its own, loaded only when asked for.
void MenusTest::manualFromTheHelpMenu()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    QVERIFY(!window.w.helpWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QWidget *help = window.w.helpWindow();
    QVERIFY2(help, "F1 opened no manual");
    QVERIFY(QTest::qWaitForWindowExposed(help));
    auto *browser = help->findChild<QTextBrowser *>(u"helpText"_qs);
    const QString text = browser->toPlainText();
    for (const QString &part :
         {u"計算書"_qs, u"水位流量表"_qs, u"不確かさ"_qs, u"堰の設計"_qs, u"weir-head flow"_qs, u"What it computes"_qs})
        QVERIFY2(text.contains(part), qPrintable(part));
    // Not the builder's sections.
    QVERIFY(!text.contains(u"Set-up on Debian 12"_qs) && !text.contains(u"Where things live"_qs));
    for (const char *picture : {"docs/screenshot.png", "docs/sheet.png", "docs/design.png"}) {
        const QVariant image = browser->loadResource(QTextDocument::ImageResource, QUrl(QLatin1String(picture)));
        QVERIFY2(!image.isNull() && !image.value<QByteArray>().isEmpty(), picture);
    }
    // Beside the calculator where the screen has room, and Escape closes it.
    QTest::keyClick(browser, Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
}

void MenusTest::aboutBoxTellsWhatItIs()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.w));
    window.w.aboutAction()->trigger();
    auto *box = window.w.findChild<QMessageBox *>(QStringLiteral("aboutBox"));
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    const QString text = box->text();
    for (const QString &expected : {u"四角堰の越流高さ"_qs, u"1.00"_qs, u"GPL-3.0-or-later"_qs,
                                    u"Q = 1.838 (1 + 0.0012/h) (1 − √(h/b)/10) b h"_qs, u"h ≧ 20 mm"_qs,
                                    u"堰の幅(mm): mm"_qs, u"流量(L/min): L/min"_qs, u"越流高さ(mm): mm"_qs})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    box->close();
}

void MenusTest::ctrlQCloses()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!window.w.isVisible());
}

// The captions, buttons and menu titles are drawn from the Japanese font
// alone (no fallback fonts looked up for them) only where that font has every
// character they show; the menus' items and the boxes, which show what the
// user types, keep Qt's fallback.
void MenusTest::ownTextsDrawnFromTheirFontAlone()
{
    ShownWindow window;
    const auto textsOf = [](const QWidget *widget) {
        QString texts;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts += label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts += button->text();
        if (qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget))
            for (const QAction *action : widget->actions())
                texts += action->text();
        return texts;
    };
    int alone = 0;
    for (const QWidget *widget : window.w.findChildren<QWidget *>()) {
        const bool fromFontAlone = widget->font().styleStrategy() & QFont::NoFontMerging;
        if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QMenu *>(widget))
            QVERIFY2(!fromFontAlone, qPrintable(widget->objectName()));
        if (!fromFontAlone)
            continue;
        ++alone;
        const QFontMetrics metrics(widget->font());
        for (const char32_t c : textsOf(widget).toUcs4())
            QVERIFY2(metrics.inFontUcs4(c), qPrintable(textsOf(widget)));
    }
    // With the program's font installed, every caption, both buttons and the
    // menu bar with its overflow button (an arrow, no text): 7 + 2 + 2.
    if (QFontDatabase::hasFamily(QStringLiteral("IPAPGothic")))
        QCOMPARE(alone, 11);
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
