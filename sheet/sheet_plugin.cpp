// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The entry point the calculator loads with QPluginLoader.
#include "common/texts.h"
#include "sheet/model/calculation_sheet.h"
#include "sheet/model/sheet_texts.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_printer_interface.h"

#include <QMessageBox>
#include <QObject>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace weir {

class SheetPlugin : public QObject, public SheetPrinter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SheetPrinter_iid)
    Q_INTERFACES(weir::SheetPrinter)

public:
    QByteArray pdf(const SheetRequest &request) override { return sheetPdf(sheetOf(request)); }

    void print(const SheetRequest &request, QWidget *window) override
    {
        const CalculationSheet sheet = sheetOf(request);
        const std::shared_ptr<QPrinter> printer = printerFor(sheet);
        auto *dialog = new QPrintDialog(printer.get(), window);
        dialog->setObjectName(QStringLiteral("sheetPrintDialog"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QDialog::accepted, window, [printer, sheet, window] {
            if (!printSheet(sheet, *printer))
                QMessageBox::warning(window, sheet.title,
                                     SheetTexts::tr("%1を印刷できません。").arg(Texts::sheetName()));
        });
        connect(dialog, &QObject::destroyed, window, [printer] {});
        dialog->open();
    }

    void preview(const SheetRequest &request, QWidget *window) override
    {
        const CalculationSheet sheet = sheetOf(request);
        const std::shared_ptr<QPrinter> printer = printerFor(sheet);
        auto *dialog = new QPrintPreviewDialog(printer.get(), window);
        dialog->setObjectName(QStringLiteral("sheetPreview"));
        dialog->setWindowTitle(SheetTexts::tr("%1の印刷プレビュー").arg(Texts::sheetName()));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                [sheet](QPrinter *target) { printSheet(sheet, *target); });
        connect(dialog, &QObject::destroyed, window, [printer] {});
        dialog->resize(760, 900);
        dialog->open();
    }

private:
    // The printer outlives the dialog that points at it: the last copy of
    // it goes with the dialog's connections.
    static std::shared_ptr<QPrinter> printerFor(const CalculationSheet &sheet)
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(sheet.title);
        return printer;
    }

    static CalculationSheet sheetOf(const SheetRequest &request)
    {
        return calculationSheet(request.boxes, request.locale, request.calculatedAt, request.gauge, request.title);
    }
};

} // namespace weir

#include "sheet_plugin.moc"
