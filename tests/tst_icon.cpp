// SPDX-License-Identifier: GPL-3.0-or-later
// The icon: 48 × 48, seven colours, opaque; the .ico of the Windows program file carries the same
// pixels as an 8-bit image with a colour table of 256 entries.
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

class TestIcon : public QObject {
    Q_OBJECT
private slots:
    void sourceHasTheSevenColours();
    void pngAndIcoCarryTheSamePixels_data();
    void pngAndIcoCarryTheSamePixels();

private:
    static QImage source() {
        return QImage(QStringLiteral(KALVORAN_SOURCE_DIR "/packaging/kalvoran.xpm"));
    }
};

void TestIcon::sourceHasTheSevenColours() {
    const QImage icon = source();
    QCOMPARE(icon.size(), QSize(48, 48));
    QVERIFY(!icon.hasAlphaChannel());
    QSet<QRgb> colours;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            colours.insert(icon.pixel(x, y) & 0xFFFFFF);
    const QSet<QRgb> expected{0x000000, 0xFFA700, 0xFF4500, 0x004EFF, 0x4EFF00, 0xFFE200, 0x0093FF};
    QCOMPARE(colours, expected);
    // Black corners, leads reaching both edges, the body in the middle.
    QCOMPARE(icon.pixel(0, 0) & 0xFFFFFF, 0x000000u);
    QCOMPARE(icon.pixel(0, 23) & 0xFFFFFF, 0x0093FFu);
    QCOMPARE(icon.pixel(47, 23) & 0xFFFFFF, 0x0093FFu);
}

void TestIcon::pngAndIcoCarryTheSamePixels_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop PNG") << "kalvoran.png";
    QTest::newRow("Windows ICO") << "kalvoran.ico";
    QTest::newRow("scalable SVG drawn at 48 px") << "hicolor/48x48/kalvoran.png";
}

void TestIcon::pngAndIcoCarryTheSamePixels() {
    QFETCH(QString, file);
    const QString path = QStringLiteral(KALVORAN_BINARY_DIR "/") + file;
    QImage image;
    if (file.endsWith(".ico")) {
        QFile ico(path);
        QVERIFY(ico.open(QIODevice::ReadOnly));
        const QByteArray bytes = ico.readAll();
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        QCOMPARE(u16(2), quint16(1));           // an icon
        QCOMPARE(u16(4), quint16(1));           // of one image
        QCOMPARE(quint8(bytes[6]), quint8(48)); // 48 wide
        QCOMPARE(quint8(bytes[7]), quint8(48)); // 48 high
        QCOMPARE(u16(12), quint16(8));          // 8 bits per pixel
        const int dib = int(u32(18));
        QCOMPARE(u32(dib + 8), quint32(96)); // colour and mask rows
        QCOMPARE(u16(dib + 14), quint16(8));
        QCOMPARE(u32(dib + 32), quint32(256)); // colour table entries
        const int table = dib + 40, pixels = table + 256 * 4;
        QCOMPARE(u32(14), quint32(bytes.size() - dib)); // size of the image data
        image = QImage(48, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const int index = quint8(bytes[pixels + (47 - y) * 48 + x]);
                const char* bgr = bytes.constData() + table + index * 4;
                image.setPixel(x, y, qRgb(quint8(bgr[2]), quint8(bgr[1]), quint8(bgr[0])));
            }
        const QByteArray mask = bytes.mid(pixels + 48 * 48);
        QCOMPARE(mask, QByteArray(8 * 48, '\0')); // nothing transparent
    } else {
        image = QImage(path);
        if (!file.startsWith("hicolor/"))
            QCOMPARE(image.format(), QImage::Format_Indexed8);
    }
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             source().convertToFormat(QImage::Format_RGB32));
}

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
