// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology (screen readers, voice control, switch access) may do with the
// window's controls, so that every way in has the same effect as the mouse and the keyboard:
// pressing or toggling a button clicks it, and so runs its handler once; an input field's text
// may be edited as if pasted; the locked result field offers its text to read, select and copy,
// but no editing. While a message box is open, and once the window is closed, nothing is pressed
// and no text changes.
#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPushButton>

class QAbstractButton;

namespace kalvoran {

// Qt's own accessible interfaces answer for QPushButton; these classes of the window's own, and
// the window's QLineEdits, are answered by the interfaces below.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;
};

// A text field: its text to read, select and copy; an input field's also to edit.
class AccessibleField : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit AccessibleField(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* edit() const;
    bool locked() const;
};

// The interfaces below, and the window announced as a window with its caption rather than as a
// pane; once per application.
void installAccessibleInterfaces();

} // namespace kalvoran
