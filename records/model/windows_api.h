// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// The Windows API, for the few places that need it (the console, the scratch
// file, CP932 where Qt has no converter), included the one way: without the
// min and max macros that would shadow std::min and std::max.
#include <QtGlobal>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif
