#include "teacher/Source.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace teacher {

namespace {

// The pupil's own file as the teacher's program sees it: read-only, so that looking can
// never change a pupil's record, not even by upgrading the file.
class ReadOnlyFile : public results::Store {
public:
    explicit ReadOnlyFile(QString path) : Store(Kind::Local, nextName()), path_(std::move(path)) {}
    QString describe() const override { return QStringLiteral("het bestand %1").arg(path_); }
    QString table() const override { return QStringLiteral("controles"); }
    QVariant timeValue(const QDateTime& utc) const override { return timeText(utc); }

private:
    static QString nextName() {
        static QAtomicInt counter;
        return QStringLiteral("zefranol-leerkracht-%1").arg(counter.fetchAndAddOrdered(1));
    }
    QString path_;
};

const QString AllColumns = QStringLiteral("id, leerling, tijdstip, scherm, opgave, antwoord, rij1, rij2, oordeel, "
                                          "seconden, fouten, maler, onthouden, rekenfouten, optelfouten");

bool hasChecks(results::Store& store) {
    QSqlQuery q(store.db());
    return q.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(store.table())) && q.next();
}

std::unique_ptr<results::Store> openFile(const QString& path, Opening& out) {
    if (!QFileInfo::exists(path)) {
        out = {Opening::Outcome::Empty,
               QStringLiteral("Op deze computer zijn nog geen resultaten bewaard: %1 bestaat niet.").arg(path)};
        return nullptr;
    }
    auto store = std::make_unique<ReadOnlyFile>(path);
    QString error;
    int version = -1;
    bool table = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->connectionName());
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                version = q.value(0).toInt();
            else
                error = q.lastError().text();
            if (version >= 0 &&
                q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                      "name = 'controles'")) &&
                q.next())
                table = q.value(0).toInt() > 0;
        } else {
            error = db.lastError().text();
        }
    }
    if (version < 0) {
        out = {Opening::Outcome::Failed,
               QStringLiteral("Het bestand %1 kan niet worden gelezen. Het is geen resultatenbestand van ZEFRANOL, "
                              "of het is beschadigd (%2).")
                   .arg(path, error)};
        return nullptr;
    }
    if (version > results::SchemaVersion) {
        out = {Opening::Outcome::Newer,
               QStringLiteral("Het bestand %1 is gemaakt door een nieuwere versie van ZEFRANOL. Werk dit programma "
                              "bij om het te kunnen lezen.")
                   .arg(path)};
        return nullptr;
    }
    if (!table) {
        out = {Opening::Outcome::Empty,
               QStringLiteral("In het bestand %1 zijn nog geen resultaten bewaard.").arg(path)};
        return nullptr;
    }
    // The first layout has no day sums: its figures are counted from the checks, slower but
    // right, so a file copied from a computer not yet brought up to date can still be read.
    QSqlQuery probe(store->db());
    if (version < 1 || !probe.exec(QStringLiteral("SELECT %1 FROM controles LIMIT 0").arg(AllColumns))) {
        out = {Opening::Outcome::Older,
               QStringLiteral("Het bestand %1 is van een oudere versie van ZEFRANOL. Start ZEFRANOL zelf één keer "
                              "op deze computer; dan wordt het bijgewerkt en kan het hier worden gelezen.")
                   .arg(path)};
        return nullptr;
    }
    out = {Opening::Outcome::Opened, {}, hasChecks(*store)};
    return store;
}

std::unique_ptr<results::Store> openServer(const config::School& school, Opening& out, int connectSeconds) {
    QString error;
    std::unique_ptr<results::Store> store = results::openSchool(school, &error, connectSeconds);
    if (!store) {
        out = {Opening::Outcome::Failed,
               QStringLiteral("De schoolserver kan niet worden bereikt. Staat de server aan, is er netwerk, en "
                              "kloppen het account en zijn wachtwoord?\n\n(%1)")
                   .arg(error.simplified())};
        return nullptr;
    }
    QSqlQuery q(store->db());
    // A query that the server never answers is bounded by the connection's own timeouts;
    // this bounds one that it works on for too long.
    q.exec(QStringLiteral("SET statement_timeout = '30s'"));
    // The layout's version stands in the table's comment ("zefranol schema 1").
    if (q.exec(QStringLiteral("SELECT obj_description(to_regclass('%1'), 'pg_class')").arg(store->table())) &&
        q.next()) {
        static const QRegularExpression version(QStringLiteral("zefranol schema (\\d+)"));
        const QRegularExpressionMatch m = version.match(q.value(0).toString());
        if (m.hasMatch() && m.captured(1).toInt() > results::SchemaVersion) {
            out = {Opening::Outcome::Newer,
                   QStringLiteral("De resultaten op de schoolserver zijn ingericht door een nieuwere versie van "
                                  "ZEFRANOL. Werk dit programma bij om ze te kunnen lezen.")};
            return nullptr;
        }
    }
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(AllColumns, store->table()))) {
        const QString code = q.lastError().nativeErrorCode();
        if (code == QLatin1String("42501"))
            out = {Opening::Outcome::Failed,
                   QStringLiteral("Het account %1 mag de resultaten op de schoolserver niet lezen. Vul bij "
                                  "[leerkracht] user het account van de leerkracht in.")
                       .arg(school.user.isEmpty() ? QStringLiteral("van deze gebruiker") : school.user)};
        else if (code == QLatin1String("42P01") || code == QLatin1String("3F000"))
            out = {Opening::Outcome::Empty,
                   QStringLiteral("Op de schoolserver staan nog geen resultaten van ZEFRANOL.")};
        else
            out = {Opening::Outcome::Older,
                   QStringLiteral("De resultaten op de schoolserver hebben een andere indeling dan deze versie van "
                                  "ZEFRANOL kent (%1).")
                       .arg(q.lastError().text())};
        return nullptr;
    }
    out = {Opening::Outcome::Opened, {}, hasChecks(*store)};
    return store;
}

} // namespace

SourceChoice SourceChoice::fromSettings(const config::Settings& settings) {
    SourceChoice c;
    if (settings.school.isSet()) {
        c.kind = Kind::School;
        c.school = settings.school;
        if (!settings.teacherUser.isEmpty())
            c.school.user = settings.teacherUser;
    } else {
        c.path = results::localStorePath();
    }
    return c;
}

QString SourceChoice::name() const {
    if (kind == Kind::File)
        return QStringLiteral("het bestand %1").arg(path);
    QString where = school.host.isEmpty() ? QStringLiteral("(dienst %1)").arg(school.service) : school.host;
    if (!school.database.isEmpty())
        where += QLatin1Char('/') + school.database;
    return school.user.isEmpty() ? QStringLiteral("de schoolserver %1").arg(where)
                                 : QStringLiteral("de schoolserver %1 (account %2)").arg(where, school.user);
}

std::unique_ptr<results::Store> openSource(const SourceChoice& choice, Opening& opening, int connectSeconds) {
    opening = {};
    return choice.kind == SourceChoice::Kind::School ? openServer(choice.school, opening, connectSeconds)
                                                     : openFile(choice.path, opening);
}

} // namespace teacher
