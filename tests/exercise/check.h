#pragma once

// A minimal check harness for the exercise tests, which link nothing but the
// exercise library. Each test file's main() ends with `return Summary();`.

#include <iostream>
#include <sstream>
#include <string>
#include <type_traits>

namespace zef_check {

inline int passed = 0;
inline int failed = 0;

// Shows CR and LF so that a failing text comparison is readable.
template <typename T>
std::string Show(const T& value) {
    std::ostringstream out;
    if constexpr (std::is_enum_v<T>)
        out << static_cast<int>(value);
    else
        out << value;
    std::string shown;
    for (char c : out.str()) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return shown;
}

inline void Record(bool ok, const char* file, int line, const std::string& what) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::cerr << file << ':' << line << ": failed: " << what << '\n';
}

inline int Summary() {
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

} // namespace zef_check

#define CHECK(cond) ::zef_check::Record(static_cast<bool>(cond), __FILE__, __LINE__, #cond)

#define CHECK_EQ(actual, expected)                                                                                     \
    do {                                                                                                               \
        const auto zef_a = (actual);                                                                                   \
        const auto zef_e = (expected);                                                                                 \
        const bool zef_ok = zef_a == zef_e;                                                                            \
        ::zef_check::Record(zef_ok, __FILE__, __LINE__,                                                                \
                            zef_ok ? std::string()                                                                     \
                                   : std::string(#actual) + " is \"" + ::zef_check::Show(zef_a) + "\", expected \"" +  \
                                         ::zef_check::Show(zef_e) + "\"");                                             \
    } while (false)
