// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/units.h"

#include <QHeaderView>
#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace weir::records_window {

// Numbers as the window's tables show them: a fixed number of decimals with
// a point, as the command line writes them.
inline QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

inline double lpm(double m3s)
{
    return units::litresPerMinuteFromCubicMetresPerSecond(m3s);
}

// A table's row and its header as the texts shown, for the copies, the CSV
// file and the report.
inline QStringList rowOf(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells;
}

inline QStringList headersOf(const QTableWidget *table)
{
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    return headers;
}

} // namespace weir::records_window
