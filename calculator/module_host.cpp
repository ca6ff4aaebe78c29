// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/module_host.h"

#include "calculator/module_loader.h"
#include "calculator/window_placement.h"
#include "logic/save_whole.h"
#include "logic/texts.h"
#include "rating/rating_window_interface.h"

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

void ModuleHost::showRatingWindow()
{
    if (!m_rating)
        return;
    QWidget *window = m_rating->widget();
    if (!window->isVisible()) {
        // Before it is first shown the rating window has no frame: it is
        // placed with one like the calculator's, and again with its own once
        // the window manager has framed it (a resizable window's frame may be
        // thicker, with a grip along its bottom).
        const QMargins own = frameMargins(window);
        placeRatingWindow(own.isNull() ? frameMargins(m_calculator) : own);
        m_ratingAwaitsFrame = own.isNull();
        window->installEventFilter(this);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// Beside the calculator, its whole frame on the screen where it fits
// (calculator/window_placement.h).
void ModuleHost::placeRatingWindow(const QMargins &frame)
{
    QWidget *window = m_rating->widget();
    const QScreen *screen = m_calculator->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    window->move(placement::besideTopLeft(area, m_calculator->frameGeometry(), window->size().grownBy(frame)));
}

bool ModuleHost::eventFilter(QObject *watched, QEvent *event)
{
    if (m_ratingAwaitsFrame && event->type() == QEvent::Move && m_rating && watched == m_rating->widget()) {
        if (const QMargins frame = frameMargins(m_rating->widget()); !frame.isNull()) {
            m_ratingAwaitsFrame = false;
            placeRatingWindow(frame);
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

} // namespace weir
