// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// Baseline for the start-up benchmark: an empty window of the calculator's
// size, linking nothing of the program's (Qt alone).
#include "bench/startup_probe.h"

#include <cmath>

namespace {

// The calculator's client area, 3600 x 4845 twips (1440 to the inch), as
// plain numbers: at 96 dpi 240 x 323 pixels.
int pixels(int twips, double dotsPerInch)
{
    return int(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(pixels(3600, window.logicalDpiX()), pixels(4845, window.logicalDpiY()));
    return weir::showUntilFirstFrame(app, window);
}
