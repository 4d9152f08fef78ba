// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user sees it before any handler runs: geometry, captions, fonts, tooltips,
// the locked result field.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tests/box_catcher.h"
#include "tests/window_fixture.h"
#include "ui/qt/wrapping_radio_button.h"

using namespace kalvoran;

class TestWindowLayout : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void window();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void noCaptionIsClipped_data();
    void noCaptionIsClipped();
    void fonts_data();
    void fonts();
    void toolTipsOnlyOnCommandButtons();
    void startState();
    void exclusiveWithinImmediateContainer();
    void resultFieldIsLocked();
    void enterAndEscapePressNothing();
    void helpBox();
    void quitEndsTheProgram_data();
    void quitEndsTheProgram();

private:
};

void TestWindowLayout::init() { QVERIFY(open()); }

void TestWindowLayout::cleanup() { close(); }

void TestWindowLayout::window() {
    QCOMPARE(m_window->windowTitle(), QString("Der Kalvoran"));
    QCOMPARE(m_window->size(), QSize(468, 448));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    // As Qt's own title bar on Wayland asks, or a window manager's shortcut.
    for (Qt::WindowState other : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        m_window->setWindowState(other);
        QTRY_VERIFY(!(m_window->windowState() & other));
        QCOMPARE(m_window->size(), QSize(468, 448));
    }
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(QCoreApplication::applicationName(), QString("Kalvoran"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("1.1.9"));
    // Qt's own texts in German, whatever the machine's language: the fields' context menu.
    QCOMPARE(QLineEdit::tr("&Paste"), QString("Einf&ügen"));
    const QRect screen = m_window->screen()->availableGeometry();
    QVERIFY(screen.contains(m_window->frameGeometry().topLeft()));
    if (m_window->frameGeometry().width() < screen.width()) // else it starts at the left edge
        QVERIFY(qAbs(m_window->frameGeometry().center().x() - screen.center().x()) <= 1);
}

// Twips ÷ 15, relative to the container's outer top-left corner.
void TestWindowLayout::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Frame1 on the window") << "Frame1"
                                          << "" << QRect(16, 16, 433, 57);
    QTest::newRow("Frame2 on the window") << "Frame2"
                                          << "" << QRect(16, 80, 433, 137);
    QTest::newRow("Frame6 above Frame5") << "Frame6"
                                         << "" << QRect(16, 224, 433, 57);
    QTest::newRow("Frame5 on the window") << "Frame5"
                                          << "" << QRect(16, 288, 433, 57);
    QTest::newRow("Frame3 inside Frame2") << "Frame3"
                                          << "Frame2" << QRect(184, 16, 241, 65);
    QTest::newRow("Frame4 inside Frame2") << "Frame4"
                                          << "Frame2" << QRect(8, 88, 417, 41);
    QTest::newRow("Text1 in Frame1") << "Text1"
                                     << "Frame1" << QRect(8, 16, 105, 33);
    QTest::newRow("belque two lines high") << "belque"
                                           << "Frame1" << QRect(360, 16, 65, 33);
    QTest::newRow("lednor directly in Frame2") << "lednor"
                                               << "Frame2" << QRect(112, 56, 65, 33);
    QTest::newRow("belverbr directly in Frame2") << "belverbr"
                                                 << "Frame2" << QRect(8, 64, 97, 17);
    QTest::newRow("ledweiß middle column") << "ledweiß"
                                           << "Frame3" << QRect(72, 16, 73, 17);
    QTest::newRow("lüft5v at the right") << "lüft5v"
                                         << "Frame4" << QRect(280, 16, 129, 17);
    QTest::newRow("stromueber in Frame6") << "stromueber"
                                          << "Frame6" << QRect(192, 24, 105, 17);
    QTest::newRow("Label5 is taller") << "Label5"
                                      << "Frame6" << QRect(128, 24, 41, 25);
    QTest::newRow("belanz in Frame5") << "belanz"
                                      << "Frame5" << QRect(336, 16, 89, 33);
    QTest::newRow("Text4 is 35 px high") << "Text4"
                                         << "" << QRect(24, 352, 105, 35);
    QTest::newRow("beenden bottom right") << "beenden"
                                          << "" << QRect(344, 392, 105, 33);
    QTest::newRow("Label2 reaches past the edge") << "Label2"
                                                  << "" << QRect(280, 432, 209, 17);
}

void TestWindowLayout::geometry() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    QWidget* w = control(m_window, name.toUtf8().constData());
    QCOMPARE(w->parentWidget()->objectName(), container.isEmpty() ? QString() : container);
    if (container.isEmpty())
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(m_window));
    QCOMPARE(w->geometry(), rect);
}

