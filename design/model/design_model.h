// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/gauge_uncertainty.h"
#include "hydraulics/weir_design.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace weir {

// Which weir to build, as the design window and `weir-head design` ask it:
// the smallest and largest flow to measure (L/min), the highest head the
// channel allows (mm) and, optionally, the largest expanded uncertainty
// acceptable at the smallest flow (%), with the user's three uncertainties.
// The widths come from hydraulics/weir_design.h; this reads the boxes and
// says the answer.

// The design's texts (context "DesignTexts"); the width's caption is the
// calculator's.
class DesignTexts
{
    Q_DECLARE_TR_FUNCTIONS(DesignTexts)

public:
    static QString title();        // 堰の設計
    static QString smallestFlow(); // 最小流量(L/min)
    static QString largestFlow();  // 最大流量(L/min)
    static QString highestHead();  // 許容最高越流高さ(mm)
    static QString largestU();     // 最小流量での許容拡張不確かさ(%)
    static QString apply();        // この幅を計算機に入れる: the chosen width into the calculator
};

enum class DesignBox { SmallestFlow, LargestFlow, HighestHead, LargestU };

struct DesignBoxTexts {
    QString smallestFlow, largestFlow, highestHead, largestU; // the last may be empty: no limit
};

struct DesignAnswer {
    std::optional<DesignRequest> request; // once the boxes read
    WidthRange range;                     // once they do
    // A box's fault (naming its caption), or why no width fits and what to
    // change.
    QString message;
    // The range shown, rounded inward to 0.1 mm so that every width shown
    // lies inside it; set when there is one.
    std::optional<double> narrowestMm, widestMm;
    QString rangeText; // 堰の幅 … mm 〜 … mm, and what sets the wide end
};

DesignAnswer designFor(const DesignBoxTexts &boxes, const std::optional<GaugeUncertainty> &gauge,
                       const QLocale &locale);

// A chosen width against the answer's request: the heads at both flows, how
// much the head changes per L/min at the smallest, U there when the three
// are stated, and whether the width lies in the range.
struct DesignPointTexts {
    QStringList lines;
    bool inRange = false;
    bool found = false; // false: a flow passes at no head on this width
    double smallestFlowHeadMm = 0.0;
    double largestFlowHeadMm = 0.0;
    double headChangeMmPerLpm = 0.0;
    ExpandedTexts expanded; // at the smallest flow, with the three stated
};
DesignPointTexts designPointTexts(const DesignAnswer &answer, double widthMm,
                                  const std::optional<GaugeUncertainty> &gauge, const QLocale &locale);

} // namespace weir
