// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest of test frameworks for the programs that run under Wine: CHECK_EQ prints what
// differs, with the row it belongs to, and main() returns the number of failures.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

#include "host/win32/utf16.h"

namespace kalvoran::check {

inline int checks = 0;
inline int failures = 0;
inline std::string row; // what the current case checks

inline std::string shown(const std::wstring& s) { return '"' + toUtf8(s) + '"'; }
inline std::string shown(const std::string& s) { return '"' + s + '"'; }
inline std::string shown(const char* s) { return shown(std::string(s)); }
inline std::string shown(const wchar_t* s) { return shown(std::wstring(s)); }
template <class T>
std::string shown(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

template <class A, class B>
void equal(const A& got, const B& want, const char* what, int line) {
    ++checks;
    if (got == want)
        return;
    ++failures;
    std::printf("FAIL line %d [%s] %s: got %s, want %s\n", line, row.c_str(), what,
                shown(got).c_str(), shown(want).c_str());
}

template <class A, class B>
void atMost(const A& got, const B& limit, const char* what, int line) {
    ++checks;
    if (got <= limit)
        return;
    ++failures;
    std::printf("FAIL line %d [%s] %s: got %s, more than %s\n", line, row.c_str(), what,
                shown(got).c_str(), shown(limit).c_str());
}

} // namespace kalvoran::check

#define CHECK_EQ(got, want) ::kalvoran::check::equal((got), (want), #got, __LINE__)
#define CHECK_LE(got, limit) ::kalvoran::check::atMost((got), (limit), #got, __LINE__)
#define CHECK(condition) CHECK_EQ(bool(condition), true)
