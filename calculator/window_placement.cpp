// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/window_placement.h"

#include <QtMath>

#include <algorithm>

namespace weir::placement {

namespace {

// Where a frame `length` long starts on [first, first + room): `wanted` if it
// fits there, else as far in as it fits, `kGap` from the edge where the room
// allows; a frame longer than the room starts at the room's start.
int pushedIn(int wanted, int length, int first, int room)
{
    if (wanted >= first && wanted + length <= first + room)
        return wanted;
    const int gap = std::clamp((room - length) / 2, 0, kGap);
    const int lowest = first + gap;
    return std::clamp(wanted, lowest, std::max(lowest, first + room - gap - length));
}

} // namespace

QMargins frameMargins(const QRect &inside, const QRect &outside)
{
    return {inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
            outside.bottom() - inside.bottom()};
}

QPoint centredTopLeft(const QRect &area, const QSize &outer, qreal dpiX, qreal dpiY)
{
    const float twipsPerPixelX = 1440.0f / float(dpiX);
    const float twipsPerPixelY = 1440.0f / float(dpiY);
    const float areaWidth = float(area.width()) * twipsPerPixelX;
    const float areaHeight = float(area.height()) * twipsPerPixelY;
    const float windowWidth = float(outer.width()) * twipsPerPixelX;
    const float windowHeight = float(outer.height()) * twipsPerPixelY;
    const float left = std::max(0.0f, (areaWidth - windowWidth) / 2.0f);
    const float top = std::max(0.0f, (areaHeight - windowHeight) / 2.0f);
    return {area.left() + qRound(left / twipsPerPixelX), area.top() + qRound(top / twipsPerPixelY)};
}

SideBySide besideCalculator(const QRect &area, const QRect &calculator, const QSize &outer)
{
    SideBySide placed{calculator.topLeft(), calculator.topRight() + QPoint(kGap, 0)};
    if (!area.isValid())
        return placed;
    const int level = pushedIn(calculator.top(), outer.height(), area.top(), area.height());
    const int leftRoom = calculator.left() - area.left();
    const int rightRoom = area.right() - calculator.right();
    if (placed.module.x() + outer.width() <= area.right()) {
        placed.module.setY(level);
        return placed;
    }
    if (leftRoom >= outer.width() + kGap) {
        placed.module = {calculator.left() - kGap - outer.width(), level};
        return placed;
    }
    const int rightEdge = pushedIn(area.right() + 1 - kGap - outer.width(), outer.width(), area.left(), area.width());
    const int leftEdge = pushedIn(area.left() + kGap, outer.width(), area.left(), area.width());
    if (calculator.width() + kGap + outer.width() <= area.width() - 2 * kGap) {
        // Both fit: the module against the roomier side's edge, the
        // calculator a gap from it.
        if (rightRoom >= leftRoom) {
            placed.module = {rightEdge, level};
            placed.calculator.setX(rightEdge - kGap - calculator.width());
        } else {
            placed.module = {leftEdge, level};
            placed.calculator.setX(leftEdge + outer.width() + kGap);
        }
        return placed;
    }
    // The least of the calculator covered, against either side's edge, level
    // with it, at the top or at the bottom; the first of equals.
    const int top = pushedIn(area.top() + kGap, outer.height(), area.top(), area.height());
    const int bottom = pushedIn(area.bottom() + 1 - kGap - outer.height(), outer.height(), area.top(), area.height());
    long long least = -1;
    for (const int x : {rightRoom >= leftRoom ? rightEdge : leftEdge, rightRoom >= leftRoom ? leftEdge : rightEdge}) {
        for (const int y : {level, top, bottom}) {
            const QRect covered = QRect(QPoint(x, y), outer).intersected(calculator);
            const long long size = covered.isEmpty() ? 0 : (long long)covered.width() * covered.height();
            if (least < 0 || size < least) {
                least = size;
                placed.module = {x, y};
            }
        }
    }
    return placed;
}

} // namespace weir::placement
