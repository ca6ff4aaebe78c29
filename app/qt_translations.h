// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

class QCoreApplication;
class QTranslator;

namespace weir {

// Installs the texts for the user's language on the application:
//   - Qt's own (the boxes' context menus, standard dialogs, the command line's
//     help), from the translations Qt ships (Debian's qt6-translations-l10n);
//   - the program's own catalogue, compiled into it from translations/: in
//     Japanese it fills the two help lines Qt's Japanese catalogue lacks; in
//     any other language it puts the command line's own texts in English.
//     The window's texts are Japanese in every language and no catalogue
//     translates them.
void installTranslations(QCoreApplication &app);
// Each of the two alone. The window needs the program's catalogue only for
// a command line of options to answer: started plain, it never loads it.
// The program's catalogue is returned (null when none was loaded), so that
// it can be taken off again.
void installQtTranslations(QCoreApplication &app);
QTranslator *installProgramTranslations(QCoreApplication &app);

} // namespace weir
