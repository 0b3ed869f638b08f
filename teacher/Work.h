#pragma once
// A wrong exercise as the pupil wrote it: the problem in place-value columns, the pupil's
// rows of digits with the wrong ones marked, and what went wrong in words. A two-digit
// exercise read from a CSV has no rows of its own; they are then put back together from
// the diagnosis (a forgotten carry says which digit was written; another slip does not,
// and that digit is shown as "?").
#include "results/Check.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class QPainter;
class QRectF;

namespace teacher {

struct Work {
    struct Row {
        QString name;                 // "antwoord", "eerste rij", "tweede rij", "som"
        std::array<QChar, 5> digit{}; // by place E, T, H, D, TD; null where nothing stands
        std::array<bool, 5> wrong{};
        bool guessed = false; // put back together from the diagnosis
    };
    bool valid = false; // a multiplication the program can lay out
    long long multiplicand = 0;
    int multiplier = 0;
    QList<Row> rows;       // the pupil's rows, from the top
    long long correct = 0; // the right product
    QStringList diagnosis; // in words, one line per wrong column
};

Work workOf(const results::Check& check);

// The columns, scaled into the rectangle.
void paintWork(QPainter& painter, const QRectF& area, const Work& work);

// What a screen reader says for the drawing: the problem, the pupil's rows, the marks.
QString spokenWork(const Work& work);

} // namespace teacher
