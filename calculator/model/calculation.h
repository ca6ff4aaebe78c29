// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/input_boxes.h"
#include "common/fault.h"
#include "hydraulics/bisection.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace weir {

// One press of Calculate, away from the widgets: the four box texts go in, what
// the window is to show comes out.
//
//   box texts (mm, L/min) -> WeirInputs (m, m^3/s) -> solveHead -> head text in mm
//                                                                  or printed lines

// The inputs in solver units.
struct WeirInputs {
    double width = 0.0; // m
    double flow = 0.0;  // m^3/s
    double lower = 0.0; // lower end of the bracket, m
    double upper = 0.0; // upper end of the bracket, m
};

// A line printed on the window, top-left first.
struct PrintedLine {
    enum class Tone {
        Error, // in the print colour (red): why there is no head
        Note,  // in the range note's blue: a head was shown, with a caveat
    };
    QString text; // as said, without the indentation the message lines add
    Tone tone = Tone::Error;

    bool operator==(const PrintedLine &) const = default;
};

struct CalculationOutcome {
    enum class Kind {
        Incomplete, // a box was empty: show nothing, say nothing
        Shown,      // headText and trialsText go into the output boxes
        Printed,    // error lines are printed on the window; the outputs stay empty
    };
    Kind kind = Kind::Incomplete;
    std::optional<double> headMm; // Shown: the head as its text states it, to 0.01 mm
    QString headText;             // the head in the locale's number form
    QString trialsText;
    QList<PrintedLine> lines;
    // The box the user should turn to: the one an error is about, or the first
    // empty box.
    std::optional<InputBox> box;

    QStringList texts() const;
    // The box at fault with the words about it (a number that does not read,
    // is too large or not positive, a bracket that holds no head): a usage
    // fault. None when no box is at fault: nothing typed yet, a head shown,
    // or a flow the weir cannot pass.
    std::optional<Fault> boxFault() const;
    // A head shown that answers the question: none of the lines is an error
    // (a head found past the formula's peak is shown, with a red line).
    bool found() const;
};

CalculationOutcome calculate(const BoxTexts &boxes, const QLocale &locale);

// The same Calculate with everything a checker needs to redo it by hand: the
// inputs as the solver took them and every trial of the search. The outcome is
// calculate()'s, to the last bit.
struct CalculationRecord {
    CalculationOutcome outcome;
    std::optional<WeirInputs> inputs;  // once all four boxes were read and accepted
    std::optional<SolveResult> solved; // once the search ran
    std::vector<BisectionTrial> trail; // one entry per trial the search made
};

CalculationRecord calculateWithTrail(const BoxTexts &boxes, const QLocale &locale);

struct ReadInputs;

// Calculate over and over with only the flow changing, as for a record of
// flows: the width and the bracket are read once. Each outcome is calculate()'s
// for the four texts, to the last bit (the same reading, in the same order).
class HeadSearch
{
public:
    HeadSearch(const QString &width, const QString &minimum, const QString &maximum, const QLocale &locale);
    ~HeadSearch();
    HeadSearch(const HeadSearch &) = delete;
    HeadSearch &operator=(const HeadSearch &) = delete;

    CalculationOutcome forFlow(const QString &flow);
    // A flow already read as a number (L/min), as a record's row gives it.
    CalculationOutcome forFlowLpm(double litresPerMinute);

private:
    std::unique_ptr<ReadInputs> m_boxes;
    QLocale m_locale;
};

// The head for a flow with no bracket from the user: the search over the
// formula's whole range that the no-root guidance uses (hydraulics/
// head_location.h), shown as the head box shows a head, with no trial count.
// Read and refused as the window reads its width and flow boxes.
CalculationOutcome calculateUnbracketed(const QString &widthText, const QString &flowText, const QLocale &locale);
CalculationOutcome calculateUnbracketed(const QString &widthText, double flowLpm, const QLocale &locale);

} // namespace weir
