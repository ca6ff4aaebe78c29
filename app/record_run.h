// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/subcommand.h"
#include "records/model/reading_scale.h"
#include "records/model/record_layout.h"
#include "records/model/text_codec.h"
#include "records/model/volume_tally.h"

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
// last), whether there is one, and the flow and its expanded uncertainty
// for the volume.
struct RowAnswer {
    QStringList columns;
    bool answered = false;
    QString reason;
    std::optional<double> flowM3s;
    std::optional<double> uM3s = std::nullopt;
    bool outsideRange = false; // a flow outside a standard formula's range of validity
};

// A row's value as the record holds it: its text, decoded, and the number
// it reads as with the record's own decimal mark. The number goes to the
// calculation as it is, never written out and read again.
struct RecordValue {
    QString text;
    DecimalReading reading;
};

class RecordAnswers
{
public:
    virtual ~RecordAnswers() = default;
    virtual std::vector<AddedColumn> addedColumns() const = 0;
    // The layout found, before the first answer: a unit the record states
    // is the subcommand's to take or to override. Returns what to say.
    virtual QStringList useLayout(const RecordLayout &) { return {}; }
    // The answer for a row's value; an empty value never comes here.
    virtual RowAnswer answer(const RecordValue &value) = 0;
    // Whether answers are checked against a formula's range of validity:
    // the rows outside are then counted, by period too.
    virtual bool checksRange() const { return false; }
};

// How a record is read: the column of values, the time (one column, or a
// date column and a time column in either order), the times' format, the
// encoding, the decimal mark when told, and what the volume is given for.
struct RecordOptions {
    ColumnChoice column;
    std::vector<ColumnChoice> timeColumns; // empty: no volume
    QString timeFormat;
    std::optional<TextEncoding> encoding;
    std::optional<char> decimalMark;
    PeriodKind period = PeriodKind::None;
    qint64 maxGapMs = 0;
};

// Reads the record on the run's input, writes every row with the answers
// added (or, with a period, one row a day or a month), and says what could
// not be answered and the volume, with times.
int runRecord(const SubcommandRun &run, const RecordOptions &options, RecordAnswers &answers);

} // namespace weir
