// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/hydrograph.h"

#include <algorithm>

namespace weir {

Hydrograph::Hydrograph(std::size_t mostSpans)
    : m_most(std::max<std::size_t>(mostSpans, 2))
{
}

void Hydrograph::add(qint64 ms, double headMm, double lpm)
{
    const bool breakBefore = m_break;
    m_break = false;
    if (m_spans.empty()) {
        m_originMs = ms;
        m_spans.push_back({ms, ms, headMm, headMm, lpm, lpm, false});
        return;
    }
    if (m_spanMs == 0)
        m_spanMs = std::max<qint64>(1, ms - m_originMs); // the record's first step
    // A time before the last span's (a clock set back) starts a span of its
    // own, after a break: the plot shows the record in its order.
    Span &last = m_spans.back();
    const bool sameSpan
        = !breakBefore && ms >= last.fromMs && (ms - m_originMs) / m_spanMs == (last.fromMs - m_originMs) / m_spanMs;
    if (sameSpan) {
        last.toMs = std::max(last.toMs, ms);
        last.smallestHeadMm = std::min(last.smallestHeadMm, headMm);
        last.largestHeadMm = std::max(last.largestHeadMm, headMm);
        last.smallestLpm = std::min(last.smallestLpm, lpm);
        last.largestLpm = std::max(last.largestLpm, lpm);
        return;
    }
    m_spans.push_back({ms, ms, headMm, headMm, lpm, lpm, breakBefore || ms < last.toMs});
    if (m_spans.size() > m_most)
        halve();
}

// Spans twice as long: neighbours in one doubled span merged, a break kept.
// A record broken so often that its breaks alone outnumber the spans has
// neighbours merged across their breaks too (the span then shows it holds
// one), so that the memory stays bounded whatever the record.
void Hydrograph::halve()
{
    m_spanMs *= 2;
    const bool acrossBreaks = m_spanMs >= (qint64(1) << 40);
    std::vector<Span> merged;
    merged.reserve(m_spans.size() / 2 + 1);
    for (const Span &span : m_spans) {
        if (!merged.empty() && (acrossBreaks || !span.breakBefore)
            && (span.fromMs - m_originMs) / m_spanMs == (merged.back().fromMs - m_originMs) / m_spanMs) {
            Span &into = merged.back();
            into.toMs = std::max(into.toMs, span.toMs);
            into.smallestHeadMm = std::min(into.smallestHeadMm, span.smallestHeadMm);
            into.largestHeadMm = std::max(into.largestHeadMm, span.largestHeadMm);
            into.smallestLpm = std::min(into.smallestLpm, span.smallestLpm);
            into.largestLpm = std::max(into.largestLpm, span.largestLpm);
        } else {
            merged.push_back(span);
        }
    }
    m_spans = std::move(merged);
    if (m_spans.size() > m_most)
        halve();
}

} // namespace weir
