// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QLabel>

namespace weir {

// A label that wraps its caption the way the window was drawn: lines break at
// runs of spaces (which is why some captions carry long runs of them), and a
// single word wider than the label breaks between characters, as Japanese text
// may. Qt's own word wrap would also break between any two ideographs, splitting
// "越流高さ≧20mm" in the range note.
//
// text() stays the caption exactly as given; only the painting is ours.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(const QString &caption, QWidget *parent = nullptr);

    // The caption broken into the lines it is painted as, for this width.
    QStringList wrappedLines(int width) const;

    // The width below which the caption would have to break inside a word.
    int widestWord() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The font for a text of the program's own (a caption, a button, the menu
// bar's titles): `font` drawing from itself alone when it is one of the
// program's Japanese fonts (common/ui_font.h) and has every character of
// `text`. Qt then looks up no fallback fonts for it: a fontconfig sort for
// each script the text is in (Han, Hiragana, Katakana), the larger part of
// the cost of the first frame's Japanese text. Otherwise `font` as it is,
// fallback and all, so a system without those fonts still draws every
// character. The glyphs are the same either way.
QFont fontForOwnText(const QFont &font, const QString &text);

// A caption a few pixels wider than its label (the font is not the one the
// window was drawn with) may widen the label to the right, as long as it stays
// clear of the controls beside it and inside `areaWidth`. Left, top and
// height stay as drawn.
void fitLabelsToCaptions(const QList<CaptionLabel *> &labels, const QList<const QWidget *> &controls, int areaWidth);

} // namespace weir
