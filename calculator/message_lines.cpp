// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/message_lines.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace weir {

MessageLines::MessageLines(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("printedOutput"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    hide(); // nothing printed: nothing for a screen reader to find either
}

void MessageLines::setBandHeight(int pixels)
{
    m_bandHeight = pixels;
    update();
}

void MessageLines::addLine(const QString &line, const QColor &color)
{
    m_lines.append({kIndent.toString() + line, color});
    setText(lines().join(QLatin1Char('\n')));
    show();
    update();
}

void MessageLines::clearLines()
{
    m_lines.clear();
    clear();
    hide();
}

QStringList MessageLines::lines() const
{
    QStringList texts;
    for (const Line &line : m_lines)
        texts.append(line.text);
    return texts;
}

QColor MessageLines::colorOfLine(qsizetype index) const
{
    return m_lines.value(index).color;
}

namespace {

// One printed line broken into rows no wider than the width, by the Unicode
// line-breaking rules (which break Japanese between most characters and keep
// closing punctuation with what precedes it).
QList<std::pair<QString, int>> breakLine(const QString &text, const QFont &font, int width)
{
    QList<std::pair<QString, int>> rows;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString row = text.mid(line.textStart(), line.textLength());
        rows.append({row, int(std::ceil(line.naturalTextWidth()))});
    }
    layout.endLayout();
    return rows;
}

} // namespace

MessageLines::Painted MessageLines::layOut(const QList<Line> &lines, const QFont &font, int width, int bandHeight)
{
    // Condense in small steps; 80 % still reads, and every message fits by then.
    Painted painted;
    for (int stretch = 100; stretch >= 80; stretch -= 4) {
        painted.font = font;
        painted.font.setStretch(stretch);
        painted.rows.clear();
        for (const Line &line : lines) {
            for (const auto &[row, rowWidth] : breakLine(line.text, painted.font, width))
                painted.rows.append({row, line.color, 0, rowWidth});
        }
        const bool fits = std::ranges::all_of(painted.rows, [width](const Row &row) { return row.width <= width; });
        if (painted.rows.size() <= kRows && fits)
            break;
    }

    // Rows a line apart, or closer when the font's line spacing would not let
    // two of them into the band (some CJK fonts have very generous spacing);
    // glyphs fill about an em above the baseline and a little below it.
    const QFontMetrics metrics(painted.font);
    const int pitch = bandHeight > 0 ? std::min(metrics.lineSpacing(), bandHeight / kRows) : metrics.lineSpacing();
    const int firstBaseline = std::min(metrics.ascent(), pitch - std::min(metrics.descent(), pitch / 5));
    for (qsizetype i = 0; i < painted.rows.size(); ++i)
        painted.rows[i].baseline = firstBaseline + int(i) * pitch;
    return painted;
}

MessageLines::Painted MessageLines::painted() const
{
    return layOut(m_lines, font(), width(), m_bandHeight);
}

void MessageLines::paintEvent(QPaintEvent *)
{
    // Drawn by hand rather than by QLabel: each line keeps its own colour, the
    // leading spaces stay, and the rows keep to the band.
    const Painted painted = this->painted();
    QPainter painter(this);
    painter.setFont(painted.font);
    for (const Row &row : painted.rows) {
        painter.setPen(row.color);
        painter.drawText(0, row.baseline, row.text);
    }
}

} // namespace weir
