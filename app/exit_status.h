// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"

namespace weir {

// The program's exit statuses, decided here alone: every answer found; some
// not (a row without an answer, a head past the formula's peak, a volume
// with a stretch left out); the command, a file, a record or a module at
// fault, with nothing written.
enum Exit { kAllFound = 0, kSomeNotFound = 1, kFault = 2 };

// Every kind of fault stops the run before an answer is written; a script
// tells them apart by the words on the error stream.
constexpr Exit exitStatus(Fault::Kind)
{
    return kFault;
}

} // namespace weir
