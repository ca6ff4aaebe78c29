// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/record_volume.h"

#include "app/command_line_texts.h"

#include <QStringList>

namespace weir {

namespace {

// A record with a fault on every row would bury the summary: the first few
// are named, the rest counted.
constexpr long long kNamed = 5;

} // namespace

VolumeTally::VolumeTally(std::function<void(const QString &)> say)
    : m_say(std::move(say))
{
}

void VolumeTally::add(long long line, std::optional<double> flow, const std::optional<RecordTime> &time,
                      const QString &timeText)
{
    if (time) {
        long long &first = time->withOffset ? m_firstWithOffset : m_firstNaive;
        if (first == 0)
            first = line;
    } else if (!timeText.isEmpty() || flow) {
        if (++m_unreadable <= kNamed)
            m_say(timeText.isEmpty() ? CommandLineTexts::tr("%1行目: 時刻がありません。").arg(line)
                                     : CommandLineTexts::tr("%1行目: 時刻 %2 が読めません。").arg(line).arg(timeText));
    }
    if (!flow || !time) {
        if (!m_broken)
            ++m_breaks;
        m_broken = true;
        return;
    }
    const Reading reading{line, time->ms, *flow};
    if (m_last && reading.ms <= m_last->ms) {
        if (++m_backwards <= kNamed)
            m_say(CommandLineTexts::tr("%1行目: 時刻 %2 が%3行目の時刻より前か同じです（この間は水量に含めません）。")
                      .arg(line)
                      .arg(timeText)
                      .arg(m_last->line));
        endStretch();
        m_stretchFrom = m_stretchTo = line;
    } else if (m_last && !m_broken) {
        m_volume += (reading.flow + m_last->flow) / 2 * double(reading.ms - m_last->ms) / 1000;
        m_stretchTo = line;
    } else {
        if (m_last)
            m_say(CommandLineTexts::tr("欠測: %1行目から%2行目まで（水量に含めません）").arg(m_last->line).arg(line));
        endStretch();
        m_stretchFrom = m_stretchTo = line;
    }
    m_broken = false;
    m_last = reading;
}

void VolumeTally::endStretch()
{
    if (m_stretchTo > m_stretchFrom) {
        ++m_stretches;
        if (m_shownStretches.size() < std::size_t(kNamed))
            m_shownStretches.emplace_back(m_stretchFrom, m_stretchTo);
    }
    m_stretchFrom = m_stretchTo = 0;
}

bool VolumeTally::finish()
{
    endStretch();
    if (m_unreadable > kNamed)
        m_say(CommandLineTexts::tr("ほか %n行の時刻が読めません。", nullptr, counted(m_unreadable - kNamed)));
    if (m_backwards > kNamed)
        m_say(CommandLineTexts::tr("ほか %n行で時刻が戻るか繰り返します。", nullptr, counted(m_backwards - kNamed)));
    if (m_firstNaive > 0 && m_firstWithOffset > 0) {
        m_say(CommandLineTexts::tr(
                  "通過した水量: 求められません。時刻にオフセットのないもの（%1行目）とあるもの（%2行目）"
                  "が混ざっていて、同じ時計で並べられません。")
                  .arg(m_firstNaive)
                  .arg(m_firstWithOffset));
        return false;
    }
    const QString volume = QString::number(m_volume, 'f', 3);
    if (m_breaks == 0 && m_backwards == 0 && m_stretches <= 1) {
        m_say(CommandLineTexts::tr("通過した水量: %1 m³").arg(volume));
        return true;
    }
    if (m_stretches == 0) {
        m_say(CommandLineTexts::tr("通過した水量: %1 m³（時刻の続く区間がありません）").arg(volume));
        return false;
    }
    QStringList stretches;
    for (const auto &[from, to] : m_shownStretches)
        stretches << CommandLineTexts::tr("%1行目から%2行目まで").arg(from).arg(to);
    if (m_stretches > kNamed)
        stretches << CommandLineTexts::tr("ほか%n区間", nullptr, counted(m_stretches - kNamed));
    // Items of a list are set apart as the language sets them: 、 or a comma.
    m_say(CommandLineTexts::tr("通過した水量: %1 m³（記録の一部、%n区間: %2）", nullptr, counted(m_stretches))
              .arg(volume, stretches.join(CommandLineTexts::tr("、", "between the items of a list"))));
    return false;
}

} // namespace weir
