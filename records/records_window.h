// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"
#include "records/model/flow_record.h"
#include "records/model/record_preview.h"
#include "records/records_report.h"
#include "records/records_window_interface.h"

#include <QMap>
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
    QComboBox *formulaBox() const { return m_formula; }
    QLineEdit *channelWidthBox() const { return m_channelWidth; }
    QLineEdit *crestHeightBox() const { return m_crestHeight; }
    QComboBox *encodingBox() const { return m_encoding; }
    QComboBox *delimiterBox() const { return m_delimiter; }
    QComboBox *decimalMarkBox() const { return m_decimalMark; }
    QTableWidget *previewTable() const { return m_previewTable; }
    QPlainTextEdit *previewLines() const { return m_previewLines; }
    QString foundText() const; // what was found in the file: encoding, delimiter, mark, header, unit
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
    // A day's concentration (mg/L), as typed into its row; its load follows.
    void setConcentration(int row, const QString &text);
    // The daily table, then the monthly one, as a spreadsheet reads a CSV
    // file (UTF-8 with a byte-order mark, CRLF); each returns an empty
    // string or the message it also shows.
    QByteArray daysCsv() const;
    Outcome<void> saveDaysCsv(const QString &path);
    // Every row of the record with its flow, as `weir-head flow --column`
    // writes them in CSV (the record's fields, then flow_lpm, flow_m3s, the
    // U columns with the uncertainties, and the reason), read again on the
    // worker thread and written whole or not at all; finished() when done.
    bool saveRowsCsv(const QString &path);
    // The report of what was read: its content, and as a PDF file.
    RecordsReport report() const;
    // The hydrograph's point nearest a place on the plot (its pixels): its
    // time, flow and head, said under the plot.
    void readOutAt(const QPointF &position);
    QString pointReadout() const;
    Outcome<void> savePdf(const QString &path);
    void previewReport();

signals:
    void finished(); // a reading ended: shown, refused or cancelled

protected:
    // The hydrograph's keys: + and - zoom the time, the arrows pan it,
    // Home shows the whole record.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildControls();
    void chooseFile();
    // The first lines and rows with what the layout makes of them; where
    // the rows leave no choice of columns, the columns chosen and the file
    // read.
    void preview();
    void showPreview(const RecordPreview &preview);
    void markChosenColumns();
    void headerClicked(int column);
    // What the boxes ask beside the columns: encoding, delimiter, mark.
    LayoutQuestion question() const;
    std::optional<TextEncoding> chosenEncoding() const;
    // A standard's formula from the boxes, or none for the program's own;
    // false (and said) when a box it needs does not read.
    bool readFormula(std::optional<StandardFormula> *formula);
    void enableFormulaBoxes();
    void showRecord(const FlowRecord &record);
    void fillTable(QTableWidget *table, const std::vector<PeriodVolume> &periods, bool withU);
    int concentrationColumn() const;
    void updateLoads();
    void pasteConcentrations();
    void drawHydrograph(const FlowRecord &record);
    void say(const QString &text);
    void endReading();
    // The file read on the worker thread with the settings; `done` is told
    // the record (or that it was cancelled) on the window's thread.
    bool startReading(const FlowRecordSettings &settings, const RowSink &rows,
                      std::function<void(const FlowRecord &)> done);

    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
    QString m_path;
    bool m_shown = false; // a record's volumes are shown
    RecordPreview m_preview;
    FlowRecordSettings m_settings; // of the last reading asked for
    std::vector<PeriodVolume> m_dayPeriods;
    QMap<QString, double> m_concentrations; // mg/L by day, kept across readings
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
    QComboBox *m_formula = nullptr;
    QLineEdit *m_channelWidth = nullptr;
    QLineEdit *m_crestHeight = nullptr;
    QComboBox *m_encoding = nullptr;
    QComboBox *m_delimiter = nullptr;
    QComboBox *m_decimalMark = nullptr;
    QLabel *m_found = nullptr;
    QPlainTextEdit *m_previewLines = nullptr;
    QTableWidget *m_previewTable = nullptr;
    QPushButton *m_readButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_csvButton = nullptr;
    QPushButton *m_rowsButton = nullptr;
    QPushButton *m_pdfButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_summary = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_days = nullptr;
    QTableWidget *m_months = nullptr;
    QCustomPlot *m_plot = nullptr;
    QPlainTextEdit *m_unanswered = nullptr;
    QLabel *m_pointReadout = nullptr;
    // The hydrograph's points as drawn (s since the epoch on the record's
    // own clock; NaN at a break).
    QVector<double> m_times, m_flows, m_heads;
};

} // namespace weir
