// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/window/records_window.h"

#include "hydraulics/units.h"
#include "logic/box_number.h"
#include "logic/csv_field.h"
#include "logic/gauge_uncertainty.h"
#include "logic/save_whole.h"
#include "logic/texts.h"
#include "records/csv_tokenizer.h"
#include "records/reading_scale.h"

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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <map>

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
    for (const StandardWeir weir : {StandardWeir::JisRectangular, StandardWeir::JisFullWidth, StandardWeir::JisFrancis,
                                    StandardWeir::IsoFullWidth})
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
    actions->addWidget(m_copyButton);
    actions->addWidget(m_csvButton);
    actions->addWidget(m_rowsButton);
    actions->addWidget(m_pdfButton);
    actions->addWidget(m_printButton);
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

std::optional<TextEncoding> RecordsWindowWidget::chosenEncoding() const
{
    const int chosen = m_encoding->currentData().toInt();
    return chosen < 0 ? std::nullopt : std::optional(TextEncoding(chosen));
}

LayoutQuestion RecordsWindowWidget::question() const
{
    LayoutQuestion question;
    if (const int mark = m_decimalMark->currentData().toInt())
        question.decimalMark = char(mark);
    if (const int delimiter = m_delimiter->currentData().toInt())
        question.delimiter = char(delimiter);
    return question;
}

void RecordsWindowWidget::preview()
{
    if (m_path.isEmpty())
        return;
    std::FILE *file = openForReading(m_path);
    if (!file) {
        say(Texts::cannotOpen(QFileInfo(m_path).fileName(), tr("ファイルを読めません。")));
        return;
    }
    LayoutQuestion asked = question();
    if (const QString head = m_headColumn->text().trimmed(); !head.isEmpty())
        asked.value = ColumnChoice::fromText(head);
    for (const QString &time : m_timeColumns->text().split(u',', Qt::SkipEmptyParts))
        asked.time.push_back(ColumnChoice::fromText(time));
    m_preview = previewRecord(file, asked, chosenEncoding());
    std::fclose(file);
    showPreview(m_preview);
}

QString RecordsWindowWidget::foundText() const
{
    return m_found->text();
}

void RecordsWindowWidget::showPreview(const RecordPreview &preview)
{
    const RecordLayout &layout = preview.layout;
    QStringList lines;
    for (const RecordPreview::Line &line : preview.lines) {
        QString mark;
        switch (line.role) {
        case RecordPreview::LineRole::Before: mark = tr("飛ばす"); break;
        case RecordPreview::LineRole::Header: mark = tr("見出し"); break;
        case RecordPreview::LineRole::Passed:
            mark = line.number == layout.statedUnitLine ? tr("単位") : tr("飛ばす");
            break;
        case RecordPreview::LineRole::Data: mark = tr("データ"); break;
        }
        lines << QStringLiteral("%1 %2 │ %3").arg(line.number, 4).arg(mark, -4).arg(line.text);
    }
    m_previewLines->setPlainText(lines.join(u'\n'));
    if (preview.fault) {
        m_found->setText(preview.fault->message);
        m_previewTable->clear();
        m_previewTable->setRowCount(0);
        m_previewTable->setColumnCount(0);
        return;
    }
    const QString delimiter = layout.delimiter == ',' ? tr("コンマ")
        : layout.delimiter == ';'                     ? tr("セミコロン")
        : layout.delimiter == '\t'                    ? tr("タブ")
                                                      : tr("縦棒");
    QStringList found{tr("文字コード %1").arg(encodingName(preview.encoding)), tr("区切り %1").arg(delimiter),
                      tr("小数点 %1").arg(QLatin1Char(layout.decimalMark)), tr("見出し %1行目").arg(layout.headerLine)};
    if (layout.statedUnit && !m_headColumn->text().trimmed().isEmpty())
        found << tr("単位 %1（%2）").arg(headUnitName(*layout.statedUnit), layout.statedUnitText);
    if (!layout.timeZone.isEmpty())
        found << tr("時間帯 %1").arg(layout.timeZone);
    m_found->setText(tr("ファイルから: %1").arg(found.join(QStringLiteral("、"))));
    m_previewTable->clear();
    m_previewTable->setColumnCount(int(std::max<qsizetype>(layout.headerNames.size(), qsizetype(layout.fieldCount))));
    QStringList headers;
    for (int column = 0; column < m_previewTable->columnCount(); ++column)
        headers << QStringLiteral("%1\n%2").arg(column + 1).arg(layout.headerNames.value(column));
    m_previewTable->setHorizontalHeaderLabels(headers);
    m_previewTable->setRowCount(int(preview.rows.size()));
    for (std::size_t row = 0; row < preview.rows.size(); ++row)
        for (qsizetype column = 0; column < preview.rows[row].size() && column < m_previewTable->columnCount();
             ++column)
            m_previewTable->setItem(int(row), int(column), new QTableWidgetItem(preview.rows[row][column]));
    markChosenColumns();
    m_previewTable->resizeColumnsToContents();
}

