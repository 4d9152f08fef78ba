// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/fonts.h"

#include <string_view>

#include <QFontDatabase>
#include <QStringList>

#include "host/qt/qt_host.h"

namespace kalvoran {
namespace {

// Fontconfig answers a request for "MS Sans Serif" with whatever it substitutes (often DejaVu
// Sans, a fifth wider, which clips the captions); so a family is taken only when it is installed
// under that very name.
QString family() {
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (std::string_view face : kFaces)
            if (const QString name = toQString(face); installed.contains(name, Qt::CaseInsensitive))
                return name;
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
