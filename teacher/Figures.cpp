#include "teacher/Figures.h"

#include "results/Csv.h"
#include "results/DaySums.h"
#include "results/Store.h"

#include <QIODevice>
#include <QMap>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace teacher {

QString kindName(int kind) {
    switch (kind) {
    case 0:
        return QStringLiteral("onthouden vergeten");
    case 1:
        return QStringLiteral("tafel- of rekenfout");
    default:
        return QStringLiteral("fout opgeteld");
    }
}

QString mostFrequent(const MistakeKinds& kinds) {
    const long long counts[] = {kinds.carry, kinds.table, kinds.sum};
    const auto most = std::max_element(std::begin(counts), std::end(counts));
    return *most > 0 ? kindName(int(most - std::begin(counts))) : QString();
}

std::optional<double> PupilRow::share() const {
    if (done <= 0)
        return std::nullopt;
    return double(right) / double(done);
}

std::optional<double> PupilRow::trend() const {
    const std::optional<double> now = share();
    if (!now || doneBefore <= 0)
        return std::nullopt;
    return 100.0 * (*now - double(rightBefore) / double(doneBefore));
}

QList<int> PupilRow::worstTables(int n) const {
    QList<int> digits;
    for (int d = 0; d < int(tables.size()); ++d)
        if (tables[d].wrong > 0)
            digits << d;
    // By share wrong (compared as cross products, exact), then by how often it went wrong.
    std::stable_sort(digits.begin(), digits.end(), [this](int a, int b) {
        const DigitTally &x = tables[a], &y = tables[b];
        const long long lhs = x.wrong * y.used, rhs = y.wrong * x.used;
        return lhs != rhs ? lhs > rhs : x.wrong > y.wrong;
    });
    return digits.mid(0, n);
}

void addTo(PupilRow& row, const MultiplierCounts& c) {
    row.right += c.right;
    row.done += c.right + c.wrong;
    row.drills += c.drills;
    row.kinds.carry += c.kinds.carry;
    row.kinds.table += c.kinds.table;
    row.kinds.sum += c.kinds.sum;
    const long long done = c.right + c.wrong;
    if (done == 0 || c.multiplier < 0 || c.multiplier > 99)
        return;
    if (c.multiplier < 10) {
        row.tables[c.multiplier].used += done;
        row.tables[c.multiplier].wrong += c.wrong;
        return;
    }
    const int units = c.multiplier % 10, tens = c.multiplier / 10;
    row.tables[units].used += done;
    row.tables[units].wrong += c.row1Wrong;
    row.tables[tens].used += done;
    row.tables[tens].wrong += c.row2Wrong;
}

