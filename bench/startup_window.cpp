// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// Start-up of the calculator, as the program starts it: the translations,
// the application prepared, the window built and shown; quit on its first
// frame.
#include "app/qt_translations.h"
#include "bench/startup_probe.h"
#include "calculator/weir_head_window.h"

using namespace weir;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    WeirHeadWindow::prepareApplication();
    WeirHeadWindow window;
    return showUntilFirstFrame(app, window);
}
