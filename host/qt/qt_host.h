// SPDX-License-Identifier: GPL-3.0-or-later
// The host on Qt widgets: text fields are QLineEdits, option buttons QRadioButtons in one
// exclusive QButtonGroup per container.
#pragma once

#include <QString>

#include "host/controls.h"
#include "host/host.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace kalvoran {

// Texts of the handlers and tables are UTF-8.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text's UTF-16 units, as host/field_input.h takes them.
inline std::u16string_view units(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

class QtHost final : public Host {
public:
    explicit QtHost(QWidget* window) : m_window(window) {}

    // Fields and option buttons; a field takes text of any length, its input as host/field_input.h
    // rules, and a locked one is read-only, an option button starts selected or clear. Each
    // container's buttons are already in one exclusive group.
    void addField(Field field, QLineEdit* edit);
    void addOption(Option option, QAbstractButton* button);

    // While a message box is open, no handler runs, whatever asks.
    static bool accepting();
    // Whether anything from outside may change the control, a button's press or a field's text:
    // not while a message box is open, nor once its window is closed.
    static bool accepting(const QWidget* control);

    std::string text(Field field) const override;
    bool value(Option option) const override;
    void messageBox(std::string_view prompt, std::string_view title, Icon icon) override;
    void unload() override;
    bool acceptsEvents() const override { return accepting(); }

protected:
    void write(Field field, std::string_view text) override;
    void caretToStart(Field field) override;
    void select(Option option) override;
    void clear(Option option) override;

private:
    QLineEdit* edit(Field field) const { return m_controls[field]; }
    QAbstractButton* button(Option option) const { return m_controls[option]; }

    QWidget* m_window;
    Controls<QLineEdit*, QAbstractButton*> m_controls;
};

} // namespace kalvoran
