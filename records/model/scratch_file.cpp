// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/scratch_file.h"

#include "records/model/windows_api.h"

namespace weir {

// On Windows in the user's temporary folder: the C runtime's tmpfile() writes
// to the drive's root, which a user may not write to.
ScratchFile::ScratchFile()
{
#ifdef Q_OS_WIN
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) != 0 && GetTempFileNameW(folder, L"whd", 0, path) != 0)
        m_file = _wfopen(path, L"w+bTD"); // T: short-lived, D: deleted when closed
#else
    m_file = std::tmpfile();
#endif
}

ScratchFile::~ScratchFile()
{
    if (m_file)
        std::fclose(m_file);
}

} // namespace weir
