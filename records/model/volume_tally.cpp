// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/volume_tally.h"

#include "records/model/record_texts.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace weir {

namespace {

// A record with a fault on every row would bury the summary: the first few
// are named, the rest counted.
constexpr long long kNamed = 5;
// The usual step is the median of this many steps from the record's start.
constexpr std::size_t kStepSample = 1000;
// Periods at most this far apart are all listed, those without readings
// too; a record whose times span more lists the periods it has readings in.
constexpr qint64 kMostPeriods = 40000;

constexpr qint64 kMsPerDay = 86400000;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

QDate dateOf(qint64 ms)
{
    return QDate(1970, 1, 1).addDays(floorDiv(ms, kMsPerDay));
}

qint64 msOf(const QDate &date)
{
    return QDate(1970, 1, 1).daysTo(date) * kMsPerDay;
}

// A period's key: days from 1970-01-01, or months from year 0.
qint64 keyOf(PeriodKind kind, qint64 ms)
{
    if (kind == PeriodKind::Day)
        return floorDiv(ms, kMsPerDay);
    const QDate date = dateOf(ms);
    return qint64(date.year()) * 12 + date.month() - 1;
}

PeriodVolume periodOf(PeriodKind kind, qint64 key)
{
    PeriodVolume period;
    if (kind == PeriodKind::Day) {
        const QDate date = QDate(1970, 1, 1).addDays(key);
        period.name = date.toString(Qt::ISODate);
        period.startMs = key * kMsPerDay;
        period.endMs = period.startMs + kMsPerDay;
    } else {
        const QDate date(int(floorDiv(key, 12)), int(key - floorDiv(key, 12) * 12) + 1, 1);
        period.name = date.toString(QStringLiteral("yyyy-MM"));
        period.startMs = msOf(date);
        period.endMs = msOf(date.addMonths(1));
    }
    return period;
}

} // namespace

QString durationText(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(double(ms) / 1000);
    const qint64 minutes = seconds / 60, hours = minutes / 60, days = hours / 24;
    if (hours == 0)
        return QStringLiteral("%1 min").arg(minutes)
            + (seconds % 60 ? QStringLiteral(" %1 s").arg(seconds % 60) : QString());
    if (days == 0)
        return QStringLiteral("%1 h").arg(hours)
            + (minutes % 60 ? QStringLiteral(" %1 min").arg(minutes % 60) : QString());
    return QStringLiteral("%1 d").arg(days) + (hours % 24 ? QStringLiteral(" %1 h").arg(hours % 24) : QString());
}

QString PeriodVolume::whyIncomplete() const
{
    QStringList why;
    if (beforeRecord)
        why << RecordTexts::tr("記録の始まる前");
    if (afterRecord)
        why << RecordTexts::tr("記録の終わった後");
    if (missing)
        why << RecordTexts::tr("欠測");
    if (gap)
        why << RecordTexts::tr("読みのない間");
    if (backwards)
        why << RecordTexts::tr("時刻の戻り");
    return why.join(RecordTexts::tr("、", "between the items of a list"));
}

VolumeTally::VolumeTally(PeriodKind periods, qint64 maxGapMs)
    : m_periodKind(periods)
    , m_maxGapMs(maxGapMs)
{
}

void VolumeTally::fault(RecordFault::Reason kind, long long line, const QString &message, long long &count)
{
    if (++count <= kNamed)
        m_result.faults.push_back({kind, line, message});
}

void VolumeTally::add(const FlowAtTime &row)
{
    if (row.time) {
        long long &first = row.time->withOffset ? m_firstWithOffset : m_firstNaive;
        if (first == 0)
            first = row.line;
    } else if (!row.timeText.isEmpty() || row.flowM3s) {
        fault(row.timeText.isEmpty() ? RecordFault::Reason::NoTime : RecordFault::Reason::UnreadableTime, row.line,
              row.timeText.isEmpty()
                  ? RecordTexts::tr("%1行目: 時刻がありません。").arg(row.line)
                  : RecordTexts::tr("%1行目: 時刻 %2 が読めません。").arg(row.line).arg(row.timeText),
              m_result.unreadableTimes);
    }
    if (!row.flowM3s || !row.time) {
        if (!m_broken) {
            m_breakLine = row.line;
            ++m_breaks;
        }
        m_broken = true;
        return;
    }
    m_anyUncertainty = m_anyUncertainty || row.uM3s.has_value();
    const Reading reading{row.line, row.time->ms, *row.flowM3s,    row.uM3s.value_or(0.0),
                          m_broken, m_breakLine,  row.outsideRange};
    m_broken = false;
    if (m_stepKnown) {
        take(reading, row.timeText);
        return;
    }
    m_pending.emplace_back(reading, row.timeText);
    if (m_pending.size() > kStepSample)
        decideStep();
}

