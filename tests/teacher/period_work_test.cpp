// The periods' bounds in local time, and a wrong exercise laid out as the pupil wrote it,
// also when its rows have to be put back together from the diagnosis.
#include "TeacherData.h"
#include "teacher/Period.h"
#include "teacher/Work.h"

using namespace teacher;

class PeriodWorkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { teacherdata::useDutchTime(); }

    void periods_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QDate>("firstBefore");
        QTest::addColumn<QString>("name");
        using K = Period::Kind;
        QTest::newRow("zondag") << int(K::Week) << QDate(2026, 3, 29) << QDate(2026, 3, 23) << QDate(2026, 3, 29)
                                << QDate(2026, 3, 16) << "week van 23 maart t/m 29 maart 2026";
        QTest::newRow("week over nieuwjaar")
            << int(K::Week) << QDate(2026, 1, 1) << QDate(2025, 12, 29) << QDate(2026, 1, 4) << QDate(2025, 12, 22)
            << "week van 29 december 2025 t/m 4 januari 2026";
        QTest::newRow("februari") << int(K::Month) << QDate(2028, 2, 29) << QDate(2028, 2, 1) << QDate(2028, 2, 29)
                                  << QDate(2028, 1, 1) << "februari 2028";
        QTest::newRow("31 juli") << int(K::SchoolYear) << QDate(2026, 7, 31) << QDate(2025, 8, 1) << QDate(2026, 7, 31)
                                 << QDate(2024, 8, 1) << "schooljaar 2025-2026";
        QTest::newRow("1 augustus") << int(K::SchoolYear) << QDate(2026, 8, 1) << QDate(2026, 8, 1)
                                    << QDate(2027, 7, 31) << QDate(2025, 8, 1) << "schooljaar 2026-2027";
    }
    void periods() {
        QFETCH(int, kind);
        QFETCH(QDate, day);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QDate, firstBefore);
        QFETCH(QString, name);
        const Period p = Period::of(Period::Kind(kind), day);
        QCOMPARE(p.first, first);
        QCOMPARE(p.last, last);
        QCOMPARE(p.before().first, firstBefore);
        QCOMPARE(p.before().last, first.addDays(-1));
        QCOMPARE(p.name(), name);
    }

    void rangesAndClockChanges() {
        const Period r = Period::range(QDate(2026, 3, 31), QDate(2026, 3, 20));
        QCOMPARE(r.first, QDate(2026, 3, 20));
        QCOMPARE(r.before().first, QDate(2026, 3, 8));
        QCOMPARE(r.before().last, QDate(2026, 3, 19));
        // Local midnights: winter time (UTC+1) before 29 March, summer time (UTC+2) after.
        QCOMPARE(r.startUtc(), QDateTime(QDate(2026, 3, 19), QTime(23, 0), Qt::UTC));
        QCOMPARE(r.endUtc(), QDateTime(QDate(2026, 3, 31), QTime(22, 0), Qt::UTC));
    }

    void work_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("row2");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("onthouden vergeten") << "476 x 6"
                                            << "2846"
                                            << ""
                                            << ""
                                            << "T-onthouden-3"
                                            << "476 maal 6; antwoord: 2 8 4 6, fout bij de tientallen; goed is 2856";
        QTest::newRow("duizendtal niet geschreven")
            << "804 x 4"
            << "216"
            << ""
            << ""
            << "D-onthouden-3"
            << "804 maal 4; antwoord: 2 1 6, fout bij de duizendtallen; goed is 3216";
        QTest::newRow("zonder diagnose") << "476 x 6"
                                         << "2756"
                                         << ""
                                         << ""
                                         << ""
                                         << "476 maal 6; antwoord: 2 7 5 6, fout bij de honderdtallen; goed is 2856";
        QTest::newRow("rijen zoals geschreven")
            << "476 x 36"
            << "16136"
            << "2856"
            << "13280"
            << "rij2.D-reken"
            << "476 maal 36; eerste rij: 2 8 5 6; tweede rij: 1 3 2 8, fout bij de duizendtallen; som: 1 6 1 3 6; "
               "goed is 17136";
        // Read from a CSV: no rows; a forgotten carry says which digit stood there.
        QTest::newRow("rijen terug uit de diagnose") << "476 x 36"
                                                     << "16136"
                                                     << ""
                                                     << ""
                                                     << "rij1.T-onthouden-3 rij2.H-reken som.TD-reken"
                                                     << "476 maal 36; eerste rij: 2 8 2 6, fout bij de tientallen; "
                                                        "tweede rij: 1 4 ? 8, fout bij de honderdtallen; "
                                                        "som: 1 6 1 3 6, fout bij de tienduizendtallen; goed is 17136";
        QTest::newRow("tafel") << "tafel van 7"
                               << ""
                               << ""
                               << ""
                               << ""
                               << "";
    }
    void work() {
        QFETCH(QString, problem);
        QFETCH(QString, answer);
        QFETCH(QString, row1);
        QFETCH(QString, row2);
        QFETCH(QString, faults);
        QFETCH(QString, spoken);
        results::Check c;
        c.problem = problem;
        c.answer = answer;
        c.row1 = row1;
        c.row2 = row2;
        c.faults = faults;
        c.verdict = results::Wrong;
        const Work w = workOf(c);
        QCOMPARE(w.valid, !spoken.isEmpty());
        QCOMPARE(spokenWork(w), spoken);
        QCOMPARE(w.diagnosis.size(), faults.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    }
};

QTEST_GUILESS_MAIN(PeriodWorkTest)
#include "period_work_test.moc"
