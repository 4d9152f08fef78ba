// SPDX-License-Identifier: GPL-3.0-or-later
// Real key events from an X server: what X11 puts into a key event differs from QTest's
// (Ctrl+V carries "\x16", Delete "\x7f"), and the entry filter must let the commands through.
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>

#include "tests/window_fixture.h"

using namespace kalvoran;

class TestX11Keys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void realKeys();

private:
    // Sends keys through the X server as a keyboard would; the checks that follow wait until
    // the window has handled them. A busy X server now and then refuses a new connection; a
    // refused xdotool has sent nothing, so it is simply run again.
    void xdotool(const QStringList& args) {
        for (int attempt = 0;; ++attempt) {
            QProcess process;
            process.start("xdotool", args);
            QVERIFY(process.waitForFinished());
            const QByteArray errors = process.readAllStandardError();
            if (errors.contains("Can't open display") && attempt < 20) {
                QTest::qWait(50);
                continue;
            }
            QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                     errors.constData());
            return;
        }
    }
    MainWindow* m_window = nullptr;
};

void TestX11Keys::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_window = new MainWindow;
    m_window->centre();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestX11Keys::cleanupTestCase() { delete m_window; }

void TestX11Keys::realKeys() {
    auto* edit = control<QLineEdit>(m_window, "Text1");
    QCOMPARE(QApplication::focusWidget(), edit);

    xdotool({"type", "--delay", "30", "12a.b-,5 xE"});
    QTRY_COMPARE(edit->text(), QString("12,5"));

    xdotool({"key", "BackSpace", "Home", "Delete"});
    QTRY_COMPARE(edit->text(), QString("2,"));

    QApplication::clipboard()->setText("-3.3");
    xdotool({"key", "ctrl+v"});
    QTRY_COMPARE(edit->text(), QString("-3.32,"));

    xdotool({"key", "ctrl+a", "ctrl+c"});
    QTRY_COMPARE(QApplication::clipboard()->text(), QString("-3.32,"));
    xdotool({"key", "End", "ctrl+z"});
    QTRY_COMPARE(edit->text(), QString("2,"));

    // Keys that must change nothing, then a digit to know they have all been handled.
    xdotool({"key", "Return", "KP_Enter", "Escape", "space", "ctrl+b", "adiaeresis", "End", "9"});
    QTRY_COMPARE(edit->text(), QString("2,9"));
    QVERIFY(m_window->isVisible());
    QVERIFY(control<QLineEdit>(m_window, "Text4")->text().isEmpty());

    // Held modifiers do not open the filter: Ctrl with the keypad, Super, AltGr characters.
    xdotool({"key", "ctrl+KP_Subtract", "ctrl+KP_Add", "ctrl+KP_Multiply", "ctrl+KP_Divide",
             "ctrl+KP_Decimal", "ctrl+super+minus", "ctrl+super+period", "ctrl+super+adiaeresis",
             "super+e", "ctrl+super+e", "ctrl+alt+EuroSign", "ctrl+alt+mu", "ctrl+alt+twosuperior",
             "alt+x", "ctrl+alt+shift+minus", "End", "8"});
    QTRY_COMPARE(edit->text(), QString("2,98"));

    xdotool({"key", "Tab"});
    QTRY_COMPARE(QApplication::focusWidget(), control(m_window, "opt5v"));
}

KALVORAN_WINDOW_TEST_MAIN(TestX11Keys)
#include "tst_x11_keys.moc"
