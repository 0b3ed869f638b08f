#pragma once
// The exercise library speaks std::string: these let a QtTest data row carry one and show it,
// CR and LF made visible, when a comparison fails.
#include <QTest>
#include <string>

Q_DECLARE_METATYPE(std::string)

namespace QTest {
template <>
inline char* toString(const std::string& text) {
    return toPrettyCString(text.data(), qsizetype(text.size()));
}
} // namespace QTest
