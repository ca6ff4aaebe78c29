// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

// Where the windows go, as arithmetic on rectangles: the screen's available
// area (less panels and docks), the windows' frames as the window system
// reports them. Nothing here touches a window.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace weir::placement {

// The gap kept between the calculator and the rating window, and between a
// window that had to be pushed back onto the screen and the screen's edge:
// a frame drawn a few pixels larger than the window system reports (Wine
// under an X window manager draws the manager's frame, yet reports the
// Windows one) stays whole.
inline constexpr int kGap = 8;

// What the window manager adds around a window: nothing until it is framed.
QMargins frameMargins(const QRect &inside, const QRect &outside);

// The frame's top-left corner that centres a frame of size `outer` on `area`.
// Worked in twips, in single precision, at the window's logical dpi; a frame
// larger than the area keeps its top-left corner (its title bar) inside it.
QPoint centredTopLeft(const QRect &area, const QSize &outer, qreal dpiX, qreal dpiY);

// Where a module window's frame (the rating window, the design window) and
// the calculator's go, as top-left corners. The module goes to the right of
// the calculator's frame, else to its left, level with its top. Where
// neither side has room but the screen holds the two side by side, the
// calculator moves over, toward the side with less room, just far enough for
// the module to stand beside it: the calculator is never covered where it
// need not be. Where the screen cannot hold both, the module goes where it
// covers the least of the calculator. A frame is pushed onto the area where
// it fits; one larger than the area keeps its top-left corner inside it. An
// invalid area places the module beside the calculator and no more.
struct SideBySide {
    QPoint calculator;
    QPoint module;
};
SideBySide besideCalculator(const QRect &area, const QRect &calculator, const QSize &outer);

} // namespace weir::placement
