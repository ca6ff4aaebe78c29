// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <array>
#include <optional>
#include <span>

// The window as drawn, in twips (1440 to the logical inch, 15 to the pixel at
// 96 dpi), relative to the client area. Colours are 0x00BBGGRR values.

namespace weir::Layout {

inline constexpr int kClientWidth = 3600;
inline constexpr int kClientHeight = 4845;
inline constexpr quint32 kBackColor = 0x00C0C0C0;    // light grey, window and labels
inline constexpr quint32 kMessageColor = 0x000000FF; // red
inline constexpr quint32 kNoteColor = 0x00FF0000;    // blue: the range note, and printed notes

enum class Kind { TextBox, Button, Label };

// What each control is for; the window keeps each one as the member of that
// role when it creates it.
enum class Role {
    WidthBox,
    FlowBox,
    MinimumBox,
    MaximumBox,
    HeadBox,
    TrialsBox,
    CalculateButton,
    ClearButton,
    Caption,   // names the box it is the buddy of
    RangeNote, // the formula's range, in blue
};

struct ControlSpec {
    const char *name; // objectName
    Kind kind;
    Role role;
    QString (*caption)(); // none for a text box
    int left;
    int top;
    int width;
    int height;
    std::optional<quint32> textColor;
    const char *buddy = nullptr; // the box a label names
};

// In the order of the controls' identifiers.
std::span<const ControlSpec> controls();

// The order Tab visits the controls in: the width box first, then the rest in
// the order they were drawn. Labels take no focus.
inline constexpr std::array<const char *, 8> kTabOrder{"Text6",    "Text1", "Text2", "Command1",
                                                       "Command2", "Text3", "Text4", "Text5"};

int twipsToPixels(int twips, qreal dotsPerInch);

QColor fromBgr(quint32 bgr);

// The colours the client area is drawn in, whatever the desktop's scheme.
// The window fixes some colours (the grey of the window and its labels, the
// head's black, the trial count's pink, the note's blue); each of those is one
// half of a foreground/background pair, and the other half is fixed here from
// the same light scheme: dark captions on the grey, light bases under the
// boxes' text. Only these roles are set, so what the window leaves open
// (buttons, selection, focus frames) follows the desktop, light or dark.
QPalette clientPalette();

} // namespace weir::Layout
