// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "accessibility/announcer.h"

namespace weir {

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
    // Hidden first, so that the same text twice is still a new showing.
    hide();
    m_text = text;
    setAccessibleName(text);
    if (!text.isEmpty())
        show();
}

} // namespace weir
