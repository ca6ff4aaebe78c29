// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The records window's hydrograph: head and flow against the record's own
// clock, gaps shaded, the point under the mouse read out, the keys.
#include "records/records_window.h"

#include "records/table_cells.h"

#include <qcustomplot.h>

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>

#include <cmath>

namespace weir {

using namespace records_window;

void RecordsWindowWidget::drawHydrograph(const FlowRecord &record)
{
    m_plot->clearGraphs();
    m_plot->clearItems();
    QCPGraph *flows = m_plot->addGraph(m_plot->xAxis, m_plot->yAxis);
    QCPGraph *heads = m_plot->addGraph(m_plot->xAxis, m_plot->yAxis2);
    flows->setPen(QPen(QColor(0x1f, 0x4e, 0x99)));
    heads->setPen(QPen(QColor(0xb3, 0x5a, 0x00)));
    flows->setName(tr("流量 (L/min)"));
    heads->setName(tr("越流高さ (mm)"));
    // Each span of time drawn as the line from its smallest to its largest
    // value, so that no peak is lost; a break where the record has none, or
    // where a step is longer than twice the record's own.
    const qint64 gap = record.days.usualStepMs > 0 ? 2 * record.days.usualStepMs : 0;
    QVector<double> times, flowValues, headValues;
    qint64 lastMs = 0;
    bool first = true;
    for (const Hydrograph::Span &span : record.hydrograph.spans()) {
        if (!first && (span.breakBefore || (gap > 0 && span.fromMs - lastMs > gap))) {
            times << double(lastMs) / 1000 + 0.001;
            flowValues << qQNaN();
            headValues << qQNaN();
            // The time without readings shaded from top to bottom.
            auto *shade = new QCPItemRect(m_plot);
            shade->topLeft->setTypeX(QCPItemPosition::ptPlotCoords);
            shade->topLeft->setTypeY(QCPItemPosition::ptAxisRectRatio);
            shade->bottomRight->setTypeX(QCPItemPosition::ptPlotCoords);
            shade->bottomRight->setTypeY(QCPItemPosition::ptAxisRectRatio);
            shade->topLeft->setCoords(double(lastMs) / 1000, 0);
            shade->bottomRight->setCoords(double(span.fromMs) / 1000, 1);
            shade->setPen(Qt::NoPen);
            shade->setBrush(QColor(0x80, 0x80, 0x80, 0x40));
            shade->setLayer(QStringLiteral("background"));
        }
        const double middle = double(span.fromMs + (span.toMs - span.fromMs) / 2) / 1000;
        times << middle << middle;
        flowValues << span.smallestLpm << span.largestLpm;
        headValues << span.smallestHeadMm << span.largestHeadMm;
        lastMs = span.toMs;
        first = false;
    }
    flows->setData(times, flowValues, true);
    heads->setData(times, headValues, true);
    m_times = times;
    m_flows = flowValues;
    m_heads = headValues;
    m_pointReadout->clear();
    // The axis in the record's own clock, its zone said when the record
    // states one.
    const QString zone = record.layout.timeZone;
    m_plot->xAxis->setLabel(zone.isEmpty() ? tr("時刻（記録の時計）") : tr("時刻（記録の時計、%1）").arg(zone));
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeSpec(Qt::UTC); // the record's own clock, as it stands
    ticker->setDateTimeFormat(QStringLiteral("MM/dd\nHH:mm"));
    m_plot->xAxis->setTicker(ticker);
    m_plot->yAxis->setLabel(tr("流量 (L/min)"));
    m_plot->yAxis2->setLabel(tr("越流高さ (mm)"));
    m_plot->yAxis2->setVisible(true);
    m_plot->legend->setVisible(true);
    m_plot->rescaleAxes();
    m_plot->replot();
}

void RecordsWindowWidget::readOutAt(const QPointF &position)
{
    int nearest = -1;
    double best = 0;
    for (qsizetype i = 0; i < m_times.size(); ++i) {
        if (std::isnan(m_flows[i]))
            continue;
        const double distance = std::abs(m_plot->xAxis->coordToPixel(m_times[i]) - position.x());
        if (nearest < 0 || distance < best) {
            nearest = int(i);
            best = distance;
        }
    }
    if (nearest < 0) {
        m_pointReadout->clear();
        return;
    }
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(m_times[nearest] * 1000)), Qt::UTC);
    m_pointReadout->setText(tr("%1　流量 %2 L/min　越流高さ %3 mm")
                                .arg(at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), fixed(m_flows[nearest], 2),
                                     fixed(m_heads[nearest], 2)));
}

QString RecordsWindowWidget::pointReadout() const
{
    return m_pointReadout->text();
}

bool RecordsWindowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_plot || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    QCPAxis *time = m_plot->xAxis;
    const QCPRange range = time->range();
    switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: time->scaleRange(0.5, range.center()); break;
    case Qt::Key_Minus: time->scaleRange(2.0, range.center()); break;
    case Qt::Key_Left: time->moveRange(-range.size() / 4); break;
    case Qt::Key_Right: time->moveRange(range.size() / 4); break;
    case Qt::Key_Home: m_plot->rescaleAxes(); break;
    default: return QWidget::eventFilter(watched, event);
    }
    m_plot->replot();
    return true;
}

} // namespace weir