namespace {

bool fail(QString* error, const QSqlQuery& q) {
    if (error)
        *error = q.lastError().text();
    return false;
}

QDateTime momentOf(const QVariant& v) {
    // The server hands a timestamp, the local file its ISO text.
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().toUTC() : results::Store::fromTimeText(v.toString());
}

// SQLite keeps the times as text. For a long stretch counted from the checks its planner
// would take the time index and then sort every check of it by pupil; "+" leaves it a scan
// in the pupils' order. A short stretch is found faster through the time index.
QString timeColumn(const results::Store& store, bool longSpan) {
    return store.kind() == results::Store::Kind::Local && longSpan ? QStringLiteral("+tijdstip")
                                                                   : QStringLiteral("tijdstip");
}

bool prepareRange(QSqlQuery& q, const results::Store& store, const QString& sql, const QDateTime& start,
                  const QDateTime& end, const QString& pupil) {
    if (!q.prepare(sql))
        return false;
    q.addBindValue(store.timeValue(start));
    q.addBindValue(store.timeValue(end));
    if (!pupil.isNull())
        q.addBindValue(pupil);
    return true;
}

// A stretch of time counted from the checks themselves.
struct Span {
    QDateTime start, end;
};

// A period as the day sums can count it: the whole UTC days within it, and the hours at
// either end (a local midnight is seldom a UTC one) left to the checks.
struct Split {
    QDate firstDay, endDay; // [firstDay, endDay); empty when endDay <= firstDay
    QList<Span> rest;
};

Split split(const QDateTime& start, const QDateTime& end, bool daySums) {
    Split out;
    if (daySums) {
        const QDateTime s = start.toUTC(), e = end.toUTC();
        out.firstDay = s.time() == QTime(0, 0) ? s.date() : s.date().addDays(1);
        out.endDay = e.date();
    }
    if (!daySums || out.endDay <= out.firstDay) {
        out.firstDay = out.endDay = {};
        out.rest << Span{start, end};
        return out;
    }
    const QDateTime dayStart(out.firstDay, QTime(0, 0), Qt::UTC), dayEnd(out.endDay, QTime(0, 0), Qt::UTC);
    if (start < dayStart)
        out.rest << Span{start, dayStart};
    if (dayEnd < end)
        out.rest << Span{dayEnd, end};
    return out;
}

QString daySumsTable(const results::Store& store) {
    // "controles" → "controles_per_dag", with the server's schema where it has one.
    return store.table() + QStringLiteral("_per_dag");
}

bool hasDaySums(results::Store& store) {
    QSqlQuery q(store.db());
    const QString sql = store.kind() == results::Store::Kind::Local
                            ? QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = '%1'")
                            : QStringLiteral("SELECT to_regclass('%1') IS NOT NULL");
    return q.exec(sql.arg(daySumsTable(store))) && q.next() && q.value(0).toBool();
}

QVariant dayValue(const results::Store& store, const QDate& day) {
    return store.kind() == results::Store::Kind::Local ? QVariant(day.toString(Qt::ISODate)) : QVariant(day);
}

void seen(PupilRow& row, const QDateTime& last) {
    if (!row.lastActive.isValid() || last > row.lastActive)
        row.lastActive = last;
}

// Whole days from the day sums: of the period, or of the period before (only how much was
// done and how much right, for the trend).
bool readDays(results::Store& store, const Split& days, const QString& pupil, bool before,
              QMap<QString, PupilRow>& rows, QString* error) {
    QStringList sums;
    for (const QString& column : results::daySumColumns().mid(0, before ? 2 : -1))
        sums << QStringLiteral("sum(%1)").arg(column);
    const QString sql = QStringLiteral("SELECT leerling, max(laatst), %1 FROM %2 WHERE dag >= ? AND dag < ?%3"
                                       " GROUP BY leerling")
                            .arg(sums.join(QStringLiteral(", ")), daySumsTable(store),
                                 pupil.isNull() ? QString() : QStringLiteral(" AND leerling = ?"));
    QSqlQuery q(store.db());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return fail(error, q);
    q.addBindValue(dayValue(store, days.firstDay));
    q.addBindValue(dayValue(store, days.endDay));
    if (!pupil.isNull())
        q.addBindValue(pupil);
    if (!q.exec())
        return fail(error, q);
    while (q.next()) {
        PupilRow& row = rows[q.value(0).toString()];
        seen(row, momentOf(q.value(1)));
        const auto n = [&q](int k) { return q.value(2 + k).toLongLong(); };
        if (before) {
            row.doneBefore += n(0);
            row.rightBefore += n(1);
            continue;
        }
        row.done += n(0);
        row.right += n(1);
        row.drills += n(2);
        row.kinds.carry += n(3);
        row.kinds.table += n(4);
        row.kinds.sum += n(5);
        for (int d = 0; d < 10; ++d) {
            row.tables[d].used += n(6 + d);
            row.tables[d].wrong += n(16 + d);
        }
    }
    return !q.lastError().isValid() || fail(error, q);
}

// A stretch of the period counted from its checks, per pupil and multiplier.
bool readChecks(results::Store& store, const Span& span, bool longSpan, const QString& pupil,
                QMap<QString, PupilRow>& rows, QString* error) {
    const QString onePupil = pupil.isNull() ? QString() : QStringLiteral(" AND leerling = ?");
    QSqlQuery q(store.db());
    q.setForwardOnly(true);
    // A drill is what is neither right nor wrong.
    const QString now = QStringLiteral("SELECT leerling, maler, count(*), count(*) FILTER (WHERE oordeel = 'goed'),"
                                       " count(*) FILTER (WHERE oordeel = 'fout'), max(tijdstip),"
                                       " count(*) FILTER (WHERE oordeel = 'fout' AND onthouden > 0),"
                                       " count(*) FILTER (WHERE oordeel = 'fout' AND rekenfouten > 0),"
                                       " count(*) FILTER (WHERE oordeel = 'fout' AND optelfouten > 0),"
                                       " count(*) FILTER (WHERE oordeel = 'fout' AND fouten LIKE '%rij1.%'),"
                                       " count(*) FILTER (WHERE oordeel = 'fout' AND fouten LIKE '%rij2.%')"
                                       " FROM %1 WHERE %2 >= ? AND %2 < ?%3 GROUP BY leerling, maler")
                            .arg(store.table(), timeColumn(store, longSpan), onePupil);
    if (!prepareRange(q, store, now, span.start, span.end, pupil) || !q.exec())
        return fail(error, q);
    QString name;
    PupilRow* row = nullptr;
    while (q.next()) {
        // The rows come by pupil: one lookup per pupil, not per row.
        if (!row || q.value(0).toString() != name) {
            name = q.value(0).toString();
            row = &rows[name];
        }
        MultiplierCounts c;
        c.multiplier = q.value(1).toInt();
        c.right = q.value(3).toLongLong();
        c.wrong = q.value(4).toLongLong();
        c.drills = q.value(2).toLongLong() - c.right - c.wrong;
        c.kinds = {q.value(6).toLongLong(), q.value(7).toLongLong(), q.value(8).toLongLong()};
        c.row1Wrong = q.value(9).toLongLong();
        c.row2Wrong = q.value(10).toLongLong();
        addTo(*row, c);
        seen(*row, momentOf(q.value(5)));
    }
    return !q.lastError().isValid() || fail(error, q);
}

bool readChecksBefore(results::Store& store, const Span& span, bool longSpan, const QString& pupil,
                      QMap<QString, PupilRow>& rows, QString* error) {
    const QString sql = QStringLiteral("SELECT leerling, oordeel, count(*), max(tijdstip) FROM %1"
                                       " WHERE %2 >= ? AND %2 < ?%3 GROUP BY leerling, oordeel")
                            .arg(store.table(), timeColumn(store, longSpan),
                                 pupil.isNull() ? QString() : QStringLiteral(" AND leerling = ?"));
    QSqlQuery q(store.db());
    q.setForwardOnly(true);
    if (!prepareRange(q, store, sql, span.start, span.end, pupil) || !q.exec())
        return fail(error, q);
    while (q.next()) {
        PupilRow& row = rows[q.value(0).toString()];
        const QString verdict = q.value(1).toString();
        const long long n = q.value(2).toLongLong();
        if (verdict == results::Right || verdict == results::Wrong)
            row.doneBefore += n;
        if (verdict == results::Right)
            row.rightBefore += n;
        seen(row, momentOf(q.value(3)));
    }
    return !q.lastError().isValid() || fail(error, q);
}

// The rows of the period and of the period before, by pupil; one pupil's when pupil is set.
bool readRows(results::Store& store, const Period& period, const QString& pupil, QMap<QString, PupilRow>& rows,
              QString* error) {
    const bool daySums = hasDaySums(store);
    const bool longPeriod = period.first.daysTo(period.last) > 62;
    const Split now = split(period.startUtc(), period.endUtc(), daySums);
    if (now.endDay > now.firstDay && !readDays(store, now, pupil, false, rows, error))
        return false;
    for (const Span& span : now.rest)
        if (!readChecks(store, span, longPeriod && !daySums, pupil, rows, error))
            return false;
    const Period before = period.before();
    const bool longBefore = before.first.daysTo(before.last) > 62;
    const Split earlier = split(before.startUtc(), before.endUtc(), daySums);
    if (earlier.endDay > earlier.firstDay && !readDays(store, earlier, pupil, true, rows, error))
        return false;
    for (const Span& span : earlier.rest)
        if (!readChecksBefore(store, span, longBefore && !daySums, pupil, rows, error))
            return false;
    return true;
}

} // namespace

