// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/gauge_uncertainty.h"

#include <QLocale>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <optional>

class QWidget;

namespace weir {

// The design window (表示 → 堰の設計) lives in a module of its own (design/),
// loaded the first time the user opens it, like the rating window, so that
// the calculator's start-up pays nothing for it. This is all the calculator
// knows of it.
class DesignWindow
{
public:
    virtual ~DesignWindow() = default;
    virtual QWidget *widget() = 0;
    // The calculator's locale and the user's uncertainties (none: no U).
    virtual void takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge) = 0;
    // Called with the chosen width, as the window shows it (mm), when the
    // user presses この幅を計算機に入れる.
    virtual void onApply(std::function<void(const QString &widthMm)> apply) = 0;
};

class DesignWindowFactory
{
public:
    virtual ~DesignWindowFactory() = default;
    // A new, not yet shown, top-level window, a child of the calculator's
    // (Qt deletes it with the calculator).
    virtual DesignWindow *createDesignWindow(QWidget *calculator) = 0;
};

} // namespace weir

#define DesignWindowFactory_iid "org.weirhead.overflowhead.DesignWindowFactory/1"
Q_DECLARE_INTERFACE(weir::DesignWindowFactory, DesignWindowFactory_iid)
