// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/window_dialogs.h"

#include "logic/result_text.h"
#include "logic/texts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace weir {

void openAboutBox(QWidget *window)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, Texts::aboutTitle(), aboutText(QStringLiteral(WEIR_HEAD_VERSION)),
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString chooseSheetPath(QWidget *window)
{
    return QFileDialog::getSaveFileName(window, Texts::saveTitle(Texts::sheetName()),
                                        Texts::sheetName() + QStringLiteral(".pdf"), Texts::pdfFiles());
}

void warnCannotOpen(QWidget *window, const QString &document, const QString &failure)
{
    QMessageBox::warning(window, document, Texts::cannotOpen(document, failure));
}

} // namespace weir
