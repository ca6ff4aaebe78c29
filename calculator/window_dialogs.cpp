// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/window_dialogs.h"

#include "calculator/model/result_text.h"
#include "common/texts.h"
#include "sheet/model/sheet_texts.h"

#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

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

void askSheetTitle(QWidget *window, const std::function<void()> &then)
{
    auto *dialog = new QDialog(window);
    dialog->setObjectName(QStringLiteral("sheetTitleDialog"));
    dialog->setWindowTitle(SheetTexts::tr("%1の表題").arg(Texts::sheetName()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    SheetTitle title = storedSheetTitle();
    if (title.preparedOn.isEmpty())
        title.preparedOn = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    auto *form = new QFormLayout;
    QList<QLineEdit *> boxes;
    const QStringList captions = SheetTitle::captions();
    const QStringList fields = title.fields();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *box = new QLineEdit(fields[i], dialog);
        box->setObjectName(QStringLiteral("sheetTitleField%1").arg(i));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(24, QChar(0x6C34))));
        form->addRow(captions[i], box);
        boxes << box;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(SheetTexts::tr("空欄の項目は、表題欄に空けておきます（手書き用）。"), dialog));
    layout->addLayout(form);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(dialog, &QDialog::accepted, window, [boxes, then] {
        QStringList given;
        for (const QLineEdit *box : boxes)
            given << box->text();
        storeSheetTitle(SheetTitle::fromFields(given));
        then();
    });
    dialog->open();
}

} // namespace weir
