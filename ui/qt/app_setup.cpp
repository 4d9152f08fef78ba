// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/qt/accessible.h"
#include "ui/qt/fonts.h"

namespace kalvoran {

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kalvoran"));
    QApplication::setApplicationVersion(QStringLiteral(KALVORAN_VERSION));
    // The desktop entry's id: on Wayland the window's app id, by which the desktop finds its
    // launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kalvoran.Kalvoran"));
    QApplication::setFont(windowFont(FontRole::Default));
    installAccessibleInterfaces();

    // Qt's own texts (the fields' context menu, the OK button) in German, whatever the system's
    // language: the whole program speaks German.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

} // namespace kalvoran
