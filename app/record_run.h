// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/subcommand.h"
#include "app/text_codec.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace weir {

// What a subcommand adds to each row of a record.
struct AddedColumn {
    const char *name;
    bool numeric; // a number in JSON, else a string
};

// The answer for one value: the texts of the added columns (the reason
// last), whether there is one, and the flow for the volume.
struct RowAnswer {
    QStringList columns;
    bool answered = false;
    QString reason;
    std::optional<double> flowM3s;
};

class RecordAnswers
{
public:
    virtual ~RecordAnswers() = default;
    virtual std::vector<AddedColumn> addedColumns() const = 0;
    // The answer for a value as the row holds it (decoded); an empty value
    // never comes here.
    virtual RowAnswer answer(const QString &value) = 0;
};

// How a record is read: the column of values, the time (one column, or a
// date column and a time column), the times' format, the encoding.
struct RecordOptions {
    QString column;
    QStringList timeColumns; // empty: no volume
    QString timeFormat;
    std::optional<TextEncoding> encoding;
};

// Reads the record on the run's input, writes every row with the answers
// added, and says what could not be answered (and the volume, with times).
int runRecord(const SubcommandRun &run, const RecordOptions &options, RecordAnswers &answers);

} // namespace weir
