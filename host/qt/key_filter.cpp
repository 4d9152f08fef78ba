// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/key_filter.h"

#include <optional>

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "host/key_press.h"
#include "host/qt/qt_host.h"

namespace kalvoran {
namespace {

// The line edit's own commands; their key events never count as typed characters.
constexpr QKeySequence::StandardKey kCommands[] = {
    QKeySequence::Undo,
    QKeySequence::Redo,
    QKeySequence::Cut,
    QKeySequence::Copy,
    QKeySequence::Paste,
    QKeySequence::SelectAll,
    QKeySequence::Deselect,
    QKeySequence::Delete,
    QKeySequence::DeleteStartOfWord,
    QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine,
    QKeySequence::MoveToNextChar,
    QKeySequence::MoveToPreviousChar,
    QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine,
    QKeySequence::SelectNextChar,
    QKeySequence::SelectPreviousChar,
    QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord,
    QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine,
};

bool isCommand(const QKeyEvent* key) {
    for (QKeySequence::StandardKey command : kCommands)
        if (key->matches(command))
            return true;
    return false;
}

// The control code of backspace, Enter and Escape; nothing for any other key.
std::optional<char16_t> controlCode(const QKeyEvent* key) {
    const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
    if (held & ~Qt::ShiftModifier)
        return std::nullopt;
    switch (key->key()) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
    default:
        return std::nullopt;
    }
}

} // namespace

QtKeyFilter::QtKeyFilter(QLineEdit* edit, Host& host, Field field)
    : QObject(edit), m_edit(edit), m_host(host), m_field(field) {
    edit->installEventFilter(this);
}

std::optional<QString> QtKeyFilter::taken(const QString& text, Insertion kind, int length,
                                          int selected) const {
    const std::optional<std::u16string> kept =
        insert(m_host, m_field, units(text), kind, std::size_t(length), std::size_t(selected));
    if (!kept)
        return std::nullopt;
    return QString::fromStdU16String(*kept);
}

bool QtKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit)
        return false;

    if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString commit = im->commitString();
        if (commit.isEmpty())
            return false;
        const QString kept = taken(commit, Insertion::Composed).value_or(QString());
        if (kept == commit)
            return false;
        QInputMethodEvent filtered(im->preeditString(), im->attributes());
        filtered.setCommitString(kept, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(m_edit, &filtered);
        return true;
    }

    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;

    if (const std::optional<char16_t> code = controlCode(key)) {
        // A kept Enter or Escape still presses no button.
        return !keyTaken(m_host, m_field, *code);
    }
    if (isCommand(key))
        return false;

    const QString text = key->text();
    if (text.isEmpty())
        return false; // cursor keys, function keys, modifiers alone: they insert nothing

    // Every other key that carries text is judged, whatever modifiers are held: the line edit
    // inserts the text of Ctrl with the keypad, with Meta or with AltGr, too.
    const QString kept = taken(text, Insertion::Typed).value_or(QString());
    if (kept == text)
        return false;
    if (!kept.isEmpty())
        m_edit->insert(kept);
    return true;
}

} // namespace kalvoran
