// The recorder against a real PostgreSQL server (started by with_pg_server.sh): every check
// arrives once, also when the server stops in the middle of a series or the account is
// wrong, and the roles keep pupils from reading.
#include "results/Recorder.h"
#include "results/Store.h"

#include <QProcess>
#include <QSet>
#include <QSqlQuery>
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
        const auto [all, distinct] = onServer();
        QVERIFY(all >= 1 && all == distinct);
    }
};

QTEST_GUILESS_MAIN(SchoolTest)
#include "school_test.moc"
