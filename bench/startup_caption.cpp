// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// The floor the start-up benchmark measures the calculator against: the empty
// window with one Japanese caption in the window's font, linking nothing of
// the program's (the font and the size written here as plain values). It
// tells the price of drawing any Japanese text at all (fontconfig, FreeType,
// HarfBuzz) apart from the price of the calculator.
#include "bench/startup_probe.h"

#include <QFont>
#include <QLabel>

#include <cmath>

namespace {

int pixels(int twips, double dotsPerInch)
{
    return int(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The calculator's font: a 9-point Japanese Gothic UI font, IPA P Gothic
    // here, MS UI Gothic on Windows, with their stand-ins.
    const QStringList families{QStringLiteral("IPAPGothic"), QStringLiteral("MS UI Gothic"),
                               QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI")};
    QFont font(families.constFirst(), 9);
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QWidget window;
    window.setFixedSize(pixels(3600, window.logicalDpiX()), pixels(4845, window.logicalDpiY()));
    QLabel caption(QStringLiteral(u"堰の幅(mm)"), &window);
    return weir::showUntilFirstFrame(app, window);
}
