// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace weir {

// The one list of the program's Japanese font and what stands in for it, for
// the calculator, the rating window, the calculation sheet and the PDF report.
//
// The layout was drawn for a 9-point proportional Japanese Gothic UI font whose
// lines are about 12 px high at 96 dpi: MS UI Gothic on Windows, and IPA P
// Gothic, which matches it, elsewhere. Meiryo UI and Yu Gothic UI, the later
// Windows UI fonts, are the fallbacks only: their lines are 15 and 16 px at 9
// points, and the captions' boxes in twips were not drawn for them. A PDF
// embeds the glyphs of whichever is found.
inline QStringList uiFontFamilies()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Meiryo UI"),
            QStringLiteral("Yu Gothic UI")};
#else
    return {QStringLiteral("IPAPGothic"), QStringLiteral("MS UI Gothic"), QStringLiteral("Meiryo UI"),
            QStringLiteral("Yu Gothic UI")};
#endif
}

} // namespace weir
