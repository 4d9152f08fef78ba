// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under test: made, shown and found by its controls' names.
#pragma once

#include <QApplication>
#include <QTest>

#include "ui/qt/app_setup.h"
#include "ui/qt/main_window.h"

template <typename W = QWidget>
W* control(kalvoran::MainWindow* window, const char* name) {
    W* w = window->findChild<W*>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// Opens a fresh window before each test function and closes it after; call from init() and
// cleanup().
class WindowUnderTest {
public:
    bool open() {
        m_window = new kalvoran::MainWindow;
        m_window->centre();
        m_window->show();
        return QTest::qWaitForWindowActive(m_window);
    }
    void close() {
        delete m_window;
        m_window = nullptr;
    }

protected:
    kalvoran::MainWindow* m_window = nullptr;
};

// main() for a test of the real window: the application set up as the program sets it up.
#define KALVORAN_WINDOW_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        kalvoran::setUpApplication(app);                                                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
