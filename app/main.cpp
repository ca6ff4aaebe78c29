#include "captions.h"
#include "zelmorak.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Caption::window.trimmed());
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.weirhead.overflowhead"));
    QApplication::setFont(ZELMORAK::designFont());

    ZELMORAK window;
    window.show();
    return app.exec();
}
