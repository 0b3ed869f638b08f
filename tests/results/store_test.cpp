// The local store and the recorder against real SQLite files: what is kept, what survives a
// damaged or newer file, a folder that cannot be written, a full disk and two copies at once.
#include "results/Csv.h"
#include "results/Recorder.h"
#include "results/Store.h"

#include <QBuffer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace results;

namespace {

Check made(const QString& pupil, int k = 0) {
    Check c = newCheck();
    c.pupil = pupil;
    c.moment = c.moment.addSecs(k);
    c.screen = QStringLiteral("Cijferend vermenigvuldigen");
    c.problem = QStringLiteral("476 x 6");
    c.answer = QStringLiteral("2826");
    c.verdict = Wrong;
    c.seconds = 12.5;
    c.faults = QStringLiteral("T-onthouden-3");
    return c;
}

QByteArray csvOf(Store& store) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeCsv(out, [&](const auto& add) { store.forEach([&](const Check& c) { return add(c), true; }); });
    return out.data();
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void namesTravelAsWritten_data() {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("plain") << QStringLiteral("Noor") << QByteArray(",Noor,");
        QTest::newRow("quotes and a comma")
            << QStringLiteral("Jo \"de Jong\", jr.") << QByteArray(",\"Jo \"\"de Jong\"\", jr.\",");
        QTest::newRow("accents") << QStringLiteral("Zoë Çelik")
                                 << QByteArray(",Zo\xC3\xAB \xC3\x87"
                                               "elik,");
        for (const char* formula : {"=SOM(A1)", "+31", "-1", "@pupil"})
            QTest::addRow("defused %s", formula) << QString::fromLatin1(formula) << (",'" + QByteArray(formula) + ",");
    }
    void namesTravelAsWritten() {
        QFETCH(QString, pupil);
        QFETCH(QByteArray, cell);
        auto store = openLocal(path("names.sqlite"));
        QVERIFY(store && store->add(made(pupil)));
        const QByteArray csv = csvOf(*store);
        QVERIFY2(csv.contains(cell), csv.constData());
        // Read back into a second store: the same bytes again.
        auto second = openLocal(path("names2.sqlite"));
        QBuffer in;
        in.setData(csv);
        in.open(QIODevice::ReadOnly);
        QVERIFY(readCsv(
            in, [&](const Check& c) { return second->add(c); }, nullptr));
        QCOMPARE(csvOf(*second), csv);
        QFile::remove(path("names.sqlite"));
        QFile::remove(path("names2.sqlite"));
    }

