#include <climits>
#include <string>

#include "check.h"
#include "exercise/Digits.h"

using namespace zef;

namespace {

const std::string kThirtyDigits = "123456789012345678901234567890";

void WhatIsANumber() {
    struct Case {
        const char* text;
        bool number;
    };
    const Case cases[] = {
        {"", false},
        {"a", false},
        {".", false},
        {"-", false},
        {"+", false},
        {"1a", false},
        {" 1", false},
        {"1 ", false},
        {"-1", false},
        {"1.5", false},
        // an Arabic-Indic three: not an ASCII digit
        {"\xD9\xA3", false},
        {"0", true},
        {"7", true},
        {"15", true},
        {"007", true},
    };
    for (const Case& c : cases) {
        CHECK_EQ(IsNumber(c.text), c.number);
        CHECK_EQ(RepairBox(c.text), c.number ? std::string(c.text) : std::string("0"));
    }
    CHECK(IsNumber(kThirtyDigits));
}

void ExactValues() {
    struct Case {
        std::string text;
        std::string exact;
        long long saturated;
    };
    const Case cases[] = {
        {"", "0", 0},
        {"x", "0", 0},
        {"000", "0", 0},
        {"0042", "42", 42},
        {"9223372036854775807", "9223372036854775807", LLONG_MAX},
        {"9223372036854775808", "9223372036854775808", LLONG_MAX},
        {"09223372036854775806", "9223372036854775806", LLONG_MAX - 1},
        {kThirtyDigits, kThirtyDigits, LLONG_MAX},
    };
    for (const Case& c : cases) {
        const Decimal value = Decimal::FromText(c.text);
        CHECK_EQ(value.Text(), c.exact);
        CHECK_EQ(value.Saturated(), c.saturated);
    }
}

void Arithmetic() {
    // Only the sums of box values are used; comparing and carrying over
    // many places is what the judging relies on.
    const Decimal nines = Decimal::FromText("99999999999999999999");
    CHECK_EQ((nines + Decimal(1)).Text(), "1" + std::string(20, '0'));
    CHECK(nines < Decimal::FromText("100000000000000000000"));
    CHECK(Decimal::FromText("0009") == Decimal(9) && Decimal(10) > Decimal(9));

    // Boxes D, H, T, E holding 1, 2, 15 and 7 (a column product left in T).
    CHECK_EQ(PlaceValueSum({"7", "15", "2", "1"}).Text(), std::string("1357"));
    CHECK_EQ(PlaceValueSum({"", ".", "a", kThirtyDigits}).Text(), kThirtyDigits + "000");
}

} // namespace

int main() {
    WhatIsANumber();
    ExactValues();
    Arithmetic();
    return zef_check::Summary();
}
