// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/accessible.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "host/qt/key_filter.h"
#include "host/qt/qt_host.h"
#include "ui/qt/main_window.h"
#include "ui/qt/wrapping_radio_button.h"

namespace kalvoran {
namespace {

// Screen readers announce the window as a window, with its caption, rather than as a pane.
// Buttons are pressed and toggled, and fields edited, through the window's own rules
// (accessible.h).
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(CommandButton::staticMetaObject.className()) ||
        className == QLatin1String(WrappingRadioButton::staticMetaObject.className()))
        return new AccessibleButton(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()) &&
        qobject_cast<MainWindow*>(widget->window()))
        return new AccessibleField(static_cast<QLineEdit*>(widget));
    return nullptr;
}

// A line edit selects its text when Tab brings the focus in, and reports that selection before
// the focus, and its deselection once the focus has left: a screen reader would say the text
// twice, and "not selected" on leaving. A field's selection is reported only while the field has
// the focus and the screen reader was told so; it says the selection with the focus anyway.
QObject* g_reportedFocus = nullptr;

void reportAccessibility(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus)
        g_reportedFocus = event->object();
    else if (event->type() == QAccessible::TextSelectionChanged &&
             qobject_cast<QLineEdit*>(event->object()) &&
             (event->object() != g_reportedFocus || event->object() != QApplication::focusWidget()))
        return;
    // Qt's own report: it makes it while no handler of the program's is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(reportAccessibility);
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(accessibleWindow);
    QAccessible::installUpdateHandler(reportAccessibility);
}

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
            if (QtHost::accepting(button) && button->isEnabled())
                button->click();
        },
        Qt::QueuedConnection);
}

AccessibleField::AccessibleField(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* AccessibleField::edit() const { return static_cast<QLineEdit*>(widget()); }

// The host makes the locked field read-only.
bool AccessibleField::locked() const { return edit()->isReadOnly(); }

// The locked field has no editable-text interface, so nothing from outside offers to write it.
void* AccessibleField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return locked() ? nullptr : static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = locked();
    state.editable = !locked();
    state.selectableText = true;
    return state;
}

QString AccessibleField::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

// AT-SPI sets the Value of a field without an editable-text interface.
void AccessibleField::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(t, text);
}

// An edit from outside goes in as the input rule takes an accessible one, and is undone by the
// field's undo. Offsets outside the text are brought into it. The locked field has no way in.
void AccessibleField::replaceText(int startOffset, int endOffset, const QString& text) {
    QLineEdit* e = edit();
    const auto* wayIn = e->findChild<QtKeyFilter*>(QString(), Qt::FindDirectChildrenOnly);
    if (!wayIn || !QtHost::accepting(e))
        return;
    const int length = int(e->text().size());
    const int start = std::clamp(startOffset, 0, length);
    const int end = std::clamp(endOffset, start, length);
    const std::optional<QString> kept =
        wayIn->taken(text, Insertion::Accessible, length, end - start);
    if (!kept)
        return;
    e->setSelection(start, end - start);
    e->insert(*kept);
}

void AccessibleField::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void AccessibleField::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleField::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
}

int AccessibleField::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void AccessibleField::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleField::removeSelection(int) { edit()->deselect(); }

void AccessibleField::setSelection(int, int startOffset, int endOffset) {
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleField::cursorPosition() const { return edit()->cursorPosition(); }

void AccessibleField::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString AccessibleField::text(int startOffset, int endOffset) const {
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleField::characterCount() const { return int(edit()->text().size()); }

// On the screen, measured from the caret, for a magnifier or a screen reader's mouse review.
QRect AccessibleField::characterRect(int offset) const {
    const QLineEdit* e = edit();
    const QString text = e->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QRect caret = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = e->fontMetrics();
    const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(e->cursorPosition()));
    return {e->mapToGlobal(QPoint(x, caret.y())),
            QSize(metrics.horizontalAdvance(text.mid(offset, 1)), caret.height())};
}

int AccessibleField::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleField::scrollToSubstring(int startIndex, int) {
    edit()->setCursorPosition(startIndex);
}

// The whole text is one run without attributes of its own. An empty run, as a plain QLineEdit
// answers, makes Orca read the text a second time, short of its last character.
QString AccessibleField::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace kalvoran
