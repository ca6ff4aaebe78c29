// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/records_window.h"

#include "common/box_number.h"
#include "common/texts.h"
#include "hydraulics/units.h"
#include "records/model/reading_scale.h"
#include "records/record_file.h"

#include <qcustomplot.h>

#include <QAccessible>
#include <QAction>
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

using namespace records_window;

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
    if (m_thread) {
        m_thread->wait();
        delete m_thread; // its report to the window, queued, goes with the window
    }
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

    // The record's columns and scale on the left, the weir on the right.
    auto *form = new QFormLayout;
    auto *weirForm = new QFormLayout;
    QFormLayout *into = form;
    const auto addBox
        = [this, &into](QLineEdit *&box, const QString &caption, const QString &objectName, const QString &hint) {
              box = new QLineEdit(this);
              box->setObjectName(objectName);
              box->setAccessibleName(caption);
              box->setPlaceholderText(hint);
              into->addRow(caption, box);
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
    into = weirForm;
    addBox(m_width, Texts::width(), QStringLiteral("widthBox"), tr("計算機の堰の幅"));
    // The formula: the program's own, or one a standard names, with the
    // channel it takes.
    m_formula = new QComboBox(this);
    m_formula->setObjectName(QStringLiteral("formulaBox"));
    m_formula->setAccessibleName(tr("流量の公式"));
    m_formula->addItem(Texts::formulaName(std::nullopt), -1);
    for (const StandardWeir weir : kOfferedStandards)
        m_formula->addItem(Texts::formulaName(weir), int(weir));
    weirForm->addRow(tr("公式"), m_formula);
    addBox(m_channelWidth, tr("水路の幅 B(mm)"), QStringLiteral("channelWidthBox"), tr("四角せき"));
    addBox(m_crestHeight, tr("堰頂の高さ D(mm)"), QStringLiteral("crestHeightBox"), tr("水路の底から"));
    connect(m_formula, &QComboBox::currentIndexChanged, this, &RecordsWindowWidget::enableFormulaBoxes);
    enableFormulaBoxes();

    // What the file says of itself, each changeable: the encoding, the
    // delimiter and the decimal mark, found from the data unless chosen.
    const auto choice = [this](QComboBox *&box, const QString &name, const QString &caption,
                               const std::vector<std::pair<QString, int>> &items) {
        box = new QComboBox(this);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        for (const auto &[text, value] : items)
            box->addItem(text, value);
        connect(box, &QComboBox::currentIndexChanged, this, &RecordsWindowWidget::preview);
        return box;
    };
    const QString found = tr("ファイルから");
    auto *fileForm = new QHBoxLayout;
    for (QWidget *w :
         {static_cast<QWidget *>(new QLabel(tr("文字コード"), this)),
          static_cast<QWidget *>(choice(m_encoding, QStringLiteral("encodingBox"), tr("文字コード"),
                                        {{found, -1},
                                         {QStringLiteral("UTF-8"), int(TextEncoding::Utf8)},
                                         {QStringLiteral("UTF-16"), int(TextEncoding::Utf16LE)},
                                         {QStringLiteral("Shift_JIS (CP932)"), int(TextEncoding::Cp932)},
                                         {QStringLiteral("Latin-1"), int(TextEncoding::Latin1)}})),
          static_cast<QWidget *>(new QLabel(tr("区切り"), this)),
          static_cast<QWidget *>(choice(m_delimiter, QStringLiteral("delimiterBox"), tr("区切り"),
                                        {{found, 0},
                                         {tr("コンマ"), int(',')},
                                         {tr("セミコロン"), int(';')},
                                         {tr("タブ"), int('\t')},
                                         {tr("縦棒"), int('|')}})),
          static_cast<QWidget *>(new QLabel(tr("小数点"), this)),
          static_cast<QWidget *>(choice(m_decimalMark, QStringLiteral("decimalMarkBox"), tr("小数点"),
                                        {{found, 0}, {tr("点 (.)"), int('.')}, {tr("コンマ (,)"), int(',')}}))})
        fileForm->addWidget(w);
    fileForm->addStretch();
    auto *forms = new QHBoxLayout;
    forms->addLayout(form, 3);
    forms->addSpacing(16);
    forms->addLayout(weirForm, 2);
    layout->addLayout(forms);
    layout->addLayout(fileForm);
    m_found = new QLabel(this);
    m_found->setObjectName(QStringLiteral("foundLabel"));
    m_found->setWordWrap(true);
    m_found->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_found);

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
    m_csvButton = new QPushButton(tr("CSV で保存(&V)..."), this);
    m_csvButton->setObjectName(QStringLiteral("csvButton"));
    connect(m_csvButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, Texts::saveTitle(tr("日ごとの水量")),
                                                          tr("日ごとの水量.csv"), tr("CSV (*.csv)"));
        if (!path.isEmpty())
            saveDaysCsv(path);
    });
    m_rowsButton = new QPushButton(tr("行ごとの流量を保存(&W)..."), this);
    m_rowsButton->setObjectName(QStringLiteral("rowsButton"));
    connect(m_rowsButton, &QPushButton::clicked, this, [this] {
        const QString path
            = QFileDialog::getSaveFileName(this, Texts::saveTitle(tr("行ごとの流量")),
                                           QFileInfo(m_path).completeBaseName() + tr("_流量.csv"), tr("CSV (*.csv)"));
        if (!path.isEmpty())
            saveRowsCsv(path);
    });
    m_pdfButton = new QPushButton(tr("PDF(&P)..."), this);
    m_pdfButton->setObjectName(QStringLiteral("pdfButton"));
    connect(m_pdfButton, &QPushButton::clicked, this, [this] {
        const QString path
            = QFileDialog::getSaveFileName(this, Texts::saveTitle(Texts::recordsName()),
                                           Texts::recordsName() + QStringLiteral(".pdf"), Texts::pdfFiles());
        if (!path.isEmpty())
            savePdf(path);
    });
    m_printButton = new QPushButton(tr("印刷(&I)..."), this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    connect(m_printButton, &QPushButton::clicked, this, &RecordsWindowWidget::previewReport);
    for (QPushButton *button : {m_copyButton, m_csvButton, m_rowsButton, m_pdfButton, m_printButton})
        button->setEnabled(false); // until a record is shown
    actions->addWidget(m_readButton);
    actions->addWidget(m_progress, 1);
    actions->addWidget(m_cancelButton);
    layout->addLayout(actions);
    // What can be taken out of a record read, in a row of its own under the
    // tables: the window stays narrow enough to stand beside the calculator.
    auto *out = new QHBoxLayout;
    for (QPushButton *button : {m_copyButton, m_csvButton, m_rowsButton, m_pdfButton, m_printButton})
        out->addWidget(button);
    out->addStretch();

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
    m_days->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    connect(m_days, &QTableWidget::itemChanged, this, [this] { updateLoads(); });
    auto *paste = new QAction(m_days);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    connect(paste, &QAction::triggered, this, &RecordsWindowWidget::pasteConcentrations);
    m_days->addAction(paste);
    m_months = table(QStringLiteral("monthsTable"));
    m_months->setAccessibleName(tr("月ごとの水量"));
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("hydrograph"));
    m_plot->setAccessibleName(tr("流量と越流高さの時間変化"));
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    // Zoom and drag the time alone; the flows and heads keep their scales.
    m_plot->axisRect()->setRangeDrag(Qt::Horizontal);
    m_plot->axisRect()->setRangeZoom(Qt::Horizontal);
    m_plot->setFocusPolicy(Qt::StrongFocus);
    m_plot->installEventFilter(this);
    connect(m_plot, &QCustomPlot::mouseMove, this, [this](QMouseEvent *event) { readOutAt(event->position()); });
    m_pointReadout = new QLabel(this);
    m_pointReadout->setObjectName(QStringLiteral("pointReadout"));
    m_pointReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *plotSide = new QWidget(this);
    auto *plotLayout = new QVBoxLayout(plotSide);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(m_plot, 1);
    plotLayout->addWidget(m_pointReadout);
    m_unanswered = new QPlainTextEdit(this);
    m_unanswered->setObjectName(QStringLiteral("unansweredText"));
    m_unanswered->setReadOnly(true);
    m_unanswered->setAccessibleName(tr("答えのない行"));
    // The file's first lines as it has them, each marked with what it is,
    // and its first rows under the header's names: a click on a name makes
    // that column the head's, Ctrl and a click adds it to the time's.
    auto *previewSide = new QWidget(this);
    auto *previewLayout = new QVBoxLayout(previewSide);
    m_previewLines = new QPlainTextEdit(this);
    m_previewLines->setObjectName(QStringLiteral("previewLines"));
    m_previewLines->setReadOnly(true);
    m_previewLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_previewLines->setAccessibleName(tr("ファイルの最初の行"));
    m_previewTable = table(QStringLiteral("previewTable"));
    m_previewTable->setAccessibleName(tr("最初の行の列"));
    m_previewTable->verticalHeader()->show();
    connect(m_previewTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &RecordsWindowWidget::headerClicked);
    auto *hint = new QLabel(tr("列の見出しをクリックすると水位の列に、Ctrl+クリックで時刻の列になります。"), this);
    previewLayout->addWidget(m_previewLines, 1);
    previewLayout->addWidget(hint);
    previewLayout->addWidget(m_previewTable, 1);
    m_tabs->addTab(previewSide, tr("ファイルの先頭"));
    m_tabs->addTab(m_days, tr("日ごと"));
    m_tabs->addTab(m_months, tr("月ごと"));
    m_tabs->addTab(plotSide, tr("流量の変化"));
    m_tabs->addTab(m_unanswered, tr("答えのない行"));
    layout->addWidget(m_tabs, 1);
    layout->addLayout(out);
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
    preview();
    if (m_headColumn->text().trimmed().isEmpty() && m_preview.valueColumn) {
        // The rows leave no choice: one column of times (or a date's and a
        // time's), one other of numbers.
        const auto nameOf = [this](long column) {
            const QString name = m_preview.layout.headerNames.value(column);
            return name.isEmpty() || name.contains(u',') || m_preview.layout.headerNames.count(name) > 1
                ? QString::number(column + 1)
                : name;
        };
        m_headColumn->setText(nameOf(*m_preview.valueColumn));
        QStringList times;
        for (const long column : m_preview.timeColumns)
            times << nameOf(column);
        m_timeColumns->setText(times.join(QStringLiteral(", ")));
        markChosenColumns();
    }
    if (!m_headColumn->text().trimmed().isEmpty() && !reading()) {
        read();
    } else {
        m_tabs->setCurrentIndex(0);
        say(tr("水位の列を選んで下さい（「ファイルの先頭」の見出しをクリックするか、名前か番号を入れて下さい）。"));
        m_headColumn->setFocus(Qt::OtherFocusReason);
    }
}