void TestWindowLayout::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("three blanks") << "opt5v"
                                  << "5   Volt";
    QTest::newRow("two blanks") << "opt10"
                                << "10  Volt";
    QTest::newRow("acute accent, not apostrophe") << "Frame3" << QString("Ultrahelle LED\u00B4s");
    QTest::newRow("straight double quotes") << "Frame4"
                                            << "Lüfter \"drosseln\"";
    QTest::newRow("Frame1, long caption")
        << "Frame1"
        << "Quellenspannung (hier wird die Versorgungsspannung in V (Volt) angegeben)";
    QTest::newRow("Frame6") << "Frame6"
                            << "Strom des/der Verbraucher(s)";
    QTest::newRow("Frame5") << "Frame5"
                            << "Anzahl der Verbraucher (in Reihe geschaltet)";
    QTest::newRow("umlaut in an option") << "verbr5"
                                         << "fünf";
    QTest::newRow("sharp s") << "ledweiß"
                             << "LED weiß";
    QTest::newRow("current takeover") << "stromueber"
                                      << "Wert übernehmen";
    QTest::newRow("mA label") << "Label5"
                              << "mA";
    QTest::newRow("maker's notice") << "Label2"
                                    << "© Kalvoran-Entwickler";
    QTest::newRow("Neu") << "neurechnen"
                         << "Neu";
}

void TestWindowLayout::captions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget* w = control(m_window, name.toUtf8().constData());
    QString shown;
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        shown = frame->title();
    else if (auto* label = qobject_cast<QLabel*>(w))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        shown = button->text();
    QCOMPARE(shown, caption);
    QVERIFY(!shown.contains('&')); // no access keys
}

// Every option caption fits its button, wrapped onto the lines the button has room for;
// every label and command caption fits on one line.
void TestWindowLayout::noCaptionIsClipped_data() {
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left: caption left of the indicator") << Qt::RightToLeft;
}

void TestWindowLayout::noCaptionIsClipped() {
    QFETCH(Qt::LayoutDirection, direction);
    m_window->setLayoutDirection(direction);
    QStringList wrapped;
    for (auto* option : m_window->findChildren<WrappingRadioButton*>()) {
        const QRect area = option->captionArea();
        const QRect needed =
            option->fontMetrics().boundingRect(area, option->captionFlags(), option->text());
        QVERIFY2(area.contains(needed), qPrintable(option->objectName()));
        if (needed.height() > option->fontMetrics().lineSpacing() * 3 / 2)
            wrapped << option->objectName();
    }
    wrapped.sort();
    QCOMPARE(wrapped, QStringList({"belanz", "belque", "lednor"}));
    for (auto* label : m_window->findChildren<QLabel*>()) {
        if (label->objectName() == "Label2")
            continue; // reaches past the window's edge by design
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
    }
    for (auto* frame : m_window->findChildren<QGroupBox*>())
        QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 8,
                 qPrintable(frame->objectName()));
}

void TestWindowLayout::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("input field") << "Text2" << 12 << false;
    QTest::newRow("result field bold") << "Text4" << 12 << true;
    QTest::newRow("unit label") << "Label6" << 12 << false;
    QTest::newRow("option button") << "opt12v" << 8 << false;
    QTest::newRow("frame") << "Frame5" << 8 << false;
    QTest::newRow("command button") << "berechnen" << 8 << false;
    QTest::newRow("maker's notice") << "Label2" << 8 << false;
}

void TestWindowLayout::fonts() {
    QFETCH(QString, name);
    QFETCH(int, points);
    QFETCH(bool, bold);
    const QFont font = control(m_window, name.toUtf8().constData())->font();
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(QFontInfo(font).family(), QString("Liberation Sans"));
}

void TestWindowLayout::toolTipsOnlyOnCommandButtons() {
    QMap<QString, QString> tips;
    for (QWidget* w : m_window->findChildren<QWidget*>())
        if (!w->toolTip().isEmpty())
            tips.insert(w->objectName(), w->toolTip());
    const QMap<QString, QString> expected{
        {"berechnen", "Berechnug mit den angegebenen Werten durchführen"},
        {"neurechnen", "Leert Felder für neue Angaben. Die alten Werte können aber auch "
                       "überschrieben werden."},
        {"hilfe", "Zeigt eine kurze Hilfe"},
        {"beenden", "Beendet dieses Programm"},
    };
    QCOMPARE(tips, expected);
}

