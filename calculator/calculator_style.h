// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QProxyStyle>

namespace weir {

// The desktop's style with two changes for the calculator:
//   - menu-bar titles four pixels narrower on each side, so that four menus
//     fit across a window 240 pixels wide without an overflow button (a
//     style sheet would do the same, at the price of Qt's whole style-sheet
//     machinery at start-up);
//   - the menu bar's overflow button gets its arrow from the desktop's style
//     only when it is first drawn, which it never is while the titles fit:
//     fetching it at once reads a PNG, and reading any image first loads
//     every image-format plugin Qt has (JPEG, GIF, ICO, ... and their
//     libraries), a third of a megabyte at start-up for an icon nobody sees.
// Made the application's style before the window is built (the program
// does; see WeirHeadWindow::prepareApplication), or else the menu bar's own.
class CalculatorStyle : public QProxyStyle
{
    Q_OBJECT

public:
    CalculatorStyle() = default;

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace weir
