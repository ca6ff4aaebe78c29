// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "input_boxes.h"

#include "captions.h"

std::span<const InputBoxInfo> inputBoxes()
{
    static const std::array<InputBoxInfo, kInputBoxCount> boxes{{
        {InputBox::Width, "Text6", Caption::width, "mm"},
        {InputBox::Flow, "Text1", Caption::flow, "L/min"},
        {InputBox::Minimum, "Text2", Caption::minimum, "mm"},
        {InputBox::Maximum, "Text3", Caption::maximum, "mm"},
    }};
    return boxes;
}

const InputBoxInfo &inputBoxInfo(InputBox box)
{
    return inputBoxes()[std::size_t(box)];
}
