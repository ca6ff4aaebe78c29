// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_layout.h"
#include "records/model/record_source.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

namespace weir {

// What a window shows of a record before it is read whole: the first lines
// as the file has them, what the layout makes of them, and what each column
// holds, judged from the rows under the header.
struct RecordPreview {
    enum class LineRole { Before, Header, Passed, Data };
    struct Line {
        long long number = 0; // counting from 1
        QString text;         // decoded
        LineRole role = LineRole::Before;
    };
    enum class ColumnKind { Numbers, Times, Other };

    std::optional<RecordFault> fault;
    TextEncoding encoding = TextEncoding::Utf8;
    RecordLayout layout;
    std::vector<Line> lines;         // the first lines, to the first rows of readings
    std::vector<QStringList> rows;   // the first rows of readings, field by field
    std::vector<ColumnKind> columns; // a kind for each of the header's columns
    // The head's column and the time's (one, or a date's and a time's) when
    // the rows leave no choice: one column of times (or two), and one other
    // column of numbers. Empty otherwise.
    std::optional<long> valueColumn;
    std::vector<long> timeColumns;
};

// The layout as a reading would find it for the question asked; with no
// value column asked, for the first column of numbers. A record of which
// no layout is found has its fault, and still its first lines.
RecordPreview previewRecord(std::FILE *in, const LayoutQuestion &question, std::optional<TextEncoding> encoding);

inline constexpr int kPreviewRows = 30;

} // namespace weir
