// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QtPlugin>

class QWidget;

namespace weir {

// The manual's window (ヘルプ → 使い方) lives in a module of its own (help/),
// loaded the first time the user asks for it: the calculator's start-up
// carries none of it. This is all the calculator knows of it.
class HelpWindowFactory
{
public:
    virtual ~HelpWindowFactory() = default;
    // A new, not yet shown, top-level window showing the manual from its
    // start; a child window of the calculator, which Qt deletes with it.
    virtual QWidget *createHelpWindow(QWidget *calculator) = 0;
};

} // namespace weir

#define HelpWindowFactory_iid "org.weirhead.overflowhead.HelpWindowFactory/1"
Q_DECLARE_INTERFACE(weir::HelpWindowFactory, HelpWindowFactory_iid)
