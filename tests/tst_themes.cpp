// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The window under light, dark and high-contrast desktop palettes: every text
// in the client area stays readable against what is behind it, and the
// colours the window fixes stay what they are.
#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "tests/support/window_invariants.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <map>

using namespace weir;

namespace {

// WCAG 2.1 relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a piece of the screen shows: the colour most of it has, and the text
// colour that stands out most from it (the cores of the glyph strokes).
struct Inked {
    QColor background;
    QColor ink;
    double ratio = 1.0;
};

Inked inkOn(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto &a, const auto &b) { return a.second < b.second; });
    Inked inked{QColor(most->first), QColor(most->first), 1.0};
    for (const auto &[rgb, count] : counts) {
        const double ratio = contrast(QColor(rgb), inked.background);
        if (ratio > inked.ratio)
            inked = {inked.background, QColor(rgb), ratio};
    }
    return inked;
}

// Thin strokes are blended into the background at their edges; a stroke's core
// comes within a few steps of the colour it is drawn in.
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 16 && std::abs(a.green() - b.green()) <= 16
        && std::abs(a.blue() - b.blue()) <= 16;
}

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    p.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

QPalette highContrast(const QColor &ink, const QColor &paper)
{
    QPalette p(ink, paper, paper, ink, ink, ink, ink, paper, paper);
    p.setColor(QPalette::Highlight, ink);
    p.setColor(QPalette::HighlightedText, paper);
    return p;
}

} // namespace

class ThemesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }
    void readableOnEveryDesktop_data();
    void readableOnEveryDesktop();
};

void ThemesTest::readableOnEveryDesktop_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("high contrast, black on white") << highContrast(Qt::black, Qt::white);
    QTest::newRow("high contrast, white on black") << highContrast(Qt::white, Qt::black);
}

void ThemesTest::readableOnEveryDesktop()
{
    QFETCH(QPalette, desktop);
    QApplication::setPalette(desktop);
    WeirHeadWindow w;
    w.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    invariants::fill(w, {"300", "300", "20", "100"});
    w.calculate();
    QCOMPARE(w.headBox()->text(), QStringLiteral("43.83"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QColor grey(0xC0, 0xC0, 0xC0);
    const QColor pink(0xFF, 0x80, 0xFF);
    for (const QWidget *control : w.clientArea()->findChildren<QWidget *>()) {
        if (qobject_cast<const MessageLines *>(control) || control->size().isEmpty())
            continue; // the printed lines' red is the design's; nothing to see in an empty widget
        QRect area = control->geometry();
        if (qobject_cast<const QLabel *>(control)) {
            area.setHeight(std::min(area.height(), 2 * control->fontMetrics().lineSpacing()));
        } else {
            area.adjust(3, 3, -3, -3); // inside the frame
        }
        const Inked inked = inkOn(shot, area);
        const QString name = control->objectName();
        const QString what = QStringLiteral("%1: ink %2 on %3, %4:1")
                                 .arg(name, inked.ink.name(), inked.background.name())
                                 .arg(inked.ratio, 0, 'f', 2);
        qInfo("%s", qPrintable(what));

        if (qobject_cast<const QLabel *>(control)) {
            QCOMPARE(inked.background, grey);
            if (name == QLatin1String("Label6"))
                QVERIFY2(near(inked.ink, QColor(0, 0, 255)), qPrintable(what));
        } else if (qobject_cast<const QLineEdit *>(control)) {
            QCOMPARE(inked.background, QColor(Qt::white));
            if (name == QLatin1String("Text4"))
                QVERIFY2(near(inked.ink, Qt::black), qPrintable(what));
        }
        if (name == QLatin1String("Text5")) {
            // The trial count keeps the pink it was drawn in, about 2:1 on white.
            QVERIFY2(near(inked.ink, pink), qPrintable(what));
            continue;
        }
        QVERIFY2(inked.ratio >= 4.5, qPrintable(what));
    }
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
