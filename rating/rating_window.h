// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"
#include "rating/model/rating_table.h"
#include "rating/rating_window_interface.h"

#include <QWidget>

class QCPCurve;
class QCPGraph;
class QCustomPlot;
class QLabel;
class QComboBox;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QSplitter;
class QTableView;

namespace weir {

// The rating window (水位流量表): a weir's heads and flows across a range, as a
// table and as a curve, and the flow for one measured head.
//
// Its boxes (width, first and last head, step) update everything as they are
// typed. A box that holds no usable number gets a message naming it, and the
// table and curve stay as they were. The table can be copied for a
// spreadsheet (Ctrl+C), saved as CSV or printed to PDF; a save is whole or
// not at all, and a failed one says why in the window.
class RatingWindowWidget : public QWidget, public RatingWindow
{
    Q_OBJECT

public:
    explicit RatingWindowWidget(QWidget *calculator = nullptr);

    QWidget *widget() override { return this; }
    void takeBoxes(const CalculatorReading &reading) override;
    void takeShownHead(std::optional<FoundHead> head) override;
    void takeGauge(const std::optional<GaugeUncertainty> &gauge) override;

    RatingTableModel *model() const { return m_model; }
    QLineEdit *box(RatingBox box) const;
    // The formula the table is of: the program's own (none) or a standard's,
    // with the channel's width and the crest's height (mm) it takes.
    void chooseFormula(std::optional<StandardWeir> weir, const QString &channelWidthMm = {},
                       const QString &crestHeightMm = {});
    QString message() const;
    QString flowText() const;
    QString gaugeNote() const; // the uncertainties stated, empty when none
    QString readout() const;
    QCustomPlot *plot() const { return m_plot; }
    // Whether the table and curve are of the boxes as they read now: not
    // while a box holds no usable number.
    bool isCurrent() const;

    // Copies the table to the clipboard, tab-separated with a header row.
    void copyTable();
    // Each returns an empty string, or the message it also shows.
    Outcome<void> saveCsv(const QString &path);
    Outcome<void> savePdf(const QString &path);
    // The report's pages as they would print, in a preview dialog from
    // which they can be printed (window-modal, returning at once).
    void previewReport();
    // The readout for the point nearest a place on the plot (plot pixels).
    void readOutAt(const QPointF &position);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QLayout *buildBoxes();
    QLayout *buildButtons();
    QLayout *buildFormulaBoxes(int boxWidth);
    // The standard's formula the boxes give, none for the program's own;
    // false (and a message) when a box it needs does not read.
    bool readFormula(std::optional<StandardFormula> *formula);
    QWidget *buildTable();
    QWidget *buildPlot();
    void setKeyboardOrder();
    void connectControls();
    void fitTableWidth();
    void refresh();
    void refreshFlowAtHead();
    void replot();
    void showMessage(const QString &text);
    void setCurrent(bool current);
    void chooseCsvFile();
    void choosePdfFile();

    RatingTableModel *m_model = nullptr;
    std::optional<FoundHead> m_shownHead;
    bool m_current = true;
    QLocale m_numberLocale;

    QLineEdit *m_widthBox = nullptr;
    QLineEdit *m_fromBox = nullptr;
    QLineEdit *m_toBox = nullptr;
    QLineEdit *m_stepBox = nullptr;
    QLineEdit *m_headBox = nullptr;
    QComboBox *m_formulaBox = nullptr;
    QLineEdit *m_channelWidthBox = nullptr;
    QLineEdit *m_crestHeightBox = nullptr;
    QLabel *m_formulaNote = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_csvButton = nullptr;
    QPushButton *m_pdfButton = nullptr;
    QPushButton *m_previewButton = nullptr;
    QLabel *m_flowLabel = nullptr;
    QLabel *m_gaugeNote = nullptr;
    QLabel *m_messageLabel = nullptr;
    QTableView *m_table = nullptr;
    QSplitter *m_splitter = nullptr;
    QCustomPlot *m_plot = nullptr;
    QCPCurve *m_inRange = nullptr;    // heads of 20 mm and over
    QCPCurve *m_belowRange = nullptr; // below 20 mm, drawn dashed
    QCPCurve *m_ownCurve = nullptr;   // the program's own formula, beside a standard's
    QCPGraph *m_shownPoint = nullptr; // the calculator's head
    QCPGraph *m_pointed = nullptr;    // the point under the mouse
    QLabel *m_readout = nullptr;
};

} // namespace weir
