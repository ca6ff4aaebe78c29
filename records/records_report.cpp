// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/records_report.h"

#include "common/texts.h"
#include "paper/a4_page.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace weir {

namespace {

// The hydrograph's drawing width before it is scaled to the page.
constexpr int kPlotUnits = 900;

// The report laid out twice: once to count its pages, once to draw them
// with "n / N" at their feet.
class RecordsPainter
{
public:
    RecordsPainter(QPagedPaintDevice &device, const RecordsReport &report, QCustomPlot *plot)
        : m_device(device)
        , m_report(report)
        , m_plot(plot)
        , m_painter(&device)
        , m_page(m_painter.viewport())
        , m_footer(device, Texts::recordsName())
    {
        m_body = pageFont(9);
        m_title = pageFont(15);
        m_bottom = m_page.bottom() - int(std::ceil(m_footer.height()));
    }

    bool isActive() const { return m_painter.isActive(); }

    void draw()
    {
        m_pages = layOut(false);
        layOut(true);
        m_painter.end();
    }

private:
    // The whole report, drawn or only measured; the pages it takes.
    int layOut(bool drawing)
    {
        m_drawing = drawing;
        m_pageNumber = 1;
        m_y = m_page.top();
        m_painter.setFont(m_title);
        text(Texts::recordsName(), QFontMetrics(m_title, &m_device).lineSpacing());
        m_painter.setFont(m_body);
        const int line = QFontMetrics(m_body, &m_device).lineSpacing();
        for (const QString &each : m_report.lines)
            wrapped(each);
        m_y += line / 2;
        drawPlot();
        for (const ReportTable &table : m_report.tables)
            drawTable(table);
        for (const QString &each : m_report.notes)
            wrapped(each);
        if (m_drawing)
            m_footer.draw(m_painter, m_page, m_pageNumber, m_pages);
        return m_pageNumber;
    }

    void newPage()
    {
        if (m_drawing) {
            m_footer.draw(m_painter, m_page, m_pageNumber, m_pages);
            m_device.newPage();
        }
        ++m_pageNumber;
        m_y = m_page.top();
    }

    void room(int height)
    {
        if (m_y + height > m_bottom && m_y > m_page.top())
            newPage();
    }

    void text(const QString &line, int height)
    {
        room(height);
        if (m_drawing)
            m_painter.drawText(QRect(m_page.left(), m_y, m_page.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                               line);
        m_y += height;
    }

    void wrapped(const QString &line)
    {
        const QRect bounds
            = m_painter.fontMetrics().boundingRect(QRect(0, 0, m_page.width(), 100000), Qt::TextWordWrap, line);
        const int height = std::max(bounds.height(), m_painter.fontMetrics().lineSpacing());
        room(height);
        if (m_drawing)
            m_painter.drawText(QRect(m_page.left(), m_y, m_page.width(), height), Qt::TextWordWrap, line);
        m_y += height;
    }

    void drawPlot()
    {
        if (!m_plot)
            return;
        const int height = m_page.width() / 2;
        room(height);
        if (m_drawing) {
            // Vector drawing at a screen-like size, played onto the page.
            QPicture picture;
            QCPPainter recorder(&picture);
            m_plot->toPainter(&recorder, kPlotUnits, int(height / (double(m_page.width()) / kPlotUnits)));
            recorder.end();
            playPicture(m_painter, picture, QPoint(m_page.left(), m_y), m_page.width(), kPlotUnits);
        }
        m_y += height + m_painter.fontMetrics().lineSpacing();
    }

    // A table across the page: each column as wide as its widest cell, the
    // header wrapped to two lines, set smaller when the page is too narrow.
    void drawTable(const ReportTable &table)
    {
        QFont font = m_body;
        std::vector<int> widths;
        for (double points = 8; points >= 5; points -= 0.5) {
            font.setPointSizeF(points);
            const QFontMetrics metrics(font, &m_device);
            widths.assign(std::size_t(table.headers.size()), 0);
            for (qsizetype c = 0; c < table.headers.size(); ++c) {
                int widest = metrics.horizontalAdvance(table.headers[c]) / 2 + metrics.averageCharWidth();
                for (const QStringList &row : table.rows)
                    widest = std::max(widest, metrics.horizontalAdvance(row.value(c)));
                widths[std::size_t(c)] = widest + metrics.averageCharWidth() * 2;
            }
            int total = 0;
            for (const int w : widths)
                total += w;
            if (total <= m_page.width())
                break;
        }
        m_painter.setFont(m_body);
        wrapped(table.title);
        m_painter.setFont(font);
        const int line = QFontMetrics(font, &m_device).lineSpacing();
        const auto drawHeader = [&] {
            room(2 * line + line);
            int x = m_page.left();
            for (qsizetype c = 0; c < table.headers.size(); ++c) {
                const bool number = c > 0 && c + 1 < table.headers.size();
                const Qt::Alignment align = Qt::AlignBottom | (number ? Qt::AlignRight : Qt::AlignLeft);
                if (m_drawing)
                    m_painter.drawText(QRect(x, m_y, widths[std::size_t(c)] - line / 3, 2 * line),
                                       int(align.toInt()) | Qt::TextWordWrap, table.headers[c]);
                x += widths[std::size_t(c)];
            }
            m_y += 2 * line;
            if (m_drawing)
                m_painter.drawLine(m_page.left(), m_y, x, m_y);
        };
        drawHeader();
        for (const QStringList &row : table.rows) {
            if (m_y + line > m_bottom) {
                newPage();
                m_painter.setFont(font);
                drawHeader();
            }
            int x = m_page.left();
            for (qsizetype c = 0; c < row.size() && c < table.headers.size(); ++c) {
                const bool number = c > 0 && c + 1 < table.headers.size();
                const Qt::Alignment align = (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
                if (m_drawing)
                    m_painter.drawText(QRect(x, m_y, widths[std::size_t(c)] - line / 3, line), int(align.toInt()),
                                       row[c]);
                x += widths[std::size_t(c)];
            }
            m_y += line;
        }
        m_painter.setFont(m_body);
        m_y += line;
    }

    QPagedPaintDevice &m_device;
    const RecordsReport &m_report;
    QCustomPlot *m_plot;
    QPainter m_painter;
    QRect m_page;
    PageFooter m_footer;
    QFont m_body;
    QFont m_title;
    int m_bottom = 0;
    int m_y = 0;
    int m_pageNumber = 1;
    int m_pages = 1;
    bool m_drawing = false;
};

} // namespace

QByteArray recordsReportPdf(const RecordsReport &report, QCustomPlot *plot)
{
    return a4Pdf(Texts::recordsName(), [&](QPdfWriter &writer) {
        RecordsPainter(writer, report, plot).draw();
        return true;
    });
}

bool printRecordsReport(const RecordsReport &report, QCustomPlot *plot, QPrinter &printer)
{
    setUpA4Printer(printer, Texts::recordsName());
    RecordsPainter painter(printer, report, plot);
    if (!painter.isActive())
        return false;
    painter.draw();
    return true;
}

} // namespace weir
