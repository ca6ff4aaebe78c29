// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

class QCoreApplication;

// Qt's own texts (the boxes' context menus, standard dialogs, the command
// line's help) in the user's language, from the translations Qt ships
// (Debian's qt6-translations-l10n). Installed on the application.
void installQtTranslations(QCoreApplication &app);
