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
