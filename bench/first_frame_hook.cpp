// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// Linked beside the program's own main to make startup_window: the very
// program, start to first frame. When the program makes its QApplication, a
// first-frame quitter is installed on it; as the program quits, its peak
// resident set size is printed. Nothing of the program is left out or added
// but this.
#include "bench/startup_probe.h"

namespace {

void quitOnTheFirstFrame()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return; // a subcommand or --help: no window to wait for
    auto *quitter = new weir::FirstFrameQuitter;
    quitter->setParent(qApp);
    qApp->installEventFilter(quitter);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &weir::printPeakRss);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitOnTheFirstFrame)
