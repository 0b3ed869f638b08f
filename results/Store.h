#pragma once
// Where checks are kept: one interface, two kinds. The local store is an SQLite file of this
// user's; the school's store is a PostgreSQL server. Both hold one table, "controles", with
// the same columns (see school.sql for the server's). Nothing above this layer knows which
// kind it talks to, except through kind().
//
// A store is a database connection: use it on the thread that opened it.
#include "config/Config.h"
#include "results/Check.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace results {

// The layout of the table this program writes. A file of a higher version was written by a
// newer program and is left as it is.
inline constexpr int SchemaVersion = 2;

class Store {
public:
    enum class Kind { Local, School };

    virtual ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Kind kind() const { return kind_; }
    // For the teacher's window: "dit bestand: …" or "de schoolserver …", in Dutch.
    virtual QString describe() const = 0;
    // The last failure in Dutch, for standard error or a message.
    QString lastError() const { return error_; }

    // Adds the check unless its id is there already. False when it was not stored (the
    // disk full, the server gone): the caller keeps it and tries again.
    bool add(const Check& check);
    // Adds all in one transaction: all or none. Returns how many were new, -1 on failure.
    long long addAll(const std::vector<Check>& checks);

    // Adds many checks in one transaction without holding them all (an import); what was
    // not committed is rolled back when the batch goes.
    class Batch {
    public:
        explicit Batch(Store& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        bool add(const Check& check);
        bool commit();
        long long added() const { return added_; }

    private:
        Store& store_;
        std::unique_ptr<class QSqlQuery> query_;
        bool open_ = false;
        long long added_ = 0;
    };
    // Every check in order of time, then id; stops when f returns false.
    bool forEach(const std::function<bool(const Check&)>& f);
    long long count();

    // For queries of their own (aggregates of the teacher's window). The connection
    // belongs to this thread.
    QSqlDatabase db() const;
    // How a column of time is compared in this kind's SQL: the local store keeps ISO text
    // ("2026-12-09T08:15:00Z"), the server a timestamptz; both accept such a text bound
    // as a parameter.
    static QString timeText(const QDateTime& utc);
    static QDateTime fromTimeText(const QString& text);
    // A check read back: checkOf() takes a row whose first columns are readColumns(), in
    // that order, from either kind.
    static QString readColumns();
    static Check checkOf(const class QSqlQuery& row);

    // The table's name in this kind's SQL.
    virtual QString table() const = 0;
    // A moment as this kind's column takes it.
    virtual QVariant timeValue(const QDateTime& utc) const = 0;
    const QString& connectionName() const { return connection_; }

protected:
    Store(Kind kind, QString connection);
    bool fail(const QString& what, const QString& detail);
    QString insertSql() const;
    QString connection_;
    QString error_;

private:
    Kind kind_;
};

// Opens (creating or upgrading) the SQLite file. A damaged file is moved aside with the
// date in its name and a new one started (movedAside says where the old one went); a file
// of a newer program stays untouched and nothing is opened (newer is set). Null on failure,
// with the reason in error.
struct LocalOpening {
    QString movedAside;
    bool newer = false;
    QString error;
};
std::unique_ptr<Store> openLocal(const QString& path, LocalOpening* outcome = nullptr);

// Connects to the school's server with libpq's own password means (~/.pgpass, PGPASSFILE,
// a service file), at most connectSeconds. Null on failure, with the reason in error.
std::unique_ptr<Store> openSchool(const config::School& school, QString* error = nullptr, int connectSeconds = 3);

} // namespace results
