// SPDX-License-Identifier: GPL-3.0-or-later
// The operations that the event handlers may use on the window, and the names of its controls.
// Standard C++ only: the handlers run the same on the real window and on the test host.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// moc reads this header through the widgets that include it; its tokenizer knows no letters
// beyond ASCII (ledgrün), and it needs nothing from here.
#ifndef Q_MOC_RUN

namespace kalvoran {

// The five text fields of the calculator.
enum class Field {
    Text1, // source voltage, V
    Text2, // voltage that each consumer needs, V
    Text3, // number of consumers in series
    Text4, // result, Ω (locked; written only by the calculation and the reset)
    Text5, // current through the consumers, mA
};

// The window and its frames. Option buttons are exclusive within their immediate container only.
enum class Container { Form1, Frame1, Frame2, Frame3, Frame4, Frame5, Frame6 };

// The twenty-seven option buttons, the one list of them: X(name, container, handled) each, where
// handled is 1 for a button with a Click handler (its preset, core/presets.cpp) and 0 for none.
// The enum, kOptions and the handlers' declarations are made from it.
// clang-format off
#define KALVORAN_OPTIONS(X)                                                                   \
    /* source voltage */                                                                      \
    X(opt5v, Frame1, 1) X(opt12v, Frame1, 1) X(opt10, Frame1, 1) X(opt33, Frame1, 1)          \
    X(opt30, Frame1, 1) X(opt24, Frame1, 1) X(belque, Frame1, 1)                              \
    /* ultra-bright LEDs */                                                                   \
    X(ledgelb, Frame3, 1) X(ledgrün, Frame3, 1) X(ledrot, Frame3, 1) X(leduv, Frame3, 1)      \
    X(ledweiß, Frame3, 1) X(ledblau, Frame3, 1)                                               \
    /* consumer, directly in Frame2 */                                                        \
    X(belverbr, Frame2, 1) X(lednor, Frame2, 1)                                               \
    /* fans */                                                                                \
    X(lüft5v, Frame4, 1) X(lüft7v, Frame4, 1) X(lüft9v, Frame4, 1)                            \
    /* current: "Wert übernehmen" takes the consumer's and runs nothing */                    \
    X(strombel, Frame6, 1) X(stromueber, Frame6, 0)                                           \
    /* number of consumers */                                                                 \
    X(verbr1, Frame5, 1) X(verbr2, Frame5, 1) X(verbr3, Frame5, 1) X(verbr4, Frame5, 1)       \
    X(verbr5, Frame5, 1) X(verbr6, Frame5, 1) X(belanz, Frame5, 1)
// clang-format on

// KALVORAN_IF_1(text) is text, KALVORAN_IF_0(text) nothing: for what only handled buttons have.
#define KALVORAN_IF_1(...) __VA_ARGS__
#define KALVORAN_IF_0(...)

#define KALVORAN_OPTION_NAME(name, container, handled) name,
enum class Option { KALVORAN_OPTIONS(KALVORAN_OPTION_NAME) };
#undef KALVORAN_OPTION_NAME

struct FieldInfo {
    Field field;
    const char* name;
    bool locked = false; // written by the handlers only: no typing, pasting or editing
};

struct ContainerInfo {
    Container container;
    const char* name;
};

struct OptionInfo {
    Option option;
    const char* name;
    Container container;
    bool handled; // it has a Click handler
};

inline constexpr auto kFields = std::to_array<FieldInfo>({
    {Field::Text1, "Text1"},
    {Field::Text2, "Text2"},
    {Field::Text3, "Text3"},
    {Field::Text4, "Text4", true},
    {Field::Text5, "Text5"},
});

// Listed in the order of the enum, as are the fields and containers.
inline constexpr auto kContainers = std::to_array<ContainerInfo>({
    {Container::Form1, "Form1"},
    {Container::Frame1, "Frame1"},
    {Container::Frame2, "Frame2"},
    {Container::Frame3, "Frame3"},
    {Container::Frame4, "Frame4"},
    {Container::Frame5, "Frame5"},
    {Container::Frame6, "Frame6"},
});

// In the order of the enum, so that kOptions[int(o)].option == o.
#define KALVORAN_OPTION_INFO(name, container, handled)                                             \
    OptionInfo{Option::name, #name, Container::container, handled},
inline constexpr std::array kOptions{KALVORAN_OPTIONS(KALVORAN_OPTION_INFO)};
#undef KALVORAN_OPTION_INFO

constexpr const OptionInfo& info(Option o) { return kOptions[static_cast<std::size_t>(o)]; }
constexpr const FieldInfo& info(Field f) { return kFields[static_cast<std::size_t>(f)]; }
constexpr std::size_t index(Container c) { return static_cast<std::size_t>(c); }

// The option button that is selected when the window starts; all others start clear.
inline constexpr Option kInitiallySelected = Option::stromueber;

// The icon of a message box, by the numbers the program has always used.
enum class Icon { Stop = 16, Question = 32, Information = 64 };

// What a host promises the handlers, and what it must refuse, so that every host behaves alike.
//
// A handler runs to completion inside one event, and the host runs no other handler meanwhile.
// Showing a message is always a handler's last act: the help, a refusal or an error followed by
// return, an error thrown to dispatch() (the core's tests check this for every handler). So a
// host may return from messageBox() before the box is dismissed, as a browser page must,
// provided it then refuses every event until the box is dismissed.
//
// While a box is open, and after unload(), nothing changes the window, whatever asks: the
// pointer, keys, an input method, an accessibility client, another program. No handler runs, no
// field's text and no option's value changes. Beyond that, a host provides:
// - the locked field (FieldInfo::locked) changes only by setText(): no typing, pasting or
//   accessible edit, and it does not report itself editable;
// - at most one option button selected per container; clear() may leave a container with none;
// - a user's click on an option button (or its accessible action) is setValue(option, true):
//   it runs the button's Click handler, even when the button was selected already;
// - every event's handler run through dispatch(), which reports an error in a message box;
// - every text that comes into a field, by any way in, taken as insert() of host/field_input.h
//   answers (typing judged by the field's KeyPress handler, a paste whole on one line or refused
//   beyond fieldCapacity()), and each key that edits without inserting as keyTaken() answers.
class Host {
public:
    // Runs the Click handler of an option button, if it has one.
    using OptionClick = std::function<void(Option)>;

    virtual ~Host() = default;

    // The field's text as the user sees it, UTF-8, in full: a field has no length limit.
    virtual std::string text(Field field) const = 0;
    // Replaces the field's text, whole (UTF-8), without judging it; the locked field included. The
    // field's undo starts anew, and its caret goes to the start, so that a text wider than the
    // field shows its leading digits rather than its last ones.
    void setText(Field field, std::string_view text) {
        write(field, text);
        caretToStart(field);
    }
    // The most UTF-16 units a field holds and still answers at once: host/field_input.h refuses a
    // paste that would make it longer.
    virtual std::size_t fieldCapacity() const { return std::string::npos; }

    // Whether the option button is selected. For inspection by the window's owner and the tests;
    // no handler reads a Value.
    virtual bool value(Option option) const = 0;

    // true: select the button, clear the others of its immediate container without running
    // their handlers, then run its Click handler to completion before returning.
    // false: clear it; nothing runs.
    void setValue(Option option, bool value) {
        if (!value) {
            clear(option);
            return;
        }
        // One button checked per container, kept here for every host: the others go first.
        for (const OptionInfo& other : kOptions)
            if (other.container == info(option).container && other.option != option &&
                this->value(other.option))
                clear(other.option);
        select(option);
        if (m_optionClick)
            m_optionClick(option);
    }

    // A modal box owned by the window, with the title, the prompt, the icon and one OK button
    // (texts UTF-8). It may return at once or when the user dismisses it (see above); the
    // calling handler touches the window no more either way.
    virtual void messageBox(std::string_view prompt, std::string_view title, Icon icon) = 0;

    // Closes the window for good: no event reaches a handler afterwards, and with its only
    // window gone the program ends. This object stays valid until the running handler returns.
    virtual void unload() = 0;

    // Whether an event may run a handler now: not while a message box is open, nor once the
    // window is unloaded.
    virtual bool acceptsEvents() const = 0;

    void bindOptionClick(OptionClick click) { m_optionClick = std::move(click); }

    // What the window model binds for the input rule (host/field_input.h): each input field's
    // KeyPress handler, run as an event is, and the message of a paste refused for its length.
    struct InputBinding {
        std::array<std::function<void(short& KeyAscii)>, kFields.size()> keyPress;
        std::function<void(std::size_t capacity)> tooLong;
    };
    void bindInput(InputBinding input) { m_input = std::move(input); }
    const InputBinding& input() const { return m_input; }

protected:
    // The field's text replaced, whole, its undo history started anew.
    virtual void write(Field field, std::string_view text) = 0;
    virtual void caretToStart(Field field) = 0;
    // Shows the button checked; runs nothing. The others of its container are already clear.
    virtual void select(Option option) = 0;
    // Clears the button, even the one checked button of its container; runs nothing.
    virtual void clear(Option option) = 0;

private:
    OptionClick m_optionClick;
    InputBinding m_input;
};

} // namespace kalvoran

#endif // Q_MOC_RUN
