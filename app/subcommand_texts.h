// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

class QCoreApplication;
class QTranslator;

namespace weir {

// One language a run: the command line's own texts come in the user's
// language from the program's catalogue, and this puts the calculation's
// texts beside them (the result's labels, the reasons a value has no answer,
// the rating table's and the design's captions). In Japanese they are the
// source texts and nothing is loaded; in any other language they come in
// English. Returns the translator installed on the application, or null.
QTranslator *installSubcommandTexts(QCoreApplication &app);

} // namespace weir
