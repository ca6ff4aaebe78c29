// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The entry point the calculator loads with QPluginLoader.
#include "design/design_window.h"
#include "design/design_window_interface.h"

#include <QObject>

namespace weir {

class DesignPlugin : public QObject, public DesignWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DesignWindowFactory_iid)
    Q_INTERFACES(weir::DesignWindowFactory)

public:
    DesignWindow *createDesignWindow(QWidget *calculator) override { return new DesignWindowWidget(calculator); }
};

} // namespace weir

#include "design_plugin.moc"
