// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/record_time.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace weir {

// The volume a record's flows pass: the trapezoidal rule between good
// readings (a flow and a time), over the stretches in which they follow one
// another. A row without a flow or a time ends a stretch, and the time from
// the last good reading to the next is left out; so is the step to a time
// that goes backwards or repeats, after which a new stretch begins. The
// volume is whole only when one stretch runs through every row; otherwise it
// says which stretches it covers, and is not taken for a whole one.
class VolumeTally
{
public:
    explicit VolumeTally(std::function<void(const QString &)> say);

    // One row: its line, its flow (m³/s) if it has one, its time if it could
    // be read, and the time's text as it stands (empty when there is none).
    void add(long long line, std::optional<double> flow, const std::optional<RecordTime> &time,
             const QString &timeText);

    // Says the volume, or why it cannot be given; true when it is whole.
    bool finish();

private:
    struct Reading {
        long long line = 0;
        qint64 ms = 0;
        double flow = 0.0;
    };
    void endStretch();

    std::function<void(const QString &)> m_say;
    std::optional<Reading> m_last;
    bool m_broken = false; // a row since m_last had no flow or time
    long long m_breaks = 0;
    long long m_stretchFrom = 0;
    long long m_stretchTo = 0;
    long long m_stretches = 0;
    std::vector<std::pair<long long, long long>> m_shownStretches;
    long long m_unreadable = 0;
    long long m_backwards = 0;
    long long m_firstNaive = 0;
    long long m_firstWithOffset = 0;
    double m_volume = 0.0;
};

} // namespace weir
