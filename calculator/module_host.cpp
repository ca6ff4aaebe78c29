// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/module_host.h"

#include "calculator/module_loader.h"
#include "calculator/window_placement.h"
#include "design/design_window_interface.h"
#include "help/help_window_interface.h"
#include "logic/save_whole.h"
#include "logic/texts.h"
#include "rating/rating_window_interface.h"
#include "records/window/records_window_interface.h"

#include <QEvent>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

namespace weir {

namespace {

QMargins frameMargins(const QWidget *window)
{
    return placement::frameMargins(window->geometry(), window->frameGeometry());
}

} // namespace

ModuleHost::ModuleHost(QWidget *calculator)
    : QObject(calculator)
    , m_calculator(calculator)
{
}

RatingWindow *ModuleHost::ratingWindow(QString *failure)
{
    if (!m_rating) {
        const ModuleLoad<RatingWindowFactory> load = loadRatingModule();
        if (!load.module) {
            *failure = load.failure;
            return nullptr;
        }
        m_rating = load.module->createRatingWindow(m_calculator);
    }
    return m_rating;
}

QString ModuleHost::openRatingWindow(const CalculatorReading &reading)
{
    QString failure;
    if (RatingWindow *rating = ratingWindow(&failure)) {
        rating->takeBoxes(reading);
        showBeside(rating->widget());
    }
    return failure;
}

DesignWindow *ModuleHost::designWindow(QString *failure)
{
    if (!m_design) {
        const ModuleLoad<DesignWindowFactory> load = loadDesignModule();
        if (!load.module) {
            *failure = load.failure;
            return nullptr;
        }
        m_design = load.module->createDesignWindow(m_calculator);
    }
    return m_design;
}

QString ModuleHost::openDesignWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                     const std::function<void(const QString &)> &apply)
{
    QString failure;
    if (DesignWindow *design = designWindow(&failure)) {
        design->onApply(apply);
        design->takeSettings(locale, gauge);
        showBeside(design->widget());
    }
    return failure;
}

QString ModuleHost::openRecordsWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                      const QString &widthMm, const QString &path)
{
    if (!m_records) {
        const ModuleLoad<RecordsWindowFactory> load = loadRecordsModule();
        if (!load.module)
            return load.failure;
        m_records = load.module->createRecordsWindow(m_calculator);
    }
    m_records->takeSettings(locale, gauge, widthMm);
    showBeside(m_records->widget());
    if (!path.isEmpty())
        m_records->openFile(path);
    return {};
}

QString ModuleHost::openHelpWindow()
{
    if (!m_help) {
        const ModuleLoad<HelpWindowFactory> load = loadHelpModule();
        if (!load.module)
            return load.failure;
        m_help = load.module->createHelpWindow(m_calculator);
    }
    showBeside(m_help);
    return {};
}

void ModuleHost::takeGauge(const std::optional<GaugeUncertainty> &gauge, const QLocale &locale)
{
    if (m_rating)
        m_rating->takeGauge(gauge);
    if (m_design)
        m_design->takeSettings(locale, gauge);
}

void ModuleHost::showBeside(QWidget *window)
{
    if (!window->isVisible()) {
        // Before it is first shown a module's window has no frame: it is
        // placed with one like the calculator's, and again with its own once
        // the window manager has framed it (a resizable window's frame may be
        // thicker, with a grip along its bottom).
        const QMargins own = frameMargins(window);
        placeBeside(window, own.isNull() ? frameMargins(m_calculator) : own);
        if (own.isNull())
            m_awaitingFrame.insert(window);
        window->installEventFilter(this);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// Beside the calculator, its whole frame on the screen where it fits
// (calculator/window_placement.h).
void ModuleHost::placeBeside(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = m_calculator->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const placement::SideBySide placed
        = placement::besideCalculator(area, m_calculator->frameGeometry(), window->size().grownBy(frame));
    if (placed.calculator != m_calculator->frameGeometry().topLeft())
        m_calculator->move(placed.calculator);
    window->move(placed.module);
}

bool ModuleHost::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move && m_awaitingFrame.contains(watched)) {
        auto *window = static_cast<QWidget *>(watched);
        if (const QMargins frame = frameMargins(window); !frame.isNull()) {
            m_awaitingFrame.remove(watched);
            placeBeside(window, frame);
        }
    }
    return QObject::eventFilter(watched, event);
}

SheetPrinter *ModuleHost::sheetPrinter(QString *failure)
{
    if (!m_sheetPrinter) {
        const ModuleLoad<SheetPrinter> load = loadSheetModule();
        if (!load.module) {
            *failure = Texts::tr("%1を作れません: %2").arg(Texts::sheetName(), load.failure);
            return nullptr;
        }
        m_sheetPrinter = load.module;
    }
    return m_sheetPrinter;
}

QString ModuleHost::saveSheetPdf(const SheetRequest &request, const QString &path)
{
    QString failure;
    if (SheetPrinter *printer = sheetPrinter(&failure)) {
        const QByteArray pdf = printer->pdf(request);
        failure = pdf.isEmpty() ? Texts::cannotSave(QFileInfo(path).fileName(), Texts::tr("PDF を作れません。"))
                                : saveWhole(path, pdf);
    }
    return failure;
}

QString ModuleHost::printSheet(const SheetRequest &request)
{
    QString failure;
    if (SheetPrinter *printer = sheetPrinter(&failure))
        printer->print(request, m_calculator);
    return failure;
}

QString ModuleHost::previewSheet(const SheetRequest &request)
{
    QString failure;
    if (SheetPrinter *printer = sheetPrinter(&failure))
        printer->preview(request, m_calculator);
    return failure;
}

} // namespace weir
