#include "results/Store.h"

#include "results/DaySums.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace results {

namespace {

QString newConnectionName(const char* kind) {
    static QAtomicInt counter;
    return QStringLiteral("zefranol-%1-%2").arg(QLatin1String(kind)).arg(counter.fetchAndAddOrdered(1));
}

const char* const Columns = "id, leerling, tijdstip, scherm, opgave, antwoord, rij1, rij2, oordeel, seconden, fouten, "
                            "maler, onthouden, rekenfouten, optelfouten";

// One step per version: step v turns a file of version v into one of version v + 1.
const char* const FirstLayout[] = {
    "CREATE TABLE controles ("
    " id TEXT NOT NULL PRIMARY KEY,"
    " leerling TEXT NOT NULL,"
    " tijdstip TEXT NOT NULL,"
    " scherm TEXT NOT NULL,"
    " opgave TEXT NOT NULL,"
    " antwoord TEXT NOT NULL DEFAULT '',"
    " rij1 TEXT NOT NULL DEFAULT '',"
    " rij2 TEXT NOT NULL DEFAULT '',"
    " oordeel TEXT NOT NULL,"
    " seconden REAL NOT NULL DEFAULT 0,"
    " fouten TEXT NOT NULL DEFAULT '',"
    " maler INTEGER NOT NULL DEFAULT 0,"
    " onthouden INTEGER NOT NULL DEFAULT 0,"
    " rekenfouten INTEGER NOT NULL DEFAULT 0,"
    " optelfouten INTEGER NOT NULL DEFAULT 0,"
    // 1 once the school's server has it; a computer without a server leaves it 0.
    " verzonden INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX controles_tijd ON controles (tijdstip, id)",
    "CREATE INDEX controles_leerling ON controles (leerling, tijdstip)",
    "CREATE INDEX controles_te_verzenden ON controles (tijdstip) WHERE verzonden = 0",
    // The first layout's way to the teacher's overview; the day sums took its place.
    "CREATE INDEX controles_overzicht ON controles (leerling, maler, oordeel, tijdstip, onthouden, rekenfouten, "
    "optelfouten, fouten)"};

QStringList localStep(int version) {
    if (version == 0) {
        QStringList out;
        for (const char* sql : FirstLayout)
            out << QString::fromLatin1(sql);
        return out;
    }
    return localDaySumSteps() << QStringLiteral("DROP INDEX IF EXISTS controles_overzicht");
}

bool exec(QSqlQuery& q, const QString& sql) {
    return q.exec(sql);
}

class LocalStore : public Store {
public:
    explicit LocalStore(QString path) : Store(Kind::Local, newConnectionName("sqlite")), path_(std::move(path)) {}
    QString describe() const override { return QStringLiteral("dit bestand: %1").arg(path_); }
    QString table() const override { return QStringLiteral("controles"); }
    QVariant timeValue(const QDateTime& utc) const override { return timeText(utc); }
    const QString& path() const { return path_; }

private:
    QString path_;
};

class SchoolStore : public Store {
public:
    SchoolStore(QString where) : Store(Kind::School, newConnectionName("psql")), where_(std::move(where)) {}
    QString describe() const override { return QStringLiteral("de schoolserver %1").arg(where_); }
    QString table() const override { return QStringLiteral("zefranol.controles"); }
    QVariant timeValue(const QDateTime& utc) const override { return utc; }

private:
    QString where_;
};

// The two SQLite codes that mean the bytes are not a database any more.
bool isDamage(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("26") || code == QLatin1String("11") ||
           e.databaseText().contains(QLatin1String("not a database")) ||
           e.databaseText().contains(QLatin1String("malformed"));
}

enum class Look { Fine, Damaged, Newer, Failed };

// Opens the connection and brings the file to this program's version.
Look prepare(QSqlDatabase& db, QString& error) {
    if (!db.open()) {
        error = db.lastError().text();
        return isDamage(db.lastError()) ? Look::Damaged : Look::Failed;
    }
    QSqlQuery q(db);
    // Another copy of the program may be writing: wait for it rather than fail.
    if (!exec(q, QStringLiteral("PRAGMA busy_timeout = 5000"))) {
        error = q.lastError().text();
        return Look::Failed;
    }
    if (!exec(q, QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != QLatin1String("ok")) {
        error = q.lastError().isValid() ? q.lastError().text() : q.value(0).toString();
        return (q.lastError().isValid() && !isDamage(q.lastError())) ? Look::Failed : Look::Damaged;
    }
    if (!exec(q, QStringLiteral("PRAGMA user_version")) || !q.next()) {
        error = q.lastError().text();
        return Look::Failed;
    }
    int version = q.value(0).toInt();
    if (version > SchemaVersion)
        return Look::Newer;
    // WAL lets a second copy read and write beside this one; NORMAL still keeps every
    // committed check when the program is killed.
    exec(q, QStringLiteral("PRAGMA journal_mode = WAL"));
    exec(q, QStringLiteral("PRAGMA synchronous = NORMAL"));
    if (version == SchemaVersion)
        return Look::Fine;
    // BEGIN IMMEDIATE: two copies starting together upgrade the file once.
    if (!exec(q, QStringLiteral("BEGIN IMMEDIATE"))) {
        error = q.lastError().text();
        return Look::Failed;
    }
    exec(q, QStringLiteral("PRAGMA user_version"));
    version = q.next() ? q.value(0).toInt() : version;
    for (int v = version; v < SchemaVersion; ++v) {
        for (const QString& step : localStep(v)) {
            if (!exec(q, step)) {
                error = q.lastError().text();
                exec(q, QStringLiteral("ROLLBACK"));
                return Look::Failed;
            }
        }
    }
    if (!exec(q, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) || !exec(q, QStringLiteral("COMMIT"))) {
        error = q.lastError().text();
        exec(q, QStringLiteral("ROLLBACK"));
        return Look::Failed;
    }
    return Look::Fine;
}

QString asideName(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = path + QStringLiteral(".beschadigd-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".beschadigd-") + stamp + QLatin1Char('-') + QString::number(n);
    return aside;
}

} // namespace

Store::Store(Kind kind, QString connection) : connection_(std::move(connection)), kind_(kind) {}

Store::~Store() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase Store::db() const {
    return QSqlDatabase::database(connection_, false);
}

QString Store::timeText(const QDateTime& utc) {
    return utc.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QDateTime Store::fromTimeText(const QString& text) {
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    return t.isValid() ? t.toUTC() : t;
}

bool Store::fail(const QString& what, const QString& detail) {
    error_ = detail.isEmpty() ? what : what + QStringLiteral(": ") + detail;
    return false;
}

QString Store::insertSql() const {
    // Without a conflict target: a pupil's server account may add but not read, and naming
    // the id as the target would need reading it.
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                          "ON CONFLICT DO NOTHING")
        .arg(table(), QLatin1String(Columns));
}

namespace {
// A text never goes in as NULL: the columns hold '' for "nothing".
QString text(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

void bindCheck(QSqlQuery& q, const Check& c, const QVariant& time) {
    q.bindValue(0, text(c.id));
    q.bindValue(1, text(c.pupil));
    q.bindValue(2, time);
    q.bindValue(3, text(c.screen));
    q.bindValue(4, text(c.problem));
    q.bindValue(5, text(c.answer));
    q.bindValue(6, text(c.row1));
    q.bindValue(7, text(c.row2));
    q.bindValue(8, text(c.verdict));
    q.bindValue(9, c.seconds);
    q.bindValue(10, text(c.faults));
    q.bindValue(11, c.multiplier);
    q.bindValue(12, c.carryFaults);
    q.bindValue(13, c.tableFaults);
    q.bindValue(14, c.sumFaults);
}
} // namespace

bool Store::add(const Check& check) {
    return addAll({check}) >= 0;
}

long long Store::addAll(const std::vector<Check>& checks) {
    Batch batch(*this);
    for (const Check& c : checks)
        if (!batch.add(c))
            return -1;
    return batch.commit() ? batch.added() : -1;
}

Store::Batch::Batch(Store& store) : store_(store) {
    QSqlDatabase d = store_.db();
    if (!d.isOpen()) {
        store_.fail(QStringLiteral("de verbinding is dicht"), {});
        return;
    }
    if (!d.transaction()) {
        store_.fail(QStringLiteral("kon niet beginnen met opslaan"), d.lastError().text());
        return;
    }
    query_ = std::make_unique<QSqlQuery>(d);
    if (!query_->prepare(store_.insertSql())) {
        store_.fail(QStringLiteral("kon niet opslaan"), query_->lastError().text());
        d.rollback();
        return;
    }
    open_ = true;
}

Store::Batch::~Batch() {
    query_.reset();
    if (open_)
        store_.db().rollback();
}

bool Store::Batch::add(const Check& c) {
    if (!open_)
        return false;
    bindCheck(*query_, c, store_.timeValue(c.moment));
    if (!query_->exec()) {
        store_.fail(QStringLiteral("kon niet opslaan"), query_->lastError().text());
        return false;
    }
    added_ += std::max(0, query_->numRowsAffected());
    return true;
}

bool Store::Batch::commit() {
    if (!open_)
        return false;
    query_.reset();
    QSqlDatabase d = store_.db();
    open_ = false;
    if (!d.commit()) {
        store_.fail(QStringLiteral("kon niet opslaan"), d.lastError().text());
        d.rollback();
        return false;
    }
    return true;
}

QString Store::readColumns() {
    return QStringLiteral("id, leerling, tijdstip, scherm, opgave, antwoord, rij1, rij2, oordeel, seconden, fouten");
}

Check Store::checkOf(const QSqlQuery& q) {
    Check c;
    c.id = q.value(0).toString();
    c.pupil = q.value(1).toString();
    const QVariant t = q.value(2);
    c.moment = t.typeId() == QMetaType::QDateTime ? t.toDateTime().toUTC() : fromTimeText(t.toString());
    c.screen = q.value(3).toString();
    c.problem = q.value(4).toString();
    c.answer = q.value(5).toString();
    c.row1 = q.value(6).toString();
    c.row2 = q.value(7).toString();
    c.verdict = q.value(8).toString();
    c.seconds = q.value(9).toDouble();
    c.faults = q.value(10).toString();
    derive(c);
    return c;
}

bool Store::forEach(const std::function<bool(const Check&)>& f) {
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY tijdstip, id").arg(readColumns(), table())))
        return fail(QStringLiteral("kon de resultaten niet lezen"), q.lastError().text());
    while (q.next()) {
        const Check c = checkOf(q);
        if (!f(c))
            break;
    }
    if (q.lastError().isValid())
        return fail(QStringLiteral("kon de resultaten niet lezen"), q.lastError().text());
    return true;
}

long long Store::count() {
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table())) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

std::unique_ptr<Store> openLocal(const QString& path, LocalOpening* outcome) {
    LocalOpening local;
    LocalOpening& out = outcome ? *outcome : local;
    out = {};
    const QFileInfo info(path);
    const bool madeHere = !QFileInfo::exists(info.absolutePath());
    if (!QDir().mkpath(info.absolutePath())) {
        out.error = QStringLiteral("de map %1 kan niet worden gemaakt").arg(info.absolutePath());
        return nullptr;
    }
    if (madeHere)
        QFile::setPermissions(info.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Made before SQLite makes it, so it is never readable by others, not even for a moment;
    // SQLite gives its -wal and -shm files the same mode.
    if (!info.exists()) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            !f.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
            if (!QFileInfo::exists(path)) {
                out.error = QStringLiteral("%1 kan niet worden gemaakt: %2").arg(path, f.errorString());
                return nullptr;
            }
        }
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto store = std::make_unique<LocalStore>(path);
        Look look;
        QString error;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->connectionName());
            db.setDatabaseName(path);
            look = prepare(db, error);
        }
        if (look == Look::Fine)
            return store;
        if (look == Look::Newer) {
            out.newer = true;
            out.error = QStringLiteral("%1 is van een nieuwere versie van ZEFRANOL en blijft zoals het is").arg(path);
            return nullptr;
        }
        if (look == Look::Failed || attempt > 0) {
            out.error = QStringLiteral("%1 kan niet worden geopend: %2").arg(path, error);
            return nullptr;
        }
        // Damaged: never deleted, moved aside with the date in its name, its journal with it.
        store.reset();
        const QString aside = asideName(path);
        if (!QFile::rename(path, aside)) {
            out.error = QStringLiteral("%1 is beschadigd en kan niet opzij worden gezet").arg(path);
            return nullptr;
        }
        for (const char* suffix : {"-wal", "-shm"})
            if (QFileInfo::exists(path + QLatin1String(suffix)))
                QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
        out.movedAside = aside;
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return nullptr;
}

