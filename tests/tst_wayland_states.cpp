// SPDX-License-Identifier: GPL-3.0-or-later
// On a real Wayland compositor (run by check_wayland.sh): a maximize or fullscreen request is
// answered by the compositor with a configure of its own size, which the window must take before
// it returns to its size. The program survives every such round, with its input kept.
#include <QLineEdit>

#include "tests/window_fixture.h"

using namespace kalvoran;

class TestWaylandStates : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }
    void otherSizesTurnedBack();
};

// One after the other on one window, as a user tries the title bar and the shortcuts.
void TestWaylandStates::otherSizesTurnedBack() {
    QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
    control<QLineEdit>(m_window, "Text1")->setText("12");
    for (Qt::WindowState state :
         {Qt::WindowMaximized, Qt::WindowFullScreen, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        m_window->setWindowState(state);
        QTest::qWait(300); // the compositor's configure, and the program's answer to it
        QTRY_COMPARE(m_window->size(), QSize(468, 448));
        QVERIFY(!(m_window->windowState() & state));
    }
    QCOMPARE(control<QLineEdit>(m_window, "Text1")->text(), QString("12"));
}

KALVORAN_WINDOW_TEST_MAIN(TestWaylandStates)
#include "tst_wayland_states.moc"
