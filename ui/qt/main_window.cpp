// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window.h"

#include <algorithm>
#include <array>
#include <vector>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "ui/layout.h"
#include "ui/qt/accessible.h"
#include "ui/qt/fonts.h"
#include "ui/qt/frame.h"
#include "ui/qt/wrapping_radio_button.h"
#include "ui/window_model.h"

#include "packaging/kalvoran.xpm"

namespace kalvoran {
namespace {

QSize formSize() { return {clientSize().width, clientSize().height}; }
bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The window states that would give the window another size than its own.
constexpr Qt::WindowStates kOtherSizes = Qt::WindowMaximized | Qt::WindowFullScreen;

QWidget* createWidget(const ControlSpec& control, QWidget* parent) {
    const QString caption = toQString(control.caption);
    switch (control.kind) {
    case Kind::Frame:
        return new Frame(caption, parent);
    case Kind::TextField:
        return new QLineEdit(parent); // the host locks the result field as it is added
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::OptionButton:
        return new WrappingRadioButton(caption, parent);
    case Kind::CommandButton:
        return new CommandButton(caption, parent);
    }
    return nullptr;
}

Rect rectOf(const QWidget* widget) {
    return {widget->x(), widget->y(), widget->width(), widget->height()};
}

// A unit label ("Volt", "mA", "Ohm") stands level with the text of the field of its container:
// both texts are centred on the middle of the field, whatever the label's own height.
void levelWithField(QLabel* unit, const QLineEdit* field) {
    const Band band = levelBand(rectOf(field), rectOf(unit));
    unit->setContentsMargins(0, band.top, 0, band.bottom);
}

} // namespace

MainWindow::MainWindow() : m_host(this) {
    setWindowTitle(toQString(kWindowCaption));
    setWindowIcon(QIcon(QPixmap(kalvoran_xpm)));
    // Title bar with the system menu, minimize and close, but no maximize: spelt out, since the
    // title bars that Qt draws itself (Wayland) offer what the flags name.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont(FontRole::Default));
    // On Wayland the compositor's maximize or fullscreen configure must be answered with its own
    // size before the window can ask to return: there the window may take any size (the form
    // keeps its own, at the top left) and comes back to its size at once. Elsewhere it has one.
    if (onWayland())
        setMinimumSize(formSize());
    else
        setFixedSize(formSize());
    buildControls();
    bindEvents();
}

void MainWindow::buildControls() {
    std::array<QWidget*, kContainers.size()> containers{};
    containers[index(Container::Form1)] = this;
    // Qt counts radio buttons in frames within a frame as one group for Tab and the arrow keys;
    // an explicit group per container keeps each to its immediate container.
    std::array<QButtonGroup*, kContainers.size()> groups{};
    std::vector<QWidget*> focusable; // in tab order
    std::vector<std::pair<QLabel*, Field>> unitLabels;
    std::array<QLineEdit*, kFields.size()> fields{};

    for (std::size_t i : creationOrder()) {
        const ControlSpec& control = controlTable()[i];
        QWidget* widget = createWidget(control, containers[index(control.parent)]);
        widget->setObjectName(toQString(control.name));
        const Rect r = pixelRect(control);
        widget->setGeometry(r.left, r.top, r.width, r.height);
        if (control.font != FontRole::Default)
            widget->setFont(windowFont(control.font));
        if (!control.toolTip.empty())
            widget->setToolTip(toQString(control.toolTip));
        // Frames and option buttons are named by their own caption; without a name of its
        // own, a control inside a frame would be announced by the frame's caption.
        if (!control.accessibleName.empty())
            widget->setAccessibleName(toQString(control.accessibleName));
        else if (control.kind == Kind::Frame || control.kind == Kind::OptionButton)
            widget->setAccessibleName(toQString(control.caption));
        if (control.unitOf)
            unitLabels.emplace_back(static_cast<QLabel*>(widget), *control.unitOf);

        if (const auto container = containerNamed(control.name))
            containers[index(*container)] = widget;
        if (const auto field = fieldNamed(control.name)) {
            auto* edit = static_cast<QLineEdit*>(widget);
            m_host.addField(*field, edit);
            fields[static_cast<std::size_t>(*field)] = edit;
        }
        if (const auto option = optionNamed(control.name)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            QButtonGroup*& group = groups[index(control.parent)];
            if (!group)
                group = new QButtonGroup(widget->parentWidget());
            group->addButton(button);
            m_host.addOption(*option, button);
        }
        if (widget->focusPolicy() != Qt::NoFocus)
            focusable.push_back(widget);
    }

    for (const auto& [unit, field] : unitLabels)
        levelWithField(unit, fields[static_cast<std::size_t>(field)]);

    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1], focusable[i]);
    fields[static_cast<std::size_t>(startFocus())]->setFocus();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The window has one size and its single border. Maximize (the title bar that Qt draws itself
    // on Wayland offers it to every window) and fullscreen, from a window manager or anything
    // else, are turned back.
    if (event->type() == QEvent::WindowStateChange && (windowState() & kOtherSizes))
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(windowState() & ~kOtherSizes); }, Qt::QueuedConnection);
}

// Back in its normal state, the window returns to its size (Wayland; elsewhere it has no other).
void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (size() != formSize() && !(windowState() & kOtherSizes))
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!(windowState() & kOtherSizes))
                    resize(formSize());
            },
            Qt::QueuedConnection);
}

// Enter presses the focused command button, as on every desktop; in a field (where the key
// filter swallows it) and on an option button it presses nothing.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::centre() {
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    // The window with its frame is centred, where the platform knows the frame before the window
    // is shown; else the window alone.
    create();
    const QSize outer = size().grownBy(windowHandle()->frameMargins());
    const QRect area = target->availableGeometry();
    const Rect centred = centredOn({area.x(), area.y(), area.width(), area.height()},
                                   {outer.width(), outer.height()});
    move(centred.left, centred.top);
}

} // namespace kalvoran
