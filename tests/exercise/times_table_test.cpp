#include <algorithm>
#include <string>

#include "check.h"
#include "exercise/TimesTable.h"

using namespace zef;

namespace {

void TableTexts() {
    CHECK_EQ(TimesTableText("4"), std::string("    0 x 4 = 0\r\n    1 x 4 = 4\r\n    2 x 4 = 8\r\n    3 x 4 = 12\r\n"
                                              "    4 x 4 = 16\r\n    5 x 4 = 20\r\n    6 x 4 = 24\r\n    7 x 4 = 28\r\n"
                                              "    8 x 4 = 32\r\n    9 x 4 = 36\r\n   10 x 4 = 40"));
    CHECK_EQ(TimesTableText("10"),
             std::string("    0 x 10 = 0\r\n    1 x 10 = 10\r\n    2 x 10 = 20\r\n    3 x 10 = 30\r\n"
                         "    4 x 10 = 40\r\n    5 x 10 = 50\r\n    6 x 10 = 60\r\n    7 x 10 = 70\r\n"
                         "    8 x 10 = 80\r\n    9 x 10 = 90\r\n   10 x 10 = 100"));
    // T is copied as given; the products use its value, 0 when it is not a number.
    const std::string empty = TimesTableText("");
    CHECK(empty.starts_with("    0 x  = 0\r\n"));
    CHECK(empty.ends_with("   10 x  = 0"));
    CHECK(TimesTableText("07").ends_with("   10 x 07 = 70"));
    CHECK(TimesTableText("99999999999999999999").ends_with(" = 999999999999999999990"));
    CHECK_EQ(std::count(empty.begin(), empty.end(), '\n'), 10);
}

void QuestionLists() {
    struct Case {
        const std::vector<int>* factors;
        int n;
        std::string text;
    };
    const Case cases[] = {
        {&EasyFactors, 6,
         "   0 x 6= ?\r\n   1 x 6= ?\r\n   2 x 6= ?\r\n   3 x 6= ?\r\n"
         "   5 x 6= ?\r\n   10 x 6= ?\r\n"},
        {&HardFactors, 6,
         "   4 x 6= ?\r\n   6 x 6= ?\r\n   7 x 6= ?\r\n   8 x 6= ?\r\n"
         "   9 x 6= ?\r\n"},
        {&EasyFactors, 7,
         "  0 x 7= ?\r\n   1 x 7= ?\r\n   2 x 7= ?\r\n   3 x 7= ?\r\n"
         "   5 x 7= ?\r\n   10 x 7= ?\r\n"},
        {&HardFactors, 7,
         "   4 x 7= ?\r\n   6 x 7= ?\r\n   7 x 7= ?\r\n   8 x 7= ?\r\n"
         "   9 x 7= ?\r\n"},
    };
    for (const Case& c : cases)
        CHECK_EQ(QuestionListText(*c.factors, c.n), c.text);
    for (int n = 1; n <= 10; ++n)
        CHECK_EQ(QuestionListText(EasyFactors, n).substr(0, 3), std::string(n == 6 ? "   " : "  0"));
}

void HundredField() {
    const std::vector<int> expected = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 14, 15, 16,
                                       18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40, 42, 45, 48,
                                       49, 50, 54, 56, 60, 63, 64, 70, 72, 80, 81, 90, 100};
    CHECK(TableProducts == expected);
    CHECK(MultiplesOf(10) == std::vector<int>({0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    for (int n = 1; n <= 10; ++n)
        for (int multiple : MultiplesOf(n))
            CHECK(std::binary_search(TableProducts.begin(), TableProducts.end(), multiple));
}

} // namespace

int main() {
    TableTexts();
    QuestionLists();
    HundredField();
    return zef_check::Summary();
}
