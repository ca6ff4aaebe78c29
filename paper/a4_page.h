// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;
class QPdfWriter;
class QPicture;
class QPrinter;

namespace weir {

// The page every document of the program is set on, whether saved as a PDF or
// printed: A4 portrait, 15 mm margins all round.
QPageLayout a4PageLayout();

// A PDF writer on that page at 300 dpi (fine enough for the curve's lines and
// the 8-point footer), carrying the document's title and the program's name.
void setUpA4Pdf(QPdfWriter &writer, const QString &title);

// The document as PDF bytes: `draw` sets it on a writer set up as above, and
// says whether it could; no bytes when it could not.
QByteArray a4Pdf(const QString &title, const std::function<bool(QPdfWriter &)> &draw);

// A printer the user picked, on the same page, carrying the document's title.
void setUpA4Printer(QPrinter &printer, const QString &title);

// The program's Japanese Gothic (ui_font.h) at a size, for a page.
QFont pageFont(qreal points, bool bold = false);

// A picture recorded `unitsWide` units across (a plot drawn at a screen-like
// size), played into `area` of the page, its height in proportion. A picture
// played on a device of another resolution is scaled by the ratio of the two
// on top of any scale the painter has (a 72 dpi picture on a 300 dpi page
// would come out 4.2 times larger): that ratio is taken out.
void playPicture(QPainter &painter, const QPicture &picture, const QPoint &topLeft, int pageWidth, int unitsWide);

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
