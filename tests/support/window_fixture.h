// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/message_lines.h"
#include "calculator/weir_head_window.h"
#include "tests/support/locales.h"
#include "tests/support/window_invariants.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace weir::test {

// A calculator window of its own for every test, in a pinned locale, shown
// or not, with the few things tests do to it.
struct CalculatorWindow {
    enum class Shown { No, Yes };

    WeirHeadWindow w;

    explicit CalculatorWindow(Shown shown = Shown::No, const QLocale &locale = kJapanese)
    {
        w.setLocale(locale);
        if (shown == Shown::Yes)
            w.show();
    }

    QLineEdit *box(InputBox box) const { return w.inputBox(box); }
    QString head() const { return w.headBox()->text(); }
    QString trials() const { return w.trialsBox()->text(); }
    QStringList inputs() const { return invariants::snapshot(w).inputs(); }
    QStringList printed() const { return w.messageLines()->lines(); }
    // A control by its drawn name, as tools outside the program find it.
    template <typename T = QWidget> T *control(const char *name) const { return w.findChild<T *>(QLatin1String(name)); }
    QWidget *focused() const { return QApplication::focusWidget(); }

    void fill(const QString &width, const QString &flow, const QString &minimum, const QString &maximum)
    {
        invariants::fill(w, {width, flow, minimum, maximum});
    }
    void calculate() { w.calculateButton()->click(); }
    void clear() { w.clearButton()->click(); }
};

// Shown from the start, for tests of focus, painting and the menus.
struct ShownWindow : CalculatorWindow {
    ShownWindow()
        : CalculatorWindow(Shown::Yes)
    {
    }
};

} // namespace weir::test
