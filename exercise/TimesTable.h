#pragma once

// Texts and numbers of the tables of 1 to 10, used by the times-table room
// and by the reminder panel of the two-digit exercise.

#include <string>
#include <string_view>
#include <vector>

namespace zef {

// The eleven lines 0 x T to 10 x T with their products, CR LF between lines
// and none after the last: three blanks, the factor in two characters, " x ",
// T exactly as given, " = ", the product. A T that is not a number (see
// IsNumber) counts as 0, so every product is then 0; a long T is multiplied
// exactly.
std::string TimesTableText(std::string_view T);

extern const std::vector<int> EasyFactors; // 0, 1, 2, 3, 5, 10
extern const std::vector<int> HardFactors; // 4, 6, 7, 8, 9

// One question "k x n= ?" per factor, each line ending in CR LF. Lines start
// with three blanks, except a leading factor 0 (the easy list), which starts
// with two for every table but 6.
std::string QuestionListText(const std::vector<int>& factors, int n);

// 0 and every product a x b with 1 <= a, b <= 10, ascending: the only boxes of
// the hundred field that a table ever colours (43 of them).
extern const std::vector<int> TableProducts;

// k x n for k = 0 to 10, in that order.
std::vector<int> MultiplesOf(int n);

} // namespace zef
