#pragma once

// Which step of a column multiplication went wrong. Every column of a product is its
// column product plus the carry that had to be remembered from the column to its right;
// a wrong digit that equals the column product without that carry is a forgotten carry
// ("onthouden vergeten"), any other wrong digit a slip in the table or in the adding.
// The two-digit multiplication is judged by its sum, but its rows say where it went
// wrong: each row is held against its partial product, the sum against the pupil's own
// rows, so that a wrong row under a sum that follows from it is not blamed on the sum.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exercise/ColumnExercise.h"
#include "exercise/TwoDigitExercise.h"

namespace zef {

enum class Place { E, T, H, D, TD };
enum class Slip { CarryForgotten, Other };
enum class Line { Answer, FirstRow, SecondRow, Sum };

struct ColumnFault {
    Line line = Line::Answer;
    Place place = Place::E;
    Slip slip = Slip::Other;
    int carry = 0; // the carry that had to be added (a forgotten carry only)
    bool operator==(const ColumnFault&) const = default;
};
using Diagnosis = std::vector<ColumnFault>;

// The answer row of a one-digit exercise; empty when the answer is right by its value.
Diagnosis Diagnose(const ColumnExercise& exercise, const AnswerReading& answer);

// The two-digit screen's boxes as the pupil left them (repaired): the first row from
// the units (E, T, H, D), the second row from the tens (T, H, D, TD), and the sum.
struct TwoDigitWork {
    std::array<std::string, 4> firstRow;
    std::array<std::string, 4> secondRow;
    SumReading sum;
};
// Wrong rows are named also under a right sum; the sum's columns only when it is wrong.
Diagnosis DiagnoseTwoDigit(const TwoDigitExercise& exercise, const TwoDigitWork& work);

// The short form kept with a check: one token per wrong column, separated by a blank,
// "[rij1.|rij2.|som.]PLACE-onthouden-CARRY" or "[…]PLACE-reken"; for example
// "H-onthouden-3 T-reken" or "rij2.D-onthouden-1 som.TD-reken". Empty: nothing wrong.
std::string ShortForm(const Diagnosis& diagnosis);
// Null for text that is not such a short form.
std::optional<Diagnosis> ParseShortForm(std::string_view text);

// In words for the teacher: "de 3 van onthouden vergeten bij de honderdtallen",
// "in de eerste rij: rekenfout bij de tientallen".
std::string Describe(const ColumnFault& fault);

} // namespace zef
