#include "ui/main_window.h"

#include <algorithm>
#include <array>
#include <vector>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/wrapping_radio_button.h"

#include "packaging/kalvoran.xpm"

namespace kalvoran {
namespace {

int pixels(int twips) { return twips / kTwipsPerPixel; }

QWidget* createWidget(const ControlSpec& control, QWidget* parent) {
    const QString caption = toQString(control.caption);
    switch (control.kind) {
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::TextField:
        return new QLineEdit(parent);
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::OptionButton:
        return new WrappingRadioButton(caption, parent);
    case Kind::CommandButton:
        return new QPushButton(caption, parent);
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow() : m_host(this) {
    setWindowTitle(toQString(kWindowCaption));
    setWindowIcon(QIcon(QPixmap(kalvoran_xpm)));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFont(windowFont(FontRole::Default));
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
    buildControls();
    bindEvents();
}

void MainWindow::buildControls() {
    std::array<QWidget*, 7> containers{};
    containers[static_cast<std::size_t>(Container::Form1)] = this;
    // Qt counts radio buttons in frames within a frame as one group for Tab and the arrow keys;
    // an explicit group per container keeps each to its immediate container.
    std::array<QButtonGroup*, 7> groups{};
    std::vector<std::pair<int, QWidget*>> focusable;

    for (const ControlSpec& control : controlTable()) {
        QWidget* widget =
            createWidget(control, containers[static_cast<std::size_t>(control.parent)]);
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(pixels(control.left), pixels(control.top), pixels(control.width),
                            pixels(control.height));
        if (control.font != FontRole::Default)
            widget->setFont(windowFont(control.font));
        if (!control.toolTip.empty())
            widget->setToolTip(toQString(control.toolTip));
        if (!control.accessibleName.empty())
            widget->setAccessibleName(toQString(control.accessibleName));

        if (const auto container = containerNamed(control.name))
            containers[static_cast<std::size_t>(*container)] = widget;
        if (const auto field = fieldNamed(control.name)) {
            auto* edit = static_cast<QLineEdit*>(widget);
            edit->setReadOnly(*field == Field::Text4);
            m_host.addField(*field, edit);
        }
        if (const auto option = optionNamed(control.name)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            button->setAccessibleName(toQString(control.caption));
            QButtonGroup*& group = groups[static_cast<std::size_t>(control.parent)];
            if (!group)
                group = new QButtonGroup(widget->parentWidget());
            group->addButton(button);
            button->setChecked(*option == kInitiallySelected);
            m_host.addOption(*option, button);
        }
        if (widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(control.tabIndex, widget);
    }

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
}

void MainWindow::centre() {
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry()));
}

} // namespace kalvoran
