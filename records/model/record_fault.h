// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"

#include <QString>
#include <QStringList>

namespace weir {

// Why a record cannot be read, or a row of it not used: a reason the caller
// can act on (a program adds the option that would help), the line it is on
// (0 for the file as a whole), and the words, whole.
struct RecordFault {
    enum class Reason {
        Source,          // no scratch file, or it cannot be written
        Encoding,        // the bytes are not text in the encoding read
        Empty,           // nothing in the file
        NoHeader,        // no line holds the columns asked for
        HeaderOutOfLine, // the rows below the header have more fields than it
        OpenQuote,       // a quoted field never closed
        BeyondHeader,    // a row with values past the header's last column
        DateTwoWays,     // every date of the column reads month first and day first
        NoTime,          // a row with a reading and no time
        UnreadableTime,  // a time that does not read
        Backwards,       // a time before or equal to the one above it
        Missing,         // no reading, or no time, between two good readings
        Gap,             // a step far longer than the record's own
        MixedClocks,     // times with an offset and times without
    };
    Reason reason = Reason::Source;
    long long line = 0;
    QString words;
    QStringList formats = {}; // DateTwoWays: the time format that reads it month first, then day first

    // As the program's other faults: a scratch file that cannot be written
    // is a file's fault, anything else the record's.
    Fault fault() const { return {reason == Reason::Source ? Fault::Kind::File : Fault::Kind::Record, words}; }
};

} // namespace weir
