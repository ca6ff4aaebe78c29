// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// What opening the rating window costs: the calculator as the program starts
// it, then its rating window opened at once (its module loaded, the table and
// curve built); quits on the rating window's first painted frame.
#include "bench/startup_probe.h"
#include "calculator/weir_head_window.h"
#include "common/module_loader.h"
#include "rating/rating_window_interface.h"

#include <QTimer>

#include <cstdio>

using namespace weir;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Without its module the window would say so in a message box and wait
    // for it to be closed: say so here instead. (Loaded now or a moment
    // later, the module is loaded within the run that is timed.)
    if (const Outcome<RatingWindowFactory *> load = loadModule<RatingWindowFactory>(QStringLiteral("weir-head-rating"));
        !load) {
        std::fprintf(stderr, "startup_rating: no rating module (%s); set WEIR_HEAD_MODULE_PATH\n",
                     qPrintable(load.words()));
        return 1;
    }
    WeirHeadWindow::prepareApplication();
    WeirHeadWindow window;
    QTimer::singleShot(0, &window, &WeirHeadWindow::openRatingWindow);
    return showUntilFirstFrame(app, window, "ratingWindow");
}
