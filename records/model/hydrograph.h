// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QtGlobal>

#include <vector>

namespace weir {

// A record's heads and flows against time, kept to what a plot can show: at
// most a few thousand spans of time, each with the smallest and largest head
// and flow in it (a curve drawn through both shows every peak and trough).
// The spans double in length whenever the record outgrows them, so the
// memory stays the same however long the record. A break (no reading, a
// gap) is kept as such, to be drawn as a break.
class Hydrograph
{
public:
    struct Span {
        qint64 fromMs = 0, toMs = 0;
        double smallestHeadMm = 0, largestHeadMm = 0;
        double smallestLpm = 0, largestLpm = 0;
        bool breakBefore = false; // no reading joins it to the span before
    };

    explicit Hydrograph(std::size_t mostSpans = 4096);

    void add(qint64 ms, double headMm, double lpm);
    // Between the last reading added and the next, the record has none.
    void addBreak() { m_break = true; }

    const std::vector<Span> &spans() const { return m_spans; }

private:
    void halve();

    std::size_t m_most;
    qint64 m_spanMs = 0; // 0 until the second reading sets the first length
    qint64 m_originMs = 0;
    std::vector<Span> m_spans;
    bool m_break = false;
};

} // namespace weir
