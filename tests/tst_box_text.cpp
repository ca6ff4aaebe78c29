// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/box_number.h"
#include "common/number_text.h"
#include "tests/support/locales.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace weir;

Q_DECLARE_METATYPE(BoxNumber::Status)

namespace {
using test::kJapanese;
const QLocale kGerman(QLocale::German, QLocale::Germany);
} // namespace

class BoxTextTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void fixedPattern_data();
    void fixedPattern();
    void pointAloneDoesNotReadBack();
    void generalForm_data();
    void generalForm();
    void directPathsMatchTheLocale_data();
    void directPathsMatchTheLocale();
    void plainDecimalsReadAsTheLocaleReads();
};

void BoxTextTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<BoxNumber::Status>("status");
    QTest::addColumn<double>("value");

    using S = BoxNumber::Status;
    QTest::newRow("plain") << "300" << kJapanese << S::Ok << 300.0;
    QTest::newRow("decimal") << "43.83" << kJapanese << S::Ok << 43.83;
    QTest::newRow("surrounding spaces") << "  20 \t" << kJapanese << S::Ok << 20.0;
    QTest::newRow("ideographic spaces") << u"\u3000２０\u3000"_qs << kJapanese << S::Ok << 20.0;
    QTest::newRow("grouping") << "1,234.5" << kJapanese << S::Ok << 1234.5;
    QTest::newRow("exponent") << "1.5e2" << kJapanese << S::Ok << 150.0;
    QTest::newRow("signs") << "-7.25" << kJapanese << S::Ok << -7.25;
    QTest::newRow("full-width digits") << u"３００"_qs << kJapanese << S::Ok << 300.0;
    QTest::newRow("full-width point") << u"４３．８３"_qs << kJapanese << S::Ok << 43.83;
    QTest::newRow("full-width grouping") << u"１，２３４"_qs << kJapanese << S::Ok << 1234.0;
    QTest::newRow("full-width plus") << u"＋５"_qs << kJapanese << S::Ok << 5.0;
    QTest::newRow("full-width minus") << u"－５"_qs << kJapanese << S::Ok << -5.0;
    QTest::newRow("minus sign") << u"\u22125"_qs << kJapanese << S::Ok << -5.0;
    QTest::newRow("prolonged sound mark as minus") << u"ー５"_qs << kJapanese << S::Ok << -5.0;
    QTest::newRow("decimal comma") << "43,83" << kGerman << S::Ok << 43.83;
    QTest::newRow("full-width decimal comma") << u"４３，８３"_qs << kGerman << S::Ok << 43.83;
    QTest::newRow("German grouping") << "1.234,5" << kGerman << S::Ok << 1234.5;
    QTest::newRow("underflow is zero") << "1e-400" << kJapanese << S::Ok << 0.0;

    // What a Japanese input method (mozc, default settings) commits for
    // minus/period keys, decided by what precedes them.
    QTest::newRow("IME: minus 3 0 0") << u"\u2212３００"_qs << kJapanese << S::Ok << -300.0;
    QTest::newRow("IME: 3 0 0 period 5") << u"３００．５"_qs << kJapanese << S::Ok << 300.5;
    QTest::newRow("IME: minus, then 2 0") << u"ー２０"_qs << kJapanese << S::Ok << -20.0;
    QTest::newRow("IME: period 5") << u"。５"_qs << kJapanese << S::Ok << 0.5;
    QTest::newRow("full stop between digits") << u"３。５"_qs << kJapanese << S::Ok << 3.5;
    QTest::newRow("full stop after digits") << u"３。"_qs << kJapanese << S::Ok << 3.0;
    QTest::newRow("half-width full stop") << u"｡５"_qs << kJapanese << S::Ok << 0.5;
    QTest::newRow("full stop is the decimal comma") << u"４３。８３"_qs << kGerman << S::Ok << 43.83;
    QTest::newRow("full-width exponent") << u"１ｅ３"_qs << kJapanese << S::Ok << 1000.0;
    QTest::newRow("full-width capital exponent") << u"２．５Ｅ－２"_qs << kJapanese << S::Ok << 0.025;

    QTest::newRow("full stop alone") << u"。"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("two full stops first") << u"。。５"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("two full stops between") << u"３。。５"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("two decimal points") << u"５。５。５"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("full stop and point") << u"５.５。"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("full stop in a sentence") << u"３００です。"_qs << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("spaces only") << "   " << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("unit after number") << "300mm" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("letters") << "abc" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("inf") << "inf" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("nan") << "nan" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("misplaced grouping") << "12,34" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("point in decimal-comma locale") << "43.83" << kGerman << S::NotANumber << 0.0;
    QTest::newRow("two numbers") << "1 2" << kJapanese << S::NotANumber << 0.0;
    QTest::newRow("bad exponent") << "1e-x" << kJapanese << S::NotANumber << 0.0;

    QTest::newRow("overflow") << "1e400" << kJapanese << S::TooLarge << 0.0;
    QTest::newRow("negative overflow") << u"－１e400"_qs << kJapanese << S::TooLarge << 0.0;
}

void BoxTextTest::parse()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(BoxNumber::Status, status);
    QFETCH(double, value);
    const BoxNumber parsed = parseBoxNumber(text, locale);
    QCOMPARE(parsed.status, status);
    if (status == BoxNumber::Status::Ok)
        QCOMPARE(parsed.value, value);
}

