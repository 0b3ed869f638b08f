#include "exercise/TwoDigitExercise.h"

namespace zef {

namespace {

void WorkOut(TwoDigitExercise& ex) {
    ex.multiplicand = ex.digitH * 100 + ex.digitT * 10 + ex.digitE;
    ex.multiplier = ex.malerT * 10 + ex.malerE;
    ex.partialE = ex.multiplicand * ex.malerE;
    ex.partialT = ex.multiplicand * ex.malerT * 10;
    ex.product = ex.partialE + ex.partialT;
}

} // namespace

TwoDigitExercise MakeTwoDigitExercise(RandomSource& rng) {
    rng.reseed();
    TwoDigitExercise exercise;
    exercise.digitE = DrawLowDigit(rng);
    exercise.digitT = DrawLowDigit(rng);
    exercise.digitH = DrawLeadingDigit(rng);
    exercise.malerE = DrawLeadingDigit(rng);
    exercise.malerT = DrawLeadingDigit(rng);
    WorkOut(exercise);
    return exercise;
}

TwoDigitExercise MakeTwoDigit(int multiplicand, int multiplier) {
    TwoDigitExercise exercise;
    exercise.digitE = multiplicand % 10;
    exercise.digitT = multiplicand / 10 % 10;
    exercise.digitH = multiplicand / 100;
    exercise.malerE = multiplier % 10;
    exercise.malerT = multiplier / 10;
    WorkOut(exercise);
    return exercise;
}

SumReading ReadSumAnswer(std::string_view e, std::string_view t, std::string_view h, std::string_view d,
                         std::string_view td) {
    SumReading answer;
    answer.answerE = RepairBox(e);
    answer.answerT = RepairBox(t);
    answer.answerH = RepairBox(h);
    answer.answerD = RepairBox(d);
    answer.answerTD = RepairBox(td);
    const Decimal total =
        PlaceValueSum({answer.answerE, answer.answerT, answer.answerH, answer.answerD, answer.answerTD});
    answer.answerNumber = total.Saturated();
    answer.answerText = total.Text();
    return answer;
}

Verdict JudgeSum(const TwoDigitExercise& exercise, const SumReading& answer) {
    return JudgeValue(exercise.product, answer.answerText, answer.answerNumber);
}

std::string TwoDigitResultLine(const TwoDigitExercise& exercise, const SumReading& answer, Verdict verdict) {
    const std::string multiplicand =
        std::to_string(exercise.digitH) + std::to_string(exercise.digitT) + std::to_string(exercise.digitE);
    return RecordLine(multiplicand, exercise.multiplier, verdict, answer.answerText);
}

bool ShowsFirstRowThousands(const TwoDigitExercise& exercise) {
    return exercise.partialE >= 1000;
}

bool ShowsSecondRowTenThousands(const TwoDigitExercise& exercise) {
    return exercise.partialT >= 10000;
}

bool ShowsSumTenThousands(const TwoDigitExercise& exercise) {
    return exercise.product >= 10000;
}

} // namespace zef
