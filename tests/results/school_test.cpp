// The recorder against a real PostgreSQL server (started by with_pg_server.sh): every check
// arrives once, also when the server stops in the middle of a series or the account is
// wrong, and the roles keep pupils from reading.
#include "results/Recorder.h"
#include "results/Store.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace results;

namespace {

config::School school(const QString& user) {
    return {.host = QStringLiteral("127.0.0.1"),
            .port = qEnvironmentVariableIntValue("ZEF_PG_PORT"),
            .database = QStringLiteral("zefranol"),
            .user = user};
}

Check made(int k) {
    Check c = newCheck();
    c.pupil = QStringLiteral("Noor");
    c.screen = QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN");
    c.problem = QStringLiteral("476 x 36");
    c.answer = QString::number(17136 + k);
    c.verdict = k == 0 ? Right : Wrong;
    return c;
}

void server(const char* action) {
    QProcess p;
    p.start(QStringLiteral("bash"),
            {qEnvironmentVariable("ZEF_PG_SCRIPT"), QLatin1String(action), qEnvironmentVariable("ZEF_PG_DIR")});
    QVERIFY(p.waitForFinished(40000));
    QCOMPARE(p.exitCode(), 0);
}

// What the teacher's account sees: the number of checks and of distinct ids.
QPair<long long, long long> onServer() {
    QString error;
    auto teacher = openSchool(school(QStringLiteral("juf")), &error);
    if (!teacher)
        return {-1, -1};
    QSqlQuery q(teacher->db());
    if (!q.exec(QStringLiteral("SELECT count(*), count(DISTINCT id) FROM zefranol.controles")) || !q.next())
        return {-2, -2};
    return {q.value(0).toLongLong(), q.value(1).toLongLong()};
}

} // namespace

class SchoolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("ZEF_PG_PORT"), "run through with_pg_server.sh"); }

    void everyCheckOnceAcrossAStop() {
        const QString local = dir.filePath(QStringLiteral("series.sqlite"));
        {
            Recorder recorder({.localPath = local, .school = school(QStringLiteral("leerling1")), .retryMs = 200});
            recorder.record(made(0));
            recorder.record(made(1));
            QVERIFY(recorder.settle(10000));
            QCOMPARE(onServer(), qMakePair(2LL, 2LL));

            server("stop");
            for (int k = 2; k < 5; ++k)
                recorder.record(made(k));
            QVERIFY(!recorder.settle(1500));
            QCOMPARE(recorder.waitingToSend(), 3);
            QCOMPARE(openLocal(local)->count(), 5LL);

            server("restart");
            QVERIFY(recorder.settle(15000));
        }
        QCOMPARE(onServer(), qMakePair(5LL, 5LL));
        // A later run finds nothing left to send, and sends nothing twice.
        Recorder again({.localPath = local, .school = school(QStringLiteral("leerling1"))});
        QVERIFY(again.settle(10000));
        QCOMPARE(onServer(), qMakePair(5LL, 5LL));
    }

    void wrongAccountWaitsLocally() {
        const QString local = dir.filePath(QStringLiteral("wrong.sqlite"));
        Recorder recorder({.localPath = local, .school = school(QStringLiteral("onbekend")), .retryMs = 200});
        recorder.record(made(7));
        QVERIFY(!recorder.settle(1500));
        QCOMPARE(recorder.waitingToSend(), 1);
        QCOMPARE(openLocal(local)->count(), 1LL);
    }

    void pupilsAddButDoNotRead() {
        auto pupil = openSchool(school(QStringLiteral("leerling1")));
        QVERIFY(pupil);
        QVERIFY(pupil->add(made(9)));
        QSqlQuery q(pupil->db());
        QVERIFY(!q.exec(QStringLiteral("SELECT count(*) FROM zefranol.controles")));
        QVERIFY(!q.exec(QStringLiteral("DELETE FROM zefranol.controles")));
        // Its checks reach the day sums through the server's trigger, never by its own hand.
        QVERIFY(!q.exec(QStringLiteral("SELECT count(*) FROM zefranol.controles_per_dag")));
        QVERIFY(!q.exec(QStringLiteral("UPDATE zefranol.controles_per_dag SET goed = 0")));
        const auto [all, distinct] = onServer();
        QVERIFY(all >= 1 && all == distinct);
    }

    // school.sql run again where the day sums are missing (a server of the first layout)
    // fills them from the checks there: the same sums the trigger kept as they arrived.
    void rerunFillsTheDaySums() {
        auto owner = openSchool(school(QStringLiteral("postgres")));
        QVERIFY(owner);
        QSqlQuery q(owner->db());
        const auto sums = [&q] {
            QStringList rows;
            q.exec(QStringLiteral("SELECT * FROM zefranol.controles_per_dag ORDER BY leerling, dag"));
            while (q.next())
                for (int i = 0; i < q.record().count(); ++i)
                    rows << q.value(i).toString();
            return rows;
        };
        const QStringList kept = sums();
        QVERIFY(kept.size() > 2);
        QVERIFY(q.exec(QStringLiteral("DROP TABLE zefranol.controles_per_dag")));
        QProcess psql;
        psql.start(QStringLiteral("psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                    QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                    qEnvironmentVariable("ZEF_PG_PORT"), QStringLiteral("-U"), QStringLiteral("postgres"),
                    QStringLiteral("-d"), QStringLiteral("zefranol"), QStringLiteral("-f"),
                    QFileInfo(qEnvironmentVariable("ZEF_PG_SCRIPT"))
                        .dir()
                        .filePath(QStringLiteral("../../results/school.sql"))});
        QVERIFY(psql.waitForFinished(30000));
        QVERIFY2(psql.exitCode() == 0, psql.readAllStandardError().constData());
        QCOMPARE(sums(), kept);
    }
};

QTEST_GUILESS_MAIN(SchoolTest)
#include "school_test.moc"
