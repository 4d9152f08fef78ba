// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the icons from their two sources, the same drawing twice: from the 48 x 48 XPM the
// 8-bit PNG and the .ico of the Windows program file; from the SVG the PNGs of the icon theme.
//   make_icons icon.xpm icon.svg OUTDIR
// writes OUTDIR/kalvoran.png, OUTDIR/kalvoran.ico and OUTDIR/hicolor/NxN/kalvoran.png.
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
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

// The sizes of the icon theme (hicolor) drawn from the SVG, and those the web app asks for (192
// and 512).
constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 192, 256, 512};

bool writeThemeIcons(const QString& svg, const QString& outDir) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    for (const int size : kThemeSizes) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/hicolor/%2x%2").arg(outDir).arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/kalvoran.png"), "PNG"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icons icon.xpm icon.svg OUTDIR\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull() || source.hasAlphaChannel()) {
        std::fprintf(stderr, "make_icons: %s is no opaque image\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[3]);
    const QImage indexed = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QFile ico(outDir + QStringLiteral("/kalvoran.ico"));
    if (!indexed.save(outDir + QStringLiteral("/kalvoran.png"), "PNG") ||
        !ico.open(QIODevice::WriteOnly) || ico.write(icoOf(indexed)) < 0 ||
        !writeThemeIcons(QString::fromLocal8Bit(argv[2]), outDir)) {
        std::fprintf(stderr, "make_icons: cannot write the icons\n");
        return 1;
    }
    return 0;
}
