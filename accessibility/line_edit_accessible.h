// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace weir {

// What a screen reader is told about a text box, in place of Qt 6.4's own.
//
// Qt 6.4 finds word and sentence boundaries in a line edit with the default
// search of QAccessibleTextInterface, which never returns for an offset at the
// end of the text: Orca's word navigation (Ctrl+Right in a box holding "300")
// froze the whole program. It also reports an empty run of text attributes,
// from which Orca reads all but the last character of a box ("43.8" for
// 43.83). This interface answers every text request from QTextBoundaryFinder
// over the box's text, with boundaries that always exist and searches that
// always end, and reports one attribute run over the whole text.
//
// Everything else is what a line edit has always told: its role, its label
// (the buddy caption), its states, the editable text.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box);

    QLineEdit *lineEdit() const;

    // QAccessibleInterface
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    // The piece of text [start, end) of the given kind that holds offset;
    // at the end of the text, the last piece.
    struct Piece {
        int start = -1;
        int end = -1;
    };
    Piece pieceAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString answer(Piece piece, int *startOffset, int *endOffset) const;
    bool textHidden() const;
};

} // namespace weir