void RecordsWindowWidget::enableFormulaBoxes()
{
    const int chosen = m_formula->currentData().toInt();
    const std::optional<StandardWeir> weir = chosen < 0 ? std::nullopt : std::optional(StandardWeir(chosen));
    m_channelWidth->setEnabled(takesChannelWidth(weir));
    m_crestHeight->setEnabled(takesCrestHeight(weir));
}

bool RecordsWindowWidget::readFormula(std::optional<StandardFormula> *formula)
{
    formula->reset();
    const int chosen = m_formula->currentData().toInt();
    if (chosen < 0)
        return true;
    StandardFormula standard{StandardWeir(chosen)};
    for (const auto &[box, mm] :
         {std::pair{m_channelWidth, &standard.channelWidthMm}, std::pair{m_crestHeight, &standard.crestHeightMm}}) {
        if (!box->isEnabled())
            continue;
        const PositiveNumber number = readPositiveNumber(box->text().trimmed(), box->accessibleName(), m_locale);
        if (!number.value) {
            say(number.message);
            box->setFocus(Qt::OtherFocusReason);
            return false;
        }
        *mm = *number.value;
    }
    *formula = standard;
    return true;
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
    if (!readFormula(&settings.standard))
        return false;
    if (!FlowFormula(settings.widthMm, settings.standard).holds()) {
        say(tr("この堰はあり得ません: 堰の幅は水路の幅 B 以下、堰頂の高さ D は 0 より大きくして下さい。"));
        return false;
    }
    const LayoutQuestion asked = question();
    settings.columns.decimalMark = asked.decimalMark;
    settings.columns.delimiter = asked.delimiter;
    settings.encoding = chosenEncoding();
    m_settings = settings;

    say(tr("読み込んでいます..."));
    return startReading(settings, {}, [this](const FlowRecord &record) {
        if (record.cancelled)
            say(tr("中止しました。"));
        else
            showRecord(record);
    });
}

