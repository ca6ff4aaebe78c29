// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating/model/table_export.h"

#include "common/csv_field.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "rating/model/rating_table.h"

#include <QStringList>

namespace weir {

namespace {

// The columns every row repeats: the width, and the three uncertainties.
QStringList statedCaptions(const RatingTableModel &model)
{
    QStringList captions{Texts::width()};
    if (model.gauge())
        captions << Texts::headUncertainty() << Texts::widthUncertainty() << Texts::coefficientUncertainty();
    return captions;
}

QStringList statedValues(const RatingTableModel &model, const QLocale &locale)
{
    QStringList values{generalNumberText(model.range().widthMm, locale)};
    if (const std::optional<GaugeUncertainty> &gauge = model.gauge())
        values << generalNumberText(gauge->headMm, locale) << generalNumberText(gauge->widthMm, locale)
               << generalNumberText(gauge->coefficientPercent, locale);
    return values;
}

QString line(const QStringList &cells, QChar separator, const QString &lineEnd)
{
    QStringList quoted;
    for (const QString &cell : cells)
        quoted << csvField(cell, separator);
    return quoted.join(separator) + lineEnd;
}

} // namespace

QString tableHeaderText(const RatingTableModel &model, QChar separator, const QString &lineEnd)
{
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << model.headerData(column, Qt::Horizontal).toString();
    return line(header + statedCaptions(model), separator, lineEnd);
}

QString tableRowsText(const RatingTableModel &model, QChar separator, const QString &lineEnd, int first, int last,
                      QChar decimalMark)
{
    const auto marked
        = [decimalMark](const QString &cell) { return decimalMark == u',' ? withDecimalComma(cell) : cell; };
    QStringList stated = statedValues(model, model.locale());
    for (QString &value : stated)
        value = marked(value);
    QString out;
    for (int row = first; row < last; ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << marked(model.index(row, column).data().toString());
        out += line(cells + stated, separator, lineEnd);
    }
    return out;
}

QString tableText(const RatingTableModel &model, QChar separator, const QString &lineEnd)
{
    return tableHeaderText(model, separator, lineEnd) + tableRowsText(model, separator, lineEnd, 0, model.rowCount());
}

QByteArray csvBytes(const RatingTableModel &model)
{
    return QByteArray("\xEF\xBB\xBF") + tableText(model, u',', QStringLiteral("\r\n")).toUtf8();
}

} // namespace weir
