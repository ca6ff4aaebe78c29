// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/flow_formula.h"
#include "calculator/model/flow_reading.h"
#include "calculator/model/gauge_uncertainty.h"
#include "hydraulics/weir_domain.h"
#include "records/model/hydrograph.h"
#include "records/model/reading_scale.h"
#include "records/model/record_layout.h"
#include "records/model/record_scan.h"
#include "records/model/volume_tally.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace weir {

// A level reading to the flow over the weir by the chosen formula: the head
// by the reading's scale, and at or below the crest no water passes (a flow
// of 0, an answer, with no message: the caller notes it as no overflow).
FlowReading flowOfReading(double reading, const ReadingScale &scale, const FlowFormula &formula);

// The expanded uncertainty (m³/s) of a reading's flow with the user's three
// uncertainties: none without them or without a flow, 0 at or below the
// crest, where no water passes to be uncertain of.
std::optional<double> expandedFlowUncertainty(const FlowReading &flow, const FlowFormula &formula,
                                              const std::optional<GaugeUncertainty> &gauge);

// What a records window asks of a logger's record: the columns, the times'
// format when the dates leave their order open, the encoding when the bytes
// cannot tell, the unit (else the one the record states, else mm), the
// zero, a gauge that reads down to the water, the weir's width (and a
// standard's formula instead of the program's own), the three
// uncertainties, and the longest step to bridge.
struct FlowRecordSettings {
    LayoutQuestion columns;
    QString timeFormat;
    std::optional<TextEncoding> encoding;
    std::optional<units::HeadUnit> unit;
    double zero = 0.0;
    bool falling = false;
    double widthMm = 0.0;
    std::optional<StandardFormula> standard;
    std::optional<GaugeUncertainty> gauge;
    qint64 maxGapMs = 0;
};

// A row that has no flow: its line and why.
struct UnansweredRow {
    long long line = 0;
    QString reason;
};

// A logger's record of heads read whole into what a window shows: the
// layout found, the rows without an answer (the first hundred, then a
// count), the volume by days and by months, and the hydrograph (a step
// between its spans longer than twice days.usualStepMs is a gap, to be
// drawn as a break).
struct FlowRecord {
    std::optional<RecordFault> fault;
    bool cancelled = false;
    RecordLayout layout;
    RecordScan scan;
    ReadingScale scale;
    long long rows = 0, answered = 0, notes = 0;
    long long outsideRange = 0; // rows with a flow outside the formula's range
    std::vector<UnansweredRow> unanswered;
    long long unansweredCount = 0;
    VolumeResult days, months;
    Hydrograph hydrograph;
};

// Each row as it is read, for a caller that writes the rows with their
// flows: its fields as the file has them, the layout's header line and
// encoding known from the record, and its flow (none for a note, which is
// passed over).
struct RecordRow {
    const RecordLayout &layout;
    TextEncoding encoding; // the fields' bytes, as the reader reads them
    const std::vector<std::string> &fields;
    const FlowReading *flow; // null for a note
    std::optional<double> uM3s;
};
using RowSink = std::function<void(const RecordRow &)>;

// Reads the record from the stream; `progress` is told the bytes read and
// the file's size now and then, and stops the reading when it returns
// false. The numbers are those of `weir-head flow --period day` (and month)
// for the same file and choices: the same layer, tally and formula.
FlowRecord readFlowRecord(std::FILE *in, const FlowRecordSettings &settings,
                          const std::function<bool(qint64, qint64)> &progress = {}, const RowSink &rows = {});

} // namespace weir
