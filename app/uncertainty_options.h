// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/record_run.h"
#include "app/subcommand.h"
#include "calculator/model/gauge_uncertainty.h"

#include <optional>
#include <vector>

namespace weir {

// --u-head and --u-width (mm) and --u-coefficient (%), which every subcommand
// takes: all three or none (no uncertainty stated). A usage fault when only
// some are given, or one is not a number at or above zero.
Outcome<std::optional<GaugeUncertainty>> gaugeOption(const SubcommandRun &run);

// The two columns the uncertainty adds to a record, before its reason: the
// flow's expanded uncertainty in L/min and in per cent.
std::vector<AddedColumn> uncertaintyColumns();

// Their texts for a flow (L/min) of the uncertainty its formula gives:
// empty where it gives none.
QStringList uncertaintyCells(const FlowUncertainty &u, double flowLpm, const QLocale &locale);

// The same as the lines of a single answer, after its own: U in L/min and in
// per cent, and the three uncertainties it comes from.
std::vector<AnswerValue> uncertaintyAnswer(const GaugeUncertainty &gauge, const QStringList &cells,
                                           const QLocale &locale);

} // namespace weir
