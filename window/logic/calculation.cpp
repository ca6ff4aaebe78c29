// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculation.h"

#include "bisection_solver.h"
#include "box_number.h"
#include "head_location.h"
#include "captions.h"
#include "head_text.h"
#include "messages.h"

#include <array>
#include <cmath>
#include <variant>

namespace {

CalculationOutcome printed(const QString &line, std::optional<InputBox> box = std::nullopt)
{
    CalculationOutcome outcome;
    outcome.kind = CalculationOutcome::Kind::Printed;
    outcome.lines = {{line}};
    outcome.box = box;
    return outcome;
}

// A head in metres as the head box shows it: rounded to five decimals of a
// metre, then in millimetres. A head below 0.000005 m rounds to nothing at
// all: that is a head of 0 mm.
std::optional<double> shownMillimetres(double metres)
{
    double rounded = 0.0;
    if (!readFixedPattern(formatFixedPattern(metres), &rounded))
        rounded = 0.0;
    const double millimetres = rounded * 1000;
    if (!std::isfinite(millimetres))
        return std::nullopt;
    return millimetres;
}

// The line under "no root": what to change. The head is looked for on the
// whole range where the formula holds, and placed against the bracket.
PrintedLine whereTheHeadLies(const WeirInputs &in, const QLocale &locale)
{
    const HeadLocation located = locateHead(in.flow, in.width);
    switch (located.status) {
    case HeadLocation::Status::FlowNotPositive:
        return {Message::notPositive(Caption::flow)};
    case HeadLocation::Status::FlowAbovePeak:
        return {Message::headBeyondRange};
    case HeadLocation::Status::NotComputable:
        return {Message::notComputable};
    case HeadLocation::Status::Found:
        break;
    }
    const QString mm = generalNumberText(shownMillimetres(located.head).value_or(0.0), locale);
    if (located.head < std::min(in.lower, in.upper))
        return {Message::headBelowMinimum(mm)};
    if (located.head > std::max(in.lower, in.upper))
        return {Message::headAboveMaximum(mm)};
    return {Message::headInsideBracket(mm)};
}

// The boxes in the order they are converted; the first one that fails is named.
std::variant<WeirInputs, CalculationOutcome> convertInputs(const BoxTexts &boxes, const QLocale &locale)
{
    std::array<double, kInputBoxCount> numbers{};
    for (const InputBoxInfo &info : inputBoxes()) {
        const BoxNumber parsed = parseBoxNumber(boxes[info.box], locale);
        switch (parsed.status) {
        case BoxNumber::Status::Ok: numbers[std::size_t(info.box)] = parsed.value; break;
        case BoxNumber::Status::NotANumber: return printed(Message::notANumber(info.caption), info.box);
        case BoxNumber::Status::TooLarge: return printed(Message::tooLarge(info.caption), info.box);
        }
    }
    const auto number = [&numbers](InputBox box) { return numbers[std::size_t(box)]; };

    WeirInputs in;
    in.width = number(InputBox::Width) / 1000.0;
    in.flow = (number(InputBox::Flow) / 1000) / 60; // L/min -> m^3/min -> m^3/s
    in.lower = number(InputBox::Minimum) / 1000;
    in.upper = number(InputBox::Maximum) / 1000;

    // The formula divides by the width and the head and takes the root of their
    // ratio, so all three must be positive. Checked in the order the first trial
    // meets them: the width, then the upper end, then the lower end.
    // (A flow of zero or below is fine: the search finds a root or none.)
    const std::array<std::pair<InputBox, double>, 3> positives{
        {{InputBox::Width, in.width}, {InputBox::Maximum, in.upper}, {InputBox::Minimum, in.lower}}};
    for (const auto &[box, metres] : positives) {
        if (!(metres > 0))
            return printed(Message::notPositive(inputBoxInfo(box).caption), box);
    }
    return in;
}

} // namespace

QStringList CalculationOutcome::texts() const
{
    QStringList texts;
    for (const PrintedLine &line : lines)
        texts << line.text;
    return texts;
}

CalculationOutcome calculate(const BoxTexts &boxes, const QLocale &locale)
{
    // Only an exactly empty box means "not filled in yet"; spaces are text.
    // Nothing is said, but the cursor is taken to the first such box.
    for (const InputBoxInfo &info : inputBoxes()) {
        if (boxes[info.box].isEmpty()) {
            CalculationOutcome incomplete;
            incomplete.box = info.box;
            return incomplete;
        }
    }

    const auto converted = convertInputs(boxes, locale);
    if (const auto *refused = std::get_if<CalculationOutcome>(&converted))
        return *refused;
    const WeirInputs &in = std::get<WeirInputs>(converted);

    const SolveResult result = solveHead(in.flow, in.width, in.lower, in.upper);
    switch (result.status) {
    case SolveStatus::NoRoot: {
        CalculationOutcome outcome = printed(Message::noRoot);
        outcome.lines.append(whereTheHeadLies(in, locale));
        return outcome;
    }
    case SolveStatus::NotConverged: return printed(Message::notConverged);
    case SolveStatus::ResidualNotFinite: return printed(Message::notComputable);
    case SolveStatus::Converged: break;
    }

    const std::optional<double> millimetres = shownMillimetres(result.head);
    if (!millimetres)
        return printed(Message::notComputable);

    CalculationOutcome outcome;
    outcome.kind = CalculationOutcome::Kind::Shown;
    outcome.headText = generalNumberText(*millimetres, locale);
    outcome.trialsText = QString::number(result.trials);
    if (*millimetres < kValidRangeMm)
        outcome.lines = {{Message::belowValidRange, PrintedLine::Tone::Note}};
    return outcome;
}
