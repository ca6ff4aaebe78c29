// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/calculation.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "hydraulics/bisection.h"
#include "hydraulics/head_location.h"
#include "hydraulics/units.h"
#include "hydraulics/weir_domain.h"
#include "hydraulics/weir_formula.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

namespace weir {

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
    const double millimetres = units::millimetresFromMetres(rounded);
    if (!std::isfinite(millimetres))
        return std::nullopt;
    return millimetres;
}

// The head for the flow on the rising side of Q(h), looked for on the whole
// range where the formula holds; what is said of it depends on what the
// search was given, so `placed` words a head that was found, and
// `beyondWeir` a flow more than the weir passes at any head.
template <typename Place>
PrintedLine whereTheHeadLies(const WeirInputs &in, const QLocale &locale, const QString &beyondWeir, Place placed)
{
    const HeadLocation located = locateHead(in.flow, in.width);
    switch (located.status) {
    case HeadLocation::Status::FlowNotPositive: return {Texts::notPositive(Texts::flow())};
    case HeadLocation::Status::FlowAbovePeak: return {beyondWeir};
    case HeadLocation::Status::NotComputable: return {Texts::notComputable()};
    case HeadLocation::Status::Found: break;
    }
    return {placed(located.head, generalNumberText(shownMillimetres(located.head).value_or(0.0), locale))};
}

// The line under "no root": what to change, the head placed against the bracket.
PrintedLine whatToChange(const WeirInputs &in, const QLocale &locale)
{
    return whereTheHeadLies(in, locale, Texts::headBeyondRange(), [&in](double head, const QString &mm) {
        if (head < std::min(in.lower, in.upper))
            return Texts::headBelowMinimum(mm);
        if (head > std::max(in.lower, in.upper))
            return Texts::headAboveMaximum(mm);
        return Texts::headInsideBracket(mm);
    });
}

// A bracket reaching past the peak of Q(h) can hold a head on its falling
// side, where a higher head would pass less water. The search's head and
// trials are shown as found, with two red lines: that the formula falls
// there, and the head the weir really has for that flow.
void sayIfBeyondPeak(CalculationOutcome &outcome, const WeirInputs &in, double head, const QLocale &locale)
{
    if (outcome.kind != CalculationOutcome::Kind::Shown || !beyondPeak(head, in.width))
        return;
    // In place of the note under 20 mm, if any: a head that is no answer
    // is neither in nor out of the formula's range.
    outcome.lines = {{Texts::foundBeyondPeak(peakHeadText(peakHead(in.width), locale))}};
    outcome.lines.append(whereTheHeadLies(in, locale, Texts::flowBeyondWeir(),
                                          [](double, const QString &mm) { return Texts::headBelowPeak(mm); }));
}

// One box's number, or the outcome that names the box.
std::variant<double, CalculationOutcome> readBox(InputBox box, const QString &text, const QLocale &locale)
{
    const BoxNumber parsed = parseBoxNumber(text, locale);
    switch (parsed.status) {
    case BoxNumber::Status::Ok: break;
    case BoxNumber::Status::NotANumber: return printed(Texts::notANumber(inputBoxInfo(box).caption()), box);
    case BoxNumber::Status::TooLarge: return printed(Texts::tooLarge(inputBoxInfo(box).caption()), box);
    }
    return parsed.value;
}

// A head in metres as the head box shows it, with the note under 20 mm.
CalculationOutcome shownHead(double metres, const QString &trialsText, const QLocale &locale)
{
    const std::optional<double> millimetres = shownMillimetres(metres);
    if (!millimetres)
        return printed(Texts::notComputable());
    CalculationOutcome outcome;
    outcome.kind = CalculationOutcome::Kind::Shown;
    // The number is the one its text states (whole hundredths of a millimetre,
    // the metres having been rounded to five decimals), so that what uses the
    // head works with the head the user reads.
    outcome.headMm = std::round(*millimetres * 100) / 100;
    outcome.headText = generalNumberText(*millimetres, locale);
    outcome.trialsText = trialsText;
    if (*millimetres < kMinimumValidHeadMm)
        outcome.lines = {{Texts::belowValidRange(), PrintedLine::Tone::Note}};
    return outcome;
}

} // namespace