// The head's column and the time's, as the boxes name them, shaded in the
// first rows.
void RecordsWindowWidget::markChosenColumns()
{
    const QStringList names = m_preview.layout.headerNames;
    const auto columnOf = [&names](const QString &text) {
        const ColumnChoice choice = ColumnChoice::fromText(text);
        const qsizetype named = names.indexOf(choice.name);
        return named >= 0 ? int(named) : choice.number - 1;
    };
    const int head = columnOf(m_headColumn->text());
    std::vector<int> times;
    for (const QString &time : m_timeColumns->text().split(u',', Qt::SkipEmptyParts))
        times.push_back(columnOf(time));
    const QColor headShade(0xD6, 0xE4, 0xF7), timeShade(0xE6, 0xF2, 0xDF);
    for (int row = 0; row < m_previewTable->rowCount(); ++row)
        for (int column = 0; column < m_previewTable->columnCount(); ++column) {
            QTableWidgetItem *item = m_previewTable->item(row, column);
            if (!item)
                continue;
            const bool isTime = std::find(times.begin(), times.end(), column) != times.end();
            item->setBackground(column == head ? QBrush(headShade) : isTime ? QBrush(timeShade) : QBrush());
        }
}

void RecordsWindowWidget::headerClicked(int column)
{
    const QString name = m_preview.layout.headerNames.value(column);
    const QString chosen = name.isEmpty() || name.contains(u',') || m_preview.layout.headerNames.count(name) > 1
        ? QString::number(column + 1)
        : name;
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
        QStringList times = m_timeColumns->text().split(u',', Qt::SkipEmptyParts);
        for (QString &time : times)
            time = time.trimmed();
        if (!times.removeOne(chosen))
            times << chosen;
        m_timeColumns->setText(times.join(QStringLiteral(", ")));
    } else {
        m_headColumn->setText(chosen);
    }
    markChosenColumns();
}

void RecordsWindowWidget::enableFormulaBoxes()
{
    const int chosen = m_formula->currentData().toInt();
    m_channelWidth->setEnabled(chosen == int(StandardWeir::JisRectangular));
    m_crestHeight->setEnabled(chosen >= 0 && chosen != int(StandardWeir::JisFrancis));
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
        say(record.fault->message);
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

void RecordsWindowWidget::fillTable(QTableWidget *table, const std::vector<PeriodVolume> &periods, bool withU)
{
    const bool days = table == m_days;
    const bool outside = m_settings.standard.has_value();
    QStringList headers{days ? tr("日付") : tr("月"), tr("水量 (m³)"),        tr("読みの覆う割合 (%)"), tr("読みの数"),
                        tr("最小流量 (L/min)"),       tr("平均流量 (L/min)"), tr("最大流量 (L/min)")};
    if (withU)
        headers << tr("水量の U (m³)");
    if (outside)
        headers << tr("適用範囲外の読み");
    // The load a total-load rule asks for: the day's concentration, typed
    // or pasted, times its volume; a month's, its days' summed.
    if (days)
        headers << tr("濃度 (mg/L)") << tr("負荷量 (kg/日)");
    else
        headers << tr("負荷量 (kg/月)") << tr("濃度のある日");
    headers << tr("欠ける理由");
    const QSignalBlocker quiet(table);
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
        if (outside)
            cells << QString::number(period.outsideRange);
        cells << QString() << QString(); // the concentration and load, filled below
        cells << period.whyIncomplete();
        for (qsizetype column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column > 0 && column + 1 < cells.size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const bool typed = days && column == cells.size() - 3;
            item->setFlags(typed ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
            table->setItem(int(row), int(column), item);
        }
    }
    table->resizeColumnsToContents();
}

int RecordsWindowWidget::concentrationColumn() const
{
    return m_days->columnCount() - 3;
}

void RecordsWindowWidget::setConcentration(int row, const QString &text)
{
    if (QTableWidgetItem *item = m_days->item(row, concentrationColumn()))
        item->setText(text);
}

// The loads from the concentrations typed: a day's is mg/L × m³ ÷ 1000 kg,
// a month's the sum of its days'. A concentration that does not read is
// said, and gives no load.
void RecordsWindowWidget::updateLoads()
{
    const QSignalBlocker quiet(m_days);
    const int concentration = concentrationColumn();
    std::map<QString, std::pair<double, int>> months; // yyyy-MM: kg, days with a concentration
    QStringList refused;
    for (int row = 0; row < m_days->rowCount() && std::size_t(row) < m_dayPeriods.size(); ++row) {
        const QString text = m_days->item(row, concentration)->text().trimmed();
        const QString day = m_dayPeriods[std::size_t(row)].name;
        m_concentrations.remove(day);
        QString load;
        if (!text.isEmpty()) {
            const BoxNumber number = parseBoxNumber(text, m_locale);
            if (number.status == BoxNumber::Status::Ok && number.value >= 0) {
                m_concentrations[day] = number.value;
                const double kg = loadKg(number.value, m_dayPeriods[std::size_t(row)].volumeM3);
                load = fixed(kg, 3);
                auto &month = months[day.left(7)];
                month.first += kg;
                ++month.second;
            } else {
                refused << day;
            }
        }
        m_days->item(row, concentration + 1)->setText(load);
    }
    const QSignalBlocker quietMonths(m_months);
    const int monthLoad = m_months->columnCount() - 3;
    for (int row = 0; row < m_months->rowCount(); ++row) {
        const auto found = months.find(m_months->item(row, 0)->text());
        m_months->item(row, monthLoad)->setText(found == months.end() ? QString() : fixed(found->second.first, 3));
        m_months->item(row, monthLoad + 1)
            ->setText(found == months.end() ? QString() : QString::number(found->second.second));
    }
    if (!refused.isEmpty())
        say(tr("濃度が数値ではありません: %1").arg(refused.join(QStringLiteral("、"))));
}

// A column pasted from a spreadsheet: one value a line, from the day
// selected down.
void RecordsWindowWidget::pasteConcentrations()
{
    const int first = std::max(0, m_days->currentRow());
    const QStringList lines = QApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("\r?\n")));
    int row = first;
    for (const QString &line : lines) {
        if (row >= m_days->rowCount() || (line.isEmpty() && &line == &lines.last()))
            break;
        setConcentration(row++, line.section(u'\t', 0, 0).trimmed());
    }
    updateLoads();
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

