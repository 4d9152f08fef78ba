// SPDX-License-Identifier: GPL-3.0-or-later
// "Berechnen" on the real window refusing typed values: its message box in full, the input kept.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/box_catcher.h"
#include "tests/window_fixture.h"

using namespace kalvoran;

class TestWindowCalculation : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void refusedWithABox_data();
    void refusedWithABox();

private:
    QLineEdit* field(const char* name) { return m_window->findChild<QLineEdit*>(name); }
};

void TestWindowCalculation::init() { QVERIFY(open()); }

void TestWindowCalculation::cleanup() { close(); }

void TestWindowCalculation::refusedWithABox_data() {
    QTest::addColumn<QStringList>("inputs"); // Text1, Text2, Text3, Text5
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("empty field") << QStringList{"12", "", "2", "30"} << "Felder nicht ausgefüllt"
                                 << "Es müssen ALLE Felder ( bis auf das Ergebnisfeld ) "
                                    "ausgefüllt sein um diese Berechnung durchzuführen."
                                 << int(QMessageBox::Critical);
    QTest::newRow("voltage too high")
        << QStringList{"12", "3,3", "4", "20"} << "Zu hohe Verbrauchsspannung"
        << "Bei Ihrer Berechnung ist ein Fehner aufgetreten. Die Spannung die Ihre Verbraucher "
           "benötigen ist größer als die Spannung, die Ihre Spannungsquelle liefert. Verringern "
           "Sie die Anzahl der Verbraucher, vergrößern Sie die Quellenspannung oder verringern "
           "Sie die Spannung pro Verbraucher."
        << int(QMessageBox::Information);
    QTest::newRow("current 0: reported, program goes on")
        << QStringList{"12", "1,85", "2", "0"} << "Berechnung nicht möglich"
        << "Bei einem Strom von 0 mA lässt sich kein Widerstand errechnen. Geben Sie einen Strom "
           "größer als 0 ein."
        << int(QMessageBox::Critical);
}

void TestWindowCalculation::refusedWithABox() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, boxTitle);
    QFETCH(QString, boxText);
    QFETCH(int, boxIcon);

    const char* names[] = {"Text1", "Text2", "Text3", "Text5"};
    for (int i = 0; i < 4; ++i)
        QTest::keyClicks(field(names[i]), inputs[i]);

    BoxCatcher boxes;
    QTest::mouseClick(m_window->findChild<QPushButton*>("berechnen"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, boxTitle);
    QCOMPARE(boxes.seen[0].text, boxText);
    QCOMPARE(int(boxes.seen[0].icon), boxIcon);
    const QMap<int, QString> iconNames{{QMessageBox::Critical, "Fehler"},
                                       {QMessageBox::Information, "Information"}};
    QCOMPARE(boxes.seen[0].iconName, iconNames.value(boxIcon));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(field(names[i])->text(), inputs[i]);
}

KALVORAN_WINDOW_TEST_MAIN(TestWindowCalculation)
#include "tst_window_calculation.moc"
