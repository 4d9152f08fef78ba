# SPDX-License-Identifier: GPL-3.0-or-later
# Building for the browser with Debian's emscripten (the web preset names the Python and the
# Node.js modules its wrapper needs). Its tests run under node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
find_program(KALVORAN_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KALVORAN_NODE})
