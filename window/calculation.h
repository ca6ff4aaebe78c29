#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// One press of Calculate, away from the widgets: the four box texts go in, what
// the window is to show comes out.
//
//   box texts (mm, L/min) -> WeirInputs (m, m^3/s) -> solveHead -> head text in mm
//                                                                  or a printed line

// The input boxes, named by what they hold.
enum class InputBox { Width, Flow, Minimum, Maximum };

struct BoxTexts {
    QString flow;    // Text1, L/min
    QString minimum; // Text2, mm
    QString maximum; // Text3, mm
    QString width;   // Text6, mm
};

// The inputs in solver units.
struct WeirInputs {
    double BW = 0.0; // weir width, m
    double Q = 0.0;  // target discharge, m^3/s
    double XL = 0.0; // lower end of the bracket, m
    double XU = 0.0; // upper end of the bracket, m
};

struct CalculationOutcome {
    enum class Kind {
        Incomplete, // a box was empty: show nothing, say nothing
        Shown,      // headText and trialsText go into the output boxes
        Printed,    // line is printed on the window; the outputs stay empty
    };
    Kind kind = Kind::Incomplete;
    QString headText;
    QString trialsText;
    QString line;
    std::optional<InputBox> offendingBox; // a Printed line about one input
};

CalculationOutcome calculate(const BoxTexts &boxes, const QLocale &locale);

QString captionOf(InputBox box);
