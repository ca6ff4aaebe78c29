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

// The rating window lives in a module of its own (rating/), loaded the first
// time the user opens it, so that the calculator's start-up never pays for the
// plotting library. This is all the calculator knows of it.

// What the calculator hands the rating window: the width and bracket of its
// last Calculate (its boxes as typed before there is one).
struct CalculatorReading {
    QString width;   // mm
    QString minimum; // mm
    QString maximum; // mm
    QLocale locale;
    std::optional<GaugeUncertainty> gauge; // the user's uncertainties, when stated
};

// A head the calculator found, and the width of the weir it was found for.
struct FoundHead {
    double headMm;
    double widthMm;
};

class RatingWindow
{
public:
    virtual ~RatingWindow() = default;
    virtual QWidget *widget() = 0;
    // Width and range from the calculator's boxes, where they hold numbers.
    virtual void takeBoxes(const CalculatorReading &reading) = 0;
    // The head the calculator last found (none after a miss or Clear),
    // marked only on a curve of the same width.
    virtual void takeShownHead(std::optional<FoundHead> head) = 0;
    // The uncertainties after the user has changed them (none: no ± shown).
    virtual void takeGauge(const std::optional<GaugeUncertainty> &gauge) = 0;
};

class RatingWindowFactory
{
public:
    virtual ~RatingWindowFactory() = default;
    // A new, not yet shown, top-level window, a child of the calculator's
    // (Qt deletes it with the calculator).
    virtual RatingWindow *createRatingWindow(QWidget *calculator) = 0;
};

} // namespace weir

#define RatingWindowFactory_iid "org.weirhead.overflowhead.RatingWindowFactory/3"
Q_DECLARE_INTERFACE(weir::RatingWindowFactory, RatingWindowFactory_iid)
