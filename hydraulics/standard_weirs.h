// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <vector>

namespace weir {

// The rectangular weirs the standards describe, beside the program's own
// formula (weir_formula.h), in m and m^3/s. As printed in published tables
// of the JIS formulas (in m^3/min; divided by 60 here); the standards' own
// texts govern. h head, b crest width, B channel width, D crest height above
// the channel bed.
//   - JIS B 8302 四角せき (Itaya-Teshima): Q = K b h^1.5 / 60, K = 107.1 +
//     0.177/h + 14.2 h/D - 25.7 sqrt((B - b) h / (D B)) + 2.04 sqrt(B/D).
//   - JIS B 8302 全幅せき: Q = K B h^1.5 / 60, K = 107.1 + (0.177/h + 14.2
//     h/D)(1 + e), e = 0 for D <= 1 m and 0.55 (D - 1) above. The crest spans
//     the channel: b is B.
//   - JIS K 0094, Francis with two end contractions: Q = 1.838 (b - 0.2 h)
//     h^1.5. Its flow stops rising at h = 3 b (the derivative 1.5 b h^0.5 -
//     0.5 h^1.5 is zero there) and is given below that only.
//   - ISO 1438 full-width thin-plate weir (Kindsvater-Carter with b/B = 1):
//     Q = Ce (2/3) sqrt(2 g) (b - 0.001)(h + 0.001)^1.5, Ce = 0.602 + 0.075
//     h/D, g = 9.80665 m/s^2.
enum class StandardWeir { JisRectangular, JisFullWidth, JisFrancis, IsoFullWidth };

// The weir in its channel, m.
struct WeirChannel {
    double width = 0.0;        // b
    double channelWidth = 0.0; // B (the full-width weirs take b)
    double crestHeight = 0.0;  // D, above the channel bed
};

// A limit of a formula's range of validity, as the standard states it. A
// head or a weir outside the range still gets its flow, marked with the
// limits it breaks.
enum class RangeLimit {
    ChannelWidthBelow,  // B < 0.5 m
    ChannelWidthAbove,  // B > 6.3 m
    WidthBelow,         // b < 0.15 m
    WidthAbove,         // b > 5 m
    CrestHeightBelow,   // D < 0.15 m (四角せき), 0.3 m (全幅せき), 0.1 m (ISO)
    CrestHeightAbove,   // D > 3.5 m (四角せき), 2.5 m (全幅せき)
    ContractionBelow,   // b D / B^2 < 0.06
    HeadBelow,          // h < 0.03 m
    HeadAboveRootWidth, // h > 0.45 sqrt(b)
    HeadAboveCrest,     // h > D
    HeadAbove08,        // h > 0.8 m
    HeadAboveQuarter,   // h > B/4
    HeadOverCrestAbove, // h/D > 2.5 (ISO)
};

// The limit as a formula writes it: "h > 0.45√b", "bD/B² < 0.06".
const char *rangeLimitText(RangeLimit limit);

struct StandardDischarge {
    enum class Status {
        Ok,              // flow is set
        HeadNotPositive, // no overflow
        GeometryInvalid, // a weir that cannot be: b or D not positive, b wider than B
        BeyondPeak,      // at or past the head where the formula's flow stops rising
        NotComputable,   // a value not finite
    };
    Status status = Status::NotComputable;
    double flow = 0.0;               // m^3/s
    double coefficient = 0.0;        // K (m^0.5/min), Ce, or 1.838 (m^0.5/s)
    std::vector<RangeLimit> outside; // the limits the head and the weir break
};

StandardDischarge standardDischarge(StandardWeir weir, double head, const WeirChannel &channel);

// The limits the weir alone breaks, whatever the head.
std::vector<RangeLimit> geometryOutsideRange(StandardWeir weir, const WeirChannel &channel);
// Whether the weir can be at all (b and, where the formula takes it, D
// positive and finite; b no wider than B).
bool geometryHolds(StandardWeir weir, const WeirChannel &channel);

// The head at which the weir passes a flow, on the same formula: bisection
// between no head and where the flow reaches it, to the last bit a double
// tells apart, in a bounded number of steps.
struct StandardHead {
    enum class Status { Found, FlowNotPositive, GeometryInvalid, BeyondFormula, NotComputable };
    Status status = Status::NotComputable;
    double head = 0.0; // m
};

StandardHead standardHeadFor(StandardWeir weir, double flow, const WeirChannel &channel);

} // namespace weir
