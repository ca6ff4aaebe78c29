// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The records window's daily and monthly tables: volumes, loads from the
// concentrations typed or pasted, and the tables as a spreadsheet takes them.
#include "records/records_window.h"

#include "common/box_number.h"
#include "common/csv_field.h"
#include "common/save_whole.h"
#include "records/table_cells.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <map>

namespace weir {

using namespace records_window;

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

Outcome<void> RecordsWindowWidget::saveDaysCsv(const QString &path)
{
    const Outcome<void> saved = saveWhole(path, daysCsv());
    if (!saved)
        say(saved.words());
    return saved;
}

} // namespace weir
