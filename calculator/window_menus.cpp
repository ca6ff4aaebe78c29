// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/window_menus.h"

#include "calculator/calculator_style.h"
#include "calculator/weir_head_window.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace weir {

namespace {

// The menus' texts are the window's, in its context.
struct MenuTexts {
    Q_DECLARE_TR_FUNCTIONS(weir::WeirHeadWindow)
};

} // namespace

WindowActions buildMenus(QMenuBar *bar, WeirHeadWindow *window)
{
    // Four menus across a window 240 pixels wide: the items sit closer than
    // the style's default, so that none is pushed into an overflow button.
    if (!qobject_cast<CalculatorStyle *>(QApplication::style())) {
        auto *style = new CalculatorStyle;
        style->setParent(bar);
        bar->setStyle(style);
    }
    WindowActions actions;
    QMenu *file = bar->addMenu(MenuTexts::tr("ファイル(&F)"));
    actions.saveSheet = file->addAction(MenuTexts::tr("計算書を保存 (PDF)(&S)..."), window, &WeirHeadWindow::saveSheet);
    actions.printSheet = file->addAction(MenuTexts::tr("印刷(&P)..."), window, &WeirHeadWindow::printSheet);
    actions.printSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    actions.quit = file->addAction(MenuTexts::tr("終了(&X)"), window, &QWidget::close);
    actions.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = bar->addMenu(MenuTexts::tr("編集(&E)"));
    actions.copyResult = edit->addAction(MenuTexts::tr("結果をコピー(&C)"), window, &WeirHeadWindow::copyResult);
    actions.copyTrail = edit->addAction(MenuTexts::tr("計算過程をコピー(&T)"), window, &WeirHeadWindow::copyTrail);

    QMenu *view = bar->addMenu(MenuTexts::tr("表示(&V)"));
    actions.rating = view->addAction(MenuTexts::tr("水位流量表(&T)..."), window, &WeirHeadWindow::openRatingWindow);
    actions.rating->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    QMenu *help = bar->addMenu(MenuTexts::tr("ヘルプ(&H)"));
    actions.about = help->addAction(MenuTexts::tr("このプログラムについて(&A)"), window, &WeirHeadWindow::showAbout);
    help->addAction(MenuTexts::tr("Qt について(&Q)"), qApp, &QApplication::aboutQt);
    return actions;
}

} // namespace weir
