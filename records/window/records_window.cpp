// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/window/records_window.h"

#include "hydraulics/units.h"
#include "logic/box_number.h"
#include "logic/texts.h"
#include "records/reading_scale.h"

#include <qcustomplot.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

namespace weir {

namespace {

// A file by its name, for the records layer's stream: in wide characters on
// Windows, whose narrow names are the code page's.
std::FILE *openForReading(const QString &path)
{
#ifdef Q_OS_WIN
    return _wfopen(reinterpret_cast<const wchar_t *>(path.utf16()), L"rb");
#else
    return std::fopen(QFile::encodeName(path).constData(), "rb");
#endif
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

double lpm(double m3s)
{
    return units::litresPerMinuteFromCubicMetresPerSecond(m3s);
}

} // namespace

RecordsWindowWidget::RecordsWindowWidget(QWidget *calculator)
    : QWidget(calculator, Qt::Window)
{
    setObjectName(QStringLiteral("RecordsWindow"));
    setWindowTitle(tr("記録から流量"));
    setAcceptDrops(true);
    buildControls();
    resize(900, 640);
}

RecordsWindowWidget::~RecordsWindowWidget()
{
    // The worker reads into memory of its own; it is stopped and waited for,
    // so nothing is shown into a window that is gone.
    if (m_cancel)
        *m_cancel = true;
    if (m_thread)
        m_thread->wait();
}

void RecordsWindowWidget::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(tr("ファイル: （まだありません。開くか、ここへドロップして下さい）"), this);
    m_fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *open = new QPushButton(tr("開く(&O)..."), this);
    open->setObjectName(QStringLiteral("openButton"));
    connect(open, &QPushButton::clicked, this, &RecordsWindowWidget::chooseFile);
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(open);
    layout->addLayout(fileRow);

    auto *form = new QFormLayout;
    const auto addBox
        = [this, form](QLineEdit *&box, const QString &caption, const QString &objectName, const QString &hint) {
              box = new QLineEdit(this);
              box->setObjectName(objectName);
              box->setAccessibleName(caption);
              box->setPlaceholderText(hint);
              form->addRow(caption, box);
          };
    addBox(m_headColumn, tr("水位の列"), QStringLiteral("headColumnBox"), tr("見出しの名前か、1から数えた番号"));
    addBox(m_timeColumns, tr("時刻の列"), QStringLiteral("timeColumnsBox"),
           tr("日付と時刻が別の列なら、コンマで区切って二つ"));
    addBox(m_timeFormat, tr("時刻の書き方"), QStringLiteral("timeFormatBox"),
           tr("日付の順が記録から決まらないときだけ（例: dd.MM.yyyy HH:mm）"));
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitBox"));
    m_unit->addItems({tr("記録にあれば、その単位（なければ mm）"), QStringLiteral("mm"), QStringLiteral("cm"),
                      QStringLiteral("m"), QStringLiteral("in"), QStringLiteral("ft")});
    m_unit->setAccessibleName(tr("水位の単位"));
    form->addRow(tr("水位の単位"), m_unit);
    addBox(m_zero, tr("堰頂のときの読み"), QStringLiteral("zeroBox"), tr("水面が堰頂と同じ高さのときの読み（既定 0）"));
    m_falling = new QCheckBox(tr("水面の上から距離を測る計器（超音波、レーダー）"), this);
    m_falling->setObjectName(QStringLiteral("fallingBox"));
    form->addRow(QString(), m_falling);
    addBox(m_width, Texts::width(), QStringLiteral("widthBox"), tr("計算機の堰の幅"));
    layout->addLayout(form);

    auto *actions = new QHBoxLayout;
    m_readButton = new QPushButton(tr("読み込む(&R)"), this);
    m_readButton->setObjectName(QStringLiteral("readButton"));
    connect(m_readButton, &QPushButton::clicked, this, &RecordsWindowWidget::read);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setAccessibleName(tr("読み込みの進み"));
    m_cancelButton = new QPushButton(tr("中止(&S)"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &RecordsWindowWidget::cancel);
    m_copyButton = new QPushButton(tr("日ごとの表をコピー(&C)"), this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    connect(m_copyButton, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(daysText()); });
    actions->addWidget(m_readButton);
    actions->addWidget(m_progress, 1);
    actions->addWidget(m_cancelButton);
    actions->addWidget(m_copyButton);
    layout->addLayout(actions);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);

