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

// The rating window's frame top-left: to the right of the calculator's frame,
// else to its left, level with its top; where neither side has room, against
// the roomier side's edge. Pushed onto the area where it fits; a frame larger
// than the area keeps its top-left corner inside it. An invalid area places
// it beside the calculator and no more.
QPoint besideTopLeft(const QRect &area, const QRect &calculator, const QSize &outer);

} // namespace weir::placement
