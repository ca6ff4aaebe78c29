// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "accessibility/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace weir {

LineEditAccessible::LineEditAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(QString)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *LineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

bool LineEditAccessible::textHidden() const
{
    return lineEdit()->echoMode() != QLineEdit::Normal;
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value && !textHidden() && !lineEdit()->text().isEmpty())
        return lineEdit()->text();
    return QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        lineEdit()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = lineEdit()->isReadOnly();
    state.editable = !lineEdit()->isReadOnly();
    state.passwordEdit = textHidden();
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (textHidden() || startOffset > endOffset)
        return {};
    const QString all = lineEdit()->text();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(lineEdit()->text().size());
}

LineEditAccessible::Piece LineEditAccessible::pieceAt(int offset, QAccessible::TextBoundaryType boundaryType) const
{
    const QString all = lineEdit()->text();
    const int length = int(all.size());
    if (offset == -2) // AT-SPI's "where the cursor is"
        offset = cursorPosition();
    if (offset < 0 || offset > length)
        return {};

    switch (boundaryType) {
    case QAccessible::CharBoundary: {
        if (offset == length)
            return {length, length};
        // A surrogate pair is one character, wherever in it the offset falls.
        int start = offset;
        if (all.at(start).isLowSurrogate() && start > 0 && all.at(start - 1).isHighSurrogate())
            --start;
        const int end = (all.at(start).isHighSurrogate() && start + 1 < length) ? start + 2 : start + 1;
        return {start, end};
    }
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary: return {0, length}; // one line, one paragraph
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary: break;
    }
    if (length == 0)
        return {0, 0};

    // At the end of the text, the piece is the last one; inside it, the one
    // holding the character at offset. Each step moves the finder forward or
    // back by at least one position, so the search is over in at most
    // length steps.
    QTextBoundaryFinder finder(
        boundaryType == QAccessible::WordBoundary ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Sentence, all);
    const int inside = std::min(offset, length - 1);
    finder.setPosition(inside + 1);
    const qsizetype start = finder.toPreviousBoundary();
    finder.setPosition(inside);
    const qsizetype end = finder.toNextBoundary();
    return {int(std::max<qsizetype>(start, 0)), int(end < 0 ? length : end)};
}

QString LineEditAccessible::answer(Piece piece, int *startOffset, int *endOffset) const
{
    *startOffset = piece.start;
    *endOffset = piece.end;
    if (piece.start < 0 || textHidden()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return lineEdit()->text().mid(piece.start, piece.end - piece.start);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return answer(pieceAt(offset, boundaryType), startOffset, endOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                             int *endOffset) const
{
    const Piece at = pieceAt(offset, boundaryType);
    if (at.start <= 0)
        return answer({}, startOffset, endOffset);
    return answer(pieceAt(at.start - 1, boundaryType), startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                            int *endOffset) const
{
    const Piece at = pieceAt(offset, boundaryType);
    if (at.start < 0 || at.end >= characterCount())
        return answer({}, startOffset, endOffset);
    return answer(pieceAt(at.end, boundaryType), startOffset, endOffset);
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString all = lineEdit()->text();
    if (textHidden() || offset < 0 || offset >= all.size())
        return {};
    // Where the line edit draws its text: inside its frame and text margins,
    // two pixels in, as QLineEdit lays it out for left-aligned text.
    QStyleOptionFrame option;
    option.initFrom(lineEdit());
    const QRect contents = lineEdit()
                               ->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, lineEdit())
                               .marginsRemoved(lineEdit()->textMargins());
    const QFontMetrics metrics(lineEdit()->font());
    const int x = contents.left() + 2 + metrics.horizontalAdvance(all.left(offset));
    const int y = contents.top() + (contents.height() - metrics.height() + 1) / 2;
    const QRect local(x, y, metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
    return QRect(lineEdit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // A line edit has one font and one colour throughout: one run, covering
    // the whole text (an empty run would make a reader drop characters).
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    lineEdit()->setText(lineEdit()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace weir
