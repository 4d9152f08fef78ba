// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page, one file that needs nothing beside it: the shell with the window written from
// the table for {{{ WINDOW }}}, the gzipped WebAssembly in base64 for {{{ WASM }}}, the script
// that runs it for {{{ SCRIPT }}}, and the program's icon, a PNG in base64, for {{{ ICON }}}. Run
// under node when the page is built.
// Usage: make_page SHELL SCRIPT WASM_GZ ICON PAGE
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/web/markup.h"

namespace {

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!(in && text << in.rdbuf()))
        throw std::runtime_error("cannot read " + path);
    return text.str();
}

std::string base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t taken = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < taken ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= taken ? kDigits[group >> (18 - 6 * k) & 63] : '=';
    }
    return out;
}

// The gzip stream with its time field (bytes 4 to 7) zeroed, so that a build gives the same page
// whenever it runs.
std::string timeless(std::string gzip) {
    if (gzip.size() < 18 || gzip.compare(0, 3, "\x1f\x8b\x08") != 0)
        throw std::runtime_error("the WebAssembly is not gzipped");
    gzip.replace(4, 4, 4, '\0');
    return gzip;
}

void put(std::string& page, std::string_view mark, const std::string& text) {
    const std::size_t at = page.find(mark);
    if (at == std::string::npos || page.find(mark, at + 1) != std::string::npos)
        throw std::runtime_error("the shell must hold " + std::string(mark) + " once");
    page.replace(at, mark.size(), text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: make_page SHELL SCRIPT WASM_GZ ICON PAGE\n";
        return 2;
    }
    try {
        std::string page = read(argv[1]);
        const std::string script = read(argv[2]);
        if (script.find("</script") != std::string::npos)
            throw std::runtime_error("the script would end its own element");
        put(page, "{{{ WINDOW }}}", kalvoran::windowMarkup());
        put(page, "{{{ WASM }}}", base64(timeless(read(argv[3]))));
        put(page, "{{{ ICON }}}", base64(read(argv[4])));
        put(page, "{{{ SCRIPT }}}", script);
        std::ofstream out(argv[5], std::ios::binary);
        if (!(out << page && out.flush()))
            throw std::runtime_error(std::string("cannot write ") + argv[5]);
    } catch (const std::exception& e) {
        std::cerr << "make_page: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
