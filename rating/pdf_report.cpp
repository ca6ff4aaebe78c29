// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/pdf_report.h"

#include "common/texts.h"
#include "hydraulics/weir_formula.h"
#include "paper/a4_page.h"
#include "rating/model/rating_table.h"
#include "rating/model/rating_texts.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>

#include <qcustomplot.h>

#include <cmath>

namespace weir {

namespace {

// The curve's drawing width before it is scaled to the page.
constexpr int kPlotUnits = 720;

int millimetres(const QPaintDevice &device, double mm)
{
    return int(std::lround(mm / 25.4 * device.logicalDpiX()));
}

// One report being drawn: the pages are laid out first (how many rows each
// takes), then drawn top to bottom.
class ReportPainter
{
public:
    ReportPainter(QPagedPaintDevice &writer, const RatingTableModel &model)
        : m_writer(writer)
        , m_model(model)
        , m_painter(&writer)
        , m_page(m_painter.viewport())
        , m_footer(writer, Texts::ratingName())
    {
        m_body = pageFont(10);
        m_title = pageFont(16);
        m_line = QFontMetrics(m_body, &writer).lineSpacing();
        m_titleLine = QFontMetrics(m_title, &writer).lineSpacing();

        // How many rows fit: the first page also carries the title block.
        const int footer = int(std::ceil(m_footer.height()));
        const int titleBlock = m_titleLine + m_line * 5; // the title, five lines at most
        m_rowsPerPage = std::max(1, (m_page.height() - footer) / m_line - 1);
        m_rowsFirstPage = std::max(1, (m_page.height() - footer - titleBlock) / m_line - 1);
        const int rows = m_model.rowCount();
        m_tablePages = rows <= m_rowsFirstPage ? 1 : 1 + int(std::ceil(double(rows - m_rowsFirstPage) / m_rowsPerPage));
        m_pages = m_tablePages + 1; // and the curve
    }

    bool isActive() const { return m_painter.isActive(); }
    // Every page, top to bottom: the title block and table, then the curve.
    void draw(QCustomPlot *plot)
    {
        drawTitleBlock();
        drawTablePages();
        drawCurvePage(plot);
    }

private:
    void drawTitleBlock();
    void drawTablePages();
    void drawCurvePage(QCustomPlot *plot);
    void drawRow(const QStringList &cells);

