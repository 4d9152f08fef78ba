// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the window, as data: kind, container, caption, geometry, tab index, font.
// The window is built from this table by one loop (main_window.cpp).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "host/host.h"

namespace kalvoran {

enum class Kind { Frame, TextField, Label, OptionButton, CommandButton };

enum class FontRole {
    Default,   // the window's dialog font
    Large,     // text fields and unit labels
    LargeBold, // the result field
};

struct FontInfo {
    int points;
    bool bold;
};
// By role, in the order of the enum.
inline constexpr std::array<FontInfo, 3> kFonts{{{8, false}, {12, false}, {12, true}}};
constexpr const FontInfo& info(FontRole role) { return kFonts[static_cast<std::size_t>(role)]; }

// The faces a control's text is drawn in, best first: the two the layout was drawn with, MS Sans
// Serif's bitmaps (made for 96 dpi) first; then, for a system that has neither, faces of Arial's
// widths, the nearest to them.
inline constexpr std::array<std::string_view, 7> kFaces{
    "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Arimo",
    "Helvetica"};
inline constexpr std::size_t kLayoutFaceCount = 2;

// Positions and sizes are in twips (15 to a pixel at 96 dpi), outer size, relative to the
// container's outer top-left corner (for a frame: its caption line included).
struct ControlSpec {
    std::string_view name;
    Kind kind;
    Container parent;
    std::string_view caption;
    int left, top, width, height;
    int tabIndex;
    FontRole font = FontRole::Default;
    std::string_view toolTip = {};
    std::string_view accessibleName = {};
    std::optional<Field> unitOf = {}; // a unit label: the field whose text it stands level with
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr std::string_view kWindowCaption = "Der Kalvoran";
inline constexpr int kClientWidthTwips = 7020;
inline constexpr int kClientHeightTwips = 6720;
// The maker's name is the build's (CMakeLists.txt), as in the version record and the packages.
inline constexpr std::string_view kMakerNotice = "© " KALVORAN_MAKER;

std::span<const ControlSpec> controlTable();

std::optional<Field> fieldNamed(std::string_view name);
std::optional<Option> optionNamed(std::string_view name);
std::optional<Container> containerNamed(std::string_view name);

} // namespace kalvoran
