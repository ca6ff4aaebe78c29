// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// What opening the rating window costs: the calculator as the program starts
// it, then its rating window opened at once (its module loaded, the table and
// curve built); quits on the rating window's first painted frame.
#include "bench/startup_probe.h"
#include "calculator/weir_head_window.h"

#include <QTimer>

using namespace weir;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WeirHeadWindow::prepareApplication();
    WeirHeadWindow window;
    QTimer::singleShot(0, &window, &WeirHeadWindow::openRatingWindow);
    return showUntilFirstFrame(app, window, "ratingWindow");
}
