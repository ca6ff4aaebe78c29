// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The records window's view of a file before it is read: its first lines
// marked, its first rows, and the columns chosen by a click.
#include "records/records_window.h"

#include "common/texts.h"
#include "records/record_file.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <algorithm>

namespace weir {

using namespace records_window;

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
        m_found->setText(preview.fault->words);
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

} // namespace weir
