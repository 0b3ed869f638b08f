#pragma once

// Reading the text of an answer box.
//
// What counts as a number is decided here and nowhere else: one or more ASCII
// digits and nothing else. An empty box, a letter, a lone point or sign, a
// blank before or after the digits ("1a", " 1", "-1", "+1", "1.5") are not
// numbers; the screens write "0" into such a box and count it as 0.
//
// A pupil can type or paste any number of digits into a box, so a box value
// is held exactly as decimal text (Decimal below) rather than in a machine
// integer: place values are added on that text, the answer text shown and
// recorded is the true sum, and judging compares true values. Nothing wraps
// around and nothing fails, however long the text. Where a plain integer is
// wanted, Decimal::Saturated() gives it, stopping at the largest long long.

#include <compare>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zef {

bool IsNumber(std::string_view text);

// The box text itself when it is a number, otherwise "0".
std::string RepairBox(std::string_view text);

// An exact whole number of any size, zero or more.
class Decimal {
public:
    Decimal() = default;
    explicit Decimal(unsigned long long value);

    // The value of a box text; text that is not a number counts as 0.
    static Decimal FromText(std::string_view text);

    // Decimal digits without leading zeros ("0" for zero).
    std::string Text() const { return digits_; }

    // The value as a long long, or the largest long long when it is bigger.
    long long Saturated() const;

    // This value times 10^places: the value of a box that stands that many
    // places to the left of the units.
    Decimal Shifted(int places) const;

    Decimal Times(unsigned factor) const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) = default;
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

private:
    std::string digits_ = "0"; // most significant first, no leading zeros
};

// The value of a row of boxes given units first: box i counts times 10^i with
// its full value (a box may hold more than one digit); not a number counts 0.
Decimal PlaceValueSum(std::initializer_list<std::string_view> boxesUnitsFirst);

} // namespace zef