namespace {

QStringList rowOf(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells;
}

QStringList headersOf(const QTableWidget *table)
{
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    return headers;
}

} // namespace

QByteArray RecordsWindowWidget::daysCsv() const
{
    QString text;
    for (const QTableWidget *table : {m_days, m_months}) {
        if (table == m_months)
            text += QStringLiteral("\r\n");
        QStringList fields;
        for (const QString &header : headersOf(table))
            fields << csvField(header, u',');
        text += fields.join(u',') + QStringLiteral("\r\n");
        for (int row = 0; row < table->rowCount(); ++row) {
            fields.clear();
            for (const QString &cell : rowOf(table, row))
                fields << csvField(cell, u',');
            text += fields.join(u',') + QStringLiteral("\r\n");
        }
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString RecordsWindowWidget::saveDaysCsv(const QString &path)
{
    const QString failure = saveWhole(path, daysCsv());
    if (!failure.isEmpty())
        say(failure);
    return failure;
}

RecordsReport RecordsWindowWidget::report() const
{
    RecordsReport report;
    report.lines << tr("ファイル: %1").arg(QFileInfo(m_path).fileName()) << m_found->text()
                 << tr("水位の列: %1、時刻の列: %2").arg(m_headColumn->text(), m_timeColumns->text());
    const QString unit = m_unit->currentIndex() > 0 ? m_unit->currentText()
        : m_preview.layout.statedUnit               ? headUnitName(*m_preview.layout.statedUnit)
                                                    : QStringLiteral("mm");
    report.lines << tr("堰の幅: %1 mm、水位の単位: %2、堰頂のときの読み: %3%4")
                        .arg(m_width->text(), unit, m_zero->text().isEmpty() ? QStringLiteral("0") : m_zero->text(),
                             m_settings.falling ? tr("（水面の上から測る計器: 越流高さ = 堰頂のときの読み − 読み）")
                                                : QString());
    report.lines << Texts::formulaStatement(m_settings.standard ? std::optional(m_settings.standard->weir)
                                                                : std::nullopt);
    if (m_settings.standard)
        report.lines << tr("水路の幅 B: %1 mm、堰頂の高さ D: %2 mm")
                            .arg(m_settings.standard->channelWidthMm)
                            .arg(m_settings.standard->crestHeightMm);
    if (m_settings.gauge)
        report.lines << gaugeStatement(*m_settings.gauge, QLocale::c());
    report.lines << m_summary->text();
    for (const auto &[table, title] :
         {std::pair{m_days, tr("日ごとの水量")}, std::pair{m_months, tr("月ごとの水量")}}) {
        ReportTable out{title, headersOf(table), {}};
        for (int row = 0; row < table->rowCount(); ++row)
            out.rows.push_back(rowOf(table, row));
        report.tables.push_back(out);
    }
    report.notes << tr("欠測・間隔の空き・答えのない行:") << m_unanswered->toPlainText().split(u'\n');
    return report;
}

QString RecordsWindowWidget::savePdf(const QString &path)
{
    const QString failure = saveWhole(path, recordsReportPdf(report(), m_plot));
    if (!failure.isEmpty())
        say(failure);
    return failure;
}

void RecordsWindowWidget::previewReport()
{
    if (!m_shown)
        return;
    // The printer outlives the dialog that points at it.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    auto *dialog = new QPrintPreviewDialog(printer.get(), this);
    dialog->setObjectName(QStringLiteral("recordsPreviewDialog"));
    dialog->setWindowTitle(tr("%1の印刷プレビュー").arg(Texts::recordsName()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const RecordsReport content = report();
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [this, content](QPrinter *target) { printRecordsReport(content, m_plot, *target); });
    connect(dialog, &QObject::destroyed, this, [printer] {});
    dialog->resize(760, 900);
    dialog->open();
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

bool RecordsWindowWidget::saveRowsCsv(const QString &path)
{
    if (reading() || !m_shown)
        return false;
    // Written on the worker thread as the rows are read: the file's fields
    // decoded, the added columns as the command line writes them, into a
    // file that replaces the old one only when it is whole.
    auto file = std::make_shared<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        say(Texts::cannotSave(path, file->errorString()));
        return false;
    }
    file->write("\xEF\xBB\xBF");
    const bool withU = m_settings.gauge.has_value();
    const bool standard = m_settings.standard.has_value();
    auto wroteHeader = std::make_shared<bool>(false);
    const RowSink rows = [file, withU, standard, wroteHeader](const RecordRow &row) {
        std::string line;
        const TextCodec codec(row.encoding);
        const auto add = [&line](const QString &text) {
            if (!line.empty())
                line += ',';
            appendCsvField(line, text.toStdString(), ',');
        };
        if (!*wroteHeader) {
            for (const QString &name : row.layout.headerNames)
                add(name);
            for (const char *name : {"flow_lpm", "flow_m3s"})
                add(QString::fromLatin1(name));
            if (withU)
                for (const char *name : {"flow_U_lpm", "flow_U_percent"})
                    add(QString::fromLatin1(name));
            add(QStringLiteral("reason"));
            file->write(line.c_str(), qint64(line.size()));
            file->write("\r\n");
            line.clear();
            *wroteHeader = true;
        }
        for (const std::string &field : row.fields)
            add(codec.decodeLenient(trimmedField(field)));
        QStringList added;
        if (row.flow && row.flow->m3s) {
            const FlowReading &flow = *row.flow;
            added << fixed(*flow.lpm, 2) << fixed(*flow.m3s, 7);
            if (withU)
                added << (row.uM3s && *flow.m3s > 0 ? fixed(lpm(*row.uM3s), 2) : QString())
                      << (row.uM3s && *flow.m3s > 0 ? fixed(*row.uM3s / *flow.m3s * 100, 2) : QString());
            const bool overflow = flow.headMm && *flow.headMm > 0;
            added << (!overflow                   ? Texts::noOverflow()
                          : !flow.belowValidRange ? QString()
                          : standard              ? flow.message
                                                  : Texts::belowValidRange());
        } else {
            added << QString() << QString();
            if (withU)
                added << QString() << QString();
            added << (row.flow ? row.flow->message : QString());
        }
        // A note's fields stand as they are, with no answer beside them.
        if (!row.flow)
            added.fill(QString());
        for (qsizetype i = qsizetype(row.fields.size()); i < row.layout.headerNames.size(); ++i)
            add(QString());
        for (const QString &text : added)
            add(text);
        line += "\r\n";
        file->write(line.c_str(), qint64(line.size()));
    };
    say(tr("行ごとの流量を書いています..."));
    return startReading(m_settings, rows, [this, file, path](const FlowRecord &record) {
        if (record.cancelled || record.fault) {
            file->cancelWriting();
            file->commit();
            say(record.cancelled ? tr("中止しました。ファイルは書いていません。") : record.fault->message);
            return;
        }
        if (!file->commit()) {
            say(Texts::cannotSave(path, file->errorString()));
            return;
        }
        say(tr("%1行を %2 に書きました。").arg(record.rows + record.notes).arg(QDir::toNativeSeparators(path)));
    });
}

} // namespace weir
