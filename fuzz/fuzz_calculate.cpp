// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// libFuzzer target: four box texts (width, flow, minimum, maximum, separated by
// newlines, as UTF-8) typed into a real window, then Calculate. Every property a
// user relies on is checked; a violation aborts with what went wrong.

#include "calculator/weir_head_window.h"
#include "tests/support/window_invariants.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>

using namespace weir;

namespace {

QApplication *application = nullptr;
WeirHeadWindow *window = nullptr;

[[noreturn]] void fail(const QString &what, const invariants::Snapshot &s)
{
    std::fprintf(stderr, "property violated: %s\n  inputs: [%s]\n  head '%s' trials '%s' printed [%s]\n",
                 qPrintable(what), qPrintable(s.inputs().join(QStringLiteral("] ["))), qPrintable(s.head),
                 qPrintable(s.trials), qPrintable(s.printed.join(QLatin1Char('|'))));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    window = new WeirHeadWindow;
    window->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields
        = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QLatin1Char('\n'));
    // One line for each input box, in the order the boxes are converted.
    BoxTexts texts;
    for (const InputBoxInfo &info : inputBoxes())
        texts[info.box] = fields.value(qsizetype(info.box));
    invariants::fill(*window, texts);

    const invariants::Snapshot before = invariants::snapshot(*window);
    window->calculate();
    const invariants::Snapshot after = invariants::snapshot(*window);
    if (const QString problem = invariants::checkAfterCalculate(before, after, window->locale()); !problem.isEmpty())
        fail(problem, after);

    window->clear();
    const invariants::Snapshot cleared = invariants::snapshot(*window);
    if (const QString problem = invariants::checkAfterClear(cleared); !problem.isEmpty())
        fail(problem, cleared);
    return 0;
}
