// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/console_text.h"

#include "records/model/windows_api.h"

#include <algorithm>

namespace weir {

bool writeText(std::FILE *stream, std::string_view utf8)
{
#ifdef Q_OS_WIN
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        std::fflush(stream); // whatever the C runtime still holds goes first
        const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        const auto *next = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype left = text.size();
        while (left > 0) {
            // A console takes a bounded piece a call.
            const auto piece = DWORD(std::min<qsizetype>(left, 8192));
            DWORD written = 0;
            if (!WriteConsoleW(console, next, piece, &written, nullptr) || written == 0)
                return false;
            next += written;
            left -= qsizetype(written);
        }
        return true;
    }
#endif
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
}

bool writeText(std::FILE *stream, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return writeText(stream, std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

bool writeLine(std::FILE *stream, const QString &text)
{
    return writeText(stream, text + u'\n');
}

} // namespace weir
