// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/window_menus.h"

#include "calculator/calculator_style.h"
#include "calculator/weir_head_window.h"
#include "common/texts.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace weir {

WindowActions buildMenus(QMenuBar *bar, WeirHeadWindow *window)
{
    // Four menus across a window 240 pixels wide: the items sit closer than
    // the style's default, so that none is pushed into an overflow button.
    if (!qobject_cast<CalculatorStyle *>(QApplication::style())) {
        auto *style = new CalculatorStyle;
        style->setParent(bar);
        bar->setStyle(style);
    }
    // The menus' own texts are the calculator's (context Texts); an entry that
    // names a document or a dialog is built from that name.
    const QString dialog = QStringLiteral("...");
    WindowActions actions;
    QMenu *file = bar->addMenu(Texts::tr("ファイル(&F)"));
    actions.saveSheet = file->addAction(
        Texts::withAccessKey(Texts::saveTitle(Texts::sheetName()) + QStringLiteral(" (PDF)"), u'S') + dialog, window,
        &WeirHeadWindow::saveSheet);
    actions.printSheet = file->addAction(Texts::tr("印刷(&P)..."), window, &WeirHeadWindow::printSheet);
    actions.printSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions.previewSheet = file->addAction(Texts::tr("印刷プレビュー(&V)..."), window, &WeirHeadWindow::previewSheet);
    file->addSeparator();
    actions.quit = file->addAction(Texts::tr("終了(&X)"), window, &QWidget::close);
    actions.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = bar->addMenu(Texts::tr("編集(&E)"));
    actions.copyResult = edit->addAction(Texts::tr("結果をコピー(&C)"), window, &WeirHeadWindow::copyResult);
    actions.copyTrail = edit->addAction(Texts::tr("計算過程をコピー(&T)"), window, &WeirHeadWindow::copyTrail);
    edit->addSeparator();
    actions.uncertainty = edit->addAction(Texts::withAccessKey(Texts::uncertaintyTitle(), u'U') + dialog, window,
                                          &WeirHeadWindow::editUncertainty);

    QMenu *view = bar->addMenu(Texts::tr("表示(&V)"));
    actions.rating = view->addAction(Texts::withAccessKey(Texts::ratingName(), u'T') + dialog, window,
                                     &WeirHeadWindow::openRatingWindow);
    actions.rating->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actions.design = view->addAction(Texts::withAccessKey(Texts::designName(), u'D') + dialog, window,
                                     &WeirHeadWindow::openDesignWindow);
    actions.records = view->addAction(Texts::withAccessKey(Texts::recordsName(), u'R') + dialog, window,
                                      [window] { window->openRecordsWindow(); });

    QMenu *help = bar->addMenu(Texts::tr("ヘルプ(&H)"));
    actions.manual = help->addAction(Texts::tr("使い方(&M)"), window, &WeirHeadWindow::showManual);
    actions.manual->setShortcut(QKeySequence::HelpContents);
    actions.about
        = help->addAction(Texts::withAccessKey(Texts::aboutTitle(), u'A'), window, &WeirHeadWindow::showAbout);
    help->addAction(Texts::tr("Qt について(&Q)"), qApp, &QApplication::aboutQt);
    return actions;
}

} // namespace weir
