// SPDX-License-Identifier: GPL-3.0-or-later
// Delivers the characters typed into a QLineEdit to a KeyPress handler before the field takes
// them. A key event is one of the line edit's commands (copy, cut, paste, select all, undo,
// redo, cursor movement, Delete), Tab, a key without text, or else typed: the commands, Tab and
// keys without text pass untouched, so pasted text is not judged; every other key's text is
// judged, whatever modifiers are held. Enter and Escape reach the handler as 13 and 27, backspace
// as 8. Characters committed by an input method (dead keys, compose) are judged one by one too.
#pragma once

#include <QObject>

#include "host/key_press.h"

class QLineEdit;

namespace kalvoran {

class QtKeyFilter : public QObject {
    Q_OBJECT
public:
    QtKeyFilter(QLineEdit* edit, KeyPressHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The characters of text that the handler lets through, each as the handler leaves it.
    QString judge(const QString& text) const;

    QLineEdit* m_edit;
    KeyPressHandler m_handler;
};

} // namespace kalvoran
