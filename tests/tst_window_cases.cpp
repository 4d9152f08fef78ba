// SPDX-License-Identifier: GPL-3.0-or-later
// The window's cases (window_cases.txt), each on a fresh window through Qt's real input: the
// pointer through the window, keys to the focused control, the real clipboard.
#include <functional>

#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTimer>

#include "tests/window_fixture.h"

using namespace kalvoran;

namespace {

// A step's TEXT with \n, \r, \\ and \uXXXX turned into their characters.
QString unescape(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != '\\' || i + 1 == text.size()) {
            out += c;
        } else if (text[++i] == 'n') {
            out += '\n';
        } else if (text[i] == 'r') {
            out += '\r';
        } else if (text[i] == 'u') {
            out += QChar(text.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A key as xdotool names it ("Tab", "ctrl+shift+z") as Qt sends it; Key_unknown if unknown.
QKeyCombination keyNamed(const QString& name) {
    static const QHash<QString, Qt::Key> keys{{"Tab", Qt::Key_Tab},
                                              {"BackSpace", Qt::Key_Backspace},
                                              {"Return", Qt::Key_Return},
                                              {"Escape", Qt::Key_Escape},
                                              {"a", Qt::Key_A},
                                              {"v", Qt::Key_V},
                                              {"z", Qt::Key_Z}};
    QStringList parts = name.split('+');
    Qt::Key key = keys.value(parts.takeLast(), Qt::Key_unknown);
    Qt::KeyboardModifiers held;
    for (const QString& part : parts) {
        if (part != "ctrl" && part != "shift")
            return Qt::Key_unknown;
        held |= part == "ctrl" ? Qt::ControlModifier : Qt::ShiftModifier;
    }
    if (key == Qt::Key_Tab && (held & Qt::ShiftModifier))
        key = Qt::Key_Backtab;
    return QKeyCombination(held, key);
}

// Where the keyboard goes: the open message box, else the focused control.
QWidget* keyTarget() {
    if (QWidget* box = QApplication::activeModalWidget())
        return box->focusWidget() ? box->focusWidget() : box;
    return QApplication::focusWidget();
}

} // namespace

class TestWindowCases : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }
    void cases_data();
    void cases();

private:
    QString run(const QString& step);
};

void TestWindowCases::cases_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("lines");
    QFile file(KALVORAN_WINDOW_CASES);
    QVERIFY2(file.open(QIODevice::ReadOnly), KALVORAN_WINDOW_CASES);
    const QStringList all = QString::fromUtf8(file.readAll()).split('\n');
    QString title;
    QStringList steps;
    QList<int> lines;
    const auto add = [&] {
        if (!title.isEmpty())
            QTest::newRow(qPrintable(title)) << steps << lines;
        steps.clear();
        lines.clear();
    };
    for (int i = 0; i < all.size(); ++i) {
        const QString& line = all[i];
        if (line.startsWith("case ")) {
            add();
            title = line.mid(5);
        } else if (!line.isEmpty() && !line.startsWith('#')) {
            QVERIFY2(!title.isEmpty(), "a step before the first case");
            steps << line;
            lines << i + 1;
        }
    }
    add();
}

// Steps run from a queue, each first scheduling the next: the steps after a click that opens a
// message box run inside the box's own event loop, as the user's next clicks and keys would.
void TestWindowCases::cases() {
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, lines);
    QEventLoop loop;
    QString failure;
    bool over = false;
    qsizetype next = 0;
    const auto finish = [&](const QString& why) {
        if (over)
            return;
        over = true;
        failure = why;
        while (QWidget* box = QApplication::activeModalWidget())
            box->hide(); // ends the box's loop, so the case's own can end
        loop.quit();
    };
    std::function<void()> runNext = [&] {
        if (over)
            return;
        if (next == steps.size())
            return finish({});
        // The window system activates a window a moment after it is shown; a window manager
        // gives the window back the keyboard when its box closes, which the offscreen one does not.
        QWidget* active = QApplication::activeModalWidget();
        if (!active && m_window->isVisible()) {
            active = m_window;
            if (!QApplication::activeWindow())
                m_window->activateWindow();
        }
        if (active)
            static_cast<void>(
                QTest::qWaitFor([active] { return QApplication::activeWindow() == active; }, 2000));
        const qsizetype i = next++;
        QTimer::singleShot(0, &loop, runNext);
        if (const QString seen = run(steps[i]); !seen.isEmpty())
            finish(QString("line %1, \"%2\": %3").arg(lines[i]).arg(steps[i], seen));
    };
    QTimer::singleShot(0, &loop, runNext);
    QTimer::singleShot(20000, &loop, [&] {
        finish(QString("line %1: the case went on for 20 s").arg(next ? lines[next - 1] : 0));
    });
    loop.exec();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// Does one step; returns what was seen where it was not what the step expects.
QString TestWindowCases::run(const QString& step) {
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    const QStringList args = rest.split(' ', Qt::SkipEmptyParts);
    if ((verb == "type" || verb == "key" || verb == "paste") && !keyTarget())
        return "no control has the focus";
    if (verb == "click") {
        auto* widget = m_window->findChild<QWidget*>(rest);
        if (!widget)
            return "no such control";
        QPoint at = widget->rect().center();
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton style;
            style.initFrom(option);
            at = option->style()
                     ->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option)
                     .center();
        }
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(m_window, at));
    } else if (verb == "type") {
        for (const QChar c : unescape(rest))
            QTest::sendKeyEvent(QTest::Click, keyTarget(),
                                c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode()))
                                                  : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    } else if (verb == "key") {
        for (const QString& name : args) {
            const QKeyCombination key = keyNamed(name);
            if (key.key() == Qt::Key_unknown)
                return "unknown key " + name;
            QTest::keyClick(keyTarget(), key.key(), key.keyboardModifiers());
        }
    } else if (verb == "paste") {
        QGuiApplication::clipboard()->setText(unescape(rest));
        QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == "text") {
        auto* field = m_window->findChild<QLineEdit*>(rest.section(' ', 0, 0));
        if (!field)
            return "no such field";
        if (field->text() != unescape(rest.section(' ', 1)))
            return "the field shows \"" + field->text() + "\"";
    } else if (verb == "box" || verb == "nobox") {
        const QWidget* box = QApplication::activeModalWidget();
        const QString seen = box ? "box \"" + box->windowTitle() + "\"" : "no box";
        if (verb == "box" ? !qobject_cast<const QMessageBox*>(box) || box->windowTitle() != rest
                          : box != nullptr)
            return seen;
    } else if (verb == "focus") {
        const QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->objectName() != rest)
            return "focus on " + (focus ? focus->objectName() : QString("nothing"));
    } else if (verb == "checked") {
        QStringList checked;
        for (const QRadioButton* option : m_window->findChildren<QRadioButton*>())
            if (option->isChecked())
                checked << option->objectName();
        QStringList wanted = args;
        checked.sort();
        wanted.sort();
        if (checked != wanted)
            return "checked: " + checked.join(' ');
    } else if (verb == "closed") {
        if (m_window->isVisible())
            return "the window is still open";
    } else {
        return "unknown step";
    }
    return {};
}

KALVORAN_WINDOW_TEST_MAIN(TestWindowCases)
#include "tst_window_cases.moc"
