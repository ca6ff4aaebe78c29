// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/caption_label.h"

#include <QPainter>

namespace weir {

CaptionLabel::CaptionLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

int CaptionLabel::widestWord() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString &word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

QStringList CaptionLabel::wrappedLines(int width) const
{
    const QFontMetrics metrics(font());
    const auto fits = [&](const QString &line) { return metrics.horizontalAdvance(line) <= width; };

    // Words with the run of spaces typed before each.
    struct Word {
        QString gap;
        QString text;
    };
    QList<Word> words;
    Word next;
    for (const QChar c : text()) {
        if (c == QLatin1Char(' ')) {
            if (!next.text.isEmpty()) {
                words.append(next);
                next = {};
            }
            next.gap += c;
        } else {
            next.text += c;
        }
    }
    if (!next.text.isEmpty())
        words.append(next);

    QStringList lines;
    QString current;
    for (const Word &word : words) {
        const QString joined = current.isEmpty() ? word.text : current + word.gap + word.text;
        if (fits(joined)) {
            current = joined;
            continue;
        }
        if (!current.isEmpty())
            lines.append(current);
        // A word too wide for a line of its own breaks between characters.
        current.clear();
        for (const QChar c : word.text) {
            if (!current.isEmpty() && !fits(current + c)) {
                lines.append(current);
                current.clear();
            }
            current += c;
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString &line : wrappedLines(width())) {
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

} // namespace weir
