// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <cstdio>

namespace weir {

// A file of our own, read and written, that is gone once closed: where a
// record that came down a pipe is kept so that it can be read twice, or a
// UTF-16 record is kept as UTF-8. Closed when it goes out of scope, on every
// path.
class ScratchFile
{
public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // None when no such file could be made.
    std::FILE *get() const { return m_file; }

private:
    std::FILE *m_file = nullptr;
};

} // namespace weir
