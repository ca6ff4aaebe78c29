// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "accessibility/accessible_factory.h"

#include "accessibility/announcer.h"
#include "accessibility/line_edit_accessible.h"

#include <QAccessibleWidget>
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

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace weir
