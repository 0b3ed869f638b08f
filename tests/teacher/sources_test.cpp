// Opening what the teacher asks for: a store that is missing, empty, of an older or a
// newer program, or no store at all gives its own Dutch message and nothing is changed;
// on the server, an account that may not read, and a layout of a newer program.
#include "TeacherData.h"
#include "teacher/Figures.h"
#include "teacher/Source.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>

using namespace teacher;

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A SQLite file written with plain SQL, as another program or version would leave it.
void sqliteFile(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& s : statements)
            QVERIFY2(q.exec(s), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

} // namespace

class SourcesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    SourceChoice file(const QString& name) const { return teacherdata::fileIn(dir, name); }

private slots:
    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("hasChecks");
        QTest::addColumn<QString>("says");
        using O = Opening::Outcome;
        QTest::newRow("ontbreekt") << "geen.sqlite" << QStringList() << int(O::Empty) << false << "nog geen resultaten";
        QTest::newRow("leeg bestand") << "leeg.sqlite" << QStringList{QStringLiteral("")} << int(O::Empty) << false
                                      << "nog geen resultaten";
        QTest::newRow("nieuwer") << "nieuwer.sqlite"
                                 << QStringList{QStringLiteral("CREATE TABLE controles (id TEXT)"),
                                                QStringLiteral("PRAGMA user_version = 7")}
                                 << int(O::Newer) << false << "nieuwere versie";
        QTest::newRow("ouder") << "ouder.sqlite" << QStringList{QStringLiteral("CREATE TABLE controles (id TEXT)")}
                               << int(O::Older) << false << "oudere versie";
        QTest::newRow("kolom ontbreekt") << "kolom.sqlite"
                                         << QStringList{QStringLiteral(
                                                            "CREATE TABLE controles (id TEXT, leerling TEXT)"),
                                                        QStringLiteral("PRAGMA user_version = 1")}
                                         << int(O::Older) << false << "oudere versie";
        QTest::newRow("geen databank") << "tekst.sqlite" << QStringList{QStringLiteral("#tekst")} << int(O::Failed)
                                       << false << "geen resultatenbestand";
        QTest::newRow("zonder controles")
            << "nul.sqlite" << QStringList{QStringLiteral("#leeg")} << int(O::Opened) << false << "";
        QTest::newRow("met controles") << "een.sqlite" << QStringList{QStringLiteral("#een")} << int(O::Opened) << true
                                       << "";
        QTest::newRow("eerste indeling") << "eerste.sqlite"
                                         << QStringList{QStringLiteral("#een"),
                                                        QStringLiteral("DROP TRIGGER controles_per_dag_bijhouden"),
                                                        QStringLiteral("DROP TABLE controles_per_dag"),
                                                        QStringLiteral("PRAGMA user_version = 1")}
                                         << int(O::Opened) << true << "";
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(QStringList, made);
        QFETCH(int, outcome);
        QFETCH(bool, hasChecks);
        QFETCH(QString, says);
        const QString path = dir.filePath(name);
        const bool exists = !made.isEmpty();
        if (made.value(0) == QLatin1String("#tekst")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        } else if (made.value(0).startsWith(QLatin1Char('#'))) {
            auto store = results::openLocal(path);
            QVERIFY(store);
            if (made[0] == QLatin1String("#een"))
                QVERIFY(store->add(teacherdata::oddCheck(QStringLiteral("Noor"), 1)));
            store.reset();
            sqliteFile(path, made.mid(1));
        } else if (!made.isEmpty()) {
            made.removeAll(QString());
            sqliteFile(path, made);
        }
        const QByteArray before = digest(path);
        Opening o;
        std::unique_ptr<results::Store> store = openSource(file(name), o);
        QCOMPARE(int(o.outcome), outcome);
        QCOMPARE(bool(store), outcome == int(Opening::Outcome::Opened));
        QCOMPARE(o.hasChecks, hasChecks);
        QVERIFY2(o.message.contains(says), qPrintable(o.message));
        if (hasChecks) { // with day sums or, in the first layout, from the checks alone
            const auto overview = readOverview(*store, Period::week(QDate(2026, 3, 2)), {}, nullptr);
            QVERIFY(overview && overview->rows.size() == 1);
            QCOMPARE(overview->rows[0].done, 1LL);
        }
        store.reset();
        // Looking never writes: not even an older file is brought up to date.
        QCOMPARE(digest(path), before);
        QCOMPARE(QFile::exists(path), exists);
    }

    void server_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("says");
        using O = Opening::Outcome;
        QTest::newRow("leerkracht") << "juf"
                                    << "" << int(O::Opened) << "";
        QTest::newRow("leerling") << "leerling1"
                                  << "" << int(O::Failed) << "[leerkracht] user";
        QTest::newRow("onbekend") << "niemand"
                                  << "" << int(O::Failed) << "niet worden bereikt";
        QTest::newRow("nieuwer") << "juf" << QStringLiteral("zefranol schema %1").arg(results::SchemaVersion + 1)
                                 << int(O::Newer) << "nieuwere versie";
    }
    void server() {
        if (!teacherdata::withServer())
            QSKIP("needs with_pg_server.sh");
        QFETCH(QString, account);
        QFETCH(QString, comment);
        QFETCH(int, outcome);
        QFETCH(QString, says);
        QString error;
        auto owner = results::openSchool(teacherdata::server(QStringLiteral("postgres")), &error);
        QVERIFY2(owner, qPrintable(error));
        QSqlQuery q(owner->db());
        QVERIFY(q.exec(
            QStringLiteral("COMMENT ON TABLE zefranol.controles IS '%1'")
                .arg(comment.isEmpty() ? QStringLiteral("zefranol schema %1").arg(results::SchemaVersion) : comment)));
        Opening o;
        auto store = openSource({SourceChoice::Kind::School, teacherdata::server(account), {}}, o);
        QCOMPARE(int(o.outcome), outcome);
        QVERIFY2(o.message.contains(says), qPrintable(o.message));
    }
};

QTEST_GUILESS_MAIN(SourcesTest)
#include "sources_test.moc"
