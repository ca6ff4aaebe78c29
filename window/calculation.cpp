#include "calculation.h"

#include "bisection_solver.h"
#include "box_number.h"
#include "captions.h"
#include "head_text.h"

#include <array>
#include <cmath>
#include <variant>

QString captionOf(InputBox box)
{
    switch (box) {
    case InputBox::Width: return Caption::width;
    case InputBox::Flow: return Caption::flow;
    case InputBox::Minimum: return Caption::minimum;
    case InputBox::Maximum: return Caption::maximum;
    }
    return {};
}

namespace {

CalculationOutcome printed(const QString &line, std::optional<InputBox> box = std::nullopt)
{
    CalculationOutcome outcome;
    outcome.kind = CalculationOutcome::Kind::Printed;
    outcome.line = line;
    outcome.offendingBox = box;
    return outcome;
}

// The boxes in the order they are converted; the first one that fails is named.
std::variant<WeirInputs, CalculationOutcome> convertInputs(const BoxTexts &boxes, const QLocale &locale)
{
    struct Field {
        InputBox box;
        const QString *text;
        double number = 0.0;
    };
    std::array<Field, 4> fields{{{InputBox::Width, &boxes.width},
                                 {InputBox::Flow, &boxes.flow},
                                 {InputBox::Minimum, &boxes.minimum},
                                 {InputBox::Maximum, &boxes.maximum}}};
    for (Field &field : fields) {
        const BoxNumber parsed = parseBoxNumber(*field.text, locale);
        switch (parsed.status) {
        case BoxNumber::Status::Ok: field.number = parsed.value; break;
        case BoxNumber::Status::NotANumber: return printed(Message::notANumber(captionOf(field.box)), field.box);
        case BoxNumber::Status::TooLarge: return printed(Message::tooLarge(captionOf(field.box)), field.box);
        }
    }

    WeirInputs in;
    in.BW = fields[0].number / 1000.0;
    in.Q = (fields[1].number / 1000) / 60; // L/min -> m^3/min -> m^3/s
    in.XL = fields[2].number / 1000;
    in.XU = fields[3].number / 1000;

    // The formula divides by the width and the head and takes the root of their
    // ratio, so all three must be positive. Checked in the order the first trial
    // meets them: the width, then the upper end, then the lower end.
    // (A flow of zero or below is fine: the search finds a root or none.)
    const std::array<std::pair<InputBox, double>, 3> positives{
        {{InputBox::Width, in.BW}, {InputBox::Maximum, in.XU}, {InputBox::Minimum, in.XL}}};
    for (const auto &[box, metres] : positives) {
        if (!(metres > 0))
            return printed(Message::notPositive(captionOf(box)), box);
    }
    return in;
}

} // namespace

CalculationOutcome calculate(const BoxTexts &boxes, const QLocale &locale)
{
    // Only an exactly empty box means "not filled in yet"; spaces are text.
    for (const QString *text : {&boxes.flow, &boxes.minimum, &boxes.maximum, &boxes.width}) {
        if (text->isEmpty())
            return {};
    }

    const auto converted = convertInputs(boxes, locale);
    if (const auto *refused = std::get_if<CalculationOutcome>(&converted))
        return *refused;
    const WeirInputs &in = std::get<WeirInputs>(converted);

    const SolveResult result = solveHead(in.Q, in.BW, in.XL, in.XU);
    switch (result.status) {
    case SolveStatus::NoRoot: return printed(Message::noRoot);
    case SolveStatus::NotConverged: return printed(Message::notConverged);
    case SolveStatus::ResidualNotFinite: return printed(Message::notComputable);
    case SolveStatus::Converged: break;
    }

    // Round the head to five decimals of a metre, then show it in millimetres.
    // A head below 0.000005 m rounds to nothing at all: that is a head of 0 mm.
    double rounded = 0.0;
    if (!readFixedPattern(formatFixedPattern(result.head), &rounded))
        rounded = 0.0;
    const double millimetres = rounded * 1000;
    if (!std::isfinite(millimetres))
        return printed(Message::notComputable);

    CalculationOutcome outcome;
    outcome.kind = CalculationOutcome::Kind::Shown;
    outcome.headText = generalNumberText(millimetres, locale);
    outcome.trialsText = QString::number(result.trials);
    return outcome;
}
