// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "common/fault.h"

#include <QByteArray>
#include <QString>

namespace weir {

// Writes a file whole or not at all (QSaveFile): an existing file survives a
// failed save byte for byte. A fault's words name the file.
Outcome<void> saveWhole(const QString &path, const QByteArray &bytes);

} // namespace weir
