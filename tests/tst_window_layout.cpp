// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/caption_label.h"
#include "calculator/layout_table.h"
#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "calculator/window_placement.h"
#include "rating/rating_window_interface.h"
#include "tests/support/drawn_whole.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace weir;

namespace {

using test::kJapanese;

using test::ShownWindow;

} // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void twipsToPixels_data();
    void twipsToPixels();
    void placesAsDrawn_data();
    void placesAsDrawn();
    void window();
    void captions_data();
    void captions();
    void drawnWholeAtThisScale_data();
    void drawnWholeAtThisScale();
    void colours();
    void centredOnScreen();
    void centredTopLeft_data();
    void centredTopLeft();
    void ratingBesideCalculator_data();
    void ratingBesideCalculator();

    void tabOrderWithRealKeys();
    void enterInAnyBoxCalculates_data();
    void enterInAnyBoxCalculates();
    void returnOnFocusedButtonPressesIt();
    void endToEndByKeyboardAndMouse();
    void printedLineIsRedInTheGrab();
    void labelsAreBuddiesOfTheirBoxes();

private:
    QRect atScreenDpi(const QRect &at96) const;
    qreal m_dpiX = 96;
    qreal m_dpiY = 96;
};

void WindowLayoutTest::initTestCase()
{
    // The pixel expectations below are written for 96 dpi, where a pixel is
    // 15 twips, and scaled to the screen's dpi (tests/CMakeLists.txt runs
    // this test at 96, 120 and 144 dpi).
    WeirHeadWindow probe;
    m_dpiX = probe.logicalDpiX();
    m_dpiY = probe.logicalDpiY();
    qInfo("logical dpi %g x %g", m_dpiX, m_dpiY);
}

QRect WindowLayoutTest::atScreenDpi(const QRect &at96) const
{
    const auto x = [this](int v) { return qRound(v * m_dpiX / 96.0); };
    const auto y = [this](int v) { return qRound(v * m_dpiY / 96.0); };
    return QRect(x(at96.x()), y(at96.y()), x(at96.width()), y(at96.height()));
}

void WindowLayoutTest::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("96 dpi") << 1560 << 96.0 << 104;
    QTest::newRow("144 dpi is 1.5 times") << 1560 << 144.0 << 156;
    QTest::newRow("rounds to nearest") << 1095 << 96.0 << 73;
    QTest::newRow("client height") << 4845 << 96.0 << 323;
    QTest::newRow("client height at 120 dpi") << 4845 << 120.0 << 404;
}

void WindowLayoutTest::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(qreal, dpi);
    QFETCH(int, pixels);
    QCOMPARE(Layout::twipsToPixels(twips, dpi), pixels);
}

void WindowLayoutTest::placesAsDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("drawnAt96"); // in pixels at 96 dpi: twips / 15
    QTest::newRow("Text6") << "Text6" << QRect(104, 32, 81, 25);
    QTest::newRow("Text5") << "Text5" << QRect(208, 296, 25, 18);
    QTest::newRow("Text4") << "Text4" << QRect(104, 256, 81, 25);
    QTest::newRow("Text3") << "Text3" << QRect(104, 152, 81, 25);
    QTest::newRow("Command2") << "Command2" << QRect(136, 200, 81, 33);
    QTest::newRow("Command1") << "Command1" << QRect(24, 200, 81, 33);
    QTest::newRow("Text2") << "Text2" << QRect(104, 112, 81, 25);
    QTest::newRow("Text1") << "Text1" << QRect(104, 72, 81, 25);
    QTest::newRow("Label7") << "Label7" << QRect(24, 40, 65, 17);
    QTest::newRow("Label6") << "Label6" << QRect(24, 288, 89, 33);
    QTest::newRow("Label1") << "Label1" << QRect(152, 296, 57, 17);
    QTest::newRow("Label5") << "Label5" << QRect(24, 264, 81, 17);
    QTest::newRow("Label4") << "Label4" << QRect(24, 160, 73, 17);
    QTest::newRow("Label3") << "Label3" << QRect(24, 112, 73, 33);
    QTest::newRow("Label2") << "Label2" << QRect(24, 80, 65, 17);
}

void WindowLayoutTest::placesAsDrawn()
{
    QFETCH(QString, name);
    QFETCH(QRect, drawnAt96);
    const QRect drawn = atScreenDpi(drawnAt96);
    WeirHeadWindow w;
    const QWidget *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    const QRect actual = control->geometry();
    if (!qobject_cast<const QLabel *>(control)) {
        QCOMPARE(actual, drawn);
        return;
    }
    // A label may only grow to the right, and never over another control.
    // (Some labels were drawn a pixel into their box; that much stays.)
    QCOMPARE(actual.topLeft(), drawn.topLeft());
    QCOMPARE(actual.height(), drawn.height());
    QVERIFY(actual.width() >= drawn.width());
    const QRect grown(drawn.right() + 1, drawn.top(), actual.width() - drawn.width(), drawn.height());
    for (const QWidget *other : w.clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (grown.width() > 0 && other != control && !qobject_cast<const MessageLines *>(other))
            QVERIFY2(!grown.intersects(other->geometry()), qPrintable(other->objectName()));
    }
}

void WindowLayoutTest::window()
{
    WeirHeadWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral(u"\u3000四角堰の越流高さ"));
    QCOMPARE(w.clientArea()->size(), atScreenDpi(QRect(0, 0, 240, 323)).size());
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.findChildren<QLineEdit *>().size(), 6);
    QCOMPARE(w.findChildren<QPushButton *>().size(), 2);
    QCOMPARE(w.findChildren<CaptionLabel *>().size(), 7);
    QCOMPARE(w.findChild<QPushButton *>("Command1")->text(), QStringLiteral(u"計算"));
    QCOMPARE(w.findChild<QPushButton *>("Command2")->text(), QStringLiteral(u"クリヤ"));
}

void WindowLayoutTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("shownLines");
    QTest::newRow("Label7") << "Label7" << u"堰の幅(mm)"_qs << QStringList{u"堰の幅(mm)"_qs};
    QTest::newRow("Label2") << "Label2" << u"流量(L/min)"_qs << QStringList{u"流量(L/min)"_qs};
    QTest::newRow("Label4") << "Label4" << u"最大値(mm)"_qs << QStringList{u"最大値(mm)"_qs};
    QTest::newRow("Label5") << "Label5" << u"越流高さ(mm)"_qs << QStringList{u"越流高さ(mm)"_qs};
    QTest::newRow("Label1") << "Label1" << u"Trial回数"_qs << QStringList{u"Trial回数"_qs};
    QTest::newRow("Label3") << "Label3" << u"解の挟込最小値(mm)"_qs << QStringList{u"解の挟込最小"_qs, u"値(mm)"_qs};
    QTest::newRow("Label6") << "Label6" << u"適用範囲        越流高さ≧20mm         "_qs
                            << QStringList{u"適用範囲"_qs, u"越流高さ≧20mm"_qs};
}

void WindowLayoutTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QStringList, shownLines);
    WeirHeadWindow w;
    const auto *label = w.findChild<CaptionLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    const QStringList lines = label->wrappedLines(label->width());
    QCOMPARE(lines, shownLines);
    // Nothing clipped: every line within the label's width, all lines within its height.
    const QFontMetrics metrics(label->font());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
    QVERIFY(lines.size() * metrics.lineSpacing() <= label->height() + metrics.leading() + 1);
}

// The windows with the worked example in them, at whatever scale the screen
// has (the Windows tests run this at 100 to 200 %).
void WindowLayoutTest::drawnWholeAtThisScale_data()
{
    QTest::addColumn<bool>("rating");
    QTest::addColumn<bool>("records");
    QTest::newRow("calculator") << false << false;
    QTest::newRow("rating window") << true << false;
    QTest::newRow("records window") << false << true;
}

