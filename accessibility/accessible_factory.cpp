// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "accessibility/accessible_factory.h"

#include "accessibility/announcer.h"
#include "accessibility/line_edit_accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>

namespace weir {

namespace {

// A notification: what Orca speaks when it becomes showing, whatever has the
// focus. Its name is the text.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
};

QAccessibleInterface *windowInterfaces(const QString &className, QObject *object)
{
    // A window made from a plain QWidget (the calculator, the rating window)
    // is a window to a screen reader, a frame named by its title, not the
    // filler Qt makes of a widget it has no interface for. Qt asks for each
    // class up the chain; "QWidget" is the last before its own fallback.
    if (className == QLatin1String("QWidget") && object->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(object);
        if (widget->isWindow())
            return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (className == QLatin1String("QLineEdit")) {
        if (auto *box = qobject_cast<QLineEdit *>(object))
            return new LineEditAccessible(box);
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        if (auto *announcer = qobject_cast<Announcer *>(object))
            return new AnnouncerAccessible(announcer);
    }
    return nullptr;
}

// The announcer alone, for a module's own copy of this library.
QAccessibleInterface *announcerInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        if (auto *announcer = qobject_cast<Announcer *>(object))
            return new AnnouncerAccessible(announcer);
    }
    return nullptr;
}

// Qt's bridge to the desktop's accessibility bus comes up when the bus
// answers, which on a loaded machine can be after the window has been shown
// and given the keyboard: the window's activation and focus had no one to go
// to, and a screen reader already running would say nothing until the user
// moved. So once the bridge is up, the reader is told where the keyboard is.
class FocusRetold : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        // Qt tells observers before it builds the bridge that carries events:
        // the focus is told from the event loop, once the bridge is there.
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (QWidget *focus = QApplication::focusWidget()) {
                    QAccessibleEvent event(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&event);
                }
            },
            Qt::QueuedConnection);
    }
};

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterfaces);
        static FocusRetold focusRetold;
        QAccessible::installActivationObserver(&focusRetold);
        return true;
    }();
    Q_UNUSED(installed);
}

void installAnnouncerInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace weir
