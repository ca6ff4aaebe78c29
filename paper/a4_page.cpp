// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "paper/a4_page.h"

#include "common/texts.h"
#include "common/ui_font.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>

namespace weir {

namespace {

constexpr int kPdfDpi = 300;
constexpr double kFooterPt = 8;

} // namespace

QPageLayout a4PageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void setUpA4Pdf(QPdfWriter &writer, const QString &title)
{
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(a4PageLayout());
    writer.setTitle(title);
    writer.setCreator(Texts::appName());
}

QByteArray a4Pdf(const QString &title, const std::function<bool(QPdfWriter &)> &draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the file when it goes.
        QPdfWriter writer(&buffer);
        setUpA4Pdf(writer, title);
        if (!draw(writer))
            return {};
    }
    return bytes;
}

void setUpA4Printer(QPrinter &printer, const QString &title)
{
    printer.setPageLayout(a4PageLayout());
    printer.setDocName(title);
    printer.setCreator(Texts::appName());
}

QFont pageFont(qreal points, bool bold)
{
    QFont font(uiFontFamilies().constFirst());
    font.setFamilies(uiFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void playPicture(QPainter &painter, const QPicture &picture, const QPoint &topLeft, int pageWidth, int unitsWide)
{
    const double scale = double(pageWidth) / unitsWide;
    const double played = double(painter.device()->logicalDpiX()) / picture.logicalDpiX();
    painter.save();
    painter.translate(topLeft);
    painter.scale(scale / played, scale / played);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

PageFooter::PageFooter(const QPaintDevice &device, const QString &title)
    : m_title(title)
    , m_font(uiFontFamilies().constFirst())
{
    m_font.setFamilies(uiFontFamilies());
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPointSizeF(kFooterPt);
    // Measured on the page's own device: its dpi, not the screen's.
    m_line = QFontMetricsF(m_font, &device).lineSpacing();
    m_height = m_line * 2;
}

void PageFooter::draw(QPainter &painter, const QRect &page, int pageNumber, int pageCount) const
{
    const QRectF band(page.left(), page.bottom() - m_line, page.width(), m_line);
    painter.save();
    painter.setFont(m_font);
    painter.setPen(Qt::darkGray);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(pageNumber).arg(pageCount));
    painter.restore();
}

} // namespace weir