void WindowLayoutTest::drawnWholeAtThisScale()
{
    QFETCH(bool, rating);
    QFETCH(bool, records);
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.w));
    window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    window.calculate();
    QCOMPARE(window.head(), u"43.83"_qs);
    QWidget *shown = &window.w;
    if (rating) {
        window.w.openRatingWindow();
        if (!window.w.ratingWindow())
            QSKIP("the rating module is not on WEIR_HEAD_MODULE_PATH");
        shown = window.w.ratingWindow()->widget();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
    }
    if (records) {
        window.w.openRecordsWindow();
        shown = window.w.findChild<QWidget *>(u"RecordsWindow"_qs);
        if (!shown)
            QSKIP("the records module is not on WEIR_HEAD_MODULE_PATH");
        QVERIFY(QTest::qWaitForWindowExposed(shown));
    }
    qInfo("%s at %g %%", qPrintable(shown->objectName()), 100 * shown->devicePixelRatioF());
    const QStringList faults = test::drawnWholeFaults(shown);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void WindowLayoutTest::colours()
{
    WeirHeadWindow w;
    const QColor grey(0xC0, 0xC0, 0xC0);
    QCOMPARE(w.clientArea()->palette().color(QPalette::Window), grey);
    QVERIFY(w.clientArea()->autoFillBackground());
    for (const CaptionLabel *label : w.findChildren<CaptionLabel *>()) {
        QCOMPARE(label->palette().color(QPalette::Window), grey);
        QVERIFY(label->autoFillBackground());
    }
    QCOMPARE(w.findChild<QLabel *>("Label6")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(w.findChild<QLineEdit *>("Text4")->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(w.findChild<QLineEdit *>("Text5")->palette().color(QPalette::Text), QColor(0xFF, 0x80, 0xFF));
    QCOMPARE(w.messageColor(), QColor(255, 0, 0));
}

void WindowLayoutTest::centredOnScreen()
{
    WeirHeadWindow w;
    const QRect screen = w.screen()->geometry();
    const QPoint expected((screen.width() - w.frameGeometry().width()) / 2,
                          (screen.height() - w.frameGeometry().height()) / 2);
    QVERIFY2((w.pos() - screen.topLeft() - expected).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(w.x()).arg(w.y())));
}

// Half pixels round up; the title bar stays on a screen smaller than the frame.
void WindowLayoutTest::centredTopLeft_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("even") << QRect(0, 0, 1024, 768) << QSize(330, 360) << 96.0 << QPoint(347, 204);
    QTest::newRow("half pixels") << QRect(0, 0, 1025, 768) << QSize(330, 361) << 96.0 << QPoint(348, 204);
    QTest::newRow("at 120 dpi") << QRect(0, 0, 1025, 768) << QSize(330, 361) << 120.0 << QPoint(348, 204);
    QTest::newRow("below a panel") << QRect(0, 32, 1024, 736) << QSize(330, 360) << 96.0 << QPoint(347, 220);
    QTest::newRow("taller than the screen") << QRect(0, 0, 1024, 600) << QSize(330, 700) << 96.0 << QPoint(347, 0);
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QSize(330, 360) << 96.0 << QPoint(2395, 332);
}

void WindowLayoutTest::centredTopLeft()
{
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(qreal, dpi);
    QFETCH(QPoint, topLeft);
    QCOMPARE(placement::centredTopLeft(area, frame, dpi, dpi), topLeft);
}

