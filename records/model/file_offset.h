// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QtGlobal>

#include <cstdio>

#ifndef Q_OS_WIN
#include <sys/types.h>
#endif

namespace weir {

// Where a stream stands, in bytes from its start, and a move there: 64 bits
// on every system (a long, and so ftell and fseek, is 32 bits on Windows,
// where a record past 2 GiB would be misread). -1, or false, when the stream
// cannot tell or move.
inline qint64 streamOffset(std::FILE *stream)
{
#ifdef Q_OS_WIN
    return _ftelli64(stream);
#else
    return qint64(ftello(stream));
#endif
}

inline bool seekStream(std::FILE *stream, qint64 offset)
{
#ifdef Q_OS_WIN
    return _fseeki64(stream, offset, SEEK_SET) == 0;
#else
    return fseeko(stream, off_t(offset), SEEK_SET) == 0;
#endif
}

inline qint64 streamSize(std::FILE *stream)
{
    const qint64 here = streamOffset(stream);
#ifdef Q_OS_WIN
    const bool atEnd = _fseeki64(stream, 0, SEEK_END) == 0;
#else
    const bool atEnd = fseeko(stream, 0, SEEK_END) == 0;
#endif
    const qint64 size = atEnd ? streamOffset(stream) : -1;
    if (here < 0 || !seekStream(stream, here))
        return -1;
    return size;
}

} // namespace weir
