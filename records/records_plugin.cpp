// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The entry point the calculator loads with QPluginLoader.
#include "records/records_window.h"
#include "records/records_window_interface.h"

#include <QObject>

namespace weir {

class RecordsPlugin : public QObject, public RecordsWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RecordsWindowFactory_iid)
    Q_INTERFACES(weir::RecordsWindowFactory)

public:
    RecordsWindow *createRecordsWindow(QWidget *calculator) override { return new RecordsWindowWidget(calculator); }
};

} // namespace weir

#include "records_plugin.moc"
