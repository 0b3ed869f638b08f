#include "exercise/NumberSense.h"

#include "exercise/ColumnExercise.h"

namespace zef {

int DrawIntroHundreds(RandomSource& rng) {
    const int digit = DrawInt(rng, 9, 0);
    return digit == 0 ? 1 : digit;
}

PlaceValueNumber DrawPlaceValueNumber(RandomSource& rng) {
    rng.reseed();
    PlaceValueNumber number;
    number.unitsDigit = DrawLowDigit(rng);
    number.tensDigit = DrawLowDigit(rng);
    number.hundredsDigit = DrawIntroHundreds(rng);
    return number;
}

TwoNumbers DrawTwoNumbers(RandomSource& rng) {
    rng.reseed();
    TwoNumbers pair;
    pair.first.unitsDigit = DrawLowDigit(rng);
    pair.multiplier = DrawLeadingDigit(rng);
    pair.first.tensDigit = DrawLowDigit(rng);
    pair.first.hundredsDigit = DrawIntroHundreds(rng);
    return pair;
}

bool FormsNextPlace(int columnProduct) {
    return columnProduct > 9;
}

} // namespace zef