bool RecordsWindowWidget::startReading(const FlowRecordSettings &settings, const RowSink &rows,
                                       std::function<void(const FlowRecord &)> done)
{
    std::FILE *file = openForReading(m_path);
    if (!file) {
        say(Texts::cannotOpen(QFileInfo(m_path).fileName(), tr("ファイルを読めません。")));
        return false;
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancel;
    m_readButton->setEnabled(false);
    m_rowsButton->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setValue(0);
    m_thread = QThread::create([this, file, settings, cancelled, rows, done] {
        const auto progress = [this, cancelled](qint64 bytes, qint64 size) {
            const int permille = size > 0 ? int(std::min<qint64>(1000, bytes * 1000 / size)) : 0;
            QMetaObject::invokeMethod(
                this, [this, permille] { m_progress->setValue(permille); }, Qt::QueuedConnection);
            return !*cancelled;
        };
        auto record = std::make_shared<FlowRecord>(readFlowRecord(file, settings, progress, rows));
        std::fclose(file);
        QMetaObject::invokeMethod(
            this,
            [this, record, done] {
                done(*record);
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
    m_rowsButton->setEnabled(m_shown);
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
        say(record.fault->words);
        return;
    }
    QStringList said;
    said << tr("%1行のうち %2行に流量があります。").arg(record.rows).arg(record.answered);
    if (m_settings.standard) {
        said << Texts::formulaStatement(m_settings.standard->weir);
        if (record.outsideRange > 0)
            said << tr("%1行は公式の適用範囲外です（備考の欄）。").arg(record.outsideRange);
    }
    const QStringList volume = record.days.messages();
    if (!volume.isEmpty())
        said << volume.last();
    say(said.join(u' '));
    const bool withU = record.days.withUncertainty;
    m_dayPeriods = record.days.periods;
    fillTable(m_days, record.days.periods, withU);
    fillTable(m_months, record.months.periods, withU);
    for (int row = 0; row < m_days->rowCount(); ++row)
        if (const auto known = m_concentrations.constFind(m_dayPeriods[std::size_t(row)].name);
            known != m_concentrations.constEnd())
            setConcentration(row, QString::number(*known, 'g', 15));
    updateLoads();
    QStringList unanswered;
    for (const UnansweredRow &row : record.unanswered)
        unanswered << tr("%1行目: %2").arg(row.line).arg(row.reason);
    if (record.unansweredCount > static_cast<long long>(record.unanswered.size()))
        unanswered << tr("ほか %1行").arg(record.unansweredCount - static_cast<long long>(record.unanswered.size()));
    unanswered << QString() << record.days.messages();
    m_unanswered->setPlainText(unanswered.join(u'\n'));
    drawHydrograph(record);
    m_progress->setValue(1000);
    m_tabs->setCurrentWidget(m_days);
    m_shown = true;
    for (QPushButton *button : {m_copyButton, m_csvButton, m_rowsButton, m_pdfButton, m_printButton})
        button->setEnabled(true);
}

} // namespace weir