void VolumeTally::decideStep()
{
    std::vector<qint64> steps;
    for (std::size_t i = 1; i < m_pending.size(); ++i) {
        const qint64 step = m_pending[i].first.ms - m_pending[i - 1].first.ms;
        if (!m_pending[i].first.afterBreak && step > 0)
            steps.push_back(step);
    }
    if (!steps.empty()) {
        // The lower median: of two steps, the shorter is the record's own.
        const std::size_t middle = (steps.size() - 1) / 2;
        std::nth_element(steps.begin(), steps.begin() + std::ptrdiff_t(middle), steps.end());
        m_result.usualStepMs = steps[middle];
    }
    m_gapMs = m_result.usualStepMs > 0 ? 2 * m_result.usualStepMs : std::numeric_limits<qint64>::max();
    m_stepKnown = true;
    const std::vector<std::pair<Reading, QString>> pending = std::move(m_pending);
    m_pending.clear();
    for (const auto &[reading, timeText] : pending)
        take(reading, timeText);
}

PeriodVolume &VolumeTally::periodAt(qint64 ms)
{
    const qint64 key = keyOf(m_periodKind, ms);
    auto it = m_periods.find(key);
    if (it == m_periods.end())
        it = m_periods.emplace(key, periodOf(m_periodKind, key)).first;
    return it->second;
}

void VolumeTally::markLeftOut(qint64 fromMs, qint64 toMs, bool PeriodVolume::*why)
{
    if (m_periodKind == PeriodKind::None)
        return;
    const qint64 first = keyOf(m_periodKind, fromMs), last = keyOf(m_periodKind, std::max(fromMs, toMs - 1));
    for (qint64 key = first; key <= last && key - first < kMostPeriods; ++key) {
        auto it = m_periods.find(key);
        if (it == m_periods.end())
            it = m_periods.emplace(key, periodOf(m_periodKind, key)).first;
        it->second.*why = true;
    }
}

void VolumeTally::addInterval(const Reading &from, const Reading &to)
{
    const double seconds = double(to.ms - from.ms) / 1000;
    m_result.volumeM3 += (from.flow + to.flow) / 2 * seconds;
    m_result.uM3 += (from.u + to.u) / 2 * seconds;
    if (m_periodKind == PeriodKind::None)
        return;
    // Split at each period's end, the flow straight between the readings.
    const auto at
        = [&](qint64 ms, double a, double b) { return a + (b - a) * double(ms - from.ms) / double(to.ms - from.ms); };
    for (qint64 t = from.ms; t < to.ms;) {
        PeriodVolume &period = periodAt(t);
        const qint64 end = std::min(period.endMs, to.ms);
        const double s = double(end - t) / 1000;
        period.volumeM3 += (at(t, from.flow, to.flow) + at(end, from.flow, to.flow)) / 2 * s;
        period.uM3 += (at(t, from.u, to.u) + at(end, from.u, to.u)) / 2 * s;
        period.coveredMs += end - t;
        t = end;
    }
}

void VolumeTally::endStretch()
{
    if (m_stretchTo > m_stretchFrom) {
        ++m_result.stretchCount;
        if (m_result.stretches.size() < std::size_t(kNamed))
            m_result.stretches.push_back({m_stretchFrom, m_stretchTo});
    }
    m_stretchFrom = m_stretchTo = 0;
}

void VolumeTally::take(const Reading &reading, const QString &timeText)
{
    if (!m_first)
        m_first = reading;
    if (m_last) {
        const Reading &last = *m_last;
        const qint64 step = reading.ms - last.ms;
        if (reading.afterBreak) {
            ++m_result.missingRuns;
            if (m_result.missingRuns <= kNamed)
                m_result.faults.push_back({RecordFault::Reason::Missing, reading.breakLine,
                                           RecordTexts::tr("欠測: %1行目から%2行目まで（水量に含めません）")
                                               .arg(last.line)
                                               .arg(reading.line)});
            if (step > 0)
                markLeftOut(last.ms, reading.ms, &PeriodVolume::missing);
            endStretch();
            m_stretchFrom = m_stretchTo = reading.line;
        } else if (step <= 0) {
            fault(RecordFault::Reason::Backwards, reading.line,
                  RecordTexts::tr("%1行目: 時刻 %2 が%3行目の時刻より前か同じです（この間は水量に含めません）。")
                      .arg(reading.line)
                      .arg(timeText)
                      .arg(last.line),
                  m_result.backwards);
            if (m_periodKind != PeriodKind::None)
                periodAt(reading.ms).backwards = true;
            endStretch();
            m_stretchFrom = m_stretchTo = reading.line;
        } else if (step > m_gapMs && step > m_maxGapMs) {
            if (++m_result.gapCount <= kNamed)
                m_result.gaps.push_back({last.line, reading.line, step, false});
            markLeftOut(last.ms, reading.ms, &PeriodVolume::gap);
            endStretch();
            m_stretchFrom = m_stretchTo = reading.line;
        } else {
            if (step > m_gapMs && ++m_result.bridgedCount <= kNamed)
                m_result.gaps.push_back({last.line, reading.line, step, true});
            addInterval(last, reading);
            m_stretchTo = reading.line;
        }
    } else {
        m_stretchFrom = m_stretchTo = reading.line;
    }
    if (m_periodKind != PeriodKind::None) {
        PeriodVolume &period = periodAt(reading.ms);
        ++period.readings;
        period.outsideRange += reading.outsideRange;
        period.smallestM3s = std::min(period.smallestM3s, reading.flow);
        period.largestM3s = std::max(period.largestM3s, reading.flow);
    }
    m_last = reading;
}

