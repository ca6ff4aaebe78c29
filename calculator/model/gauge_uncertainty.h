// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "hydraulics/flow_uncertainty.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace weir {

// The three uncertainties the user states, in the units they are known in:
// the head's (the gauge's reading and its zero together) and the width's
// in millimetres, the coefficient's in per cent. There are no defaults: a
// flow's uncertainty is shown only once all three are given, and wherever it
// is shown, these three are stated beside it.
struct GaugeUncertainty {
    double headMm = 0.0;
    double widthMm = 0.0;
    double coefficientPercent = 0.0;

    UncertaintyInputs si() const { return {headMm / 1000, widthMm / 1000, coefficientPercent / 100}; }
    bool operator==(const GaugeUncertainty &) const = default;
};

// Three texts as a box or an option holds them: all empty is none given;
// a value that is not a number, or negative, is named in `message`.
struct GaugeRead {
    std::optional<GaugeUncertainty> gauge;
    QString message;
};
GaugeRead readGaugeUncertainty(const QString &headMm, const QString &widthMm, const QString &coefficientPercent,
                               const QLocale &locale);

// Kept between runs in the user's settings (QSettings, "weir-head"), set in
// the calculator's 編集 → 不確かさ dialog.
std::optional<GaugeUncertainty> storedGaugeUncertainty();
void storeGaugeUncertainty(const std::optional<GaugeUncertainty> &gauge);

// The three as every place that shows an uncertainty states them, with the
// coverage: u(h) = 0.3 mm、u(b) = 0.5 mm、u_C = 1 %（k = 2、約 95 %）.
QString gaugeStatement(const GaugeUncertainty &gauge, const QLocale &locale);

// The flow's expanded uncertainty at a head and width (m), a flow in L/min:
// ± L/min and U in per cent, as a table or an answer shows them; empty texts
// where the formula gives none (at or past the peak).
struct ExpandedTexts {
    QString plusMinusLpm;
    QString percent;
};
ExpandedTexts expandedTexts(const FlowUncertainty &u, double flowLpm, const QLocale &locale);

} // namespace weir
