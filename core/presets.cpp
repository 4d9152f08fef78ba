// SPDX-License-Identifier: GPL-3.0-or-later
// The option buttons' presets: each writes fixed texts into its group's field(s). The consumer
// buttons lie in three containers, so their handlers clear the other two containers themselves.
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/handlers.h"

namespace kalvoran {
namespace {

using enum Option;

struct Write {
    Field field;
    std::string_view text;
};

struct Preset {
    Option option;
    std::array<std::optional<Write>, 2> writes; // in this order
    std::optional<Option> alsoSelect = {};      // set to true after the writes
    std::span<const Option> clears = {};        // set to false last, in this order
};

// The consumer buttons of the containers other than the selected one's.
constexpr std::array kClearForLed{lednor, belverbr, lüft5v, lüft7v, lüft9v};
constexpr std::array kClearLedsAndFans{ledgelb, ledgrün, ledrot, leduv, ledweiß,
                                       ledblau, lüft5v,  lüft7v, lüft9v};
constexpr std::array kClearForFan{ledgelb, ledgrün, ledrot,   leduv,
                                  ledweiß, ledblau, belverbr, lednor};

constexpr Write source(std::string_view v) { return {Field::Text1, v}; }
constexpr Write consumerV(std::string_view v) { return {Field::Text2, v}; }
constexpr Write count(std::string_view v) { return {Field::Text3, v}; }
constexpr Write currentMA(std::string_view v) { return {Field::Text5, v}; }

constexpr std::array kPresets{
    // Source voltage, V.
    Preset{opt5v, {source("5")}},
    Preset{opt12v, {source("12")}},
    Preset{opt10, {source("10")}},
    Preset{opt33, {source("3,3")}},
    Preset{opt24, {source("24")}},
    Preset{opt30, {source("30")}},
    Preset{belque, {source("")}},
    // Consumers: voltage per consumer in V, current in mA. The fans write the current first.
    Preset{lednor, {consumerV("3"), currentMA("20")}, {}, kClearLedsAndFans},
    Preset{ledrot, {consumerV("1,85"), currentMA("30")}, {}, kClearForLed},
    Preset{ledgelb, {consumerV("2"), currentMA("30")}, {}, kClearForLed},
    Preset{ledgrün, {consumerV("3,3"), currentMA("20")}, {}, kClearForLed},
    Preset{ledblau, {consumerV("3,5"), currentMA("20")}, {}, kClearForLed},
    Preset{ledweiß, {consumerV("3,5"), currentMA("20")}, {}, kClearForLed},
    Preset{leduv, {consumerV("3,6"), currentMA("20")}, {}, kClearForLed},
    Preset{lüft5v, {currentMA("125"), consumerV("5")}, {}, kClearForFan},
    Preset{lüft7v, {currentMA("125"), consumerV("7")}, {}, kClearForFan},
    Preset{lüft9v, {currentMA("125"), consumerV("9")}, {}, kClearForFan},
    // Any consumer means any current too.
    Preset{belverbr, {consumerV(""), currentMA("")}, strombel, kClearLedsAndFans},
    // Number of consumers.
    Preset{verbr1, {count("1")}},
    Preset{verbr2, {count("2")}},
    Preset{verbr3, {count("3")}},
    Preset{verbr4, {count("4")}},
    Preset{verbr5, {count("5")}},
    Preset{verbr6, {count("6")}},
    Preset{belanz, {count("")}},
    // Current, mA.
    Preset{strombel, {currentMA("")}},
};

// Each option button with a Click handler has one preset, and each preset its handler: a preset
// without its handler would never run, a handler without its preset would write nothing.
constexpr bool onePresetEachHandler() {
    std::size_t handled = 0;
    for (const OptionInfo& o : kOptions) {
        int presets = 0;
        for (const Preset& preset : kPresets)
            presets += preset.option == o.option;
        if (presets != (o.handled ? 1 : 0))
            return false;
        handled += o.handled;
    }
    return kPresets.size() == handled;
}
static_assert(onePresetEachHandler(), "a preset without its Click handler, or the reverse");

// The consumer buttons stand in three containers, each exclusive by itself: a consumer's preset
// clears every consumer button of the other two, each once, and no other preset clears any.
constexpr bool consumer(Container c) {
    return c == Container::Frame2 || c == Container::Frame3 || c == Container::Frame4;
}
constexpr bool clearsTheOtherConsumers() {
    for (const Preset& preset : kPresets) {
        const Container own = info(preset.option).container;
        std::size_t others = 0;
        for (const OptionInfo& o : kOptions) {
            int cleared = 0;
            for (Option c : preset.clears)
                cleared += c == o.option;
            const bool other = consumer(own) && consumer(o.container) && o.container != own;
            if (cleared != (other ? 1 : 0))
                return false;
            others += other;
        }
        if (preset.clears.size() != others)
            return false;
    }
    return true;
}
static_assert(clearsTheOtherConsumers(), "a consumer's preset that leaves another selected");

void runPreset(Host& host, Option option) {
    for (const Preset& preset : kPresets) {
        if (preset.option != option)
            continue;
        for (const std::optional<Write>& write : preset.writes)
            if (write)
                host.setText(write->field, write->text);
        if (preset.alsoSelect)
            host.setValue(*preset.alsoSelect, true); // runs that button's handler first
        for (Option other : preset.clears)
            host.setValue(other, false);
        return;
    }
}

} // namespace

#define KALVORAN_DEFINE_CLICK(name, container, handled)                                            \
    KALVORAN_IF_##handled(void name##_Click(Host& host) { runPreset(host, Option::name); })
KALVORAN_OPTIONS(KALVORAN_DEFINE_CLICK)
#undef KALVORAN_DEFINE_CLICK

ClickHandler optionClickHandler(Option option) {
    struct Binding {
        Option option;
        ClickHandler handler;
    };
#define KALVORAN_BIND_CLICK(name, container, handled)                                              \
    KALVORAN_IF_##handled(Binding{Option::name, name##_Click}, )
    static constexpr std::array kBindings{KALVORAN_OPTIONS(KALVORAN_BIND_CLICK)};
#undef KALVORAN_BIND_CLICK
    for (const Binding& binding : kBindings)
        if (binding.option == option)
            return binding.handler;
    return nullptr;
}

void bindOptionHandlers(Host& host) {
    host.bindOptionClick([&host](Option option) {
        if (const ClickHandler handler = optionClickHandler(option))
            handler(host);
    });
}

} // namespace kalvoran
