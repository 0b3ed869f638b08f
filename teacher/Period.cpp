#include "teacher/Period.h"

#include <QLocale>
#include <QTimeZone>
#include <utility>

namespace teacher {

namespace {

QString dayName(const QDate& d, bool withYear) {
    const QLocale dutch(QLocale::Dutch);
    return withYear ? dutch.toString(d, QStringLiteral("d MMMM yyyy")) : dutch.toString(d, QStringLiteral("d MMMM"));
}

QDateTime localMidnight(const QDate& d) {
    // A midnight skipped by a clock change is taken as the first moment of the day.
    QDateTime t(d, QTime(0, 0), QTimeZone::systemTimeZone());
    if (!t.isValid())
        t = QDateTime(d, QTime(1, 0), QTimeZone::systemTimeZone());
    return t.toUTC();
}

} // namespace

QDate mondayOf(const QDate& day) {
    return day.addDays(1 - day.dayOfWeek());
}

Period Period::week(const QDate& day) {
    const QDate monday = mondayOf(day);
    return {Kind::Week, monday, monday.addDays(6)};
}

Period Period::month(const QDate& day) {
    const QDate first(day.year(), day.month(), 1);
    return {Kind::Month, first, first.addMonths(1).addDays(-1)};
}

Period Period::schoolYear(const QDate& day) {
    const int startYear = day.month() >= 8 ? day.year() : day.year() - 1;
    return {Kind::SchoolYear, QDate(startYear, 8, 1), QDate(startYear + 1, 7, 31)};
}

Period Period::range(const QDate& from, const QDate& to) {
    return from <= to ? Period{Kind::Range, from, to} : Period{Kind::Range, to, from};
}

Period Period::of(Kind kind, const QDate& day) {
    switch (kind) {
    case Kind::Week:
        return week(day);
    case Kind::Month:
        return month(day);
    case Kind::SchoolYear:
        return schoolYear(day);
    case Kind::Range:
        break;
    }
    return range(day, day);
}

Period Period::before() const {
    if (kind == Kind::Range) {
        const qint64 days = first.daysTo(last) + 1;
        return {Kind::Range, first.addDays(-days), first.addDays(-1)};
    }
    return of(kind, first.addDays(-1));
}

QDateTime Period::startUtc() const {
    return localMidnight(first);
}

QDateTime Period::endUtc() const {
    return localMidnight(last.addDays(1));
}

QString Period::name() const {
    switch (kind) {
    case Kind::Week:
        return QStringLiteral("week van %1 t/m %2")
            .arg(dayName(first, first.year() != last.year()), dayName(last, true));
    case Kind::Month:
        return QLocale(QLocale::Dutch).toString(first, QStringLiteral("MMMM yyyy"));
    case Kind::SchoolYear:
        return QStringLiteral("schooljaar %1-%2").arg(first.year()).arg(last.year());
    case Kind::Range:
        break;
    }
    if (first == last)
        return dayName(first, true);
    return QStringLiteral("%1 t/m %2").arg(dayName(first, first.year() != last.year()), dayName(last, true));
}

} // namespace teacher
