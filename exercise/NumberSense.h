#pragma once

// The draws of the two introductions to number sense: a three-digit number to
// split into its place values, and that number with a one-digit multiplier to
// multiply column by column without carrying.

#include "exercise/Random.h"

namespace zef {

// floor(r * 9), with 0 taken as 1: 1 to 8, and 1 twice as likely as any other
// digit. Unlike the exercise models, which draw 1 to 8 evenly.
int DrawIntroHundreds(RandomSource& rng);

struct PlaceValueNumber {
    int unitsDigit = 0;    // 0 to 8
    int tensDigit = 0;     // 0 to 8
    int hundredsDigit = 0; // 1 to 8
    int Number() const { return 100 * hundredsDigit + 10 * tensDigit + unitsDigit; }
};

// Re-seeds, then draws the units, tens and hundreds digits in that order.
PlaceValueNumber DrawPlaceValueNumber(RandomSource& rng);

struct TwoNumbers {
    PlaceValueNumber first;
    int multiplier = 0; // 1 to 8
};

// Re-seeds, then draws the units digit, the multiplier, the tens digit and the
// hundreds digit in that order.
TwoNumbers DrawTwoNumbers(RandomSource& rng);

// A column product of 10 or more forms a new unit of the next place value.
bool FormsNextPlace(int columnProduct);

} // namespace zef
