// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/layout_table.h"

#include "common/texts.h"

#include <QtMath>

#include <array>

namespace weir::Layout {

// The drawn names, which every control keeps as its objectName so that
// screen readers' scripts and tests outside the program find it:
//   Text1 flow, Text2 minimum, Text3 maximum, Text6 width (inputs);
//   Text4 head, Text5 trials (outputs); Command1 計算, Command2 クリヤ;
//   Label1..Label7 the captions, each beside its box (buddy), Label6 the
//   range note. The window itself is ZELMORAK. The numbers follow the order
//   the controls were drawn in, not the window's order.
std::span<const ControlSpec> controls()
{
    // clang-format off
    static const std::array<ControlSpec, 15> table{{
        // name       kind           role                   caption               left   top  width height text colour
        {"Text6",    Kind::TextBox, Role::WidthBox,        nullptr,             1560,  480, 1215,  375, {}},
        {"Text5",    Kind::TextBox, Role::TrialsBox,       nullptr,             3120, 4440,  375,  270, 0x00FF80FF},
        {"Text4",    Kind::TextBox, Role::HeadBox,         nullptr,             1560, 3840, 1215,  375, 0x00000000},
        {"Text3",    Kind::TextBox, Role::MaximumBox,      nullptr,             1560, 2280, 1215,  375, {}},
        {"Command2", Kind::Button,  Role::ClearButton,     &Texts::clear,       2040, 3000, 1215,  495, {}},
        {"Command1", Kind::Button,  Role::CalculateButton, &Texts::calculate,    360, 3000, 1215,  495, {}},
        {"Text2",    Kind::TextBox, Role::MinimumBox,      nullptr,             1560, 1680, 1215,  375, {}},
        {"Text1",    Kind::TextBox, Role::FlowBox,         nullptr,             1560, 1080, 1215,  375, {}},
        {"Label7",   Kind::Label,   Role::Caption,         &Texts::width,        360,  600,  975,  255, {}, "Text6"},
        {"Label6",   Kind::Label,   Role::RangeNote,       &Texts::validRange,   360, 4320, 1335,  495, kNoteColor},
        {"Label1",   Kind::Label,   Role::Caption,         &Texts::trials,      2280, 4440,  855,  255, {}, "Text5"},
        {"Label5",   Kind::Label,   Role::Caption,         &Texts::head,         360, 3960, 1215,  255, {}, "Text4"},
        {"Label4",   Kind::Label,   Role::Caption,         &Texts::maximum,      360, 2400, 1095,  255, {}, "Text3"},
        {"Label3",   Kind::Label,   Role::Caption,         &Texts::minimum,      360, 1680, 1095,  495, {}, "Text2"},
        {"Label2",   Kind::Label,   Role::Caption,         &Texts::flow,         360, 1200,  975,  255, {}, "Text1"},
    }};
    // clang-format on
    return table;
}

int twipsToPixels(int twips, qreal dotsPerInch)
{
    return qRound(twips * dotsPerInch / 1440.0);
}

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QPalette clientPalette()
{
    QPalette palette; // no role set: every role not set below is the desktop's
    palette.setColor(QPalette::Window, fromBgr(kBackColor));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x60, 0x60, 0x60));
    return palette;
}

} // namespace weir::Layout
