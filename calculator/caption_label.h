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

} // namespace weir
