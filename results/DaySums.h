#pragma once
// Sums per pupil and day kept beside the checks, so that a school year of a whole school is
// counted from some hundred thousand day rows instead of a million checks. The database keeps
// them itself: a trigger adds each new check to its day (the local file's below, the
// server's in school.sql, with the same columns). A day is a UTC day: a period that starts
// or ends within one counts those hours from the checks.
#include <QString>
#include <QStringList>

namespace results {

inline constexpr const char* DaySumsTable = "controles_per_dag";

// The columns summed per day, after leerling and dag, in this order: exercises judged,
// right, drills (neither right nor wrong), wrong ones with each kind of mistake (a carry
// forgotten, a table or adding slip, a slip in the sum), then per digit 0..9 of the
// multiplier how often it was used (gN) and how often its work went wrong (fN).
QStringList daySumColumns();
// The latest check of the day is in laatst.

// The local file's steps that add the day sums to a file of the first layout, filling
// them from the checks already there.
QStringList localDaySumSteps();

} // namespace results
