// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// What the records window gives out beyond its tables: the A4 report, to
// save or print, and every row with its flow as the command line writes it.
#include "records/records_window.h"

#include "calculator/model/gauge_uncertainty.h"
#include "common/csv_field.h"
#include "common/save_whole.h"
#include "common/texts.h"
#include "records/model/csv_tokenizer.h"
#include "records/table_cells.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTableWidget>

#include <memory>

namespace weir {

using namespace records_window;

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

Outcome<void> RecordsWindowWidget::savePdf(const QString &path)
{
    const Outcome<void> saved = saveWhole(path, recordsReportPdf(report(), m_plot));
    if (!saved)
        say(saved.words());
    return saved;
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
            say(record.cancelled ? tr("中止しました。ファイルは書いていません。") : record.fault->words);
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
