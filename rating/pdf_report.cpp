// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "pdf_report.h"

#include "rating_table.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <qcustomplot.h>

#include <cmath>

namespace {

constexpr int kDpi = 300;

int millimetres(double mm)
{
    return int(std::lround(mm / 25.4 * kDpi));
}

} // namespace

QByteArray pdfReport(const RatingTableModel &model, QCustomPlot *plot)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral(u"水位流量表"));
    writer.setCreator(QStringLiteral(u"四角堰の越流高さ"));

    QPainter painter(&writer);
    const QRect page = painter.viewport();
    QFont body(QStringLiteral("IPAPGothic"));
    body.setPointSizeF(10);
    QFont title = body;
    title.setPointSizeF(16);
    painter.setFont(body);
    const int line = QFontMetrics(body, &writer).lineSpacing();
    const int footer = line * 2;

    // How many rows fit: the first page also carries the title block.
    const int titleBlock = QFontMetrics(title, &writer).lineSpacing() + line * 5;
    const int rowsPerPage = std::max(1, (page.height() - footer) / line - 1);
    const int rowsFirstPage = std::max(1, (page.height() - footer - titleBlock) / line - 1);
    const int rows = model.rowCount();
    const int tablePages = rows <= rowsFirstPage ? 1 : 1 + int(std::ceil(double(rows - rowsFirstPage) / rowsPerPage));
    const int pages = tablePages + 1; // and the curve

    const auto pageNumber = [&](int n) {
        painter.setFont(body);
        painter.drawText(QRect(page.left(), page.bottom() - line, page.width(), line), Qt::AlignCenter,
                         QStringLiteral("%1 / %2").arg(n).arg(pages));
    };
    const int columns[] = {0, millimetres(35), millimetres(75), millimetres(120)};
    const auto drawRow = [&](int y, const QStringList &cells) {
        for (int c = 0; c < cells.size(); ++c)
            painter.drawText(QRect(page.left() + columns[c], y, millimetres(40), line), Qt::AlignLeft | Qt::AlignVCenter,
                             cells[c]);
    };
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c)
        header << model.headerData(c, Qt::Horizontal).toString();

    int y = page.top();
    painter.setFont(title);
    painter.drawText(QRect(page.left(), y, page.width(), QFontMetrics(title, &writer).lineSpacing()), Qt::AlignLeft,
                     QStringLiteral(u"水位流量表 — 四角堰"));
    y += QFontMetrics(title, &writer).lineSpacing();
    painter.setFont(body);
    const QString width = QLocale::c().toString(model.range().widthMm, 'g', 15);
    for (const QString &text :
         {QStringLiteral(u"堰の幅: %1 mm").arg(width),
          QStringLiteral(u"流量公式 (h, b は m、Q は m³/s): Q = 1.838 (1 + 0.0012/h) (1 − √(h/b)/10) b h^1.5"),
          QStringLiteral(u"適用範囲: 越流高さ 20 mm 以上（20 mm 未満の行は「適用範囲外」）"), QString()}) {
        painter.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += line;
    }

    int row = 0;
    for (int n = 1; n <= tablePages; ++n) {
        if (n > 1) {
            writer.newPage();
            y = page.top();
        }
        painter.setFont(body);
        drawRow(y, header);
        y += line;
        const int capacity = n == 1 ? rowsFirstPage : rowsPerPage;
        for (int i = 0; i < capacity && row < rows; ++i, ++row) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.index(row, c).data().toString();
            drawRow(y, cells);
            y += line;
        }
        pageNumber(n);
    }

    writer.newPage();
    if (plot) {
        const QRect area(page.left(), page.top(), page.width(), page.width() * 3 / 4);
        painter.save();
        painter.translate(area.topLeft());
        // Drawn at a screen-like size, scaled up to the page.
        const double scale = area.width() / 720.0;
        painter.scale(scale, scale);
        // Recorded as vector drawing, then played onto the page.
        QPicture picture;
        QCPPainter recorder(&picture);
        plot->toPainter(&recorder, 720, int(area.height() / scale));
        recorder.end();
        painter.drawPicture(0, 0, picture);
        painter.restore();
    }
    pageNumber(pages);
    painter.end();
    return bytes;
}