    m_tabs = new QTabWidget(this);
    const auto table = [this](const QString &name) {
        auto *t = new QTableWidget(this);
        t->setObjectName(name);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->verticalHeader()->hide();
        return t;
    };
    m_days = table(QStringLiteral("daysTable"));
    m_days->setAccessibleName(tr("日ごとの水量"));
    m_months = table(QStringLiteral("monthsTable"));
    m_months->setAccessibleName(tr("月ごとの水量"));
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("hydrograph"));
    m_plot->setAccessibleName(tr("流量と越流高さの時間変化"));
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    m_unanswered = new QPlainTextEdit(this);
    m_unanswered->setObjectName(QStringLiteral("unansweredText"));
    m_unanswered->setReadOnly(true);
    m_unanswered->setAccessibleName(tr("答えのない行"));
    m_tabs->addTab(m_days, tr("日ごと"));
    m_tabs->addTab(m_months, tr("月ごと"));
    m_tabs->addTab(m_plot, tr("流量の変化"));
    m_tabs->addTab(m_unanswered, tr("答えのない行"));
    layout->addWidget(m_tabs, 1);
}

void RecordsWindowWidget::takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                       const QString &widthMm)
{
    m_locale = locale;
    m_gauge = gauge;
    if (m_width->text().isEmpty() && parseBoxNumber(widthMm, locale).status == BoxNumber::Status::Ok)
        m_width->setText(widthMm);
}

void RecordsWindowWidget::chooseFile()
{
    QSettings settings;
    const QString folder = settings.value(QStringLiteral("records/folder")).toString();
    const QString path = QFileDialog::getOpenFileName(this, tr("記録を開く"), folder,
                                                      tr("記録 (*.csv *.txt *.dat *.tsv *.rdb);;すべてのファイル (*)"));
    if (path.isEmpty())
        return;
    settings.setValue(QStringLiteral("records/folder"), QFileInfo(path).absolutePath());
    openFile(path);
}

void RecordsWindowWidget::openFile(const QString &path)
{
    m_path = path;
    m_fileLabel->setText(tr("ファイル: %1").arg(QDir::toNativeSeparators(path)));
    if (!m_headColumn->text().trimmed().isEmpty() && !reading())
        read();
    else
        m_headColumn->setFocus(Qt::OtherFocusReason);
}

void RecordsWindowWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().value(0).isLocalFile())
        event->acceptProposedAction();
}

void RecordsWindowWidget::dropEvent(QDropEvent *event)
{
    openFile(event->mimeData()->urls().value(0).toLocalFile());
    event->acceptProposedAction();
}

