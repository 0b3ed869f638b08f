#pragma once

// A three-digit number times a one-digit multiplier, worked out column by
// column the way a pupil writes it: units first, the tens digit of each column
// product carried into the next column.

#include <string>
#include <string_view>

#include "exercise/Digits.h"
#include "exercise/Random.h"

namespace zef {

struct ColumnExercise {
    int digitE = 0;                         // 0 to 8
    int digitT = 0;                         // 0 to 8
    int digitH = 0;                         // 1 to 8
    int maler = 0;                          // the multiplier, 1 to 8
    std::string rawE, rawT, rawH;           // column products before any carry
    std::string sumT, sumH;                 // column product plus the carry coming in
    std::string restE, restT, restH, restD; // digit that stays; restD empty below 1000
    std::string plusT, plusH, plusD;        // carry into T, H, D; "0" when none
    int product = 0;
    int expectedNumber = 0; // the control number built from the rest digits
    bool hasThousands = false;
};

struct AnswerReading {
    std::string answerE, answerT, answerH, answerD; // box texts after repair
    long long answerNumber = 0;                     // saturates at the largest long long
    std::string answerText;                         // the exact answer, without leading zeros
};

enum class Verdict { Correct, TooBig, TooSmall };
enum class Column { E, T, H };

// Re-seeds, then draws digitE, digitT, digitH and maler in that order.
ColumnExercise MakeExercise(RandomSource& rng);

// Fills every derived field from digitE, digitT, digitH and maler.
void WorkColumns(ColumnExercise& exercise);

ColumnExercise MakeColumnExercise(int digitH, int digitT, int digitE, int maler);

// The control number: the rest digits read as one number.
int ExpectedNumber(const ColumnExercise& exercise);

// Repairs the four box texts (not a number becomes "0") and reads them as
// D thousands + H hundreds + T tens + E units, each box by its full value.
AnswerReading ReadAnswer(std::string_view e, std::string_view t, std::string_view h, std::string_view d);

Verdict Judge(const ColumnExercise& exercise, const AnswerReading& answer);

// "507 x 6 = 3042"; " < " when the answer is too big, " > " when too small.
std::string ResultLine(const ColumnExercise& exercise, const AnswerReading& answer, Verdict verdict);

// The reminder for the column worked on next: "7 x 4 = ... ".
std::string MemoText(int digit, int maler);

// True when the pupil has to note a carry for that column: its product was 10
// or more, or a carry came in.
bool ColumnNeedsNote(const ColumnExercise& exercise, Column column);

// No column needs a note.
bool IsEasy(const ColumnExercise& exercise);

// The digits H, T and E side by side ("507").
std::string MultiplicandText(const ColumnExercise& exercise);

// The parts shared with the two-digit exercise: the draws (no digit is ever
// 9, the hundreds and multiplier digits never 0), judging an exact answer against
// the true product, and the record line of a judged exercise (the multiplicand,
// " x ", the multiplier, the verdict's sign and the pupil's answer).
int DrawLowDigit(RandomSource& rng);     // 0 to 8: units and tens of the multiplicand
int DrawLeadingDigit(RandomSource& rng); // 1 to 8: hundreds and multiplier digits
Verdict JudgeValue(int expected, std::string_view answerText, long long answerNumber);
std::string RecordLine(std::string_view multiplicand, int multiplier, Verdict verdict, std::string_view answerText);

} // namespace zef
