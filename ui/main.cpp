#include <thread>

#include <QApplication>

#include "ui/app_setup.h"
#include "ui/main_window.h"

#ifdef KALVORAN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

int main(int argc, char* argv[]) {
#ifdef KALVORAN_HAVE_FONTCONFIG
    // Reading fontconfig's configuration and caches takes several milliseconds that the window
    // cannot do without; let it run while Qt connects to the display.
    std::thread fontconfig([] { FcInit(); });
#endif
    QApplication app(argc, argv);
#ifdef KALVORAN_HAVE_FONTCONFIG
    fontconfig.join();
#endif
    kalvoran::setUpApplication(app);

    kalvoran::MainWindow window;
    window.centre();
    window.show();
    return QApplication::exec();
}