VolumeResult VolumeTally::finish()
{
    if (!m_stepKnown)
        decideStep();
    endStretch();
    VolumeResult &r = m_result;
    r.withUncertainty = m_anyUncertainty;
    r.mixedClocks = m_firstNaive > 0 && m_firstWithOffset > 0;
    if (r.mixedClocks)
        r.faults.push_back({RecordFault::Reason::MixedClocks, m_firstWithOffset,
                            RecordTexts::tr("通過した水量: 求められません。時刻にオフセットのないもの（%1行目）と"
                                            "あるもの（%2行目）が混ざっていて、同じ時計で並べられません。")
                                .arg(m_firstNaive)
                                .arg(m_firstWithOffset)});
    r.whole = !r.mixedClocks && m_breaks == 0 && r.missingRuns == 0 && r.backwards == 0 && r.gapCount == 0
        && r.unreadableTimes == 0 && r.stretchCount <= 1;
    if (m_periodKind != PeriodKind::None && m_first && m_last && !r.mixedClocks) {
        periodAt(m_first->ms).beforeRecord = periodAt(m_first->ms).startMs < m_first->ms;
        periodAt(m_last->ms).afterRecord = periodAt(m_last->ms).endMs > m_last->ms;
        const qint64 first = keyOf(m_periodKind, m_first->ms), last = keyOf(m_periodKind, m_last->ms);
        if (last - first < kMostPeriods)
            for (qint64 key = first; key <= last; ++key)
                periodAt(periodOf(m_periodKind, key).startMs);
        for (auto &[key, period] : m_periods)
            if (key >= first && key <= last)
                r.periods.push_back(period);
    }
    return r;
}

QStringList VolumeResult::messages() const
{
    QStringList said;
    for (const RecordFault &fault : faults)
        if (fault.reason != RecordFault::Reason::MixedClocks)
            said << fault.words;
    if (unreadableTimes > kNamed)
        said << RecordTexts::tr("ほか %n行の時刻が読めません。", nullptr, counted(unreadableTimes - kNamed));
    if (backwards > kNamed)
        said << RecordTexts::tr("ほか %n行で時刻が戻るか繰り返します。", nullptr, counted(backwards - kNamed));
    for (const VolumeGap &gap : gaps) {
        if (gap.bridged)
            said << RecordTexts::tr("%1行目から%2行目までの %3 の間は読みがなく、直線でつなぎました。")
                        .arg(gap.fromLine)
                        .arg(gap.toLine)
                        .arg(durationText(gap.ms));
        else
            said << RecordTexts::tr(
                        "%1行目から%2行目までの %3 の間は読みがありません（記録の間隔 %4 の2倍を超えるため、"
                        "水量に含めません）。")
                        .arg(gap.fromLine)
                        .arg(gap.toLine)
                        .arg(durationText(gap.ms), durationText(usualStepMs));
    }
    if (gapCount > kNamed)
        said << RecordTexts::tr("ほか %n か所、読みのない間があります。", nullptr, counted(gapCount - kNamed));
    if (mixedClocks) {
        for (const RecordFault &fault : faults)
            if (fault.reason == RecordFault::Reason::MixedClocks)
                said << fault.words;
        return said;
    }
    const QString volume = QString::number(volumeM3, 'f', 3);
    if (whole) {
        said << RecordTexts::tr("通過した水量: %1 m³").arg(volume);
    } else if (stretchCount == 0) {
        said << RecordTexts::tr("通過した水量: %1 m³（時刻の続く区間がありません）").arg(volume);
    } else {
        QStringList shown;
        for (const VolumeStretch &stretch : stretches)
            shown << RecordTexts::tr("%1行目から%2行目まで").arg(stretch.fromLine).arg(stretch.toLine);
        if (stretchCount > kNamed)
            shown << RecordTexts::tr("ほか%n区間", nullptr, counted(stretchCount - kNamed));
        said << RecordTexts::tr("通過した水量: %1 m³（記録の一部、%n区間: %2）", nullptr, counted(stretchCount))
                    .arg(volume, shown.join(RecordTexts::tr("、", "between the items of a list")));
    }
    if (withUncertainty)
        said << RecordTexts::tr("水量の拡張不確かさ: ±%1 m³（三つの不確かさを記録を通じて系統的なものとした上限）")
                    .arg(QString::number(uM3, 'f', 3));
    return said;
}

} // namespace weir
