// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kalvoran {
namespace {

// Fontconfig answers a request for "MS Sans Serif" with whatever it substitutes (often DejaVu
// Sans, a fifth wider, which clips the captions); so a family is taken only when it is installed
// under that very name. Liberation Sans has the widths of Arial, the nearest to the original.
QString family() {
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"})
            if (installed.contains(QLatin1String(name), Qt::CaseInsensitive))
                return QString::fromLatin1(name);
        return QString(); // the platform's default
    }();
    return chosen;
}

} // namespace

QFont windowFont(FontRole role) {
    QFont font;
    if (!family().isEmpty())
        font.setFamilies({family()});
    font.setPointSize(info(role).points);
    font.setWeight(info(role).bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace kalvoran
