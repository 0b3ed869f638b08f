#pragma once

// A three-digit number times a two-digit multiplier: a first row (times the
// units digit), a second row (times the tens digit, one place to the left)
// and their sum. Only the sum is judged; the rows are the pupil's working.

#include <string>
#include <string_view>

#include "exercise/ColumnExercise.h"
#include "exercise/Digits.h"
#include "exercise/Random.h"

namespace zef {

struct TwoDigitExercise {
    int digitE = 0; // 0 to 8
    int digitT = 0; // 0 to 8
    int digitH = 0; // 1 to 8
    int malerE = 0; // units digit of the multiplier, 1 to 8
    int malerT = 0; // tens digit of the multiplier, 1 to 8
    int multiplicand = 0;
    int multiplier = 0;
    int partialE = 0; // first row: multiplicand x malerE
    int partialT = 0; // second row: multiplicand x malerT x 10
    int product = 0;
};

struct SumReading {
    std::string answerE, answerT, answerH, answerD, answerTD; // box texts after repair
    long long answerNumber = 0;                               // saturates at the largest long long
    std::string answerText;                                   // the exact answer, without leading zeros
};

// Re-seeds, then draws digitE, digitT, digitH, malerE and malerT in that order.
TwoDigitExercise MakeTwoDigitExercise(RandomSource& rng);

// multiplicand 100 to 888 and multiplier 11 to 88, split into their digits.
TwoDigitExercise MakeTwoDigit(int multiplicand, int multiplier);

// RepairBox (exercise/Digits.h) repairs each box before it is read.
SumReading ReadSumAnswer(std::string_view e, std::string_view t, std::string_view h, std::string_view d,
                         std::string_view td);

Verdict JudgeSum(const TwoDigitExercise& exercise, const SumReading& answer);

// "507 x 36 = 18252"; " < " when the answer is too big, " > " when too small.
std::string TwoDigitResultLine(const TwoDigitExercise& exercise, const SumReading& answer, Verdict verdict);

// Which optional boxes the screen shows; the bounds count as the longer number.
bool ShowsFirstRowThousands(const TwoDigitExercise& exercise);     // partialE >= 1000
bool ShowsSecondRowTenThousands(const TwoDigitExercise& exercise); // partialT >= 10000
bool ShowsSumTenThousands(const TwoDigitExercise& exercise);       // product >= 10000

} // namespace zef