// A module window's frame on a 1280 x 800 screen unless a row says
// otherwise; the calculator's frame is given with its size, and stays where
// it is unless a row says where it moves.
void WindowLayoutTest::ratingBesideCalculator_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("calculator");
    QTest::addColumn<QSize>("rating");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QPoint>("calculatorTopLeft");
    const QRect screen(0, 0, 1280, 800);
    const auto row = [](const char *name, const QRect &area, const QRect &calculator, const QSize &module,
                        const QPoint &topLeft, std::optional<QPoint> moved = std::nullopt) {
        QTest::newRow(name) << area << calculator << module << topLeft << moved.value_or(calculator.topLeft());
    };
    row("to the right", screen, QRect(475, 221, 330, 360), QSize(400, 300), QPoint(812, 221));
    row("to the left", screen, QRect(800, 100, 330, 360), QSize(400, 300), QPoint(392, 100));
    // Neither side has room, the screen has for both: the module against
    // the roomier side's edge (a gap from it, lifted to stay above the
    // bottom), the calculator moved beside it, level as it was.
    row("right is roomier", screen, QRect(300, 221, 330, 360), QSize(780, 610), QPoint(492, 182), QPoint(154, 221));
    row("as roomy: the right", screen, QRect(475, 221, 330, 360), QSize(780, 610), QPoint(492, 182), QPoint(154, 221));
    row("left is roomier", screen, QRect(700, 221, 330, 360), QSize(780, 610), QPoint(8, 182), QPoint(796, 221));
    // The screen cannot hold both: over the least of the calculator.
    row("cover the least: above it", QRect(0, 0, 1024, 768), QRect(347, 400, 330, 360), QSize(780, 610),
        QPoint(236, 8));
    row("just fits, no gap", screen, QRect(475, 0, 330, 360), QSize(1280, 800), QPoint(0, 0));
    row("larger than the screen", QRect(0, 0, 1024, 600), QRect(347, 0, 330, 700), QSize(1100, 650), QPoint(0, 0));
    row("calculator above the screen", screen, QRect(475, -40, 330, 360), QSize(400, 300), QPoint(812, 8));
    row("below a panel, to the right", QRect(100, 50, 1180, 750), QRect(120, 60, 330, 360), QSize(500, 400),
        QPoint(457, 60));
    row("no screen known", QRect(), QRect(475, 221, 330, 360), QSize(780, 610), QPoint(812, 221));
}

void WindowLayoutTest::ratingBesideCalculator()
{
    QFETCH(QRect, area);
    QFETCH(QRect, calculator);
    QFETCH(QSize, rating);
    QFETCH(QPoint, topLeft);
    QFETCH(QPoint, calculatorTopLeft);
    const placement::SideBySide at = placement::besideCalculator(area, calculator, rating);
    QCOMPARE(at.module, topLeft);
    QCOMPARE(at.calculator, calculatorTopLeft);
    // Wherever the frame fits the area, all of it is on it, and where both
    // fit side by side, neither covers the other.
    if (area.isValid() && rating.width() <= area.width() && rating.height() <= area.height())
        QVERIFY(area.contains(QRect(at.module, rating)));
    if (area.isValid() && calculator.width() + rating.width() + 3 * placement::kGap <= area.width())
        QVERIFY(!QRect(at.module, rating).intersects(QRect(at.calculator, calculator.size())));
}

void WindowLayoutTest::tabOrderWithRealKeys()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    QCOMPARE(window.focused(), window.control("Text6"));

    const QStringList expected{"Text1", "Text2", "Command1", "Command2", "Text3", "Text4", "Text5", "Text6", "Text1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(window.focused(), Qt::Key_Tab);
        visited << window.focused()->objectName();
    }
    QCOMPARE(visited, expected);
}

void WindowLayoutTest::enterInAnyBoxCalculates_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        QTest::newRow(name) << QString::fromLatin1(name) << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << "Text6" << int(Qt::Key_Enter);
}

void WindowLayoutTest::enterInAnyBoxCalculates()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    window.fill("300", "300", "20", "100");
    QWidget *target = window.w.findChild<QLineEdit *>(box);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(window.control<QLineEdit>("Text4")->text(), QStringLiteral("43.83"));
    QCOMPARE(window.control<QLineEdit>("Text5")->text(), QStringLiteral("10"));
}

