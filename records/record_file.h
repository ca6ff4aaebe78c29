// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QFile>
#include <QString>

#include <cstdio>

namespace weir::records_window {

// A file by its name, for the records layer's stream: in wide characters on
// Windows, whose narrow names are the code page's.
inline std::FILE *openForReading(const QString &path)
{
#ifdef Q_OS_WIN
    return _wfopen(reinterpret_cast<const wchar_t *>(path.utf16()), L"rb");
#else
    return std::fopen(QFile::encodeName(path).constData(), "rb");
#endif
}

} // namespace weir::records_window
