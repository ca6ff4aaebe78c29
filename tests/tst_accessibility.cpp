// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The accessible interfaces in process: the text boxes answer every boundary
// request with a sane piece of their text (the AT-SPI test asks the same over
// the bus), and each Calculate leaves an announcement a screen reader speaks.
#include "accessibility/announcer.h"
#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "tests/support/window_invariants.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace weir;

namespace {

struct Piece {
    QString text;
    int start = -1;
    int end = -1;
};

using Ask = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int *, int *) const;

Piece ask(QAccessibleTextInterface *text, Ask question, int offset, QAccessible::TextBoundaryType boundary)
{
    Piece piece;
    piece.text = (text->*question)(offset, boundary, &piece.start, &piece.end);
    return piece;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void boundariesAlwaysAnswer_data();
    void boundariesAlwaysAnswer();
    void eachOutcomeIsAnnounced_data();
    void eachOutcomeIsAnnounced();
    void complaintForgottenWhenTextChanges();
};

void AccessibilityTest::boundariesAlwaysAnswer_data()
{
    QTest::addColumn<QString>("text");
    for (const QString &text :
         {u""_qs, u"300"_qs, u"43.83"_qs, u"1 2  3"_qs, u"３００．５"_qs, u"a. b. c"_qs, u"💧1"_qs, u" 20 "_qs})
        QTest::newRow(qPrintable(text)) << text;
}

void AccessibilityTest::boundariesAlwaysAnswer()
{
    QFETCH(QString, text);
    WeirHeadWindow w;
    QLineEdit *box = w.inputBox(InputBox::Flow);
    box->setText(text);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QCOMPARE(iface->text(QAccessible::Name), u"流量(L/min)"_qs);
    QAccessibleTextInterface *textInterface = iface->textInterface();
    QVERIFY(textInterface);
    const int length = int(text.size());
    QCOMPARE(textInterface->characterCount(), length);

    for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
                                QAccessible::LineBoundary, QAccessible::ParagraphBoundary}) {
        for (int offset = 0; offset <= length; ++offset) {
            const QString where = QStringLiteral("boundary %1 at %2").arg(int(boundary)).arg(offset);
            const Piece at = ask(textInterface, &QAccessibleTextInterface::textAtOffset, offset, boundary);
            QVERIFY2(0 <= at.start && at.start <= at.end && at.end <= length, qPrintable(where));
            QCOMPARE(at.text, text.mid(at.start, at.end - at.start));
            if (offset < length)
                QVERIFY2(at.start <= offset && offset < at.end, qPrintable(where));
            else
                QCOMPARE(at.end, length);

            const Piece before = ask(textInterface, &QAccessibleTextInterface::textBeforeOffset, offset, boundary);
            if (before.start >= 0) {
                QVERIFY2(before.end <= at.start && before.start < before.end, qPrintable(where));
                QCOMPARE(before.text, text.mid(before.start, before.end - before.start));
            }
            const Piece after = ask(textInterface, &QAccessibleTextInterface::textAfterOffset, offset, boundary);
            if (after.start >= 0) {
                QVERIFY2(after.start >= at.end && after.start < after.end, qPrintable(where));
                QCOMPARE(after.text, text.mid(after.start, after.end - after.start));
            }
        }
    }
    // One attribute run over the whole text, wherever it is asked.
    for (int offset = 0; offset <= length; ++offset) {
        int start = -1, end = -1;
        textInterface->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, length);
    }
}

void AccessibilityTest::eachOutcomeIsAnnounced_data()
{
    QTest::addColumn<BoxTexts>("texts");
    QTest::addColumn<QString>("announcement");
    QTest::newRow("worked example") << BoxTexts{"300", "300", "20", "100"} << u"越流高さ(mm) 43.83、Trial回数 10"_qs;
    QTest::newRow("below the range") << BoxTexts{"300", "10", "1", "100"}
                                     << u"越流高さ(mm) 3.71、Trial回数 8、20mm未満は公式の適用範囲外です。"_qs;
    QTest::newRow("no root") << BoxTexts{
        "300", "300", "60",
        "100"} << u"解がありません。挟込範囲を変更して下さい。 越流高さは最小値より下の約43.83mmです。"_qs;
    QTest::newRow("bad flow") << BoxTexts{"300", "abc", "20", "100"} << u"流量(L/min)が数値ではありません。"_qs;
    QTest::newRow("a box empty: silence") << BoxTexts{"300", "300", "20", ""} << QString();
}

void AccessibilityTest::eachOutcomeIsAnnounced()
{
    QFETCH(BoxTexts, texts);
    QFETCH(QString, announcement);
    WeirHeadWindow w;
    w.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    invariants::fill(w, texts);
    w.calculateButton()->click();

    Announcer *announcer = w.announcer();
    QCOMPARE(announcer->lastAnnouncement(), announcement);
    QCOMPARE(announcer->isVisible(), !announcement.isEmpty()); // a showing notification is what Orca speaks
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(iface->role(), QAccessible::Notification);
    QCOMPARE(iface->text(QAccessible::Name), announcement);
    // Nothing printed, nothing for a reader to find on the surface either.
    QCOMPARE(w.messageLines()->isVisible(), !w.messageLines()->lines().isEmpty());

    w.clearButton()->click();
    QVERIFY(!announcer->isVisible());
    QVERIFY(!w.messageLines()->isVisible());
}

void AccessibilityTest::complaintForgottenWhenTextChanges()
{
    WeirHeadWindow w;
    invariants::fill(w, {"300", "abc", "20", "100"});
    w.calculate();
    QLineEdit *flow = w.inputBox(InputBox::Flow);
    QCOMPARE(flow->accessibleDescription(), u"流量(L/min)が数値ではありません。"_qs);
    flow->setText("300");
    QCOMPARE(flow->accessibleDescription(), QString());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
