// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/accessible.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>

#include "host/qt/qt_host.h"
#include "ui/qt/main_window.h"
#include "ui/qt/wrapping_radio_button.h"

namespace kalvoran {
namespace {

// Screen readers announce the window as a window, with its caption, rather than as a pane.
// Buttons are pressed and toggled through the window's own rules, and the locked result field
// offers no editing (accessible.h).
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(CommandButton::staticMetaObject.className()) ||
        className == QLatin1String(WrappingRadioButton::staticMetaObject.className()))
        return new AccessibleButton(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String(LockedField::staticMetaObject.className()))
        return new AccessibleLockedField(static_cast<QLineEdit*>(widget));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() { QAccessible::installFactory(accessibleWindow); }

AccessibleButton::AccessibleButton(QAbstractButton* button)
    : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) ? QAccessible::RadioButton
                                                                    : QAccessible::Button) {}

QAbstractButton* AccessibleButton::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QAccessible::State AccessibleButton::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    state.pressed = button()->isDown();
    return state;
}

QString AccessibleButton::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && button()->accessibleName().isEmpty())
        return button()->text();
    return QAccessibleWidget::text(t);
}

QStringList AccessibleButton::actionNames() const {
    QStringList names{pressAction()};
    if (button()->isCheckable())
        names << toggleAction();
    return names;
}

// Press and Toggle are both a click: a selected option button stays selected and its handler
// runs again, as for the mouse.
void AccessibleButton::doAction(const QString& actionName) {
    if (actionName != pressAction() && actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // Queued, so that the caller (an AT-SPI call over D-Bus) has its answer before a message box
    // that the handler opens; judged when it runs.
    QMetaObject::invokeMethod(
        button(),
        [button = button()] {
            if (QtHost::accepting() && button->isEnabled())
                button->click();
        },
        Qt::QueuedConnection);
}

AccessibleLockedField::AccessibleLockedField(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* AccessibleLockedField::edit() const { return static_cast<QLineEdit*>(widget()); }

// A text to read, select and copy; no editable-text interface, so nothing from outside writes it.
void* AccessibleLockedField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return nullptr;
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLockedField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = true;
    return state;
}

QString AccessibleLockedField::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

void AccessibleLockedField::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
}

int AccessibleLockedField::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void AccessibleLockedField::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleLockedField::removeSelection(int) { edit()->deselect(); }

void AccessibleLockedField::setSelection(int, int startOffset, int endOffset) {
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLockedField::cursorPosition() const { return edit()->cursorPosition(); }

void AccessibleLockedField::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString AccessibleLockedField::text(int startOffset, int endOffset) const {
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleLockedField::characterCount() const { return int(edit()->text().size()); }

QRect AccessibleLockedField::characterRect(int) const { return {}; }

int AccessibleLockedField::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleLockedField::scrollToSubstring(int startIndex, int) {
    edit()->setCursorPosition(startIndex);
}

QString AccessibleLockedField::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

} // namespace kalvoran