std::unique_ptr<Store> openSchool(const config::School& school, QString* error, int connectSeconds) {
    QString where = school.host.isEmpty() ? school.service : school.host;
    if (!school.database.isEmpty())
        where += QLatin1Char('/') + school.database;
    auto store = std::make_unique<SchoolStore>(where);
    bool opened;
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), store->connectionName());
        if (!db.isValid()) {
            if (error)
                *error = QStringLiteral("de PostgreSQL-driver van Qt ontbreekt (libqt6sql6-psql)");
            return nullptr;
        }
        if (!school.host.isEmpty())
            db.setHostName(school.host);
        if (school.port > 0)
            db.setPort(school.port);
        if (!school.database.isEmpty())
            db.setDatabaseName(school.database);
        if (!school.user.isEmpty())
            db.setUserName(school.user);
        // No password here: libpq finds it in ~/.pgpass, PGPASSFILE or the service file.
        // Bounded everywhere: the connection attempt, and a server that vanishes mid-query
        // without closing the connection.
        QStringList options{QStringLiteral("connect_timeout=%1").arg(std::max(1, connectSeconds)),
                            QStringLiteral("application_name=zefranol"),
                            QStringLiteral("keepalives_idle=5"),
                            QStringLiteral("keepalives_interval=2"),
                            QStringLiteral("keepalives_count=2"),
                            QStringLiteral("tcp_user_timeout=%1").arg(std::max(1, connectSeconds) * 2000)};
        if (!school.service.isEmpty())
            options << QStringLiteral("service=%1").arg(school.service);
        db.setConnectOptions(options.join(QLatin1Char(';')));
        opened = db.open();
        why = db.lastError().text();
    }
    if (!opened) {
        if (error)
            *error = QStringLiteral("de schoolserver %1 is niet bereikbaar: %2").arg(where, why);
        return nullptr;
    }
    return store;
}

} // namespace results
