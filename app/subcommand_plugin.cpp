// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The entry point the program loads with QPluginLoader for a subcommand.
#include "app/subcommand_runner_interface.h"
#include "app/subcommand_texts.h"
#include "app/subcommands.h"

#include <QCoreApplication>
#include <QObject>

namespace weir {

class SubcommandPlugin : public QObject, public SubcommandRunner
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SubcommandRunner_iid)
    Q_INTERFACES(weir::SubcommandRunner)

public:
    int run(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err) override
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            installSubcommandTexts(*app);
        return runSubcommand(arguments, in, out, err);
    }
};

} // namespace weir

#include "subcommand_plugin.moc"
