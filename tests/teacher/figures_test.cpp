// The teacher's figures against numbers counted here, check by check, from the same CSV,
// on a SQLite file and (beside with_pg_server.sh) on the school's server.
#include "TeacherData.h"
#include "teacher/Figures.h"
#include "teacher/Source.h"

#include <QMap>
#include <QTemporaryDir>

using namespace teacher;
using results::Check;

namespace {

struct Counted {
    long long done = 0, right = 0, drills = 0, doneBefore = 0, rightBefore = 0;
    MistakeKinds kinds;
    Tables tables{};
    QDateTime last;
};

int multiplierOf(const QString& problem) {
    return problem.section(QLatin1Char(' '), -1).toInt();
}

QMap<QString, Counted> count(const std::vector<Check>& checks, const Period& p) {
    const Period b = p.before();
    QMap<QString, Counted> out;
    for (const Check& c : checks) {
        const bool now = c.moment >= p.startUtc() && c.moment < p.endUtc();
        const bool before = c.moment >= b.startUtc() && c.moment < b.endUtc();
        if (!now && !before)
            continue;
        Counted& e = out[c.pupil];
        if (!e.last.isValid() || c.moment > e.last)
            e.last = c.moment;
        const bool judged = c.verdict == results::Right || c.verdict == results::Wrong;
        const bool wrong = c.verdict == results::Wrong;
        if (before && judged) {
            ++e.doneBefore;
            e.rightBefore += !wrong;
        }
        if (!now)
            continue;
        if (!judged) {
            ++e.drills;
            continue;
        }
        ++e.done;
        e.right += !wrong;
        bool carry = false, table = false, sum = false, row1 = false, row2 = false;
        for (const QString& t : c.faults.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            sum |= t.startsWith(QLatin1String("som."));
            carry |= !t.startsWith(QLatin1String("som.")) && t.contains(QLatin1String("onthouden"));
            table |= !t.startsWith(QLatin1String("som.")) && t.endsWith(QLatin1String("reken"));
            row1 |= t.startsWith(QLatin1String("rij1."));
            row2 |= t.startsWith(QLatin1String("rij2."));
        }
        e.kinds.carry += wrong && carry;
        e.kinds.table += wrong && table;
        e.kinds.sum += wrong && sum;
        const int m = multiplierOf(c.problem);
        if (m < 10) {
            e.tables[m].used++;
            e.tables[m].wrong += wrong;
        } else {
            e.tables[m % 10].used++;
            e.tables[m % 10].wrong += wrong && row1;
            e.tables[m / 10].used++;
            e.tables[m / 10].wrong += wrong && row2;
        }
    }
    return out;
}

const Period Periods[] = {Period::schoolYear(QDate(2026, 2, 1)), Period::month(QDate(2026, 3, 10)),
                          // The week in which summer time ended, and a range across its start.
                          Period::week(QDate(2025, 10, 26)), Period::range(QDate(2026, 3, 20), QDate(2026, 4, 9)),
                          Period::week(QDate(2026, 7, 20))};

} // namespace

class FiguresTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::vector<Check> checks;
    std::unique_ptr<results::Store> local, school;

    results::Store& store(const QString& kind) { return kind == QLatin1String("sqlite") ? *local : *school; }

    void rows(const char* prefix) {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Period>("period");
        QStringList kinds{QStringLiteral("sqlite")};
        if (school)
            kinds << QStringLiteral("postgres");
        for (const QString& kind : kinds)
            for (const Period& p : Periods)
                QTest::addRow("%s %s %s", qPrintable(kind), prefix, qPrintable(p.name())) << kind << p;
    }

