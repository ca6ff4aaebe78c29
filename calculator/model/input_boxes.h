// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

#include <array>
#include <span>

namespace weir {

// The four boxes a user types the problem into. This is the one map from what
// a box means to the control that holds it: the window builds and reads its
// boxes through it, and the tests, the monkey test and the fuzz target fill
// them through it.
//
// The enumerators are in the order the boxes are converted (and so the order
// in which the first bad box is named): width, flow, minimum, maximum.
enum class InputBox { Width, Flow, Minimum, Maximum };

inline constexpr std::size_t kInputBoxCount = 4;

struct InputBoxInfo {
    InputBox box;
    const char *objectName; // the control's name in the window
    QString (*caption)();   // its label, also the name messages use for it
    const char *unit;       // what the typed number is in
};

// In conversion order.
std::span<const InputBoxInfo> inputBoxes();
const InputBoxInfo &inputBoxInfo(InputBox box);

// The four texts as typed, one for each input box.
class BoxTexts
{
public:
    BoxTexts() = default;
    BoxTexts(QString width, QString flow, QString minimum, QString maximum)
        : m_texts{std::move(width), std::move(flow), std::move(minimum), std::move(maximum)}
    {
    }

    const QString &operator[](InputBox box) const { return m_texts[std::size_t(box)]; }
    QString &operator[](InputBox box) { return m_texts[std::size_t(box)]; }
    bool operator==(const BoxTexts &) const = default;

private:
    std::array<QString, kInputBoxCount> m_texts;
};

} // namespace weir
