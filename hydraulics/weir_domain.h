// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

namespace weir {

// Where the formula gives a discharge that means something.
//
// Q(h) rises from nothing at h = 0 to a peak and then falls: its width factor
// 1 - sqrt(h/b)/10 shrinks faster than h^1.5 grows. Without the low-head term
// the peak lies at h = 56.25 b exactly (d/dh of h^1.5 - h^2/(10 sqrt b) is zero
// at sqrt h = 7.5 sqrt b); with it, a hair lower (55.85 b for a 1 mm weir,
// 56.249 b for a 300 mm one). Past the peak a higher head would pass less
// water, which no weir does, and past 100 b the formula turns negative: the
// formula does not reach there, so no discharge is given from the peak up.
// Heads below 20 mm are computed and flagged (kMinimumValidHeadMm).
struct Discharge {
    enum class Status {
        Ok,              // flow is set, m^3/s
        HeadNotPositive, // zero or negative head: no overflow to speak of
        BeyondPeak,      // at or past the head where Q(h) stops rising
        NotComputable,   // width not positive or not finite, head not finite, overflow
    };
    Status status = Status::NotComputable;
    double flow = 0.0;
};

// The formula over one weir: its peak found once, so that a record of a
// million heads asks for it once.
class WeirDomain
{
public:
    explicit WeirDomain(double width); // m

    double width() const { return m_width; }
    // Where Q(h) stops rising, m; not finite when the width gives no formula.
    double peakHead() const { return m_peak; }
    Discharge dischargeAt(double head) const; // head in m

private:
    double m_width;
    double m_peak;
};

// Whether a head (m) lies at or past the peak of Q(h) over a weir of this
// width (m), as a search with a bracket reaching that far can find one.
// Below 25 widths Q(h) rises whatever the width: its logarithmic slope,
// 1.5 - (0.0012/h)/(1 + 0.0012/h) - x/(2(1 - x)) with x = sqrt(h/b)/10, stays
// above 0.5 - x/(2(1 - x)), which is not negative while x <= 0.5. So the peak
// is looked for only above that, which a search's heads seldom reach.
bool beyondPeak(double head, double width);

} // namespace weir