void WindowLayoutTest::returnOnFocusedButtonPressesIt()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    window.control<QLineEdit>("Text6")->setText("300");
    auto *clear = window.control<QPushButton>("Command2");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    QCOMPARE(window.control<QLineEdit>("Text6")->text(), QString());

    window.control<QLineEdit>("Text6")->setText("300");
    QTest::keyClick(clear, Qt::Key_Space);
    QCOMPARE(window.control<QLineEdit>("Text6")->text(), QString());
    QCOMPARE(window.focused(), clear); // Clear does not move the focus
}

void WindowLayoutTest::endToEndByKeyboardAndMouse()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.w));
    // Focus starts in the width box; Tab walks width, flow, minimum, then past the
    // buttons to the maximum.
    QTest::keyClicks(window.focused(), "300");
    QTest::keyClick(window.focused(), Qt::Key_Tab);
    // Full-width digits, committed the way a Japanese input method delivers them.
    QInputMethodEvent commit;
    commit.setCommitString(u"３００"_qs);
    QApplication::sendEvent(window.focused(), &commit);
    QTest::keyClick(window.focused(), Qt::Key_Tab);
    QTest::keyClicks(window.focused(), "20");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(window.focused(), Qt::Key_Tab);
    QCOMPARE(window.focused(), window.control("Text3"));
    QTest::keyClicks(window.focused(), "100");
    QTest::mouseClick(window.control("Command1"), Qt::LeftButton);
    QCOMPARE(window.control<QLineEdit>("Text4")->text(), QStringLiteral("43.83"));
    QCOMPARE(window.control<QLineEdit>("Text5")->text(), QStringLiteral("10"));

    QTest::mouseClick(window.control("Command2"), Qt::LeftButton);
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        QVERIFY(window.control<QLineEdit>(name)->text().isEmpty());
}

void WindowLayoutTest::printedLineIsRedInTheGrab()
{
    ShownWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.w));
    window.fill("300", "300", "60", "100");
    QTest::mouseClick(window.control("Command1"), Qt::LeftButton);

    const QString line = window.w.messageLines()->lines().value(0);
    QCOMPARE(line, QStringLiteral(u"  解がありません。挟込範囲を変更して下さい。"));
    const QFontMetrics metrics(window.w.font());
    QVERIFY2(metrics.horizontalAdvance(line) <= window.w.width(), "the no-root line is wider than the window");

    // Glyph edges are blended into the grey, so count pixels that are clearly
    // red rather than exactly (255, 0, 0).
    const auto countRed = [&window](int fromRow, int toRow) {
        const QImage image = window.w.clientArea()->grab().toImage();
        int red = 0;
        for (int y = fromRow; y < toRow; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() - std::max(c.green(), c.blue()) > 80;
            }
        }
        return red;
    };
    const int lineHeight = metrics.lineSpacing();
    // The line at the top-left, the line saying what to change under it, both
    // above the first control, and nothing red elsewhere.
    const int band = window.control("Text6")->y();
    QVERIFY(countRed(0, lineHeight) > 50);
    QVERIFY(countRed(lineHeight, band) > 50);
    QCOMPARE(countRed(band, window.w.clientArea()->height()), 0);

    // It survives a hide and show.
    window.w.hide();
    window.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.w));
    QVERIFY(countRed(0, lineHeight) > 50);
    QVERIFY(window.w.messageLines()->text().contains(line)); // what a screen reader reads
}

void WindowLayoutTest::labelsAreBuddiesOfTheirBoxes()
{
    WeirHeadWindow w;
    const QList<std::pair<const char *, const char *>> pairs{{"Label7", "Text6"}, {"Label2", "Text1"},
                                                             {"Label3", "Text2"}, {"Label4", "Text3"},
                                                             {"Label5", "Text4"}, {"Label1", "Text5"}};
    for (const auto &[label, box] : pairs)
        QCOMPARE(w.findChild<QLabel *>(label)->buddy(), w.findChild<QWidget *>(box));
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
