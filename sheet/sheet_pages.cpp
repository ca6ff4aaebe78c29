// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "sheet/sheet_pages.h"

#include "common/texts.h"
#include "paper/a4_page.h"
#include "sheet/model/calculation_sheet.h"
#include "sheet/model/sheet_texts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace weir {

namespace {

// The sheet's fonts: the Japanese Gothic the window is drawn in. Sizes in
// points; a table too wide for the page is set smaller, down to kSmallestPt.
constexpr double kTitlePt = 15;
constexpr double kHeadingPt = 11;
constexpr double kBodyPt = 9.5;
constexpr double kTablePt = 8.5;
constexpr double kSmallestPt = 5;

// Lays the sheet out top to bottom. Run once without a painter to count the
// pages, then again with one to draw them, numbered "n / N".
class SheetLayout
{
public:
    SheetLayout(const CalculationSheet &sheet, QPagedPaintDevice &device, QPainter *painter, int pageCount)
        : m_sheet(sheet)
        , m_device(device)
        , m_painter(painter)
        , m_page(0, 0, device.width(), device.height())
        , m_pageCount(pageCount)
        , m_footer(device, sheet.title)
    {
    }

    int run()
    {
        m_y = m_page.top();
        text(m_sheet.title, pageFont(kTitlePt, true), Qt::black);
        m_y += gap();
        titleBlock();
        m_y += gap();
        for (const SheetBlock &block : m_sheet.blocks) {
            switch (block.kind) {
            case SheetBlock::Kind::Heading:
                m_y += gap();
                // A heading is never left alone at the foot of a page.
                ensureRoom(metrics(pageFont(kHeadingPt, true)).lineSpacing() * 3);
                text(block.text, pageFont(kHeadingPt, true), Qt::black);
                break;
            case SheetBlock::Kind::Text: text(block.text, pageFont(kBodyPt), Qt::black); break;
            case SheetBlock::Kind::Flagged: text(block.text, pageFont(kBodyPt, true), QColor(0xC0, 0, 0)); break;
            case SheetBlock::Kind::Table: table(block); break;
            }
        }
        footer();
        return m_pageNumber;
    }

private:
    QFontMetricsF metrics(const QFont &font) const { return QFontMetricsF(font, &m_device); }
    qreal millimetres(qreal mm) const { return mm / 25.4 * m_device.logicalDpiY(); }
    qreal gap() const { return millimetres(2.5); }
    qreal bottom() const { return m_page.bottom() - m_footer.height(); }

    void ensureRoom(qreal height)
    {
        if (m_y + height > bottom() && m_y > m_page.top())
            newPage();
    }

    void newPage()
    {
        footer();
        if (m_painter)
            m_device.newPage();
        ++m_pageNumber;
        m_y = m_page.top();
    }

    void footer()
    {
        if (m_painter)
            m_footer.draw(*m_painter, m_page, m_pageNumber, m_pageCount);
    }

    // A paragraph wrapped to the page width, as Japanese text breaks.
    void text(const QString &paragraph, const QFont &font, const QColor &color)
    {
        const QRectF room(m_page.left(), 0, m_page.width(), 1e6);
        const qreal height = std::max(metrics(font).lineSpacing(),
                                      metrics(font).boundingRect(room, Qt::TextWordWrap, paragraph).height());
        ensureRoom(height);
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->setPen(color);
            m_painter->drawText(QRectF(m_page.left(), m_y, m_page.width(), height), Qt::TextWordWrap, paragraph);
        }
        m_y += height;
    }

    // The title block, ruled as a form: what the work is, where and which
    // weir on the left; on the right who prepared and who checked the
    // sheet, each with a date and a box for a seal. Blank fields stay
    // blank for a pen.
    void titleBlock()
    {
        const QFont font = pageFont(kTablePt);
        const QFont labelFont = pageFont(kTablePt, true);
        const qreal rowHeight = metrics(font).lineSpacing() * 1.8;
        const qreal sealHeight = millimetres(16);
        const qreal height = 3 * rowHeight + sealHeight;
        const qreal labelWidth = millimetres(22);
        const qreal right = m_page.left() + m_page.width();
        const qreal stampWidth = millimetres(60);
        const qreal leftWidth = m_page.width() - stampWidth;
        const QStringList captions = SheetTitle::captions();
        const SheetTitle &title = m_sheet.titleBlock;
        if (!m_painter) {
            m_y += height;
            return;
        }
        QPainter &p = *m_painter;
        const qreal top = m_y;
        const auto cell = [&](const QRectF &box, const QString &text, const QFont &cellFont, bool shaded,
                              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
            if (shaded)
                p.fillRect(box, QColor(0xE8, 0xE8, 0xE8));
            p.setPen(QPen(Qt::black, millimetres(0.2)));
            p.drawRect(box);
            p.setFont(cellFont);
            p.drawText(box.adjusted(millimetres(1.5), 0, -millimetres(1.5), 0), int(align) | Qt::TextWordWrap, text);
        };
        // 件名, 地点, 堰の名称: the left column's rows share its height.
        const QString leftFields[] = {title.subject, title.site, title.weirName};
        const qreal leftRow = height / 3;
        for (int i = 0; i < 3; ++i) {
            const qreal y = top + i * leftRow;
            cell(QRectF(m_page.left(), y, labelWidth, leftRow), captions[i], labelFont, true);
            cell(QRectF(m_page.left() + labelWidth, y, leftWidth - labelWidth, leftRow), leftFields[i], font, false);
        }
        // 作成 and 照査: a heading, the name, the date and the seal's box.
        const qreal column = stampWidth / 2;
        const QString heads[] = {SheetTexts::tr("作成"), SheetTexts::tr("照査")};
        const QString names[] = {title.preparedBy, title.checkedBy};
        const QString dates[] = {title.preparedOn, title.checkedOn};
        for (int c = 0; c < 2; ++c) {
            const qreal x = right - stampWidth + c * column;
            const Qt::Alignment centred = Qt::AlignCenter;
            cell(QRectF(x, top, column, rowHeight), heads[c], labelFont, true, centred);
            cell(QRectF(x, top + rowHeight, column, rowHeight), names[c], font, false, centred);
            cell(QRectF(x, top + 2 * rowHeight, column, rowHeight), dates[c], font, false, centred);
            cell(QRectF(x, top + 3 * rowHeight, column, sealHeight), QString(), font, false);
            // The seal's place, a faint 印 in its corner.
            p.setPen(QColor(0xB0, 0xB0, 0xB0));
            p.setFont(pageFont(kSmallestPt + 1));
            p.drawText(QRectF(x, top + 3 * rowHeight, column - millimetres(1), sealHeight - millimetres(0.5)),
                       Qt::AlignRight | Qt::AlignBottom, SheetTexts::tr("印"));
        }
        m_y += height;
    }

