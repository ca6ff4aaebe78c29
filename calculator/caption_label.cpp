// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/caption_label.h"

#include "common/ui_font.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <QPainter>

#include <algorithm>

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

QFont fontForOwnText(const QFont &font, const QString &text)
{
    QFont alone = font;
    alone.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    if (!uiFontFamilies().contains(QFontInfo(alone).family()))
        return font;
    const QFontMetrics metrics(alone);
    for (const char32_t c : text.toUcs4())
        if (!metrics.inFontUcs4(c))
            return font;
    return alone;
}

void fitLabelsToCaptions(const QList<CaptionLabel *> &labels, const QList<const QWidget *> &controls, int areaWidth)
{
    for (CaptionLabel *label : labels) {
        const QFontMetrics metrics(label->font());
        const bool oneLine = label->height() < 2 * metrics.lineSpacing();
        const int needed = oneLine ? metrics.horizontalAdvance(label->text().trimmed()) : label->widestWord();
        if (needed <= label->width())
            continue;

        const QRect own = label->geometry();
        int limit = areaWidth;
        for (const QWidget *other : controls) {
            const QRect g = other->geometry();
            if (other != label && g.left() > own.left() && g.top() <= own.bottom() && g.bottom() >= own.top())
                limit = std::min(limit, g.left());
        }
        // A one-line caption takes what room there is; a wrapped one widens
        // only if that keeps its words whole (else it breaks inside the word
        // either way, and the label may as well keep its drawn width).
        const int room = limit - own.left();
        if (oneLine || needed <= room)
            label->resize(std::min(needed, room), own.height());
    }
}

} // namespace weir
