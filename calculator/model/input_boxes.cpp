// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/input_boxes.h"

#include "common/texts.h"

namespace weir {

std::span<const InputBoxInfo> inputBoxes()
{
    static const std::array<InputBoxInfo, kInputBoxCount> boxes{{
        {InputBox::Width, "Text6", &Texts::width, "mm"},
        {InputBox::Flow, "Text1", &Texts::flow, "L/min"},
        {InputBox::Minimum, "Text2", &Texts::minimum, "mm"},
        {InputBox::Maximum, "Text3", &Texts::maximum, "mm"},
    }};
    return boxes;
}

const InputBoxInfo &inputBoxInfo(InputBox box)
{
    return inputBoxes()[std::size_t(box)];
}

} // namespace weir
