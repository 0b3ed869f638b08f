#include "exercise/Random.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace zef {

namespace {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ClockRandom::ClockRandom() : engine_(ClockSeed()) {}

double ClockRandom::next() {
    // The top 53 bits scaled by 2^-53 are exactly representable and always
    // below 1; std::generate_canonical may round up to 1.0 on some libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void ClockRandom::reseed() {
    engine_.seed(ClockSeed());
}

ScriptedRandom::ScriptedRandom(std::vector<double> draws) : draws_(std::move(draws)) {}

double ScriptedRandom::next() {
    ++drawsTaken_;
    if (draws_.empty())
        return 0.0;
    if (position_ < draws_.size())
        return draws_[position_++];
    return draws_.back();
}

void ScriptedRandom::reseed() {
    ++reseeds_;
}

int ScriptedRandom::reseeds() const {
    return reseeds_;
}

int ScriptedRandom::drawsTaken() const {
    return drawsTaken_;
}

void ScriptedRandom::push(double draw) {
    draws_.push_back(draw);
}

int DrawInt(RandomSource& rng, double k, double c) {
    const double below_one = std::nextafter(1.0, 0.0);
    double r = rng.next();
    if (!(r >= 0.0)) // also catches NaN
        r = 0.0;
    else if (r > below_one)
        r = below_one;
    // r * k stays below k, but adding c first can round a value just under
    // the next whole number up onto it (r just below 1, k = 8, c = 1 gives
    // exactly 9.0). With a whole c, floor(r * k) + c is the same number
    // without that rounding.
    const double scaled = r * k;
    if (c == std::floor(c))
        return static_cast<int>(std::floor(scaled)) + static_cast<int>(c);
    return static_cast<int>(std::floor(scaled + c));
}

} // namespace zef