void BoxTextTest::fixedPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example") << 0.0438281 << ".04383";
    QTest::newRow("no trailing zeros") << 0.0438 << ".0438";
    QTest::newRow("whole metres") << 2.0 << "2";
    QTest::newRow("metres and decimals") << 1.722341 << "1.72234";
    QTest::newRow("half rounds away from zero") << 0.043825 << ".04383";
    QTest::newRow("just below half") << 0.0438249 << ".04382";
    QTest::newRow("carry into the integer") << 0.999996 << "1";
    QTest::newRow("carry through nines") << 9.999995 << "10";
    QTest::newRow("smallest shown") << 0.000005 << ".00001";
    QTest::newRow("below the last decimal") << 0.0000049 << ".";
    QTest::newRow("zero") << 0.0 << ".";
    QTest::newRow("large") << 123456.7 << "123456.7";
    QTest::newRow("beyond 15 digits") << 1e20 << "100000000000000000000";
    QTest::newRow("negative") << -0.0438281 << "-.04383";
    QTest::newRow("negative to zero") << -0.000001 << ".";
}

void BoxTextTest::fixedPattern()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatFixedPattern(value), text);
}

void BoxTextTest::pointAloneDoesNotReadBack()
{
    double value = 42.0;
    QVERIFY(!readFixedPattern(QStringLiteral("."), &value));
    QVERIFY(readFixedPattern(QStringLiteral(".04383"), &value));
    QCOMPARE(value, 0.04383);
}

void BoxTextTest::generalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example") << 0.04383 * 1000 << kJapanese << "43.83";
    QTest::newRow("no grouping") << 1.72234 * 1000 << kJapanese << "1722.34";
    QTest::newRow("decimal comma") << 0.04383 * 1000 << kGerman << "43,83";
    QTest::newRow("no grouping, decimal comma") << 1.72234 * 1000 << kGerman << "1722,34";
    QTest::newRow("whole") << 2000.0 << kJapanese << "2000";
    QTest::newRow("zero") << 0.0 << kJapanese << "0";
    QTest::newRow("fifteen digits") << 123456.78901234567 << kJapanese << "123456.789012346";
}

void BoxTextTest::generalForm()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(generalNumberText(value, locale), text);
}

// Numbers are written straight by to_chars where a locale writes them as C
// does, and that must be exactly what QLocale writes: over a spread of
// magnitudes, values of few binary digits (where exact ties lie: 0.125 to two
// decimals), and the magnitudes where the general form turns to exponents.
void BoxTextTest::directPathsMatchTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Japanese") << kJapanese;
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("German (never direct)") << kGerman;
}

void BoxTextTest::directPathsMatchTheLocale()
{
    QFETCH(QLocale, locale);
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> exponent(-8.0, 17.0);
    QList<double> values{
        0.125, 0.375, 2.625, 0.0001, 0.0000999, 1e15, 999999999999999.0, 824697643558646.5, 73603256719476.25,
        0.0,   -0.0,  -1.5,  1e-300};
    for (int i = 0; i < 40000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        values << value << std::round(value * 100) / 100 << std::round(value * 8) / 8 << -value;
    }
    for (const double value : std::as_const(values)) {
        QCOMPARE(generalNumberText(value, locale), plain.toString(value, 'g', 15));
        for (const int decimals : {0, 2, 5, 7})
            QCOMPARE(fixedNumberText(value, decimals, locale), plain.toString(value, 'f', decimals));
    }
}

// The direct reading of plain decimals gives the locale's own double for
// every text of digits, a point and a minus, and leaves everything else alone.
void BoxTextTest::plainDecimalsReadAsTheLocaleReads()
{
    std::mt19937_64 random(7);
    const QString alphabet = QStringLiteral("0123456789.-");
    for (int i = 0; i < 50000; ++i) {
        QString text;
        const int length = 1 + int(random() % 30);
        for (int c = 0; c < length; ++c)
            text += alphabet[qsizetype(random() % std::uint64_t(c == 0 ? 12 : 11))];
        bool ok = false;
        const double expected = QLocale::c().toDouble(text, &ok);
        const std::optional<double> direct = readPlainDecimal(text);
        if (direct) {
            QVERIFY2(ok, qPrintable(text));
            QCOMPARE(*direct, expected);
            QCOMPARE(std::signbit(*direct), std::signbit(expected));
        }
        const BoxNumber parsed = parseBoxNumber(text, kJapanese);
        QCOMPARE(parsed.status == BoxNumber::Status::Ok, ok);
        if (ok)
            QCOMPARE(parsed.value, expected);
    }
    for (const QString &text : {u"1e5"_qs, u" 5"_qs, u"+5"_qs, u"1,000"_qs, u"５"_qs, u"."_qs, u"-"_qs, u"1.2.3"_qs})
        QVERIFY2(!readPlainDecimal(text), qPrintable(text));
    QCOMPARE(readPlainDecimal(u"0043.8300"_qs).value_or(0), 43.83);
    QCOMPARE(readPlainDecimal(u"-.5"_qs).value_or(0), -0.5);
}

QTEST_APPLESS_MAIN(BoxTextTest)
#include "tst_box_text.moc"
