// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "design/design_window_interface.h"
#include "design/model/design_model.h"

#include <QWidget>

class QCPGraph;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QPushButton;

namespace weir {

class Announcer;

// The design window (堰の設計): the flows to measure and the channel's
// highest head in, the range of widths that measure them out, updated as the
// boxes are typed. A width chosen in the range shows the heads at both
// flows, how finely a gauge must read at the smallest, and its U when the
// uncertainties are stated; この幅を計算機に入れる puts it into the calculator's width
// box. The curve draws both flows' heads against the width, with the limits
// (20 mm, the highest head) and the range between them.
class DesignWindowWidget : public QWidget, public DesignWindow
{
    Q_OBJECT

public:
    explicit DesignWindowWidget(QWidget *calculator = nullptr);

    QWidget *widget() override { return this; }
    void takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge) override;
    void onApply(std::function<void(const QString &widthMm)> apply) override { m_apply = std::move(apply); }

    QLineEdit *box(DesignBox box) const;
    QLineEdit *widthBox() const { return m_widthBox; }
    QPushButton *applyButton() const { return m_applyButton; }
    QCustomPlot *plot() const { return m_plot; }
    QString rangeText() const; // the range, or why there is none
    QString pointText() const; // what the chosen width does
    QString gaugeText() const; // the uncertainties stated, or how to state them
    Announcer *announcer() const { return m_announcer; }

private:
    void buildControls();
    QWidget *buildPlot();
    void refresh();
    void refreshPoint();
    void replot();
    void applyWidth();
    void announceAnswer();

    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
    DesignAnswer m_answer;
    std::function<void(const QString &)> m_apply;

    QLineEdit *m_smallestBox = nullptr;
    QLineEdit *m_largestBox = nullptr;
    QLineEdit *m_highestBox = nullptr;
    QLineEdit *m_limitBox = nullptr;
    QLineEdit *m_widthBox = nullptr;
    QPushButton *m_applyButton = nullptr;
    QLabel *m_gaugeLabel = nullptr;
    QLabel *m_rangeLabel = nullptr;
    QLabel *m_pointLabel = nullptr;
    Announcer *m_announcer = nullptr;
    QCustomPlot *m_plot = nullptr;
    QCPGraph *m_smallestHeads = nullptr;
    QCPGraph *m_largestHeads = nullptr;
    QCPGraph *m_chosen = nullptr;
    QCPItemStraightLine *m_lowestLine = nullptr;  // 20 mm
    QCPItemStraightLine *m_highestLine = nullptr; // the highest head
    QCPItemStraightLine *m_narrowestLine = nullptr;
    QCPItemStraightLine *m_widestLine = nullptr;
};

} // namespace weir
