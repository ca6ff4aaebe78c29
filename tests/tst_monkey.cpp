// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// Thousands of random user actions on a real window: typing anything at all
// into the boxes, Calculate, Clear, Return and Tab. After every action the
// properties in support/window_invariants.h must hold. Seeded: a failure names
// the seed and the steps, and MONKEY_SEED=<seed> replays them.

#include "calculator/weir_head_window.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_formula.h"
#include "tests/support/window_invariants.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace weir;

namespace {

// Pieces a user (or a cat on the keyboard) might type.
const QStringList kPieces{
    "0",          "1",      "2",          "5",          "9",      "20",         "100",
    "300",        ".",      ",",          "-",          "+",      "e",          "E",
    "e-",         "e+",     "1e308",      "1e309",      "1e-400", "4.9e-324",   "99999999999999999999",
    "0.000001",   " ",      "\t",         u"０"_qs,     u"３"_qs, u"９"_qs,     u"．"_qs,
    u"，"_qs,     u"＋"_qs, u"－"_qs,     u"\u2212"_qs, u"ー"_qs, u"。"_qs,     u"｡"_qs,
    u"ｅ"_qs,     u"Ｅ"_qs, u"\u3000"_qs, u"堰"_qs,     u"💧"_qs,  u"\u200b"_qs, u"\u0001"_qs,
    u"\u007f"_qs, "inf",    "nan",        "mm",         "abc"};

QString randomText(QRandomGenerator &random)
{
    // Often a plausible entry, so that many calculations get all the way through.
    if (random.bounded(3) == 0)
        return QString::number(random.bounded(1.0) * std::pow(10.0, random.bounded(-2, 6)), 'g', random.bounded(1, 17));
    QString text;
    const int pieces = random.bounded(8);
    for (int i = 0; i < pieces; ++i)
        text += kPieces[random.bounded(kPieces.size())];
    if (random.bounded(40) == 0) // now and then a very long paste
        text += QString(random.bounded(500, 3000), QChar(u'0' + random.bounded(10)));
    return text;
}

// A real problem: a weir, a head, the flow it passes and a bracket around it.
BoxTexts plausibleProblem(QRandomGenerator &random)
{
    const double widthMm = 10 + random.bounded(5000.0);
    const double headMm = 1 + random.bounded(std::min(1000.0, widthMm));
    const double flowLpm = units::litresPerMinuteFromCubicMetresPerSecond(
        weirDischarge(units::metresFromMillimetres(headMm), units::metresFromMillimetres(widthMm)));
    const double lower = headMm * (0.1 + random.bounded(1.0));
    const double upper = headMm * (1 + random.bounded(4.0));
    const auto text = [&random](double v) { return QString::number(v, 'g', random.bounded(3, 17)); };
    return {text(widthMm), text(flowLpm), text(lower), text(upper)};
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepEveryProperty();
};

void MonkeyTest::randomActionsKeepEveryProperty()
{
    const quint32 seed
        = qEnvironmentVariableIsSet("MONKEY_SEED") ? quint32(qEnvironmentVariableIntValue("MONKEY_SEED")) : 20261208u;
    const int steps = qEnvironmentVariableIsSet("MONKEY_STEPS") ? qEnvironmentVariableIntValue("MONKEY_STEPS") : 50000;
    QRandomGenerator random(seed);

    WeirHeadWindow window;
    window.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList log;
    const auto failWith = [&](const QString &problem) {
        return QStringLiteral("%1\nseed %2 (replay with MONKEY_SEED=%2), last steps:\n  %3")
            .arg(problem)
            .arg(seed)
            .arg(log.mid(std::max<qsizetype>(0, log.size() - 15)).join(QStringLiteral("\n  ")));
    };
    int calculations = 0;
    int results = 0;

    for (int step = 0; step < steps; ++step) {
        const invariants::Snapshot before = invariants::snapshot(window);
        const int action = random.bounded(10);
        bool calculated = false;
        bool cleared = false;

        if (action == 0) { // type a whole plausible problem
            invariants::fill(window, plausibleProblem(random));
            log << QStringLiteral("fill [%1]").arg(invariants::snapshot(window).inputs().join(QStringLiteral("] [")));
        } else if (action < 4) { // type into one of the input boxes
            QLineEdit *box = window.inputBox(InputBox(random.bounded(int(kInputBoxCount))));
            const QString text = randomText(random);
            box->setFocus();
            if (random.bounded(2))
                box->clear();
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
            log << QStringLiteral("%1 type [%2] -> [%3]").arg(box->objectName(), text.left(40), box->text().left(40));
        } else if (action < 6) {
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            calculated = true;
            log << QStringLiteral("click 計算");
        } else if (action == 6) {
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
            cleared = true;
            log << QStringLiteral("click クリヤ");
        } else if (action < 9) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            const QString name = focused->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
            calculated = name != QLatin1String("Command2");
            cleared = !calculated;
            log << QStringLiteral("Return in %1").arg(name);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            log << QStringLiteral("Tab to %1").arg(QApplication::focusWidget()->objectName());
        }

        const invariants::Snapshot after = invariants::snapshot(window);
        QString problem;
        if (calculated) {
            ++calculations;
            problem = invariants::checkAfterCalculate(before, after, window.locale());
            results += !after.head.isEmpty();
        } else if (cleared) {
            problem = invariants::checkAfterClear(after);
        } else if (after.printed != before.printed || after.head != before.head || after.trials != before.trials) {
            problem = QStringLiteral("typing or Tab changed the outputs");
        }
        if (!problem.isEmpty())
            QFAIL(qPrintable(failWith(problem)));
    }
    qInfo("%d actions, %d calculations, %d heads shown, seed %u", steps, calculations, results, seed);
    QVERIFY(calculations > steps / 10);
    QVERIFY(results > calculations / 20);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