void TestWindowLayout::startState() {
    for (auto* edit : m_window->findChildren<QLineEdit*>())
        QVERIFY(edit->text().isEmpty());
    QCOMPARE(m_window->findChildren<QRadioButton*>().size(), 27);
}

// Frame3 and Frame4 lie inside Frame2, yet each is a group of its own; and the host can clear the
// only selected button of a group.
void TestWindowLayout::exclusiveWithinImmediateContainer() {
    auto* ledrot = control<QRadioButton>(m_window, "ledrot");
    auto* lednor = control<QRadioButton>(m_window, "lednor");
    auto* luft5v = control<QRadioButton>(m_window, "lüft5v");
    ledrot->setChecked(true);
    luft5v->setChecked(true);
    lednor->setChecked(true);
    QVERIFY(ledrot->isChecked() && luft5v->isChecked() && lednor->isChecked());
    control<QRadioButton>(m_window, "belverbr")->setChecked(true);
    QVERIFY(!lednor->isChecked() && ledrot->isChecked());

    m_window->host().setValue(Option::stromueber, false);
    QVERIFY(!control<QRadioButton>(m_window, "stromueber")->isChecked());
    m_window->host().setValue(Option::strombel, false); // clearing a clear button
    QVERIFY(!control<QRadioButton>(m_window, "strombel")->isChecked());
}

// The result can be selected and copied, but neither typing nor pasting changes it.
void TestWindowLayout::resultFieldIsLocked() {
    auto* result = control<QLineEdit>(m_window, "Text4");
    result->setText("276,666666666667");
    result->setFocus();
    QTest::keyClicks(result, "12a,");
    QTest::keyClick(result, Qt::Key_Backspace);
    QTest::keyClick(result, Qt::Key_Delete);
    QApplication::clipboard()->setText("99");
    QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(result->text(), QString("276,666666666667"));
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("276,666666666667"));
}

void TestWindowLayout::enterAndEscapePressNothing() {
    const char* inputs[][2] = {{"Text1", "12"}, {"Text2", "2"}, {"Text3", "1"}, {"Text5", "20"}};
    for (auto [name, text] : inputs)
        control<QLineEdit>(m_window, name)->setText(text);
    BoxCatcher boxes;
    for (const char* focused : {"Text5", "strombel"})
        for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            control(m_window, focused)->setFocus();
            QTest::keyClick(control(m_window, focused), key);
        }
    control(m_window, "berechnen")->setFocus();
    QTest::keyClick(control(m_window, "berechnen"), Qt::Key_Escape);
    QTest::qWait(20);
    QVERIFY(m_window->isVisible());
    QVERIFY(control<QLineEdit>(m_window, "Text4")->text().isEmpty());
    QVERIFY(boxes.seen.isEmpty());
    // Enter on the focused command button presses it.
    QTest::keyClick(control(m_window, "berechnen"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(control<QLineEdit>(m_window, "Text4")->text(), QString("500"));
}

void TestWindowLayout::helpBox() {
    control<QLineEdit>(m_window, "Text1")->setText("12");
    for (int time = 0; time < 2; ++time) {
        BoxCatcher boxes;
        QTest::mouseClick(control(m_window, "hilfe"), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].title, QString("Hilfe zum Kalvoran"));
        QCOMPARE(boxes.seen[0].text,
                 QString(" Dieses Programm dient zum Errechnen des elektrischen Widerstands. Am "
                         "einfachsten ist dieses Programm zu benutzen wenn man sich von oben nach "
                         "unten durcharbeitet. Alle Felder müssen ausgefüllt sein, damit die "
                         "Berechnung durchgeführt werden kann."));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Question);
        QCOMPARE(boxes.seen[0].iconName, QString("Frage"));
    }
    QCOMPARE(control<QLineEdit>(m_window, "Text1")->text(), QString("12"));
    QVERIFY(control<QRadioButton>(m_window, "stromueber")->isChecked());
}

void TestWindowLayout::quitEndsTheProgram_data() {
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("Beenden") << false;
    QTest::newRow("close box") << true;
}

void TestWindowLayout::quitEndsTheProgram() {
    QFETCH(bool, byFrame);
    control<QLineEdit>(m_window, "Text1")->setText("12"); // lost without a question
    BoxCatcher boxes;
    QTimer::singleShot(0, m_window, [&] {
        if (byFrame)
            m_window->windowHandle()->close();
        else
            QTest::mouseClick(control(m_window, "beenden"), Qt::LeftButton);
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // should it hang
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
    QVERIFY(boxes.seen.isEmpty());
}

KALVORAN_WINDOW_TEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
