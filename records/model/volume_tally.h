// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_clock.h"
#include "records/model/record_fault.h"

#include <QString>
#include <QStringList>

#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace weir {

// One row of a record as the tally takes it: its line, its flow (m³/s) and
// the flow's expanded uncertainty when there is one, its time if it could be
// read, and the time's text as it stands (empty when there is none).
struct FlowAtTime {
    long long line = 0;
    std::optional<double> flowM3s;
    std::optional<double> uM3s;
    std::optional<RecordTime> time;
    QString timeText;
    bool outsideRange = false; // a flow outside its formula's range of validity
};

// The calendar periods volumes are given for, on the record's own clock.
enum class PeriodKind { None, Day, Month };

// A day's or a month's volume. Its cover is the share of the period that
// readings span; an interval that crosses the period's end is split there,
// the flow taken as straight between its two readings, so that the periods
// add up to the whole volume.
struct PeriodVolume {
    QString name; // 2026-12-09, 2026-12
    qint64 startMs = 0, endMs = 0;
    double volumeM3 = 0.0;
    double uM3 = 0.0; // the volume's expanded uncertainty, with the flows'
    qint64 coveredMs = 0;
    long long readings = 0;
    long long outsideRange = 0; // readings whose flow lies outside the formula's range
    double smallestM3s = std::numeric_limits<double>::infinity();
    double largestM3s = -std::numeric_limits<double>::infinity();
    // Why readings do not span all of it.
    bool beforeRecord = false, afterRecord = false, missing = false, gap = false, backwards = false;

    double coverPercent() const { return endMs > startMs ? 100.0 * double(coveredMs) / double(endMs - startMs) : 0.0; }
    // The mean flow over the time covered: the volume over that time.
    std::optional<double> meanM3s() const
    {
        return coveredMs > 0 ? std::optional<double>(volumeM3 / (double(coveredMs) / 1000)) : std::nullopt;
    }
    QString whyIncomplete() const;
};

// The load of a substance a volume carries (汚濁負荷量): a concentration in
// mg/L is g/m³, so mg/L × m³ is grams, ÷ 1000 kilograms.
inline double loadKg(double concentrationMgPerLitre, double volumeM3)
{
    return concentrationMgPerLitre * volumeM3 / 1000;
}

// A stretch of readings that follow one another, and a step between two
// readings far longer than the record's own.
struct VolumeStretch {
    long long fromLine = 0, toLine = 0;
};
struct VolumeGap {
    long long fromLine = 0, toLine = 0;
    qint64 ms = 0;
    bool bridged = false; // within the longest step the caller allows
};

struct VolumeResult {
    double volumeM3 = 0.0;
    double uM3 = 0.0;
    bool withUncertainty = false;
    bool whole = false; // one stretch through every row
    bool mixedClocks = false;
    qint64 usualStepMs = 0; // the median step between readings
    long long stretchCount = 0;
    std::vector<VolumeStretch> stretches; // the first few
    long long gapCount = 0, bridgedCount = 0;
    std::vector<VolumeGap> gaps;     // the first few of each kind
    std::vector<RecordFault> faults; // the first few of each kind
    long long unreadableTimes = 0, backwards = 0, missingRuns = 0;
    std::vector<PeriodVolume> periods;
    // All of it said, in the order a reader wants it: the faults, the gaps,
    // the volume.
    QStringList messages() const;
};

// The volume a record's flows pass: the trapezoidal rule between good
// readings (a flow and a time), over the stretches in which they follow one
// another.
//   - A row without a flow or a time ends a stretch, and the time from the
//     last good reading to the next is left out; so is the step to a time
//     that goes backwards or repeats, after which a new stretch begins.
//   - A step longer than twice the record's usual step (the median of its
//     first thousand steps) is a gap: no reading was taken, and the flow in
//     it is not known. It is left out and named, unless it is within
//     maxGapMs, the longest step the caller allows to be bridged by a
//     straight line; what is bridged is named too.
//   - The volume is whole only when one stretch runs through every row.
// With the flows' expanded uncertainties, the volume's is their sum over
// time: the three standard uncertainties are taken as systematic over the
// record (fully correlated), which bounds it from above.
class VolumeTally
{
public:
    explicit VolumeTally(PeriodKind periods = PeriodKind::None, qint64 maxGapMs = 0);

    void add(const FlowAtTime &row);
    VolumeResult finish();

private:
    struct Reading {
        long long line = 0;
        qint64 ms = 0;
        double flow = 0.0;
        double u = 0.0;
        bool afterBreak = false; // a row without a flow or time came before it
        long long breakLine = 0;
        bool outsideRange = false;
    };
    void decideStep();
    void take(const Reading &reading, const QString &timeText);
    void endStretch();
    void addInterval(const Reading &from, const Reading &to);
    void markLeftOut(qint64 fromMs, qint64 toMs, bool PeriodVolume::*why);
    PeriodVolume &periodAt(qint64 ms);
    void fault(RecordFault::Reason kind, long long line, const QString &message, long long &count);

    PeriodKind m_periodKind;
    qint64 m_maxGapMs;
    std::vector<std::pair<Reading, QString>> m_pending; // until the usual step is known, with the times' texts
    bool m_stepKnown = false;
    qint64 m_gapMs = 0; // a step longer than this is a gap
    std::optional<Reading> m_last;
    std::optional<Reading> m_first;
    bool m_broken = false;
    long long m_breakLine = 0;
    long long m_breaks = 0; // runs of rows without a flow or a time
    long long m_stretchFrom = 0;
    long long m_stretchTo = 0;
    long long m_firstNaive = 0, m_firstWithOffset = 0;
    bool m_anyUncertainty = false;
    std::map<qint64, PeriodVolume> m_periods;
    VolumeResult m_result;
};

// A length of time as a record's reader counts it: 45 s, 10 min, 13 h 30 min,
// 2 d 3 h.
QString durationText(qint64 ms);

} // namespace weir