// Each box's text read into a number, or the outcome that names it.
struct ReadInputs {
    std::array<bool, kInputBoxCount> empty{};
    std::array<std::variant<double, CalculationOutcome>, kInputBoxCount> read;

    void take(InputBox box, const QString &text, const QLocale &locale)
    {
        empty[std::size_t(box)] = text.isEmpty();
        read[std::size_t(box)] = readBox(box, text, locale);
    }
};

namespace {

// The boxes in the order they are converted; the first one that fails is named.
std::variant<WeirInputs, CalculationOutcome> convertInputs(const ReadInputs &boxes)
{
    std::array<double, kInputBoxCount> numbers{};
    for (const InputBoxInfo &info : inputBoxes()) {
        const auto &read = boxes.read[std::size_t(info.box)];
        if (const auto *refused = std::get_if<CalculationOutcome>(&read))
            return *refused;
        numbers[std::size_t(info.box)] = std::get<double>(read);
    }
    const auto number = [&numbers](InputBox box) { return numbers[std::size_t(box)]; };

    WeirInputs in;
    in.width = units::metresFromMillimetres(number(InputBox::Width));
    in.flow = units::cubicMetresPerSecondFromLitresPerMinute(number(InputBox::Flow));
    in.lower = units::metresFromMillimetres(number(InputBox::Minimum));
    in.upper = units::metresFromMillimetres(number(InputBox::Maximum));

    // The formula divides by the width and the head and takes the root of their
    // ratio, so all three must be positive. Checked in the order the first trial
    // meets them: the width, then the upper end, then the lower end.
    // (A flow of zero or below is fine: the search finds a root or none.)
    const std::array<std::pair<InputBox, double>, 3> positives{
        {{InputBox::Width, in.width}, {InputBox::Maximum, in.upper}, {InputBox::Minimum, in.lower}}};
    for (const auto &[box, metres] : positives) {
        if (!(metres > 0))
            return printed(Texts::notPositive(inputBoxInfo(box).caption()), box);
    }
    return in;
}

} // namespace

bool CalculationOutcome::found() const
{
    return kind == Kind::Shown
        && std::ranges::none_of(lines, [](const PrintedLine &line) { return line.tone == PrintedLine::Tone::Error; });
}

std::optional<Fault> CalculationOutcome::boxFault() const
{
    if (kind != Kind::Printed || !box)
        return std::nullopt;
    return Fault{Fault::Kind::Usage, texts().join(u' ')};
}

QStringList CalculationOutcome::texts() const
{
    QStringList texts;
    for (const PrintedLine &line : lines)
        texts << line.text;
    return texts;
}

namespace {

// One Calculate; with a record, it also keeps the inputs and the trail (the
// search then runs with its trail observer, which the plain search never pays for).
CalculationOutcome calculateInto(const ReadInputs &boxes, const QLocale &locale, CalculationRecord *record)
{
    // Only an exactly empty box means "not filled in yet"; spaces are text.
    // Nothing is said, but the cursor is taken to the first such box.
    for (const InputBoxInfo &info : inputBoxes()) {
        if (boxes.empty[std::size_t(info.box)]) {
            CalculationOutcome incomplete;
            incomplete.box = info.box;
            return incomplete;
        }
    }

    const auto converted = convertInputs(boxes);
    if (const auto *refused = std::get_if<CalculationOutcome>(&converted))
        return *refused;
    const WeirInputs &in = std::get<WeirInputs>(converted);

    const SolveResult result = record ? solveHead(in.flow, in.width, in.lower, in.upper, record->trail)
                                      : solveHead(in.flow, in.width, in.lower, in.upper);
    if (record) {
        record->inputs = in;
        record->solved = result;
    }
    switch (result.status) {
    case SolveStatus::NoRoot: {
        CalculationOutcome outcome = printed(Texts::noRoot());
        outcome.lines.append(whatToChange(in, locale));
        return outcome;
    }
    case SolveStatus::NotConverged: return printed(Texts::notConverged());
    case SolveStatus::ResidualNotFinite: return printed(Texts::notComputable());
    case SolveStatus::Converged: break;
    }

    CalculationOutcome outcome = shownHead(result.head, QString::number(result.trials), locale);
    sayIfBeyondPeak(outcome, in, result.head, locale);
    return outcome;
}

ReadInputs readInputs(const BoxTexts &boxes, const QLocale &locale)
{
    ReadInputs read;
    for (const InputBoxInfo &info : inputBoxes())
        read.take(info.box, boxes[info.box], locale);
    return read;
}

} // namespace

