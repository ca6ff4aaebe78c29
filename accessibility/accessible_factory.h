// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

namespace weir {

// Installs, once for the application, the accessible interfaces the window
// needs beyond Qt's own: its text boxes (LineEditAccessible), the
// announcer (a notification to assistive technology), and its windows made
// from plain widgets, which Qt would otherwise present as fillers.
void installAccessibleInterfaces();

} // namespace weir
