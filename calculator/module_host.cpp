// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/module_host.h"

#include "calculator/window_placement.h"
#include "common/module_loader.h"
#include "common/save_whole.h"
#include "common/texts.h"
#include "design/design_window_interface.h"
#include "help/help_window_interface.h"
#include "rating/rating_window_interface.h"
#include "records/records_window_interface.h"

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

Outcome<RatingWindow *> ModuleHost::ratingWindow()
{
    if (!m_rating) {
        const auto load = loadModule<RatingWindowFactory>(QStringLiteral("weir-head-rating"));
        if (!load)
            return load.fault();
        m_rating = (*load)->createRatingWindow(m_calculator);
    }
    return m_rating;
}

Outcome<void> ModuleHost::openRatingWindow(const CalculatorReading &reading)
{
    const Outcome<RatingWindow *> rating = ratingWindow();
    if (!rating)
        return rating.fault();
    (*rating)->takeBoxes(reading);
    showBeside((*rating)->widget());
    return {};
}

Outcome<DesignWindow *> ModuleHost::designWindow()
{
    if (!m_design) {
        const auto load = loadModule<DesignWindowFactory>(QStringLiteral("weir-head-design"));
        if (!load)
            return load.fault();
        m_design = (*load)->createDesignWindow(m_calculator);
    }
    return m_design;
}

Outcome<void> ModuleHost::openDesignWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                           const std::function<void(const QString &)> &apply)
{
    const Outcome<DesignWindow *> design = designWindow();
    if (!design)
        return design.fault();
    (*design)->onApply(apply);
    (*design)->takeSettings(locale, gauge);
    showBeside((*design)->widget());
    return {};
}

Outcome<void> ModuleHost::openRecordsWindow(const QLocale &locale, const std::optional<GaugeUncertainty> &gauge,
                                            const QString &widthMm, const QString &path)
{
    if (!m_records) {
        const auto load = loadModule<RecordsWindowFactory>(QStringLiteral("weir-head-records"));
        if (!load)
            return load.fault();
        m_records = (*load)->createRecordsWindow(m_calculator);
    }
    m_records->takeSettings(locale, gauge, widthMm);
    showBeside(m_records->widget());
    if (!path.isEmpty())
        m_records->openFile(path);
    return {};
}

Outcome<void> ModuleHost::openHelpWindow()
{
    if (!m_help) {
        const auto load = loadModule<HelpWindowFactory>(QStringLiteral("weir-head-help"));
        if (!load)
            return load.fault();
        m_help = (*load)->createHelpWindow(m_calculator);
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

Outcome<SheetPrinter *> ModuleHost::sheetPrinter()
{
    if (!m_sheetPrinter) {
        const auto load = loadModule<SheetPrinter>(QStringLiteral("weir-head-sheet"));
        if (!load)
            return Fault{Fault::Kind::Module, Texts::tr("%1を作れません: %2").arg(Texts::sheetName(), load.words())};
        m_sheetPrinter = *load;
    }
    return m_sheetPrinter;
}

Outcome<void> ModuleHost::saveSheetPdf(const SheetRequest &request, const QString &path)
{
    const Outcome<SheetPrinter *> printer = sheetPrinter();
    if (!printer)
        return printer.fault();
    const QByteArray pdf = (*printer)->pdf(request);
    if (pdf.isEmpty())
        return Fault{Fault::Kind::File, Texts::cannotSave(QFileInfo(path).fileName(), Texts::tr("PDF を作れません。"))};
    return saveWhole(path, pdf);
}

Outcome<void> ModuleHost::printSheet(const SheetRequest &request)
{
    const Outcome<SheetPrinter *> printer = sheetPrinter();
    if (!printer)
        return printer.fault();
    (*printer)->print(request, m_calculator);
    return {};
}

Outcome<void> ModuleHost::previewSheet(const SheetRequest &request)
{
    const Outcome<SheetPrinter *> printer = sheetPrinter();
    if (!printer)
        return printer.fault();
    (*printer)->preview(request, m_calculator);
    return {};
}

} // namespace weir
