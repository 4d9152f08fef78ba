// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculation and the number text make of each file of the fuzz seed corpus, one line a
// file, compared with the expected transcript: every build, on every platform, gives the same
// bytes. Usage: transcript EXPECTED CORPUS_DIR... (EXPECTED "-" prints the transcript instead)
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/handlers.h"
#include "host/number_text.h"
#include "tests/memory_host.h"

namespace {

using namespace kalvoran;

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The four texts separated by newlines: Text1, Text2, Text3, Text5; "Berechnen" on them.
std::string calculation(const std::string& input) {
    std::array<std::string, 4> texts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t end = i < 3 ? input.find('\n', start) : std::string::npos;
        texts[i] = input.substr(start, end == std::string::npos ? end : end - start);
        start = end == std::string::npos ? input.size() : end + 1;
    }
    MemoryHost host;
    calculateWith(host, texts);
    if (host.boxes.empty())
        return "Text4=" + host.text(Field::Text4);
    const MemoryHost::Box& box = host.boxes.front();
    return "box " + std::to_string(static_cast<int>(box.icon)) + " " + box.title + ": " +
           box.prompt;
}

std::string numberText(const std::string& input) {
    const ParseResult read = parseNumberText(input);
    switch (read.status) {
    case ParseStatus::Ok:
        return "reads as " + formatNumberText(read.value);
    case ParseStatus::NotANumber:
        return "not a number";
    case ParseStatus::OutOfRange:
        break;
    }
    return "out of range";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: transcript EXPECTED CORPUS_DIR...\n";
        return 2;
    }
    std::vector<std::string> lines;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path dir(argv[i]);
        const std::string kind = dir.filename().string();
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            const std::string input = contents(file);
            lines.push_back(kind + "/" + file.filename().string() + ": " +
                            (kind == "calculation" ? calculation(input) : numberText(input)));
        }
    }

    if (std::string(argv[1]) == "-") {
        for (const std::string& line : lines)
            std::cout << line << '\n';
        return 0;
    }
    std::istringstream expected(contents(argv[1]));
    std::string want;
    int failures = 0;
    std::size_t n = 0;
    for (; std::getline(expected, want); ++n)
        if (n >= lines.size() || lines[n] != want) {
            std::cout << "expected: " << want
                      << "\n     got: " << (n < lines.size() ? lines[n] : "") << '\n';
            ++failures;
        }
    for (; n < lines.size(); ++n, ++failures)
        std::cout << "unexpected: " << lines[n] << '\n';
    std::cout << lines.size() << " cases, " << failures << " differ\n";
    return failures == 0 ? 0 : 1;
}
