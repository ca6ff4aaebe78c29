// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/model/table_export.h"

#include "logic/csv_field.h"

#include <QAbstractItemModel>
#include <QStringList>

namespace weir {

QString tableText(const QAbstractItemModel &model, QChar separator, const QString &lineEnd, const QString &note)
{
    const auto cell = [separator](const QString &text) { return csvField(text, separator); };
    QString out;
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << cell(model.headerData(column, Qt::Horizontal).toString());
    out += header.join(separator) + lineEnd;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << cell(model.index(row, column).data().toString());
        out += cells.join(separator) + lineEnd;
    }
    if (!note.isEmpty())
        out += cell(note) + lineEnd;
    return out;
}

QByteArray csvBytes(const QAbstractItemModel &model, const QString &note)
{
    return QByteArray("\xEF\xBB\xBF") + tableText(model, u',', QStringLiteral("\r\n"), note).toUtf8();
}

} // namespace weir
