// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>

class QPaintDevice;
class QPainter;
class QPdfWriter;

namespace weir {

// The page every document of the program is set on, whether saved as a PDF or
// printed: A4 portrait, 15 mm margins all round.
QPageLayout a4PageLayout();

// A PDF writer on that page at 300 dpi (fine enough for the curve's lines and
// the 8-point footer), carrying the document's title and the program's name.
void setUpA4Pdf(QPdfWriter &writer, const QString &title);

// The foot of every page: the document's title at the left, "n / N" at the
// right, in the program's Japanese Gothic at 8 points, grey. The band it
// takes is two of its lines, the lower one drawn, so that the text above
// never touches it.
class PageFooter
{
public:
    PageFooter(const QPaintDevice &device, const QString &title);

    qreal height() const { return m_height; }
    // On a page rectangle in device pixels, as a painter's viewport gives it.
    void draw(QPainter &painter, const QRect &page, int pageNumber, int pageCount) const;

private:
    QString m_title;
    QFont m_font;
    qreal m_line = 0;
    qreal m_height = 0;
};

} // namespace weir