    // Column widths to fit the widest cell; the font made smaller until the
    // whole table fits the page's width.
    void table(const SheetBlock &block)
    {
        double points = kTablePt;
        QList<qreal> widths;
        for (;;) {
            widths = columnWidths(block, pageFont(points));
            const qreal total = std::accumulate(widths.begin(), widths.end(), qreal(0));
            if (total <= m_page.width() || points <= kSmallestPt)
                break;
            points = std::max(kSmallestPt, points * m_page.width() / total);
        }
        const QFont font = pageFont(points);
        const QFont headerFont = pageFont(points, true);
        const qreal rowHeight = metrics(font).lineSpacing() * 1.3;

        ensureRoom(rowHeight * 2);
        row(block.header, widths, headerFont, rowHeight, true);
        for (const QStringList &cells : block.rows) {
            if (m_y + rowHeight > bottom()) {
                newPage();
                row(block.header, widths, headerFont, rowHeight, true);
            }
            row(cells, widths, font, rowHeight, false);
        }
        m_y += gap() / 2;
    }

    QList<qreal> columnWidths(const SheetBlock &block, const QFont &font) const
    {
        const QFontMetricsF plain = metrics(font);
        QFont boldFont = font;
        boldFont.setBold(true);
        const QFontMetricsF bold = metrics(boldFont);
        const qreal padding = millimetres(2);
        QList<qreal> widths;
        for (const QString &cell : block.header)
            widths << bold.horizontalAdvance(cell) + padding;
        for (const QStringList &cells : block.rows) {
            for (qsizetype c = 0; c < cells.size() && c < widths.size(); ++c)
                widths[c] = std::max(widths[c], plain.horizontalAdvance(cells[c]) + padding);
        }
        return widths;
    }

    void row(const QStringList &cells, const QList<qreal> &widths, const QFont &font, qreal height, bool header)
    {
        if (m_painter) {
            const qreal total = std::accumulate(widths.begin(), widths.end(), qreal(0));
            if (header)
                m_painter->fillRect(QRectF(m_page.left(), m_y, total, height), QColor(0xE8, 0xE8, 0xE8));
            m_painter->setFont(font);
            m_painter->setPen(Qt::black);
            qreal x = m_page.left();
            const qreal padding = millimetres(1);
            for (qsizetype c = 0; c < cells.size() && c < widths.size(); ++c) {
                m_painter->drawText(QRectF(x + padding, m_y, widths[c] - padding, height),
                                    Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
                x += widths[c];
            }
            m_painter->setPen(QPen(Qt::gray, 0));
            m_painter->drawLine(QPointF(m_page.left(), m_y + height), QPointF(m_page.left() + total, m_y + height));
        }
        m_y += height;
    }

    const CalculationSheet &m_sheet;
    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    QRect m_page;
    int m_pageCount;
    int m_pageNumber = 1;
    PageFooter m_footer;
    qreal m_y = 0;
};

} // namespace

bool paintSheet(const CalculationSheet &sheet, QPagedPaintDevice &device)
{
    const int pages = SheetLayout(sheet, device, nullptr, 0).run();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    SheetLayout(sheet, device, &painter, pages).run();
    return painter.end();
}

QByteArray sheetPdf(const CalculationSheet &sheet)
{
    return a4Pdf(sheet.title, [&](QPdfWriter &writer) { return paintSheet(sheet, writer); });
}

bool printSheet(const CalculationSheet &sheet, QPrinter &printer)
{
    setUpA4Printer(printer, sheet.title);
    return paintSheet(sheet, printer);
}

} // namespace weir
