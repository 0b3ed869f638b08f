#pragma once
// The stretch of days the teacher looks at, in local dates, and the stretch before it that
// the trend is measured against.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace teacher {

struct Period {
    enum class Kind { Week, Month, SchoolYear, Range };
    Kind kind = Kind::Week;
    QDate first; // inclusive
    QDate last;  // inclusive

    // The week (Monday to Sunday), the month or the school year (1 August to 31 July)
    // that holds the day; a range from-to as given, the two dates in either order.
    static Period week(const QDate& day);
    static Period month(const QDate& day);
    static Period schoolYear(const QDate& day);
    static Period range(const QDate& from, const QDate& to);
    static Period of(Kind kind, const QDate& day);

    // The period just before, of the same kind: the week, month or school year before, or
    // as many days before a range.
    Period before() const;

    // The local midnights that bound it, in UTC: start <= moment < end.
    QDateTime startUtc() const;
    QDateTime endUtc() const;

    // "deze week", "december 2026", "schooljaar 2026-2027", "1 t/m 14 december 2026".
    QString name() const;
    bool operator==(const Period&) const = default;
};

// The Monday that starts the week holding the day.
QDate mondayOf(const QDate& day);

} // namespace teacher
