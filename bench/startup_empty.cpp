// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// Baseline for the start-up benchmark: an empty window of the calculator's size.
#include "bench/startup_probe.h"
#include "calculator/layout_table.h"

using namespace weir;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(Layout::twipsToPixels(Layout::kClientWidth, window.logicalDpiX()),
                        Layout::twipsToPixels(Layout::kClientHeight, window.logicalDpiY()));
    return showUntilFirstFrame(app, window);
}