void RecordsWindowWidget::say(const QString &text)
{
    m_summary->setText(text);
    QAccessibleEvent changed(m_summary, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

bool RecordsWindowWidget::read()
{
    if (reading())
        return false;
    if (m_path.isEmpty()) {
        say(tr("記録のファイルを開いて下さい。"));
        return false;
    }
    FlowRecordSettings settings;
    const QString head = m_headColumn->text().trimmed();
    if (head.isEmpty()) {
        say(tr("水位の列を入れて下さい。"));
        m_headColumn->setFocus(Qt::OtherFocusReason);
        return false;
    }
    settings.columns.value = ColumnChoice::fromText(head);
    for (const QString &time : m_timeColumns->text().split(u',', Qt::SkipEmptyParts))
        settings.columns.time.push_back(ColumnChoice::fromText(time));
    if (settings.columns.time.size() > 2) {
        say(tr("時刻の列は一つ、または日付と時刻の二つです。"));
        return false;
    }
    settings.timeFormat = m_timeFormat->text().trimmed();
    if (m_unit->currentIndex() > 0)
        settings.unit = headUnitNamed(m_unit->currentText());
    const QString zeroText = m_zero->text().trimmed();
    if (!zeroText.isEmpty()) {
        const BoxNumber zero = parseBoxNumber(zeroText, m_locale);
        if (zero.status != BoxNumber::Status::Ok) {
            say(Texts::notANumber(tr("堰頂のときの読み")));
            return false;
        }
        settings.zero = zero.value;
    }
    settings.falling = m_falling->isChecked();
    const BoxNumber width = parseBoxNumber(m_width->text().trimmed(), m_locale);
    if (width.status != BoxNumber::Status::Ok || !(width.value > 0)) {
        say(width.status == BoxNumber::Status::Ok ? Texts::notPositive(Texts::width())
                                                  : Texts::notANumber(Texts::width()));
        m_width->setFocus(Qt::OtherFocusReason);
        return false;
    }
    settings.widthMm = width.value;
    settings.gauge = m_gauge;

    std::FILE *file = openForReading(m_path);
    if (!file) {
        say(Texts::cannotOpen(QFileInfo(m_path).fileName(), tr("ファイルを読めません。")));
        return false;
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancel;
    m_readButton->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setValue(0);
    say(tr("読み込んでいます..."));
    m_thread = QThread::create([this, file, settings, cancelled] {
        const auto progress = [this, cancelled](qint64 done, qint64 size) {
            const int permille = size > 0 ? int(std::min<qint64>(1000, done * 1000 / size)) : 0;
            QMetaObject::invokeMethod(
                this, [this, permille] { m_progress->setValue(permille); }, Qt::QueuedConnection);
            return !*cancelled;
        };
        auto record = std::make_shared<FlowRecord>(readFlowRecord(file, settings, progress));
        std::fclose(file);
        QMetaObject::invokeMethod(
            this,
            [this, record] {
                if (record->cancelled)
                    say(tr("中止しました。"));
                else
                    showRecord(*record);
                endReading();
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
    return true;
}

void RecordsWindowWidget::cancel()
{
    if (m_cancel)
        *m_cancel = true;
}

void RecordsWindowWidget::endReading()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    m_readButton->setEnabled(true);
    m_cancelButton->setEnabled(false);
    emit finished();
}

QString RecordsWindowWidget::summary() const
{
    return m_summary->text();
}

void RecordsWindowWidget::showRecord(const FlowRecord &record)
{
    if (record.fault) {
        say(record.fault->message);
        return;
    }
    QStringList said;
    said << tr("%1行のうち %2行に流量があります。").arg(record.rows).arg(record.answered);
    const QStringList volume = record.days.messages();
    if (!volume.isEmpty())
        said << volume.last();
    say(said.join(u' '));
    const bool withU = record.days.withUncertainty;
    fillTable(m_days, record.days.periods, withU);
    fillTable(m_months, record.months.periods, withU);
    QStringList unanswered;
    for (const UnansweredRow &row : record.unanswered)
        unanswered << tr("%1行目: %2").arg(row.line).arg(row.reason);
    if (record.unansweredCount > static_cast<long long>(record.unanswered.size()))
        unanswered << tr("ほか %1行").arg(record.unansweredCount - static_cast<long long>(record.unanswered.size()));
    unanswered << QString() << record.days.messages();
    m_unanswered->setPlainText(unanswered.join(u'\n'));
    drawHydrograph(record);
    m_progress->setValue(1000);
}

void RecordsWindowWidget::fillTable(QTableWidget *table, const std::vector<PeriodVolume> &periods, bool withU)
{
    QStringList headers{table == m_days ? tr("日付") : tr("月"),
                        tr("水量 (m³)"),
                        tr("読みの覆う割合 (%)"),
                        tr("読みの数"),
                        tr("最小流量 (L/min)"),
                        tr("平均流量 (L/min)"),
                        tr("最大流量 (L/min)")};
    if (withU)
        headers << tr("水量の U (m³)");
    headers << tr("欠ける理由");
    table->clear();
    table->setColumnCount(int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(int(periods.size()));
    for (std::size_t row = 0; row < periods.size(); ++row) {
        const PeriodVolume &period = periods[row];
        const std::optional<double> mean = period.meanM3s();
        const bool readings = period.readings > 0;
        QStringList cells{period.name,
                          fixed(period.volumeM3, 3),
                          fixed(period.coverPercent(), 1),
                          QString::number(period.readings),
                          readings ? fixed(lpm(period.smallestM3s), 2) : QString(),
                          mean ? fixed(lpm(*mean), 2) : QString(),
                          readings ? fixed(lpm(period.largestM3s), 2) : QString()};
        if (withU)
            cells << fixed(period.uM3, 3);
        cells << period.whyIncomplete();
        for (qsizetype column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column > 0 && column + 1 < cells.size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(int(row), int(column), item);
        }
    }
    table->resizeColumnsToContents();
}

QString RecordsWindowWidget::daysText() const
{
    QStringList lines;
    QStringList headers;
    for (int column = 0; column < m_days->columnCount(); ++column)
        headers << m_days->horizontalHeaderItem(column)->text();
    lines << headers.join(u'\t');
    for (int row = 0; row < m_days->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_days->columnCount(); ++column)
            cells << (m_days->item(row, column) ? m_days->item(row, column)->text() : QString());
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void RecordsWindowWidget::drawHydrograph(const FlowRecord &record)
{
    m_plot->clearGraphs();
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

} // namespace weir
