// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// Whether every page of a PDF keeps its ink inside the page's margins: each
// page rendered by poppler's pdftoppm in grey at 72 dpi, then every pixel of
// the margin band looked at. A curve or a table drawn at the wrong scale runs
// into the band, or off the paper through it.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cmath>

namespace weir::test {

// Empty when every page is clean; else the first page and place found inked.
inline QString inkOutsideMargins(const QString &pdf, double marginMm)
{
    constexpr int kDpi = 72;
    QTemporaryDir dir;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(kDpi), pdf,
                  dir.filePath(QStringLiteral("page"))});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return QStringLiteral("pdftoppm failed on %1").arg(pdf);
    // A pixel's edge may take a shade from a glyph on the margin's line.
    const int band = int(std::floor(marginMm / 25.4 * kDpi)) - 1;
    const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name);
    if (pages.isEmpty())
        return QStringLiteral("no pages rendered");
    for (const QString &name : pages) {
        const QImage page(dir.filePath(name));
        if (page.isNull())
            return QStringLiteral("%1 unreadable").arg(name);
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const bool inBand = x < band || y < band || x >= page.width() - band || y >= page.height() - band;
                if (inBand && qGray(page.pixel(x, y)) < 224)
                    return QStringLiteral("%1: ink at (%2, %3) of %4 x %5 px, inside the %6 px margin")
                        .arg(name)
                        .arg(x)
                        .arg(y)
                        .arg(page.width())
                        .arg(page.height())
                        .arg(band);
            }
        }
    }
    return {};
}

} // namespace weir::test
