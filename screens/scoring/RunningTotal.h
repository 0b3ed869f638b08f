#pragma once
// The running total of correct checks lives in the menu's lblgemaakt; the exercise
// screens that raise it copy it on load and activation and write it back on leaving.
#include <algorithm>

class Program;

namespace scoring {

// The total is a signed 16-bit count.
inline constexpr int MostCorrect = 32767;

// The menu's total; 0 when lblgemaakt holds no number, and never below 0 or past MostCorrect.
int menuTotal(Program& program);
// The total after one more correct check.
constexpr int raised(int total) {
    return std::min(total + 1, MostCorrect);
}

} // namespace scoring
