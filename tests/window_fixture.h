// The real window under test: made, shown and found by its controls' names.
#pragma once

#include <QApplication>
#include <QTest>

#include "ui/app_setup.h"
#include "ui/main_window.h"

template <typename W = QWidget>
W* control(kalvoran::MainWindow* window, const char* name) {
    W* w = window->findChild<W*>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// main() for a test of the real window: the application set up as the program sets it up.
#define KALVORAN_WINDOW_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        kalvoran::setUpApplication(app);                                                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
