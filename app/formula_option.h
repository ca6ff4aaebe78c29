// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/subcommand.h"
#include "calculator/model/flow_formula.h"

#include <optional>

namespace weir {

// --formula own|jis-rect|jis-full|jis-francis|iso-full with --channel-width
// and --crest-height (mm) where the formula takes them, for a weir of a
// width (mm): the formula, or the usage fault that says what is wrong (a name
// not known, a number that does not read, a weir that cannot be).
Outcome<FlowFormula> formulaOption(const SubcommandRun &run, double widthMm);

// The options, for the subcommands that take them.
std::vector<SubcommandOption> formulaOptions();

} // namespace weir
