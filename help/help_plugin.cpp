// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The manual's window: the user's part of the README, as Markdown with its
// pictures, built into this module and shown in a text browser.
#include "help/help_window_interface.h"
#include "logic/texts.h"

#include <QKeySequence>
#include <QObject>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace weir {

class HelpPlugin : public QObject, public HelpWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HelpWindowFactory_iid)
    Q_INTERFACES(weir::HelpWindowFactory)

public:
    QWidget *createHelpWindow(QWidget *calculator) override
    {
        auto *window = new QWidget(calculator, Qt::Window);
        window->setObjectName(QStringLiteral("helpWindow"));
        window->setWindowTitle(Texts::tr("使い方 — %1").arg(Texts::appName()));
        window->setAttribute(Qt::WA_DeleteOnClose, false); // reopened where the user left it
        auto *browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("helpText"));
        browser->setAccessibleName(Texts::tr("使い方"));
        // Links to the web open in the desktop's browser; the manual's own
        // pictures and files are found beside it in the module.
        browser->setOpenExternalLinks(true);
        browser->setSearchPaths({QStringLiteral(":/manual")});
        browser->setSource(QUrl(QStringLiteral("qrc:/manual/manual.md")), QTextDocument::MarkdownResource);
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        // Escape closes it, as a help window does.
        auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        connect(close, &QShortcut::activated, window, &QWidget::close);
        window->resize(760, 820);
        return window;
    }
};

} // namespace weir

#include "help_plugin.moc"
