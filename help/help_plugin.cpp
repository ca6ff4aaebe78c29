// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The manual's window: the user's part of the README, as Markdown with its
// pictures, installed with the program and shown in a text browser.
#include "common/texts.h"
#include "help/help_window_interface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QObject>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace weir {

namespace {

const QString kManual = QStringLiteral("manual.md");

// Where the manual is: the folder WEIR_HEAD_MANUAL_PATH names (the build
// tree's, for its tests and run script), else where the install layout puts
// it, relative to the program's own folder; empty when neither holds it.
QString manualFolder()
{
    QStringList folders;
    if (const QString named = qEnvironmentVariable("WEIR_HEAD_MANUAL_PATH"); !named.isEmpty())
        folders << QDir(named).absolutePath();
    folders << QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(WEIR_HEAD_MANUAL_DIR_FROM_BIN)));
    for (const QString &folder : std::as_const(folders)) {
        if (QFileInfo::exists(QDir(folder).filePath(kManual)))
            return folder;
    }
    return {};
}

} // namespace

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
        if (const QString folder = manualFolder(); !folder.isEmpty()) {
            browser->setSearchPaths({folder});
            browser->setSource(QUrl::fromLocalFile(QDir(folder).filePath(kManual)), QTextDocument::MarkdownResource);
        } else {
            browser->setPlainText(Texts::tr("使い方が見つかりません。プログラムを入れ直して下さい。"));
        }
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
