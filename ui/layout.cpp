// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include <array>

#include "ui/binding.h"

namespace kalvoran {
namespace {

using enum Kind;
using enum FontRole;
using C = Container;

constexpr std::array kLayout{
    // clang-format off
    // name, kind, container, caption, left, top, width, height (twips), tab index,
    // then where needed: font, tooltip, accessible name, the field a unit label belongs to
    ControlSpec{"Frame1", Frame, C::Form1,
        "Quellenspannung (hier wird die Versorgungsspannung in V (Volt) angegeben)", 240, 240, 6495, 855, 0},
    ControlSpec{"Text1",  TextField, C::Frame1, "",           120,  240, 1575, 495,  1, Large, {}, "Quellenspannung in Volt"},
    ControlSpec{"Label3", Label,  C::Frame1, "Volt",         1920,  360,  615, 255, 44, Large, {}, {}, Field::Text1},
    ControlSpec{"opt5v",  OptionButton, C::Frame1, "5   Volt",     2640,  240,  975, 255,  2},
    ControlSpec{"opt12v", OptionButton, C::Frame1, "12 Volt",      2640,  480,  975, 255,  3},
    ControlSpec{"opt33",  OptionButton, C::Frame1, "3,3 Volt",     3600,  240, 1095, 255,  4},
    ControlSpec{"opt10",  OptionButton, C::Frame1, "10  Volt",     3600,  480,  975, 255,  5},
    ControlSpec{"opt24",  OptionButton, C::Frame1, "24 Volt",      4560,  240,  855, 255,  6},
    ControlSpec{"opt30",  OptionButton, C::Frame1, "30 Volt",      4560,  480,  855, 255,  7},
    ControlSpec{"belque", OptionButton, C::Frame1, "beliebiger Wert", 5400, 240, 975, 495,  8},

    ControlSpec{"Frame2", Frame, C::Form1, "Verbrauchsspannung pro Verbraucher", 240, 1200, 6495, 2055, 9},
    ControlSpec{"Text2",  TextField, C::Frame2, "",           120,  240, 1575, 495, 10, Large, {}, "Verbrauchsspannung pro Verbraucher in Volt"},
    ControlSpec{"Label4", Label,  C::Frame2, "Volt",         1920,  360,  615, 255, 45, Large, {}, {}, Field::Text2},
    ControlSpec{"lednor", OptionButton, C::Frame2, "LED normal",   1680,  840,  975, 495, 11},
    ControlSpec{"belverbr", OptionButton, C::Frame2, "beliebiger Wert", 120, 960, 1455, 255, 12},
    ControlSpec{"Frame3", Frame,  C::Frame2, "Ultrahelle LED\u00B4s", 2760, 240, 3615, 975, 13},
    ControlSpec{"ledrot", OptionButton, C::Frame3, "LED rot",       120,  240,  975, 255, 14},
    ControlSpec{"ledgelb", OptionButton, C::Frame3, "LED gelb",    2160,  240,  975, 255, 15},
    ControlSpec{"ledgrün", OptionButton, C::Frame3, "LED grün",     120,  600, 1095, 255, 16},
    ControlSpec{"ledblau", OptionButton, C::Frame3, "LED blau",    2160,  600,  975, 255, 17},
    ControlSpec{"ledweiß", OptionButton, C::Frame3, "LED weiß",    1080,  240, 1095, 255, 18},
    ControlSpec{"leduv",  OptionButton, C::Frame3, "LED UV",       1080,  600,  975, 255, 19},
    ControlSpec{"Frame4", Frame,  C::Frame2, "Lüfter \"drosseln\"", 120, 1320, 6255, 615, 20},
    ControlSpec{"lüft9v", OptionButton, C::Frame4, "Lüfter auf 9 Volt", 240, 240, 1575, 255, 21},
    ControlSpec{"lüft7v", OptionButton, C::Frame4, "Lüfter auf 7 Volt", 2040, 240, 1455, 255, 22},
    ControlSpec{"lüft5v", OptionButton, C::Frame4, "Lüfter auf 5 Volt", 4200, 240, 1935, 255, 23},

    ControlSpec{"Frame6", Frame, C::Form1, "Strom des/der Verbraucher(s)", 240, 3360, 6495, 855, 40},
    ControlSpec{"Text5",  TextField, C::Frame6, "",           120,  240, 1575, 495, 41, Large, {}, "Strom in Milliampere"},
    ControlSpec{"Label5", Label,  C::Frame6, "mA",           1920,  360,  615, 375, 46, Large, {}, {}, Field::Text5},
    ControlSpec{"stromueber", OptionButton, C::Frame6, "Wert übernehmen", 2880, 360, 1575, 255, 42},
    ControlSpec{"strombel", OptionButton, C::Frame6, "beliebiger Wert", 4560, 240, 1815, 495, 43},

    ControlSpec{"Frame5", Frame, C::Form1, "Anzahl der Verbraucher (in Reihe geschaltet)", 240, 4320, 6495, 855, 24},
    ControlSpec{"Text3",  TextField, C::Frame5, "",           120,  240, 1575, 495, 25, Large, {}, "Anzahl der Verbraucher"},
    ControlSpec{"verbr1", OptionButton, C::Frame5, "einer",        1800,  240, 1215, 255, 26},
    ControlSpec{"verbr2", OptionButton, C::Frame5, "zwei",         1800,  480, 1095, 255, 27},
    ControlSpec{"verbr3", OptionButton, C::Frame5, "drei",         2880,  240,  975, 255, 28},
    ControlSpec{"verbr4", OptionButton, C::Frame5, "vier",         2880,  480,  975, 255, 29},
    ControlSpec{"verbr5", OptionButton, C::Frame5, "fünf",         3960,  240,  855, 255, 30},
    ControlSpec{"verbr6", OptionButton, C::Frame5, "sechs",        3960,  480, 1095, 255, 31},
    ControlSpec{"belanz", OptionButton, C::Frame5, "beliebiger Wert", 5040, 240, 1335, 495, 32},

    ControlSpec{"Text4",  TextField, C::Form1, "",            360, 5280, 1575, 525, 33, LargeBold, {}, "Ergebnis in Ohm"},
    ControlSpec{"Label6", Label,  C::Form1, "Ohm",           2160, 5400,  855, 375, 47, Large, {}, {}, Field::Text4},
    ControlSpec{"berechnen", CommandButton, C::Form1, "Berechnen", 3360, 5280, 1695, 495, 35, Default,
        "Berechnug mit den angegebenen Werten durchführen"},
    ControlSpec{"neurechnen", CommandButton, C::Form1, "Neu",      5160, 5280, 1575, 495, 36, Default,
        "Leert Felder für neue Angaben. Die alten Werte können aber auch überschrieben werden."},
    ControlSpec{"hilfe",  CommandButton, C::Form1, "Hilfe",        3360, 5880, 1695, 495, 37, Default,
        "Zeigt eine kurze Hilfe"},
    ControlSpec{"beenden", CommandButton, C::Form1, "Beenden",     5160, 5880, 1575, 495, 38, Default,
        "Beendet dieses Programm"},
    ControlSpec{"Label2", Label,  C::Form1, kMakerNotice,    4200, 6480, 3135, 255, 39},
    // clang-format on
};

constexpr std::optional<Container> containerNamedIn(std::string_view name) {
    for (const ContainerInfo& c : kContainers)
        if (name == c.name)
            return c.container;
    return std::nullopt;
}

constexpr std::optional<Option> optionNamedIn(std::string_view name) {
    for (const OptionInfo& o : kOptions)
        if (name == o.name)
            return o.option;
    return std::nullopt;
}

constexpr std::optional<Field> fieldNamedIn(std::string_view name) {
    for (const FieldInfo& f : kFields)
        if (name == f.name)
            return f.field;
    return std::nullopt;
}

// The container that holds the field of that name.
constexpr std::optional<Container> placeOfField(Field field) {
    for (const ControlSpec& c : kLayout)
        if (fieldNamedIn(c.name) == field)
            return c.parent;
    return std::nullopt;
}

// The table agrees with the host's names and the binding tables: every field, option button and
// frame is there once, each option button in the container the host keeps it exclusive in, every
// command button bound and every bound command button there, frames contained in frames that
// come before them, and tab indices unique.
constexpr bool layoutAgreesWithHost() {
    int options = 0, fields = 0, frames = 0, commands = 0;
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const ControlSpec& c = kLayout[i];
        for (std::size_t j = 0; j < i; ++j)
            if (kLayout[j].name == c.name || kLayout[j].tabIndex == c.tabIndex)
                return false;
        switch (c.kind) {
        case Kind::OptionButton: {
            const auto o = optionNamedIn(c.name);
            if (!o || info(*o).container != c.parent)
                return false;
            ++options;
            break;
        }
        case Kind::TextField:
            if (!fieldNamedIn(c.name))
                return false;
            ++fields;
            break;
        case Kind::Frame:
            if (!containerNamedIn(c.name))
                return false;
            ++frames;
            break;
        case Kind::CommandButton:
            if (!commandHandler(c.name))
                return false;
            ++commands;
            break;
        case Kind::Label:
            // A unit label stands in its field's container.
            if (c.unitOf && placeOfField(*c.unitOf) != c.parent)
                return false;
            break;
        }
        if (c.unitOf && c.kind != Kind::Label)
            return false;
        if (c.parent != Container::Form1) {
            bool parentBefore = false;
            for (std::size_t j = 0; j < i; ++j)
                parentBefore = parentBefore || containerNamedIn(kLayout[j].name) == c.parent;
            if (!parentBefore)
                return false;
        }
    }
    return options == int(kOptions.size()) && fields == int(kFields.size()) &&
           frames == int(kContainers.size()) - 1 &&
           commands == static_cast<int>(kCommandBindings.size());
}
static_assert(layoutAgreesWithHost());

} // namespace

std::span<const ControlSpec> controlTable() { return kLayout; }

std::optional<Field> fieldNamed(std::string_view name) { return fieldNamedIn(name); }
std::optional<Option> optionNamed(std::string_view name) { return optionNamedIn(name); }
std::optional<Container> containerNamed(std::string_view name) { return containerNamedIn(name); }

} // namespace kalvoran
