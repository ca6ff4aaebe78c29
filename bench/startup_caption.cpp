// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// A second reference for the start-up benchmark: the empty window with one
// caption in the window's font. It tells the price of drawing any Japanese text
// at all (fontconfig, FreeType, HarfBuzz) apart from the price of the calculator.
#include "bench/startup_probe.h"
#include "calculator/layout_table.h"
#include "calculator/weir_head_window.h"

#include <QLabel>

using namespace weir;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(WeirHeadWindow::designFont());
    QWidget window;
    window.setFixedSize(Layout::twipsToPixels(Layout::kClientWidth, window.logicalDpiX()),
                        Layout::twipsToPixels(Layout::kClientHeight, window.logicalDpiY()));
    QLabel caption(QStringLiteral(u"堰の幅(mm)"), &window);
    return showUntilFirstFrame(app, window);
}
