// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "captions.h"
#include "weir_head_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Caption::window.trimmed());
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.weirhead.overflowhead"));
    QApplication::setFont(WeirHeadWindow::designFont());

    WeirHeadWindow window;
    window.show();
    return app.exec();
}
