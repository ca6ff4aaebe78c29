// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

namespace weir {

// Installs, once for the application, the accessible interfaces the window
// needs beyond Qt's own: its text boxes (LineEditAccessible), the
// announcer (a notification to assistive technology), and its windows made
// from plain widgets, which Qt would otherwise present as fillers.
void installAccessibleInterfaces();

// A module linked with its own copy of this library (the design window) has
// its own Announcer class, which the program's factory cannot cast to: the
// module installs this for its announcers, once, when it first makes one.
// Modules stay loaded to the end, so the factory never outlives its code.
void installAnnouncerInterface();

} // namespace weir
