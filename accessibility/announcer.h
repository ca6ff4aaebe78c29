// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QWidget>

namespace weir {

// Says something to a screen reader without showing anything.
//
// The outcome of a calculation appears in places a screen reader has no
// reason to look at (boxes without the focus, lines printed on the window),
// and the alert event a widget can raise never reaches AT-SPI in Qt 6.4. What
// Orca does speak, wherever the focus is, is a notification that becomes
// showing. The announcer is such a notification: an invisible child of the
// window, named by the text to say, shown for each announcement.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    void announce(const QString &text);
    QString lastAnnouncement() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *) override {}

private:
    QString m_text;
};

} // namespace weir
