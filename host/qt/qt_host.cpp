// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/qt_host.h"

#include <limits>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

#include "host/field_input.h"
#include "host/qt/key_filter.h"

namespace kalvoran {
namespace {

// Every change of a field passes its validator, whichever way it came (keys, the context menu,
// the middle button, a drop, an accessible edit): a pasted text's line breaks become blanks there,
// the caret staying behind what was pasted.
class OneLine final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const std::u16string line = oneLine(units(input));
        if (QStringView(line) != input) {
            pos = int(oneLine(units(input).substr(0, std::size_t(pos))).size());
            input = QString::fromStdU16String(line);
        }
        return Acceptable;
    }
};

// The icon of each kind of message box, and the name a screen reader gives it.
struct BoxIcon {
    QMessageBox::Icon icon;
    const char* name;
};

BoxIcon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Stop:
        return {QMessageBox::Critical, "Fehler"};
    case Icon::Question:
        return {QMessageBox::Question, "Frage"};
    case Icon::Information:
        break;
    }
    return {QMessageBox::Information, "Information"};
}

} // namespace

void QtHost::addField(Field field, QLineEdit* edit) {
    m_controls.add(field, edit);
    edit->setMaxLength(std::numeric_limits<int>::max()); // nothing is ever cut
    edit->setReadOnly(info(field).locked);
    if (!info(field).locked) {
        edit->setValidator(new OneLine(edit));
        new QtKeyFilter(edit, *this, field); // owned by the field
    }
}

void QtHost::addOption(Option option, QAbstractButton* button) {
    m_controls.add(option, button);
    button->setChecked(option == kInitiallySelected);
}

std::string QtHost::text(Field field) const { return edit(field)->text().toStdString(); }

void QtHost::write(Field field, std::string_view text) { edit(field)->setText(toQString(text)); }

void QtHost::caretToStart(Field field) { edit(field)->setCursorPosition(0); }

bool QtHost::value(Option option) const { return button(option)->isChecked(); }

void QtHost::select(Option option) {
    // The others of its container are clear already; Qt emits no clicked(), so nothing runs.
    button(option)->setChecked(true);
}

void QtHost::clear(Option option) {
    // The checked button of an exclusive group refuses to become unchecked; lift the
    // exclusivity for the moment of the change.
    QAbstractButton* b = button(option);
    QButtonGroup* group = b->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = b->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

void QtHost::messageBox(std::string_view prompt, std::string_view title, Icon icon) {
    const BoxIcon kind = boxIcon(icon);
    QMessageBox box(kind.icon, toQString(title), toQString(prompt), QMessageBox::Ok, m_window);
    for (QLabel* label : box.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            label->setAccessibleName(QString::fromUtf8(kind.name));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtHost::unload() { m_window->close(); }

bool QtHost::accepting() { return QApplication::activeModalWidget() == nullptr; }

bool QtHost::accepting(const QWidget* control) {
    return accepting() && control->window()->isVisible();
}

} // namespace kalvoran
