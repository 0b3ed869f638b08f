#include <cmath>

#include "check.h"
#include "exercise/Random.h"

using namespace zef;

namespace {

const double kTop = std::nextafter(1.0, 0.0);

// Every range the exercises draw from, at both ends of [0, 1), plus draws a
// faulty source might give.
void DrawRanges() {
    struct Case {
        double k, c, r;
        int expected;
    };
    const Case cases[] = {
        {9, 0, 0.0, 0},       {9, 0, kTop, 8}, // digitE, digitT
        {8, 1, 0.0, 1},       {8, 1, kTop, 8}, // digitH, maler, malerE, malerT
        {6, 1, 0.0, 1},       {6, 1, kTop, 6}, // reward picture
        {9, 0, 8.0 / 9.0, 8}, {8, 1, 0.125, 2}, {8, 1, 1.0, 8}, {9, 0, -0.5, 0}, {8, 1, NAN, 1},
    };
    for (const Case& c : cases) {
        ScriptedRandom rng({c.r});
        CHECK_EQ(DrawInt(rng, c.k, c.c), c.expected);
    }
}

void ClockDrawsStayInRange() {
    ClockRandom rng;
    bool inside = true;
    bool spread = false;
    for (int i = 0; i < 200000; ++i) {
        if (i % 50000 == 0)
            rng.reseed();
        const int digit = DrawInt(rng, 9, 0);
        const int maler = DrawInt(rng, 8, 1);
        inside = inside && digit >= 0 && digit <= 8 && maler >= 1 && maler <= 8;
        spread = spread || (digit == 8 && maler == 8);
    }
    CHECK(inside);
    CHECK(spread);
}

} // namespace

int main() {
    DrawRanges();
    ClockDrawsStayInRange();
    return zef_check::Summary();
}
