// Turns the icon source (an XPM) into the PNG of the desktop entry and the 8-bit .ico of the
// Windows program file: make_icons icon.xpm out.png out.ico
#include <cstdio>

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

void put16(QByteArray& out, quint16 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void put32(QByteArray& out, quint32 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// One image, 8 bits per pixel, a colour table of 256 entries, an all-opaque mask.
QByteArray icoOf(const QImage& indexed) {
    const int w = indexed.width(), h = indexed.height();
    const int xorRow = (w + 3) / 4 * 4;
    const int andRow = ((w + 31) / 32) * 4;
    const quint32 imageBytes = 40 + 256 * 4 + quint32(xorRow + andRow) * quint32(h);

    QByteArray out;
    put16(out, 0);                                                       // reserved
    put16(out, 1);                                                       // type: icon
    put16(out, 1);                                                       // one image
    out.append(char(w)).append(char(h)).append(char(0)).append(char(0)); // 0 colours: 256
    put16(out, 1);                                                       // planes
    put16(out, 8);                                                       // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16); // offset of the image

    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // no compression
    put32(out, quint32(xorRow + andRow) * quint32(h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 256);
    put32(out, 0);
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) { // bottom-up
        QByteArray row(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
        row.resize(xorRow, char(0));
        out.append(row);
    }
    out.append(QByteArray(andRow * h, char(0)));
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icons icon.xpm out.png out.ico\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull() || source.hasAlphaChannel()) {
        std::fprintf(stderr, "make_icons: %s is no opaque image\n", argv[1]);
        return 1;
    }
    const QImage indexed = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QFile ico(QString::fromLocal8Bit(argv[3]));
    if (!indexed.save(QString::fromLocal8Bit(argv[2]), "PNG") || !ico.open(QIODevice::WriteOnly) ||
        ico.write(icoOf(indexed)) < 0) {
        std::fprintf(stderr, "make_icons: cannot write the icons\n");
        return 1;
    }
    return 0;
}
