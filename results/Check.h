#pragma once
// One verdict the program gave, as it is kept: a check of a column screen, or one drill
// of the times-table room.
#include <QDateTime>
#include <QString>

namespace results {

struct Check {
    QString id;         // a UUID without braces: the same check is never stored twice
    QString pupil;      // "leerling"
    QDateTime moment;   // UTC, whole seconds
    QString screen;     // the screen's caption without blanks around it
    QString problem;    // "476 x 6"; a drill: "tafel van 7"
    QString answer;     // the pupil's number; empty for a drill
    QString row1, row2; // the two-digit screen's rows as the pupil wrote them; empty elsewhere
    QString verdict;    // "goed" or "fout"; a drill: "klaar" (ran out) or "onderbroken"
    double seconds = 0; // from the start button to the check; a drill: how long it ran
    QString faults;     // the diagnosis in its short form (zef::ShortForm); empty: nothing wrong

    // Derived from problem and faults (derive()), kept so that the teacher's figures come
    // from the database's own aggregates.
    int multiplier = 0;  // 6, 36; a drill: its table
    int carryFaults = 0; // columns where the carry was forgotten
    int tableFaults = 0; // other wrong columns of a product (a table or addition slip)
    int sumFaults = 0;   // wrong columns in the sum of the two rows, the rows themselves aside
};

// Verdict words.
inline const QString Right = QStringLiteral("goed");
inline const QString Wrong = QStringLiteral("fout");
inline const QString DrillDone = QStringLiteral("klaar");
inline const QString DrillCut = QStringLiteral("onderbroken");

// A fresh check: a new id, this moment.
Check newCheck();

// Fills the derived fields from problem and faults.
void derive(Check& check);

// Where this user's own results are kept: $XDG_DATA_HOME/zefranol/resultaten.sqlite.
QString localStorePath();

} // namespace results
