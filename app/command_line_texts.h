// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "records/model/record_texts.h" // counted()

#include <QCoreApplication>

namespace weir {

// The command line's own texts: help, messages about records and times. All
// of them go through CommandLineTexts::tr() (or QT_TRANSLATE_NOOP with the
// same context), so that lupdate files them under the context the program
// asks, "CommandLine". The captions of the boxes come from Texts.
class CommandLineTexts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace weir