    void refusedWithItsLine_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<long long>("line");
        const QByteArray good = csvLine(made(QStringLiteral("Sem"))).toUtf8() + "\r\n";
        const QByteArray header = csvHeader().toUtf8() + "\r\n";
        QTest::newRow("not our header") << QByteArray("naam,score\r\nSem,10\r\n") << 1LL;
        QTest::newRow("empty") << QByteArray() << 1LL;
        QTest::newRow("a column short") << header + good + "x,Sem,2026-01-01T00:00:00Z,a,1 x 1,1,goed,1\r\n" << 3LL;
        QTest::newRow("no uuid") << header + QByteArray(good).replace(0, 8, "zzzzzzzz") << 2LL;
        QTest::newRow("local time") << header + good + QByteArray(good).replace("Z,", ",") << 3LL;
        QTest::newRow("a quote left open") << header + good + good + "\"Sem,\r\n" << 4LL;
        QTest::newRow("faults not ours") << header + QByteArray(good).replace("T-onthouden-3", "=1+1") << 2LL;
        QTest::newRow("a verdict not ours") << header + QByteArray(good).replace(",fout,", ",prima,") << 2LL;
    }
    void refusedWithItsLine() {
        QFETCH(QByteArray, body);
        QFETCH(long long, line);
        auto store = openLocal(path("refused.sqlite"));
        QVERIFY(store->add(made(QStringLiteral("Daan"))));
        const long long before = store->count();
        QBuffer in;
        in.setData(body);
        in.open(QIODevice::ReadOnly);
        CsvError error;
        {
            Store::Batch batch(*store);
            QVERIFY(!readCsv(
                in, [&](const Check& c) { return batch.add(c); }, &error));
        }
        QCOMPARE(error.line, line);
        QVERIFY(!error.reason.isEmpty());
        QCOMPARE(store->count(), before);
    }

    void damagedFileMovedAside() {
        const QString file = path("damaged.sqlite");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray junk(8192, 'x');
        f.write(junk);
        f.close();
        LocalOpening how;
        auto store = openLocal(file, &how);
        QVERIFY2(store, qPrintable(how.error));
        QVERIFY(how.movedAside.contains(QLatin1String("damaged.sqlite.beschadigd-")));
        QFile aside(how.movedAside);
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), junk);
        QVERIFY(store->add(made(QStringLiteral("Mila"))));
        QCOMPARE(QFile::permissions(file) & 0x0077, QFileDevice::Permissions());
    }

    void newerFileLeftAlone() {
        const QString file = path("newer.sqlite");
        {
            auto store = openLocal(file);
            QSqlQuery(store->db()).exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion + 1));
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        LocalOpening how;
        QVERIFY(!openLocal(file, &how));
        QVERIFY(how.newer);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // A file of the first layout gets its day sums from the checks it holds; they must be
    // what the trigger adds up check by check, and a check sent twice counts once.
    void firstLayoutGetsItsDaySums() {
        std::vector<Check> checks;
        for (int k = 0; k < 60; ++k) {
            Check c = made(k % 3 ? QStringLiteral("Sem") : QStringLiteral("Mila"), k * 7000);
            if (k % 4 == 0) {
                c.verdict = Right;
                c.faults.clear();
            } else if (k % 4 == 1) {
                c.problem = QStringLiteral("476 x 36");
                c.faults = QStringLiteral("rij2.D-reken som.H-reken");
            } else if (k % 4 == 2) {
                c.problem = QStringLiteral("tafel van 7");
                c.verdict = DrillDone;
                c.faults.clear();
            }
            derive(c);
            checks.push_back(c);
        }
        const auto sums = [](Store& store) {
            QSqlQuery q(store.db());
            q.exec(QStringLiteral("SELECT * FROM controles_per_dag ORDER BY leerling, dag"));
            QStringList rows;
            while (q.next()) {
                QStringList row;
                for (int i = 0; i < q.record().count(); ++i)
                    row << q.value(i).toString();
                rows << row.join(QLatin1Char(','));
            }
            return rows;
        };
        QStringList kept;
        {
            auto store = openLocal(path("first.sqlite"));
            QCOMPARE(store->addAll(checks), 60LL);
            QCOMPARE(store->addAll({checks.front()}), 0LL);
            kept = sums(*store);
            QSqlQuery q(store->db());
            QVERIFY(q.exec(QStringLiteral("DROP TRIGGER controles_per_dag_bijhouden")));
            QVERIFY(q.exec(QStringLiteral("DROP TABLE controles_per_dag")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 1")));
        }
        QVERIFY(kept.size() > 4);
        auto store = openLocal(path("first.sqlite"));
        QVERIFY(store);
        QCOMPARE(sums(*store), kept);
    }

    void unwritableFolderKeepsNothing() {
        LocalOpening how;
        QVERIFY(!openLocal(QStringLiteral("/dev/null/zefranol/resultaten.sqlite"), &how));
        QVERIFY(!how.error.isEmpty());
        // The recorder works on without a file and never blocks the caller.
        Recorder recorder({.localPath = QStringLiteral("/dev/null/zefranol/resultaten.sqlite")});
        recorder.record(made(QStringLiteral("Finn")));
        QVERIFY(recorder.settle(5000));
    }

    void fullDiskWaitsInMemory() {
        const QString file = path("full.sqlite");
        openLocal(file).reset();
        Recorder recorder({.localPath = file, .retryMs = 100});
        QVERIFY(recorder.settle(5000));
        // Writing past this size fails as on a full disk (EFBIG, the signal ignored).
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit was{};
        getrlimit(RLIMIT_FSIZE, &was);
        rlimit tight = was;
        tight.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tight);
        for (int k = 0; k < 3; ++k)
            recorder.record(made(QStringLiteral("Luuk"), k));
        QVERIFY(!recorder.settle(600));
        QCOMPARE(recorder.waitingToWrite(), 3);
        setrlimit(RLIMIT_FSIZE, &was);
        QVERIFY(recorder.settle(5000));
        QCOMPARE(openLocal(file)->count(), 3LL);
    }

    void twoCopiesBothKeep() {
        const QString file = path("two.sqlite");
        {
            Recorder a({.localPath = file}), b({.localPath = file});
            for (int k = 0; k < 50; ++k) {
                a.record(made(QStringLiteral("Saar"), k));
                b.record(made(QStringLiteral("Bram"), k));
            }
            QVERIFY(a.settle(10000) && b.settle(10000));
        }
        LocalOpening how;
        auto store = openLocal(file, &how);
        QVERIFY2(store, qPrintable(how.error));
        QCOMPARE(store->count(), 100LL);
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "store_test.moc"
