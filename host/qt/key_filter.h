// SPDX-License-Identifier: GPL-3.0-or-later
// Hands what is typed into a QLineEdit to the window's input rule (host/field_input.h) before the
// field takes it. A key event is one of the line edit's commands (copy, cut, paste, select all,
// undo, redo, cursor movement, Delete), Tab, a key without text, or else typed: the commands, Tab
// and keys without text pass untouched (a paste passes the field's validator); every other key's
// text is typed, whatever modifiers are held. Backspace, Enter and Escape go by keyTaken().
// Characters committed by an input method are composed text.
#pragma once

#include <optional>

#include <QObject>

#include "host/field_input.h"

class QLineEdit;

namespace kalvoran {

class QtKeyFilter : public QObject {
    Q_OBJECT
public:
    QtKeyFilter(QLineEdit* edit, Host& host, Field field);

    // What the rule lets in of text in place of selected of the field's length characters;
    // nothing when the field stays as it was. An accessible edit asks here too.
    std::optional<QString> taken(const QString& text, Insertion kind, int length = 0,
                                 int selected = 0) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    Host& m_host;
    Field m_field;
};

} // namespace kalvoran
