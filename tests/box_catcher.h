// SPDX-License-Identifier: GPL-3.0-or-later
// Notes and closes every message box that opens on the real window while it is alive.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QString iconName; // what a screen reader calls the icon
};

class BoxCatcher : public QObject {
public:
    BoxCatcher() {
        // The offscreen platform warns of every message box; it is no fault of the program.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                    previous(type, context, message);
            });
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QString iconName;
                for (QLabel* label : box->findChildren<QLabel*>())
                    if (!label->pixmap().isNull())
                        iconName = label->accessibleName();
                seen.append({box->windowTitle(), box->text(), box->icon(), iconName});
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start(0);
    }
    QList<SeenBox> seen;

private:
    QTimer m_timer;
};
