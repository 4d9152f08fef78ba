// SPDX-License-Identifier: GPL-3.0-or-later
// The window as drawn, measured on a grab of it (run at 100 % and at 200 %), and as a screen
// reader and the keyboard find it: frames, unit labels, accessible names, the focus chain.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "tests/window_fixture.h"
#include "ui/qt/frame.h"

using namespace kalvoran;

namespace {

bool isInk(QRgb pixel) { return qGray(pixel) < 128; }

// A widget's rectangle in the grab's device pixels.
QRect onGrab(const QWidget* w, const QWidget* window, qreal scale) {
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    return QRect(QPoint(qRound(r.left() * scale), qRound(r.top() * scale)),
                 QPoint(qRound((r.right() + 1) * scale) - 1, qRound((r.bottom() + 1) * scale) - 1));
}

// The first pixel from `from` in steps of `step` that is not the background, or -1.
int firstOff(const QImage& image, QPoint from, QPoint step, int count, QRgb background) {
    for (int i = 0; i < count; ++i, from += step)
        if (image.pixel(from) != background)
            return i;
    return -1;
}

// The highest and the lowest row of rect that hold ink (dark text); -1 where none does.
std::pair<int, int> inkRows(const QImage& image, const QRect& rect) {
    int highest = -1, lowest = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (isInk(image.pixel(x, y))) {
                highest = highest < 0 ? y : highest;
                lowest = y;
                break;
            }
    return {highest, lowest};
}

} // namespace

class TestWindowLook : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void framesHoldTheirControls();
    void unitLabelsLevelWithTheirFields();
    void accessibleNames_data();
    void accessibleNames();
    void focusChain();

private:
    QImage grab() {
        const QPixmap pixmap = m_window->grab();
        m_scale = pixmap.devicePixelRatio();
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }
    qreal m_scale = 1;
};

void TestWindowLook::init() { QVERIFY(open()); }

void TestWindowLook::cleanup() { close(); }

// Each frame's border runs through its caption line and every control of the frame lies inside
// the border.
void TestWindowLook::framesHoldTheirControls() {
    const QImage image = grab();
    const QRgb background = image.pixel(1, 1);
    for (auto* frame : m_window->findChildren<QGroupBox*>()) {
        const QString name = frame->objectName();
        const QRect outer = onGrab(frame, m_window, m_scale);
        // The top border, looked for down the frame's right part, clear of the caption.
        const QPoint topStart(outer.right() - qRound(4 * m_scale), outer.top());
        const int top = outer.top() + firstOff(image, topStart, {0, 1}, outer.height(), background);
        const int middle = outer.center().y();
        const int left = outer.left() +
                         firstOff(image, {outer.left(), middle}, {1, 0}, outer.width(), background);
        const int right = outer.right() - firstOff(image, {outer.right(), middle}, {-1, 0},
                                                   outer.width(), background);
        const int bottom = outer.bottom() - firstOff(image, {topStart.x(), outer.bottom()}, {0, -1},
                                                     outer.height(), background);
        QVERIFY2(top > outer.top() && bottom > top && right > left, qPrintable(name));

        // The caption's letters reach above and below the border line.
        const auto* drawn = qobject_cast<Frame*>(frame);
        QVERIFY2(drawn, qPrintable(name));
        const QRect caption = drawn->captionRect();
        const auto [captionTop, captionBottom] = inkRows(
            image, QRect(outer.topLeft() + caption.topLeft() * m_scale, caption.size() * m_scale));
        QVERIFY2(captionTop < top && captionBottom > top, qPrintable(name));

        const QRect inside(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1));
        for (auto* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(inside.contains(onGrab(child, m_window, m_scale)),
                     qPrintable(name + " " + child->objectName()));
    }
}

// The bottom of "Volt", "mA" and "Ohm" lies on the row of the bottom of the field's digits.
void TestWindowLook::unitLabelsLevelWithTheirFields() {
    for (auto* field : m_window->findChildren<QLineEdit*>())
        field->setText("12");                   // digits only: the comma reaches below the line
    control(m_window, "berechnen")->setFocus(); // no caret in a field
    const QImage image = grab();
    int units = 0;
    for (auto* label : m_window->findChildren<QLabel*>()) {
        const auto* field =
            label->parentWidget()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        if (label->objectName() == "Label2" || !field)
            continue;
        ++units;
        const int margin = qRound(4 * m_scale); // inside the field's sunken border
        const QRect digits =
            onGrab(field, m_window, m_scale).adjusted(margin, margin, -margin, -margin);
        const int unitBottom = inkRows(image, onGrab(label, m_window, m_scale)).second;
        const int digitsBottom = inkRows(image, digits).second;
        QVERIFY2(
            digitsBottom > 0 && qAbs(unitBottom - digitsBottom) <= 1,
            qPrintable(
                QString("%1: %2 against %3").arg(label->text()).arg(unitBottom).arg(digitsBottom)));
    }
    QCOMPARE(units, 4);
}

void TestWindowLook::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("role");
    const int field = QAccessible::EditableText;
    const int frame = QAccessible::Grouping;
    QTest::newRow("the window") << ""
                                << "Der Kalvoran" << int(QAccessible::Window);
    QTest::newRow("source voltage") << "Text1"
                                    << "Quellenspannung in Volt" << field;
    QTest::newRow("consumer voltage") << "Text2"
                                      << "Verbrauchsspannung pro Verbraucher in Volt" << field;
    QTest::newRow("count") << "Text3"
                           << "Anzahl der Verbraucher" << field;
    QTest::newRow("result") << "Text4"
                            << "Ergebnis in Ohm" << field;
    QTest::newRow("current") << "Text5"
                             << "Strom in Milliampere" << field;
    QTest::newRow("LED frame inside Frame2") << "Frame3"
                                             << "Ultrahelle LED\u00B4s" << frame;
    QTest::newRow("fan frame inside Frame2") << "Frame4"
                                             << "Lüfter \"drosseln\"" << frame;
    QTest::newRow("Frame2") << "Frame2"
                            << "Verbrauchsspannung pro Verbraucher" << frame;
    QTest::newRow("an LED") << "ledgrün"
                            << "LED grün" << int(QAccessible::RadioButton);
}

void TestWindowLook::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(int, role);
    QWidget* w = name.isEmpty() ? m_window : control(m_window, name.toUtf8().constData());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(int(accessible->role()), role);
}

// Tab stops once in each group of option buttons; the arrow keys follow the chain inside it.
void TestWindowLook::focusChain() {
    const QStringList expected{
        "Text1",      "opt5v",   "opt12v",  "opt33",   "opt10",      "opt24",
        "opt30",      "belque",  "Text2",   "lednor",  "belverbr",   "ledrot",
        "ledgelb",    "ledgrün", "ledblau", "ledweiß", "leduv",      "lüft9v",
        "lüft7v",     "lüft5v",  "Text3",   "verbr1",  "verbr2",     "verbr3",
        "verbr4",     "verbr5",  "verbr6",  "belanz",  "Text4",      "berechnen",
        "neurechnen", "hilfe",   "beenden", "Text5",   "stromueber", "strombel"};
    QWidget* start = control(m_window, "Text1");
    QStringList chain;
    QWidget* w = start;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
}

KALVORAN_WINDOW_TEST_MAIN(TestWindowLook)
#include "tst_window_look.moc"
