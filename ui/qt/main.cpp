// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <thread>

#include <QApplication>

#include "ui/qt/app_setup.h"
#include "ui/qt/display_check.h"
#include "ui/qt/main_window.h"

#ifdef KALVORAN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

int main(int argc, char* argv[]) {
#ifdef KALVORAN_HAVE_FONTCONFIG
    // Reading fontconfig's configuration and caches takes several milliseconds that the window
    // cannot do without; let it run while Qt connects to the display.
    std::thread fontconfig([] { FcInit(); });
#endif
    // Kalvoran takes no arguments. Qt sees the program's name only, so that its own options
    // (-reverse, -stylesheet, -qwindowtitle, ...) change nothing; its environment variables
    // (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...) still work.
    static char fallbackName[] = "kalvoran";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};

    std::optional<kalvoran::DisplayCheck> check(std::in_place);
    QApplication app(qtArgc, qtArgv);
    check.reset();
#ifdef KALVORAN_HAVE_FONTCONFIG
    fontconfig.join();
#endif
    kalvoran::setUpApplication(app);

    kalvoran::MainWindow window;
    window.centre();
    window.show();
    return QApplication::exec();
}
