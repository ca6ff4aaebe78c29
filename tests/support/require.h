// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// What a QtTest needs from outside (a font, a tool), checked as the script
// tests check theirs: when something is missing the whole test is skipped
// with exit status 77, which CTest reports as skipped, naming what is
// missing; under CI=true it fails instead, since the project's scripts
// install everything and a missing piece there is a fault.

#include <QFontDatabase>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace weir::test {

inline QStringList missingFonts(const QStringList &families)
{
    QStringList missing;
    for (const QString &family : families) {
        if (!QFontDatabase::hasFamily(family))
            missing << family;
    }
    return missing;
}

inline QStringList missingTools(const QStringList &tools)
{
    QStringList missing;
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing;
}

// Skips the whole test program (or fails it under CI=true) when anything in
// missing is. For initTestCase.
#define WEIR_REQUIRE(missing)                                                                                          \
    do {                                                                                                               \
        const QStringList weirMissing = (missing);                                                                     \
        if (!weirMissing.isEmpty()) {                                                                                  \
            const QByteArray weirWhat = weirMissing.join(QStringLiteral(", ")).toUtf8();                               \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                   \
                QFAIL(qPrintable(QStringLiteral("missing (bash scripts/run-tests.sh installs it): ")                   \
                                 + QString::fromUtf8(weirWhat)));                                                      \
            std::fprintf(stderr, "SKIP: missing %s\n", weirWhat.constData());                                          \
            std::exit(77);                                                                                             \
        }                                                                                                              \
    } while (false)

} // namespace weir::test