private slots:
    void initTestCase() {
        teacherdata::useDutchTime();
        checks = teacherdata::made(4000, 30);
        QVERIFY(checks.size() > 4000);
        // Within the first and last hour of each period and the one before: hours of a UTC day
        // that the period shares with its neighbour.
        int k = 0;
        for (const Period& p : Periods)
            for (const QDateTime& t :
                 {p.startUtc().addSecs(600), p.endUtc().addSecs(-600), p.before().startUtc().addSecs(600)}) {
                Check c = checks[k * 97];
                c.id = QStringLiteral("00000000-0000-4000-9000-%1").arg(++k, 12, 10, QLatin1Char('0'));
                c.moment = t;
                checks.push_back(c);
            }
        local = results::openLocal(dir.filePath(QStringLiteral("r.sqlite")));
        QVERIFY(local);
        QCOMPARE(local->addAll(checks), (long long)checks.size());
        if (teacherdata::withServer()) {
            QVERIFY(teacherdata::sendToServer(checks));
            Opening o;
            school = openSource({SourceChoice::Kind::School, teacherdata::server(QStringLiteral("juf")), {}}, o);
            QVERIFY2(school, qPrintable(o.message));
        }
    }

    void overview_data() { rows("overzicht"); }
    void overview() {
        QFETCH(QString, kind);
        QFETCH(Period, period);
        QString error;
        const std::optional<Overview> o = readOverview(store(kind), period, {QStringLiteral("Nieuw")}, &error);
        QVERIFY2(o, qPrintable(error));
        QMap<QString, Counted> expected = count(checks, period);
        expected[QStringLiteral("Nieuw")]; // from the class list, without checks
        QCOMPARE(o->rows.size(), expected.size());
        for (const PupilRow& r : o->rows) {
            QVERIFY2(expected.contains(r.pupil), qPrintable(r.pupil));
            const Counted& e = expected[r.pupil];
            QCOMPARE(r.done, e.done);
            QCOMPARE(r.right, e.right);
            QCOMPARE(r.drills, e.drills);
            QCOMPARE(r.doneBefore, e.doneBefore);
            QCOMPARE(r.rightBefore, e.rightBefore);
            QCOMPARE(r.kinds, e.kinds);
            QCOMPARE(r.tables, e.tables);
            QCOMPARE(r.lastActive, e.last);
        }
    }

    void pupil_data() { rows("leerling"); }
    void pupil() {
        QFETCH(QString, kind);
        QFETCH(Period, period);
        for (const QString& name : {QStringLiteral("Noor N."), QStringLiteral("Zoë \"Zon\" de Wit")}) {
            QString error;
            const std::optional<PupilPage> page = readPupil(store(kind), name, period, 6, &error);
            QVERIFY2(page, qPrintable(error));
            QCOMPARE(page->summary.done, count(checks, period).value(name).done);
            QMap<QDate, QPair<long long, long long>> weeks;
            std::vector<Check> wrong;
            for (const Check& c : checks) {
                if (c.pupil != name || c.moment < period.startUtc() || c.moment >= period.endUtc())
                    continue;
                auto& w = weeks[mondayOf(c.moment.toLocalTime().date())];
                w.first += c.verdict == results::Right;
                w.second += c.verdict == results::Wrong;
                if (c.verdict == results::Wrong)
                    wrong.push_back(c);
            }
            for (const WeekTally& w : page->weeks)
                QCOMPARE(qMakePair(w.right, w.wrong), weeks.take(w.monday));
            QVERIFY(weeks.isEmpty());
            std::sort(wrong.begin(), wrong.end(), [](const Check& a, const Check& b) {
                return a.moment != b.moment ? a.moment > b.moment : a.id > b.id;
            });
            QCOMPARE(page->lastWrong.size(), std::min<qsizetype>(6, wrong.size()));
            for (qsizetype i = 0; i < page->lastWrong.size(); ++i)
                QCOMPARE(page->lastWrong[i].id, wrong[i].id);
        }
    }

    void exportKeepsTheFormat_data() {
        QTest::addColumn<QStringList>("pupils");
        QTest::newRow("alle") << QStringList();
        QTest::newRow("één") << QStringList{teacherdata::OddNames[0]};
        QTest::newRow("twee") << QStringList{teacherdata::OddNames[1], QStringLiteral("Noor N.")};
    }
    void exportKeepsTheFormat() {
        QFETCH(QStringList, pupils);
        const Period year = Periods[0];
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString error;
        const long long n = exportChecks(*local, year, pupils, out, &error);
        QVERIFY2(n >= 0, qPrintable(error));
        QStringList expected;
        for (const Check& c : checks)
            if (c.moment >= year.startUtc() && c.moment < year.endUtc() &&
                (pupils.isEmpty() || pupils.contains(c.pupil)))
                expected << c.id;
        QCOMPARE(n, (long long)expected.size());
        // A name starting with = goes out defused, and comes back as written.
        QCOMPARE(out.data().contains("'=SOM(A1:A9)"), pupils.isEmpty() || pupils.contains(teacherdata::OddNames[0]));
        out.close();
        out.open(QIODevice::ReadOnly);
        QStringList read;
        QStringList names;
        results::CsvError csvError;
        QVERIFY(results::readCsv(
            out,
            [&](const Check& c) {
                read << c.id;
                names << c.pupil;
                return true;
            },
            &csvError));
        std::sort(expected.begin(), expected.end());
        std::sort(read.begin(), read.end());
        QCOMPARE(read, expected);
        if (pupils.size() == 1)
            QVERIFY(names.count(pupils[0]) == names.size());
    }
};

QTEST_GUILESS_MAIN(FiguresTest)
#include "figures_test.moc"
