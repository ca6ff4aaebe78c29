// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QList>

namespace weir {

// The window's message lines: lines of text drawn from the top-left corner of
// the client area downwards, each in the colour it was given.
//
// Lines go in the band above the first control (setBandHeight) and never run
// under it: a line wider than the window continues on the next row, broken
// where Japanese text may break (between ideographs, never before 。 or 、),
// and when the rows would not fit in the band the font is condensed a little
// until they do. The band holds two rows.
//
// Every line is shown indented by two spaces, as the window has always
// shown them; the texts handed to it carry no indentation of their own.
//
// It lies under every control and lets the mouse through. Being a label, its
// text is the lines shown, for assistive technology.
class MessageLines : public QLabel
{
    Q_OBJECT

public:
    explicit MessageLines(QWidget *parent = nullptr);

    static constexpr int kRows = 2;
    static constexpr QStringView kIndent = u"  ";

    struct Line {
        QString text;
        QColor color;
    };

    void setBandHeight(int pixels);
    void addLine(const QString &line, const QColor &color);
    void clearLines();

    // The lines as printed, indentation included.
    QStringList lines() const;
    QColor colorOfLine(qsizetype index) const;

    // How the printed lines are painted: each row of text with its baseline,
    // and the font they are painted in.
    struct Row {
        QString text;
        QColor color;
        int baseline = 0;
        int width = 0; // pixels the row's text takes
    };
    struct Painted {
        QFont font;
        QList<Row> rows;
    };
    Painted painted() const;
    // The same for any lines, font, width and band: what a test measures.
    static Painted layOut(const QList<Line> &lines, const QFont &font, int width, int bandHeight);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Line> m_lines;
    int m_bandHeight = 0;
};

} // namespace weir
