#pragma once

#include <cstddef>
#include <random>
#include <vector>

namespace zef {

// Where the exercise models get their chance from. Screens use ClockRandom;
// tests script the exact draws so that a chosen problem comes out.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0; // uniform in [0, 1)
    virtual void reseed() = 0; // re-seed from the clock
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
};

// Returns the given draws in order, then keeps repeating the last one (0 when
// there are none). Counts the re-seeds so a test can see that they happen.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> draws = {});
    double next() override;
    void reseed() override;
    int reseeds() const;
    int drawsTaken() const;
    void push(double draw);

private:
    std::vector<double> draws_;
    std::size_t position_ = 0;
    int reseeds_ = 0;
    int drawsTaken_ = 0;
};

// floor(r * k + c) for the next draw r. A draw outside [0, 1) from a faulty
// source is pulled back inside, so a range can never grow by one (a digit 9).
int DrawInt(RandomSource& rng, double k, double c);

} // namespace zef
