#pragma once
// Checks for the teacher's tests: made by tools/make_results (ZEF_MAKE_RESULTS), read back
// from its CSV, plus a few pupils whose names a spreadsheet or a label could misread; put
// into a SQLite file and, beside with_pg_server.sh, into the school's server.
#include "results/Csv.h"
#include "results/Store.h"
#include "teacher/Source.h"

#include <QBuffer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <vector>

namespace teacherdata {

// The weeks and periods follow the local clock, summer time included.
inline void useDutchTime() {
    qputenv("TZ", "Europe/Brussels");
    tzset();
}

inline const QStringList OddNames{QStringLiteral("=SOM(A1:A9)"), QStringLiteral("Zoë \"Zon\" de Wit"),
                                  QStringLiteral("Jan, Piet"), QStringLiteral("<b>Ömer</b> 'O'")};

// Each odd name gets four two-digit checks, two right and two with a slip in the second row.
inline results::Check oddCheck(const QString& pupil, int k) {
    const bool right = (k / 4) % 2;
    results::Check c;
    c.id = QStringLiteral("00000000-0000-4000-8000-%1").arg(k, 12, 10, QLatin1Char('0'));
    c.pupil = pupil;
    c.moment = QDateTime(QDate(2026, 3, 2), QTime(9, k % 60), Qt::UTC);
    c.screen = QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN");
    c.problem = QStringLiteral("476 x 36");
    c.answer = right ? QStringLiteral("17136") : QStringLiteral("16136");
    c.row1 = QStringLiteral("2856");
    c.row2 = right ? QStringLiteral("14280") : QStringLiteral("13280");
    c.verdict = right ? results::Right : results::Wrong;
    c.faults = right ? QString() : QStringLiteral("rij2.D-reken");
    results::derive(c);
    return c;
}

inline std::vector<results::Check> made(int count, int pupils) {
    QProcess maker;
    maker.start(qEnvironmentVariable("ZEF_MAKE_RESULTS"),
                {QString::number(count), QStringLiteral("5"), QString::number(pupils)});
    if (!maker.waitForFinished(60000) || maker.exitCode() != 0)
        return {};
    QByteArray csv = maker.readAllStandardOutput();
    QBuffer in(&csv);
    in.open(QIODevice::ReadOnly);
    std::vector<results::Check> out;
    results::CsvError error;
    results::readCsv(
        in,
        [&](const results::Check& c) {
            out.push_back(c);
            return true;
        },
        &error);
    for (int k = 0; k < 4 * int(OddNames.size()); ++k)
        out.push_back(oddCheck(OddNames[k % OddNames.size()], k));
    return out;
}

// A results file in the test's folder as the teacher's source.
inline teacher::SourceChoice fileIn(const QTemporaryDir& dir, const QString& name) {
    teacher::SourceChoice c;
    c.path = dir.filePath(name);
    return c;
}

inline config::School server(const QString& user) {
    return {.host = QStringLiteral("127.0.0.1"),
            .port = qEnvironmentVariableIntValue("ZEF_PG_PORT"),
            .database = QStringLiteral("zefranol"),
            .user = user,
            .service = {}};
}

inline bool withServer() {
    return qEnvironmentVariableIsSet("ZEF_PG_PORT");
}

// Puts the checks on the server as a pupil's account would send them.
inline bool sendToServer(const std::vector<results::Check>& checks) {
    QString error;
    std::unique_ptr<results::Store> pupil = results::openSchool(server(QStringLiteral("leerling1")), &error);
    return pupil && pupil->addAll(checks) >= 0;
}

inline void serverAction(const char* action) {
    QProcess p;
    p.start(QStringLiteral("bash"),
            {qEnvironmentVariable("ZEF_PG_SCRIPT"), QLatin1String(action), qEnvironmentVariable("ZEF_PG_DIR")});
    QVERIFY(p.waitForFinished(40000));
    QCOMPARE(p.exitCode(), 0);
}

} // namespace teacherdata