CalculationOutcome calculate(const BoxTexts &boxes, const QLocale &locale)
{
    return calculateInto(readInputs(boxes, locale), locale, nullptr);
}

CalculationRecord calculateWithTrail(const BoxTexts &boxes, const QLocale &locale)
{
    CalculationRecord record;
    record.outcome = calculateInto(readInputs(boxes, locale), locale, &record);
    return record;
}

HeadSearch::HeadSearch(const QString &width, const QString &minimum, const QString &maximum, const QLocale &locale)
    : m_boxes(std::make_unique<ReadInputs>())
    , m_locale(locale)
{
    m_boxes->take(InputBox::Width, width, locale);
    m_boxes->take(InputBox::Minimum, minimum, locale);
    m_boxes->take(InputBox::Maximum, maximum, locale);
}

HeadSearch::~HeadSearch() = default;

CalculationOutcome HeadSearch::forFlow(const QString &flow)
{
    m_boxes->take(InputBox::Flow, flow, m_locale);
    return calculateInto(*m_boxes, m_locale, nullptr);
}

CalculationOutcome HeadSearch::forFlowLpm(double litresPerMinute)
{
    m_boxes->empty[std::size_t(InputBox::Flow)] = false;
    m_boxes->read[std::size_t(InputBox::Flow)] = litresPerMinute;
    return calculateInto(*m_boxes, m_locale, nullptr);
}

CalculationOutcome calculateUnbracketed(const QString &widthText, const QString &flowText, const QLocale &locale)
{
    const auto width = readBox(InputBox::Width, widthText, locale);
    if (const auto *refused = std::get_if<CalculationOutcome>(&width))
        return *refused;
    const auto flow = readBox(InputBox::Flow, flowText, locale);
    if (const auto *refused = std::get_if<CalculationOutcome>(&flow))
        return *refused;
    return calculateUnbracketed(widthText, std::get<double>(flow), locale);
}

CalculationOutcome calculateUnbracketed(const QString &widthText, double flowLpm, const QLocale &locale)
{
    const auto width = readBox(InputBox::Width, widthText, locale);
    if (const auto *refused = std::get_if<CalculationOutcome>(&width))
        return *refused;
    const double widthM = units::metresFromMillimetres(std::get<double>(width));
    if (!(widthM > 0))
        return printed(Texts::notPositive(Texts::width()), InputBox::Width);

    const HeadLocation located = locateHead(units::cubicMetresPerSecondFromLitresPerMinute(flowLpm), widthM);
    switch (located.status) {
    case HeadLocation::Status::FlowNotPositive: return printed(Texts::notPositive(Texts::flow()), InputBox::Flow);
    case HeadLocation::Status::FlowAbovePeak: return printed(Texts::flowBeyondWeir());
    case HeadLocation::Status::NotComputable: return printed(Texts::notComputable());
    case HeadLocation::Status::Found: break;
    }
    return shownHead(located.head, QString(), locale);
}

} // namespace weir
