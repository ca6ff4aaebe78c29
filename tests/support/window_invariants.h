// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// What must hold of the window after any press of Calculate or Clear, whatever
// was typed. Shared by the monkey test and the fuzz target; each check returns
// an empty string when all is well, else what went wrong.

#include "calculator/message_lines.h"
#include "calculator/model/input_boxes.h"
#include "calculator/weir_head_window.h"
#include "common/box_number.h"
#include "hydraulics/bisection.h"
#include "hydraulics/units.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

// Box texts as a column of data-driven tests.
Q_DECLARE_METATYPE(weir::BoxTexts)

namespace weir::invariants {

struct Snapshot {
    BoxTexts boxes;
    QString head, trials;
    QStringList printed;
    QStringList errors; // the printed lines in the print colour (red)

    QString width() const { return boxes[InputBox::Width]; }
    QString flow() const { return boxes[InputBox::Flow]; }
    QString minimum() const { return boxes[InputBox::Minimum]; }
    QString maximum() const { return boxes[InputBox::Maximum]; }
    QStringList inputs() const { return {width(), flow(), minimum(), maximum()}; }
};

inline Snapshot snapshot(const WeirHeadWindow &w)
{
    Snapshot s;
    for (const InputBoxInfo &info : inputBoxes())
        s.boxes[info.box] = w.inputBox(info.box)->text();
    s.head = w.headBox()->text();
    s.trials = w.trialsBox()->text();
    s.printed = w.messageLines()->lines();
    for (qsizetype i = 0; i < s.printed.size(); ++i) {
        if (w.messageLines()->colorOfLine(i) == w.messageColor())
            s.errors << s.printed[i];
    }
    return s;
}

// Types the texts into the input boxes, as setText would.
inline void fill(WeirHeadWindow &w, const BoxTexts &texts)
{
    for (const InputBoxInfo &info : inputBoxes())
        w.inputBox(info.box)->setText(texts[info.box]);
}

// The search on the inputs as the window reads them: it ends, and a head it
// finds lies inside the bracket with a residual below the tolerance.
inline QString checkSolver(const Snapshot &s, const QLocale &locale)
{
    const BoxNumber width = parseBoxNumber(s.width(), locale);
    const BoxNumber flow = parseBoxNumber(s.flow(), locale);
    const BoxNumber minimum = parseBoxNumber(s.minimum(), locale);
    const BoxNumber maximum = parseBoxNumber(s.maximum(), locale);
    for (const BoxNumber &n : {width, flow, minimum, maximum}) {
        if (n.status != BoxNumber::Status::Ok)
            return {};
    }
    const double widthM = units::metresFromMillimetres(width.value);
    const double flowM3s = units::cubicMetresPerSecondFromLitresPerMinute(flow.value);
    const double lower = units::metresFromMillimetres(minimum.value);
    const double upper = units::metresFromMillimetres(maximum.value);
    const SolveResult r = solveHead(flowM3s, widthM, lower, upper);
    if (r.trials < 0 || r.trials > 5000)
        return QStringLiteral("implausible trial count %1").arg(r.trials);
    if (r.status != SolveStatus::Converged)
        return {};
    if (r.head < std::min(lower, upper) || r.head > std::max(lower, upper))
        return QStringLiteral("head %1 m outside the bracket").arg(r.head, 0, 'g', 17);
    if (!(std::fabs(weirResidual(r.head, flowM3s, widthM)) < kResidualTolerance))
        return QStringLiteral("converged head %1 m misses the tolerance").arg(r.head, 0, 'g', 17);
    return {};
}

inline QString checkAfterCalculate(const Snapshot &before, const Snapshot &after, const QLocale &locale)
{
    if (after.inputs() != before.inputs())
        return QStringLiteral("Calculate changed an input box");
    if (after.head.isEmpty() != after.trials.isEmpty())
        return QStringLiteral("one output box filled, the other empty");
    if (after.printed.size() > 2)
        return QStringLiteral("more than two printed lines");

    const bool allFilled = std::ranges::none_of(after.inputs(), &QString::isEmpty);
    const bool shown = !after.head.isEmpty();
    if (!allFilled && (shown || !after.printed.isEmpty()))
        return QStringLiteral("a box was empty, yet something was shown");
    // A head found past the formula's peak is shown with the red lines that
    // say it is no answer; any other head with no red line.
    const bool pastPeak = !after.errors.isEmpty() && after.errors.first().contains(u"公式の流量が減る");
    if (pastPeak && !shown)
        return QStringLiteral("the past-peak lines with no head shown");
    if (allFilled && !pastPeak && shown == !after.errors.isEmpty())
        return QStringLiteral("all boxes filled: exactly one of a result and an error line expected");
    if (shown && !pastPeak && after.printed.size() > 1)
        return QStringLiteral("more than one note beside a result");

    if (shown) {
        bool ok = false;
        const int trials = after.trials.toInt(&ok);
        if (!ok || trials < 1)
            return QStringLiteral("trial count '%1'").arg(after.trials);
        const double head = locale.toDouble(after.head, &ok);
        if (!ok || !std::isfinite(head) || head < 0)
            return QStringLiteral("head '%1' is not a number").arg(after.head);
        const double lo = parseBoxNumber(after.minimum(), locale).value;
        const double hi = parseBoxNumber(after.maximum(), locale).value;
        // Shown to 0.01 mm, so within half of that of the bracket.
        const double slack = 0.005 + 1e-9 * std::max(std::fabs(lo), std::fabs(hi));
        if (head < std::min(lo, hi) - slack && head != 0)
            return QStringLiteral("head %1 mm below the bracket").arg(after.head);
        if (head > std::max(lo, hi) + slack)
            return QStringLiteral("head %1 mm above the bracket").arg(after.head);
        // A past-peak head's two red lines stand in place of the note.
        if (!pastPeak && (head < 20) != (after.printed.size() == 1))
            return QStringLiteral("head %1 mm: the range note belongs with heads below 20 mm, and only there")
                .arg(after.head);
        if (pastPeak && after.printed.size() != 2)
            return QStringLiteral("head %1 mm past the peak: two red lines, no note").arg(after.head);
    }
    return checkSolver(after, locale);
}

inline QString checkAfterClear(const Snapshot &after)
{
    if (!after.printed.isEmpty())
        return QStringLiteral("Clear left a printed line");
    for (const QString &text : after.inputs() + QStringList{after.head, after.trials}) {
        if (!text.isEmpty())
            return QStringLiteral("Clear left text in a box");
    }
    return {};
}

} // namespace weir::invariants
