// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_clock.h"
#include "records/model/record_fault.h"
#include "records/model/record_layout.h"
#include "records/model/record_source.h"

#include <QString>

#include <optional>

namespace weir {

// The whole record read once, to confirm over all of it what the sample
// decided, before anything is written: a quote left open or a row with
// values past the header's last column refuses the file; the order of the
// dates is decided by the column's own dates (without a time format); a
// last line of words alone, shorter than the header (a logger's "END OF
// DATA FILE"), is the file's footer and ends the data.
struct RecordScan {
    std::optional<RecordFault> fault;
    DateOrder dateOrder = DateOrder::Unknown;
    long long footerLine = 0; // 0: none
    QString footerText;
};

RecordScan scanRecord(const RecordSource &source, const RecordLayout &layout, const QString &timeFormat);

// The time of a row: its time column's text, or its date's and its time's
// joined by a space; empty when the row has none.
QString timeTextOf(const std::vector<std::string> &fields, const std::vector<long> &columns, const TextCodec &codec);

// A note typed among a timed record's readings (`//Uhrzeit verstellt`): no
// reading, and words alone in every field, its time column's too. It is no
// row of readings and breaks no stretch.
bool isNoteRow(const std::vector<std::string> &fields, const RecordLayout &layout);

// What is worth saying about a layout: the decimal comma found, the unit a
// column states, the rows passed over, the time zone stated.
QStringList layoutNotes(const RecordLayout &layout);

} // namespace weir
