// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QColor>
#include <QLabel>
#include <QList>

// The window's print surface: lines of text drawn from the top-left corner of
// the client area downwards, each in the print colour it was printed with.
//
// It lies under every control and lets the mouse through. Being a label, it is
// read by assistive technology: its text is the printed lines, and each printed
// line is also raised as an alert so a screen reader speaks it.
class PrintedOutput : public QLabel
{
    Q_OBJECT

public:
    explicit PrintedOutput(QWidget *parent = nullptr);

    void printLine(const QString &line, const QColor &color);
    void clearOutput();

    QStringList lines() const;
    QColor colorOfLine(qsizetype index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Line {
        QString text;
        QColor color;
    };
    QList<Line> m_lines;
};
