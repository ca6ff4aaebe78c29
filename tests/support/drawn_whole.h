// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// Whether a window reads right at the screen's scale: every caption drawn
// whole (labels, buttons, the table's column headers), every control inside
// its parent, and no two controls on top of each other. Each fault is named.

#include "calculator/caption_label.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace weir::test {

// The caption as drawn: a mnemonic's '&' is not drawn, "&&" is one '&'.
inline QString drawnCaption(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

inline QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(widget->metaObject()->className()),
                                         widget->objectName().isEmpty() ? widget->accessibleName()
                                                                        : widget->objectName());
}

inline QStringList captionFaults(const QWidget *widget)
{
    QStringList faults;
    const QFontMetrics metrics(widget->font());
    const auto tooWide = [&](const QString &caption, int room) {
        if (metrics.horizontalAdvance(caption) > room)
            faults << QStringLiteral("%1: \"%2\" is %3 px wide in %4 px")
                          .arg(describe(widget), caption)
                          .arg(metrics.horizontalAdvance(caption))
                          .arg(room);
    };
    if (const auto *wrapping = qobject_cast<const CaptionLabel *>(widget)) {
        const QStringList lines = wrapping->wrappedLines(wrapping->width());
        for (const QString &line : lines)
            tooWide(line, wrapping->width());
        if (lines.size() * metrics.lineSpacing() > wrapping->height() + metrics.leading() + 1)
            faults << QStringLiteral("%1: %2 lines in %3 px")
                          .arg(describe(widget))
                          .arg(lines.size())
                          .arg(wrapping->height());
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().isEmpty())
            return faults;
        const QString caption = label->buddy() ? drawnCaption(label->text()) : label->text();
        tooWide(caption, label->contentsRect().width());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (!button->text().isEmpty())
            tooWide(drawnCaption(button->text()), button->width());
    } else if (const auto *header = qobject_cast<const QHeaderView *>(widget)) {
        if (header->orientation() != Qt::Horizontal || !header->model())
            return faults;
        for (int section = 0; section < header->count(); ++section) {
            const QString caption = header->model()->headerData(section, Qt::Horizontal).toString();
            if (!header->isSectionHidden(section) && !caption.isEmpty())
                tooWide(caption, header->sectionSize(section));
        }
    }
    return faults;
}

// Where a widget draws: a caption label only as far as its caption reaches
// (its drawn rectangle may run under the box beside it), any other widget all
// of it.
inline QRect drawnRect(const QWidget *widget)
{
    const auto *caption = qobject_cast<const CaptionLabel *>(widget);
    if (!caption || !(caption->alignment() & Qt::AlignLeft))
        return widget->geometry();
    const QFontMetrics metrics(caption->font());
    int widest = 0;
    for (const QString &line : caption->wrappedLines(caption->width()))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return {caption->geometry().topLeft(), QSize(std::min(widest, caption->width()), caption->height())};
}

inline QStringList drawnWholeFaults(const QWidget *window)
{
    QStringList faults;
    QList<const QWidget *> parents{window};
    for (const QWidget *child : window->findChildren<const QWidget *>())
        parents << child;
    for (const QWidget *parent : parents) {
        if (!parent->isVisibleTo(window) && parent != window)
            continue;
        faults << captionFaults(parent);
        QList<const QWidget *> shown;
        for (const QObject *object : parent->children()) {
            const auto *child = qobject_cast<const QWidget *>(object);
            // A widget of no size (the screen reader's announcer) draws nothing.
            if (child && !child->isWindow() && child->isVisibleTo(window) && !child->geometry().isEmpty())
                shown << child;
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (!parent->rect().contains(shown[i]->geometry()))
                faults << QStringLiteral("%1 runs out of %2").arg(describe(shown[i]), describe(parent));
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                if (drawnRect(shown[i]).intersects(drawnRect(shown[j])))
                    faults << QStringLiteral("%1 overlaps %2").arg(describe(shown[i]), describe(shown[j]));
            }
        }
    }
    return faults;
}

} // namespace weir::test
