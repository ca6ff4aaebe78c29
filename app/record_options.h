// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "app/record_run.h"
#include "app/subcommand.h"
#include "hydraulics/units.h"

#include <optional>

namespace weir {

// The units a column (or one value) may be given in, by the names the
// command line takes: mm, cm, m, in, ft; L/min, L/s, m3/s, m3/h, m3/d, cfs.
std::optional<units::HeadUnit> headUnitNamed(const QString &name);
std::optional<units::FlowUnit> flowUnitNamed(const QString &name);

// --unit read for heads or for flows, the default when not given; none (and
// said why) when the name is not one of them.
std::optional<units::HeadUnit> headUnitOption(const SubcommandRun &run);
std::optional<units::FlowUnit> flowUnitOption(const SubcommandRun &run);

// --column, --encoding and (for the flow subcommand) --time and
// --time-format; none, and said why, when one of them is off.
std::optional<RecordOptions> recordOptions(const SubcommandRun &run, bool withTimes);

} // namespace weir
