// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/flow_record.h"
#include "records/window/records_window_interface.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QThread;

namespace weir {

// The records window (記録から流量): a logger's export, chosen or dropped,
// read on a worker thread (a progress bar and 中止; the window answers all
// the while) with the records layer, the same engine as `weir-head flow
// --period day`, into the day's and the month's volumes, the rows without an
// answer and the hydrograph of head and flow against time.
class RecordsWindowWidget : public QWidget, public RecordsWindow
{
    Q_OBJECT

public:
    explicit RecordsWindowWidget(QWidget *calculator = nullptr);
    ~RecordsWindowWidget() override;

    QWidget *widget() override { return this; }
    void takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                      const QString &widthMm) override;
    void openFile(const QString &path) override;

    // Reads the file with the boxes' choices; false (and said) when a box
    // does not read.
    bool read();
    void cancel();
    bool reading() const { return m_thread != nullptr; }

    QLineEdit *headColumnBox() const { return m_headColumn; }
    QLineEdit *timeColumnsBox() const { return m_timeColumns; }
    QLineEdit *zeroBox() const { return m_zero; }
    QLineEdit *widthBox() const { return m_width; }
    QComboBox *unitBox() const { return m_unit; }
    QCheckBox *fallingBox() const { return m_falling; }
    QPushButton *readButton() const { return m_readButton; }
    QTableWidget *daysTable() const { return m_days; }
    QTableWidget *monthsTable() const { return m_months; }
    QCustomPlot *plot() const { return m_plot; }
    QString summary() const;
    // The daily table as a spreadsheet takes it (tab-separated), as コピー
    // copies it.
    QString daysText() const;

signals:
    void finished(); // a reading ended: shown, refused or cancelled

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildControls();
    void chooseFile();
    void showRecord(const FlowRecord &record);
    void fillTable(QTableWidget *table, const std::vector<PeriodVolume> &periods, bool withU);
    void drawHydrograph(const FlowRecord &record);
    void say(const QString &text);
    void endReading();

    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
    QString m_path;
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;

    QLabel *m_fileLabel = nullptr;
    QLineEdit *m_headColumn = nullptr;
    QLineEdit *m_timeColumns = nullptr;
    QLineEdit *m_timeFormat = nullptr;
    QComboBox *m_unit = nullptr;
    QLineEdit *m_zero = nullptr;
    QCheckBox *m_falling = nullptr;
    QLineEdit *m_width = nullptr;
    QPushButton *m_readButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_copyButton = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_summary = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_days = nullptr;
    QTableWidget *m_months = nullptr;
    QCustomPlot *m_plot = nullptr;
    QPlainTextEdit *m_unanswered = nullptr;
};

} // namespace weir
