// Start-up of the calculator, as the program starts it: build the window, show
// it, quit on its first frame.
#include "startup_probe.h"
#include "zelmorak.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(ZELMORAK::designFont());
    ZELMORAK window;
    return showUntilFirstFrame(app, window);
}
