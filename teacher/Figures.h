#pragma once
// The teacher's figures, asked of the database as aggregates: per pupil and multiplier the
// database counts, the program only adds those counts up. Plain functions on a store, to be
// called on the store's own thread.
#include "results/Check.h"
#include "teacher/Period.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class QIODevice;

namespace results {
class Store;
}

namespace teacher {

// Wrong exercises in which each kind of mistake was made (one exercise can have several).
struct MistakeKinds {
    long long carry = 0; // a carry forgotten
    long long table = 0; // a table or adding slip in a product
    long long sum = 0;   // a slip in the sum of the two rows
    bool operator==(const MistakeKinds&) const = default;
};
// The kind made most often, in words ("onthouden vergeten"); empty when there was none.
QString mostFrequent(const MistakeKinds& kinds);
QString kindName(int kind); // 0 carry, 1 table, 2 sum

// One digit of the multiplier, one of the tables: how often it was used and how often the
// work for it went wrong. A one-digit multiplication goes wrong with its digit when its
// verdict is wrong; a two-digit one judged wrong with the units digit when its first row
// has a slip, with the tens digit when its second row has one (a slip in the sum is no
// table's fault).
struct DigitTally {
    long long used = 0;
    long long wrong = 0;
    bool operator==(const DigitTally&) const = default;
};
using Tables = std::array<DigitTally, 10>;

struct PupilRow {
    QString pupil;
    long long done = 0;  // exercises checked, right or wrong
    long long right = 0; // of those right
    long long drills = 0;
    QDateTime lastActive; // UTC, in this period or the one before; invalid when neither
    long long doneBefore = 0, rightBefore = 0;
    MistakeKinds kinds;
    Tables tables{};

    // The share right in [0, 1]; none without exercises.
    std::optional<double> share() const;
    // The share right now minus the share in the period before, in percentage points.
    std::optional<double> trend() const;
    // The digits whose work went wrong most often relatively, worst first, at most n.
    QList<int> worstTables(int n) const;
};

struct Overview {
    Period period;
    QList<PupilRow> rows; // by name
};

struct WeekTally {
    QDate monday;
    long long right = 0, wrong = 0;
};

struct PupilPage {
    Period period;
    PupilRow summary;
    QList<WeekTally> weeks;          // every week of the period, empty ones too
    QList<results::Check> lastWrong; // newest first
};

// What the database counts for one pupil and multiplier; folded into the pupil's row.
struct MultiplierCounts {
    int multiplier = 0;
    long long right = 0, wrong = 0, drills = 0;
    long long row1Wrong = 0, row2Wrong = 0; // two-digit work with a slip in that row
    MistakeKinds kinds;
};
void addTo(PupilRow& row, const MultiplierCounts& counts);

// The pupils with checks in the period or the one before, and those of the class list.
std::optional<Overview> readOverview(results::Store& store, const Period& period, const QStringList& classList,
                                     QString* error);
std::optional<PupilPage> readPupil(results::Store& store, const QString& pupil, const Period& period, int lastWrong,
                                   QString* error);

// Writes the period's checks as the pupil's program exports them (results/Csv.h), oldest
// first: those of the named pupils, or all when none are named. Returns how many were
// written, -1 on failure.
long long exportChecks(results::Store& store, const Period& period, const QStringList& pupils, QIODevice& out,
                       QString* error);

} // namespace teacher
