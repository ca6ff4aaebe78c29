// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// Shared by the start-up programs: quit as soon as a window's first frame has
// been painted, and print the process's peak resident set size.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <sys/resource.h>

namespace weir {

class FirstFrameQuitter : public QObject
{
public:
    // With a window name, the first frame of that window, not of any.
    explicit FirstFrameQuitter(const char *windowName = nullptr)
        : m_windowName(windowName)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && (!m_windowName
                || static_cast<QWidget *>(watched)->window()->objectName() == QLatin1String(m_windowName))) {
            m_seen = true;
            // Quit once this paint has been delivered and flushed to the screen.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char *m_windowName;
    bool m_seen = false;
};

inline void printPeakRss()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    std::fflush(stdout);
}

inline int showUntilFirstFrame(QApplication &app, QWidget &window, const char *untilWindow = nullptr)
{
    FirstFrameQuitter quitter(untilWindow);
    // Any widget's first paint: the window itself may be covered wholly by its
    // children and never be painted on its own.
    app.installEventFilter(&quitter);
    window.show();
    const int status = app.exec();
    if (status == 0)
        printPeakRss();
    return status;
}

} // namespace weir
