// SPDX-License-Identifier: GPL-3.0-or-later
// The window model's arithmetic, which every window stands on: pixels at a scale rounded as
// MulDiv rounds, and the window's place on a work area of any size.
#include <QTest>

#include "ui/window_model.h"

using namespace kalvoran;

class TestWindowModel : public QObject {
    Q_OBJECT
private slots:
    void scaled_data();
    void scaled();
    void placed_data();
    void placed();
};

void TestWindowModel::scaled_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("the client width at 100 %") << kClientWidthTwips << 96 << 468;
    QTest::newRow("a half pixel at 150 % rounds up") << 1095 << 144 << 110;
    QTest::newRow("a quarter pixel at 125 % rounds down") << 255 << 120 << 21;
    QTest::newRow("a negative half pixel rounds away from 0") << -1095 << 144 << -110;
}

void TestWindowModel::scaled() {
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(kalvoran::pixels(twips, dpi), pixels);
}

// A window of 480 × 480 on work areas and at places of every kind.
void TestWindowModel::placed_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("wanted"); // where a DPI change would put its top-left corner
    QTest::addColumn<QPoint>("centred");
    QTest::addColumn<QPoint>("kept");
    QTest::newRow("room to spare")
        << QRect(0, 30, 1920, 1170) << QPoint(40, 30) << QPoint(720, 375) << QPoint(40, 30);
    QTest::newRow("far off to the right")
        << QRect(0, 0, 1920, 1200) << QPoint(32767, 3) << QPoint(720, 360) << QPoint(1440, 3);
    QTest::newRow("above and left of the area")
        << QRect(100, 50, 800, 600) << QPoint(-5000, -5000) << QPoint(260, 110) << QPoint(100, 50);
    QTest::newRow("an area smaller than the window: its title bar stays on it")
        << QRect(10, 20, 300, 200) << QPoint(500, 500) << QPoint(10, 20) << QPoint(10, 20);
}

void TestWindowModel::placed() {
    QFETCH(QRect, area);
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, centred);
    QFETCH(QPoint, kept);
    const Rect on{area.x(), area.y(), area.width(), area.height()};
    const Rect c = centredOn(on, {480, 480});
    QCOMPARE(QPoint(c.left, c.top), centred);
    const Rect k = keptOn(on, {wanted.x(), wanted.y(), 480, 480});
    QCOMPARE(QPoint(k.left, k.top), kept);
}

QTEST_GUILESS_MAIN(TestWindowModel)
#include "tst_window_model.moc"
