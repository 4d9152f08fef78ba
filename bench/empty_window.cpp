// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the startup benchmark: an empty Qt widget window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Leer"));
    window.setFixedSize(468, 448);
    window.show();
    return QApplication::exec();
}
