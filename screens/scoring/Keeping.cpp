#include "screens/scoring/Keeping.h"

namespace scoring {

namespace {

results::Check judged(const QString& screen, const std::string& problem, const std::string& answer, bool right,
                      const zef::Diagnosis& diagnosis, double seconds) {
    results::Check c;
    c.screen = screen.trimmed();
    c.problem = QString::fromStdString(problem);
    c.answer = QString::fromStdString(answer);
    c.verdict = right ? results::Right : results::Wrong;
    c.seconds = seconds;
    c.faults = QString::fromStdString(zef::ShortForm(diagnosis));
    return c;
}

QString row(const std::array<std::string, 4>& boxes, int zeros) {
    // The row as a number, read like the sum: each box by its place (the second row starts
    // at the tens); empty when the pupil wrote nothing in it.
    long long value = 0, place = 1;
    bool any = false;
    for (int i = 0; i < zeros; ++i)
        place *= 10;
    for (const std::string& box : boxes) {
        if (!box.empty() && box != "0")
            any = true;
        long long digit = 0;
        for (char ch : box)
            digit = ch >= '0' && ch <= '9' && digit < 100'000'000 ? digit * 10 + (ch - '0') : digit;
        value += digit * place;
        place *= 10;
    }
    return any ? QString::number(value) : QString();
}

} // namespace

results::Check oneDigitCheck(const QString& screen, const zef::ColumnExercise& exercise,
                             const zef::AnswerReading& answer, double seconds) {
    const bool right = zef::Judge(exercise, answer) == zef::Verdict::Correct;
    return judged(screen, zef::MultiplicandText(exercise) + " x " + std::to_string(exercise.maler), answer.answerText,
                  right, zef::Diagnose(exercise, answer), seconds);
}

results::Check twoDigitCheck(const QString& screen, const zef::TwoDigitExercise& exercise,
                             const zef::TwoDigitWork& work, double seconds) {
    const bool right = zef::JudgeSum(exercise, work.sum) == zef::Verdict::Correct;
    results::Check c =
        judged(screen, std::to_string(exercise.multiplicand) + " x " + std::to_string(exercise.multiplier),
               work.sum.answerText, right, zef::DiagnoseTwoDigit(exercise, work), seconds);
    c.row1 = row(work.firstRow, 0);
    c.row2 = row(work.secondRow, 1);
    return c;
}

} // namespace scoring
