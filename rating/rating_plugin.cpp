// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The entry point the calculator loads with QPluginLoader.
#include "rating/rating_window.h"
#include "rating/rating_window_interface.h"

#include <QObject>

namespace weir {

class RatingPlugin : public QObject, public RatingWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RatingWindowFactory_iid)
    Q_INTERFACES(weir::RatingWindowFactory)

public:
    RatingWindow *createRatingWindow(QWidget *calculator) override { return new RatingWindowWidget(calculator); }
};

} // namespace weir

#include "rating_plugin.moc"
