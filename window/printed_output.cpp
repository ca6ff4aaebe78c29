// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "printed_output.h"

#include <QAccessible>
#include <QPainter>

PrintedOutput::PrintedOutput(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("printedOutput"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
}

void PrintedOutput::printLine(const QString &line, const QColor &color)
{
    m_lines.append({line, color});
    setText(lines().join(QLatin1Char('\n')));
#if QT_CONFIG(accessibility)
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
#endif
    update();
}

void PrintedOutput::clearOutput()
{
    m_lines.clear();
    clear();
    update();
}

QStringList PrintedOutput::lines() const
{
    QStringList texts;
    for (const Line &line : m_lines)
        texts.append(line.text);
    return texts;
}

QColor PrintedOutput::colorOfLine(qsizetype index) const
{
    return m_lines.value(index).color;
}

void PrintedOutput::paintEvent(QPaintEvent *)
{
    // Drawn by hand rather than by QLabel: each line keeps its own colour, the
    // leading spaces stay, and nothing wraps or shifts with the label's layout.
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const Line &line : m_lines) {
        painter.setPen(line.color);
        painter.drawText(0, baseline, line.text);
        baseline += metrics.lineSpacing();
    }
}
