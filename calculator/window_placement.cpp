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

QPoint besideTopLeft(const QRect &area, const QRect &calculator, const QSize &outer)
{
    QPoint at = calculator.topRight() + QPoint(kGap, 0);
    if (!area.isValid())
        return at;
    if (at.x() + outer.width() > area.right()) {
        const int leftRoom = calculator.left() - area.left();
        const int rightRoom = area.right() - calculator.right();
        if (leftRoom >= outer.width() + kGap)
            at.setX(calculator.left() - kGap - outer.width());
        else
            at.setX(rightRoom > leftRoom ? area.right() + 1 - kGap - outer.width() : area.left() + kGap);
        at.setX(pushedIn(at.x(), outer.width(), area.left(), area.width()));
    }
    at.setY(pushedIn(at.y(), outer.height(), area.top(), area.height()));
    return at;
}

} // namespace weir::placement
