// Notes and closes every message box that opens on the real window while it is alive.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
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
                seen.append({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start(0);
    }
    QList<SeenBox> seen;

private:
    QTimer m_timer;
};