std::optional<Overview> readOverview(results::Store& store, const Period& period, const QStringList& classList,
                                     QString* error) {
    QMap<QString, PupilRow> rows;
    for (const QString& name : classList)
        rows[name];
    if (!readRows(store, period, QString(), rows, error))
        return std::nullopt;
    Overview out;
    out.period = period;
    out.rows.reserve(rows.size());
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        it->pupil = it.key();
        out.rows << *it;
    }
    return out;
}

std::optional<PupilPage> readPupil(results::Store& store, const QString& pupil, const Period& period, int lastWrong,
                                   QString* error) {
    QMap<QString, PupilRow> rows;
    rows[pupil];
    if (!readRows(store, period, pupil, rows, error))
        return std::nullopt;
    PupilPage page;
    page.period = period;
    page.summary = rows.value(pupil);
    page.summary.pupil = pupil;

    // Counted per hour by the database and put into the local weeks here: the weeks follow
    // the local clock, summer time included, which the two kinds of SQL do not share.
    for (QDate monday = mondayOf(period.first); monday <= period.last; monday = monday.addDays(7))
        page.weeks << WeekTally{monday};
    const QString hour = store.kind() == results::Store::Kind::Local
                             ? QStringLiteral("CAST(strftime('%s', tijdstip) AS INTEGER) / 3600")
                             : QStringLiteral("CAST(floor(extract(epoch FROM tijdstip) / 3600) AS bigint)");
    QSqlQuery q(store.db());
    q.setForwardOnly(true);
    const QString perHour = QStringLiteral("SELECT %1, count(*) FILTER (WHERE oordeel = 'goed'),"
                                           " count(*) FILTER (WHERE oordeel = 'fout') FROM %2"
                                           " WHERE tijdstip >= ? AND tijdstip < ? AND leerling = ? GROUP BY 1")
                                .arg(hour, store.table());
    if (!prepareRange(q, store, perHour, period.startUtc(), period.endUtc(), pupil) || !q.exec()) {
        fail(error, q);
        return std::nullopt;
    }
    while (q.next()) {
        const QDate day = QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong() * 3600).toLocalTime().date();
        const qint64 week = mondayOf(period.first).daysTo(day) / 7;
        if (week < 0 || week >= page.weeks.size())
            continue;
        page.weeks[week].right += q.value(1).toLongLong();
        page.weeks[week].wrong += q.value(2).toLongLong();
    }
    if (q.lastError().isValid()) {
        fail(error, q);
        return std::nullopt;
    }

    const QString wrong = QStringLiteral("SELECT %1 FROM %2 WHERE tijdstip >= ? AND tijdstip < ? AND leerling = ?"
                                         " AND oordeel = 'fout' ORDER BY tijdstip DESC, id DESC LIMIT %3")
                              .arg(results::Store::readColumns(), store.table())
                              .arg(std::max(0, lastWrong));
    if (!prepareRange(q, store, wrong, period.startUtc(), period.endUtc(), pupil) || !q.exec()) {
        fail(error, q);
        return std::nullopt;
    }
    while (q.next())
        page.lastWrong << results::Store::checkOf(q);
    if (q.lastError().isValid()) {
        fail(error, q);
        return std::nullopt;
    }
    return page;
}

long long exportChecks(results::Store& store, const Period& period, const QStringList& pupils, QIODevice& out,
                       QString* error) {
    const QSet<QString> only(pupils.begin(), pupils.end());
    const QString onePupil = pupils.size() == 1 ? QStringLiteral(" AND leerling = ?") : QString();
    QSqlQuery q(store.db());
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE tijdstip >= ? AND tijdstip < ?%3 ORDER BY tijdstip, id")
                            .arg(results::Store::readColumns(), store.table(), onePupil);
    if (!prepareRange(q, store, sql, period.startUtc(), period.endUtc(), pupils.size() == 1 ? pupils[0] : QString()) ||
        !q.exec()) {
        fail(error, q);
        return -1;
    }
    long long written = 0;
    const bool ok = results::writeCsv(out, [&](const std::function<void(const results::Check&)>& add) {
        while (q.next()) {
            const results::Check c = results::Store::checkOf(q);
            if (!only.isEmpty() && !only.contains(c.pupil))
                continue;
            add(c);
            ++written;
        }
    });
    if (q.lastError().isValid()) {
        fail(error, q);
        return -1;
    }
    if (!ok) {
        if (error)
            *error = out.errorString();
        return -1;
    }
    return written;
}

} // namespace teacher
