#include "exercise/ColumnExercise.h"

#include <algorithm>

namespace zef {

namespace {

// One column step: the digit that stays and the carry that goes on. Division
// and remainder give the same texts as first and last character for the
// two-digit values that occur, and stay right for any value.
void SplitColumn(int value, std::string& rest, std::string& plus) {
    rest = std::to_string(value % 10);
    plus = std::to_string(value / 10);
}

std::string VerdictSign(Verdict verdict) {
    switch (verdict) {
    case Verdict::Correct:
        return " = ";
    case Verdict::TooBig:
        return " < "; // the true product is smaller than the answer
    case Verdict::TooSmall:
        return " > ";
    }
    return " = ";
}

} // namespace

int DrawLowDigit(RandomSource& rng) {
    return DrawInt(rng, 9, 0);
}

int DrawLeadingDigit(RandomSource& rng) {
    return DrawInt(rng, 8, 1);
}

ColumnExercise MakeExercise(RandomSource& rng) {
    rng.reseed();
    ColumnExercise exercise;
    exercise.digitE = DrawLowDigit(rng);
    exercise.digitT = DrawLowDigit(rng);
    exercise.digitH = DrawLeadingDigit(rng);
    exercise.maler = DrawLeadingDigit(rng);
    WorkColumns(exercise);
    return exercise;
}

void WorkColumns(ColumnExercise& ex) {
    const int columnE = ex.digitE * ex.maler;
    const int columnT = ex.digitT * ex.maler;
    const int columnH = ex.digitH * ex.maler;
    ex.rawE = std::to_string(columnE);
    ex.rawT = std::to_string(columnT);
    ex.rawH = std::to_string(columnH);

    SplitColumn(columnE, ex.restE, ex.plusT);

    const int valueT = columnT + columnE / 10;
    ex.sumT = std::to_string(valueT);
    SplitColumn(valueT, ex.restT, ex.plusH);

    const int valueH = columnH + valueT / 10;
    ex.sumH = std::to_string(valueH);
    SplitColumn(valueH, ex.restH, ex.plusD);
    ex.hasThousands = valueH >= 10;
    ex.restD = ex.hasThousands ? ex.plusD : std::string();

    ex.product = (ex.digitH * 100 + ex.digitT * 10 + ex.digitE) * ex.maler;
    ex.expectedNumber = ExpectedNumber(ex);
}

ColumnExercise MakeColumnExercise(int digitH, int digitT, int digitE, int maler) {
    ColumnExercise exercise;
    exercise.digitH = digitH;
    exercise.digitT = digitT;
    exercise.digitE = digitE;
    exercise.maler = maler;
    WorkColumns(exercise);
    return exercise;
}

int ExpectedNumber(const ColumnExercise& ex) {
    const auto value = [](const std::string& text) { return static_cast<int>(Decimal::FromText(text).Saturated()); };
    return value(ex.restD) * 1000 + value(ex.restH) * 100 + value(ex.restT) * 10 + value(ex.restE);
}

AnswerReading ReadAnswer(std::string_view e, std::string_view t, std::string_view h, std::string_view d) {
    AnswerReading answer;
    answer.answerE = RepairBox(e);
    answer.answerT = RepairBox(t);
    answer.answerH = RepairBox(h);
    answer.answerD = RepairBox(d);
    const Decimal total = PlaceValueSum({answer.answerE, answer.answerT, answer.answerH, answer.answerD});
    answer.answerNumber = total.Saturated();
    answer.answerText = total.Text();
    return answer;
}

Verdict JudgeValue(int expected, std::string_view answerText, long long answerNumber) {
    // The text is the exact answer; the number is only a fallback for a
    // reading that was put together without one.
    const Decimal answer = IsNumber(answerText) ? Decimal::FromText(answerText)
                                                : Decimal(static_cast<unsigned long long>(std::max(0LL, answerNumber)));
    const Decimal wanted(static_cast<unsigned long long>(std::max(0, expected)));
    if (answer == wanted)
        return Verdict::Correct;
    return wanted < answer ? Verdict::TooBig : Verdict::TooSmall;
}

Verdict Judge(const ColumnExercise& exercise, const AnswerReading& answer) {
    return JudgeValue(exercise.expectedNumber, answer.answerText, answer.answerNumber);
}

std::string RecordLine(std::string_view multiplicand, int multiplier, Verdict verdict, std::string_view answerText) {
    return std::string(multiplicand) + " x " + std::to_string(multiplier) + VerdictSign(verdict) +
           std::string(answerText);
}

std::string ResultLine(const ColumnExercise& exercise, const AnswerReading& answer, Verdict verdict) {
    return RecordLine(MultiplicandText(exercise), exercise.maler, verdict, answer.answerText);
}

std::string MemoText(int digit, int maler) {
    return std::to_string(digit) + " x " + std::to_string(maler) + " = ... ";
}

bool ColumnNeedsNote(const ColumnExercise& ex, Column column) {
    switch (column) {
    case Column::E:
        return ex.rawE != ex.restE;
    case Column::T:
        return ex.rawT != ex.restT;
    case Column::H:
        return ex.rawH != ex.restH;
    }
    return false;
}

bool IsEasy(const ColumnExercise& ex) {
    return !ColumnNeedsNote(ex, Column::E) && !ColumnNeedsNote(ex, Column::T) && !ColumnNeedsNote(ex, Column::H);
}

std::string MultiplicandText(const ColumnExercise& ex) {
    return std::to_string(ex.digitH) + std::to_string(ex.digitT) + std::to_string(ex.digitE);
}

} // namespace zef
