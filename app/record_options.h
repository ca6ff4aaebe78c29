// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/record_run.h"
#include "app/subcommand.h"
#include "hydraulics/units.h"

#include <optional>

namespace weir {

// The units a column of flows (or one flow) may be given in, by the names the
// command line takes: L/min, L/s, m3/s, m3/h, m3/d, cfs. Heads: mm, cm, m,
// in, ft (records/model/reading_scale.h).
std::optional<units::FlowUnit> flowUnitNamed(const QString &name);

// --unit read for heads or for flows, the default when not given; a usage
// fault when the name is not one of them.
Outcome<units::HeadUnit> headUnitOption(const SubcommandRun &run);
Outcome<units::FlowUnit> flowUnitOption(const SubcommandRun &run);

// --column, --encoding, --decimal-comma and (for the flow subcommand)
// --time, --time-format, --period and --max-gap; a usage fault when
// one of them is off. A column is a name, or a number counting from 1.
Outcome<RecordOptions> recordOptions(const SubcommandRun &run, bool withTimes);

} // namespace weir
