#include <cmath>

#include "check.h"
#include "exercise/NumberSense.h"

using namespace zef;

namespace {

const double kTop = std::nextafter(1.0, 0.0);

double For(int digit) {
    return (digit + 0.5) / 9;
} // the draw that floor(r * 9) maps to digit

// Over the nine intervals of r, 1 comes twice and 0 and 9 never; both ends of [0, 1) too.
void HundredsDigit() {
    int counts[10] = {};
    for (int i = 0; i < 9; ++i) {
        ScriptedRandom rng({For(i)});
        ++counts[DrawIntroHundreds(rng)];
    }
    const int expected[10] = {0, 2, 1, 1, 1, 1, 1, 1, 1, 0};
    for (int d = 0; d <= 9; ++d)
        CHECK_EQ(counts[d], expected[d]);
    ScriptedRandom ends({0.0, kTop});
    CHECK_EQ(DrawIntroHundreds(ends), 1);
    CHECK_EQ(DrawIntroHundreds(ends), 8);
}

// Each draw re-seeds once, then takes its digits in its own order.
void DrawOrders() {
    ScriptedRandom places({For(5), For(8), For(4)}); // units, tens, hundreds
    CHECK_EQ(DrawPlaceValueNumber(places).Number(), 485);
    CHECK_EQ(places.reseeds(), 1);
    ScriptedRandom pair({For(7), 2.5 / 8, For(8), For(4)}); // units, multiplier, tens, hundreds
    const TwoNumbers drawn = DrawTwoNumbers(pair);
    CHECK_EQ(drawn.first.Number() * 10 + drawn.multiplier, 4873);
    CHECK_EQ(pair.reseeds(), 1);
    CHECK(!FormsNextPlace(9) && FormsNextPlace(10));
}

} // namespace

int main() {
    HundredsDigit();
    DrawOrders();
    return zef_check::Summary();
}
