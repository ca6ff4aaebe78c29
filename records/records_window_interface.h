// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/gauge_uncertainty.h"

#include <QLocale>
#include <QString>
#include <QtPlugin>

#include <optional>

class QWidget;

namespace weir {

// The records window (表示 → 記録から流量) lives in a module of its own,
// loaded the first time the user opens it or drops a file on the
// calculator, so that the calculator's start-up pays nothing for it. This is
// all the calculator knows of it.
class RecordsWindow
{
public:
    virtual ~RecordsWindow() = default;
    virtual QWidget *widget() = 0;
    // The calculator's locale, the user's uncertainties, and its width box's
    // text (mm), taken for the weir when the window's own box is empty.
    virtual void takeSettings(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                              const QString &widthMm)
        = 0;
    // A logger's export to read (a file dropped, or chosen).
    virtual void openFile(const QString &path) = 0;
};

class RecordsWindowFactory
{
public:
    virtual ~RecordsWindowFactory() = default;
    // A new, not yet shown, top-level window, owned by the calculator as its
    // parent.
    virtual RecordsWindow *createRecordsWindow(QWidget *calculator) = 0;
};

} // namespace weir

#define RecordsWindowFactory_iid "org.weirhead.overflowhead.RecordsWindowFactory/1"
Q_DECLARE_INTERFACE(weir::RecordsWindowFactory, RecordsWindowFactory_iid)
