#include <QApplication>

#include "ui/app_setup.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kalvoran::setUpApplication(app);

    kalvoran::MainWindow window;
    window.centre();
    window.show();
    return QApplication::exec();
}