    QPagedPaintDevice &m_writer;
    const RatingTableModel &m_model;
    QPainter m_painter;
    QRect m_page;
    PageFooter m_footer;
    QFont m_body;
    QFont m_title;
    int m_line = 0;
    int m_titleLine = 0;
    int m_rowsPerPage = 0;
    int m_rowsFirstPage = 0;
    int m_tablePages = 0;
    int m_pages = 0;
    int m_y = 0; // where the next line goes
};

void ReportPainter::drawTitleBlock()
{
    m_y = m_page.top();
    m_painter.setFont(m_title);
    m_painter.drawText(QRect(m_page.left(), m_y, m_page.width(), m_titleLine), Qt::AlignLeft,
                       RatingTexts::tr("%1 — 四角堰").arg(Texts::ratingName()));
    m_y += m_titleLine;
    m_painter.setFont(m_body);
    const QString width = QLocale::c().toString(m_model.range().widthMm, 'g', 15);
    QStringList lines{RatingTexts::tr("堰の幅: %1 mm").arg(width)};
    if (const std::optional<StandardFormula> &standard = m_model.formula()) {
        // A standard's formula: its name, source and range, the channel it
        // was given, and the program's own beside it in the table.
        const auto mm = [](double value) { return QLocale::c().toString(value, 'g', 15); };
        lines << Texts::formulaStatement(standard->weir)
              << RatingTexts::tr("%1: %2、%3: %4")
                     .arg(RatingTexts::channelWidth(), mm(standard->channelWidthMm), RatingTexts::crestHeight(),
                          mm(standard->crestHeightMm))
              << RatingTexts::tr("「%1」の列は本プログラムの公式 (%2) の流量、「%3」はそれとの差です。")
                     .arg(Texts::ownFormulaFlow(), Texts::formula(), Texts::formulaDifference());
    } else {
        lines << RatingTexts::tr("流量公式 (%1): %2").arg(Texts::formulaUnits(), Texts::formula())
              << RatingTexts::tr("適用範囲: 越流高さ %1 mm 以上（%1 mm 未満の行は「%2」）")
                     .arg(QString::number(kMinimumValidHeadMm), Texts::outsideValidRange());
    }
    // The uncertainties behind the ± column, stated whenever it is printed.
    if (m_model.gauge())
        lines << gaugeStatement(*m_model.gauge(), QLocale::c());
    lines << QString(); // a gap before the table
    for (const QString &text : std::as_const(lines)) {
        m_painter.drawText(QRect(m_page.left(), m_y, m_page.width(), m_line), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += m_line;
    }
}

void ReportPainter::drawTablePages()
{
    QStringList header;
    for (int c = 0; c < m_model.columnCount(); ++c)
        header << m_model.headerData(c, Qt::Horizontal).toString();
    int row = 0;
    for (int n = 1; n <= m_tablePages; ++n) {
        if (n > 1) {
            m_writer.newPage();
            m_y = m_page.top();
        }
        m_painter.setFont(m_body);
        drawRow(header);
        const int capacity = n == 1 ? m_rowsFirstPage : m_rowsPerPage;
        for (int i = 0; i < capacity && row < m_model.rowCount(); ++i, ++row) {
            QStringList cells;
            for (int c = 0; c < m_model.columnCount(); ++c)
                cells << m_model.index(row, c).data().toString();
            drawRow(cells);
        }
        m_footer.draw(m_painter, m_page, n, m_pages);
    }
}

void ReportPainter::drawCurvePage(QCustomPlot *plot)
{
    m_writer.newPage();
    if (plot) {
        const QRect area(m_page.left(), m_page.top(), m_page.width(), m_page.width() * 3 / 4);
        // Recorded as vector drawing at a screen-like size, 720 units wide,
        // then played onto the page.
        QPicture picture;
        QCPPainter recorder(&picture);
        plot->toPainter(&recorder, kPlotUnits, int(area.height() / (double(area.width()) / kPlotUnits)));
        recorder.end();
        playPicture(m_painter, picture, area.topLeft(), area.width(), kPlotUnits);
    }
    m_footer.draw(m_painter, m_page, m_pages, m_pages);
    m_painter.end();
}

void ReportPainter::drawRow(const QStringList &cells)
{
    // Where each column starts (mm from the margin): four columns spread
    // over the page, six (with the uncertainty's) set closer.
    static constexpr double kFour[] = {0, 35, 75, 120};
    static constexpr double kSix[] = {0, 30, 58, 92, 120, 148};
    const bool six = cells.size() > int(std::size(kFour));
    const double *starts = six ? kSix : kFour;
    const int count = six ? int(std::size(kSix)) : int(std::size(kFour));
    for (int c = 0; c < cells.size() && c < count; ++c)
        m_painter.drawText(
            QRect(m_page.left() + millimetres(m_writer, starts[c]), m_y, millimetres(m_writer, six ? 30 : 40), m_line),
            Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
    m_y += m_line;
}

} // namespace

QByteArray pdfReport(const RatingTableModel &model, QCustomPlot *plot)
{
    return a4Pdf(Texts::ratingName(), [&](QPdfWriter &writer) {
        ReportPainter(writer, model).draw(plot);
        return true;
    });
}

bool printReport(const RatingTableModel &model, QCustomPlot *plot, QPrinter &printer)
{
    setUpA4Printer(printer, Texts::ratingName());
    ReportPainter report(printer, model);
    if (!report.isActive())
        return false;
    report.draw(plot);
    return true;
}

} // namespace weir
