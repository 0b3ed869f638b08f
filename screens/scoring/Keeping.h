#pragma once
// What a column screen hands to the results layer after each check: the problem as shown,
// the answer as given, the verdict, the time since the start button and the diagnosis.
#include "exercise/ColumnExercise.h"
#include "exercise/Diagnosis.h"
#include "exercise/TwoDigitExercise.h"
#include "results/Check.h"

#include <QElapsedTimer>
#include <QString>

namespace scoring {

// From the start button to the check.
class Stopwatch {
public:
    void start() { timer_.start(); }
    // Tenths of a second, as the results keep them; 0 when never started.
    double seconds() const { return timer_.isValid() ? double(timer_.elapsed() / 100) / 10.0 : 0.0; }

private:
    QElapsedTimer timer_;
};

results::Check oneDigitCheck(const QString& screen, const zef::ColumnExercise& exercise,
                             const zef::AnswerReading& answer, double seconds);
results::Check twoDigitCheck(const QString& screen, const zef::TwoDigitExercise& exercise,
                             const zef::TwoDigitWork& work, double seconds);

} // namespace scoring
