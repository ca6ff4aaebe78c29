// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QByteArray>
#include <QString>

namespace weir {

// Writes a file whole or not at all (QSaveFile): an existing file survives a
// failed save byte for byte. Returns an empty string, or what went wrong, with
// the file's name, ready to show.
QString saveWhole(const QString &path, const QByteArray &bytes);

} // namespace weir
