// The screens hand every verdict to the results layer: a real program, a real SQLite file.
#include "results/Recorder.h"
#include "results/Store.h"
#include "screens/aklas/Aklas.h"
#include "screens/column1/Column1Fixture.h"
#include "ui/Controls.h"

#include <QTemporaryDir>

class KeepingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    static std::vector<results::Check> kept(const QString& file) {
        std::vector<results::Check> all;
        results::openLocal(file)->forEach([&](const results::Check& c) { return all.push_back(c), true; });
        return all;
    }

private slots:
    void columnChecks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("faults");
        QTest::newRow("right") << "246"
                               << "goed"
                               << "";
        QTest::newRow("wrong units") << "245"
                                     << "fout"
                                     << "E-reken";
        QTest::newRow("the hundreds box left empty") << "46"
                                                     << "fout"
                                                     << "H-reken";
    }
    void columnChecks() {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, faults);
        const QString file = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".sqlite");
        Column1 c;
        c.tp.program().setRecorder(std::make_unique<results::Recorder>(results::Recorder::Options{.localPath = file}));
        c.tp.program().setPupil(QStringLiteral("=Zoë \"Z\", 5a"));
        c.start(1, 2, 3, 2);
        c.answer(typed);
        c.check();
        QVERIFY(c.tp.program().recorder()->settle(5000));
        const auto all = kept(file);
        QCOMPARE(all.size(), std::size_t(1));
        QCOMPARE(all[0].pupil, QStringLiteral("=Zoë \"Z\", 5a"));
        QCOMPARE(all[0].screen, QStringLiteral("Cijferend vermenigvuldigen"));
        QCOMPARE(all[0].problem, QStringLiteral("123 x 2"));
        QCOMPARE(all[0].answer, typed);
        QCOMPARE(all[0].verdict, verdict);
        QCOMPARE(all[0].faults, faults);
        QVERIFY(all[0].moment.secsTo(QDateTime::currentDateTimeUtc()) < 60);
    }

    void drillKeptWhenItEnds() {
        const QString file = dir.filePath(QStringLiteral("drill.sqlite"));
        Column1 c;
        c.tp.program().setRecorder(std::make_unique<results::Recorder>(results::Recorder::Options{.localPath = file}));
        c.start(1, 2, 3, 4);
        TestProgram::click(c.screen().cmdaklas);
        Aklas& room = c.tp.program().screen<Aklas>();
        room.Cmd7_Click();
        room.findChild<ui::Timer*>(QStringLiteral("Timerreset"))->tick();
        room.Cmd3_Click();
        // The program ends during the second drill: its end hides every window.
        room.hide();
        QVERIFY(c.tp.program().recorder()->settle(5000));
        const auto all = kept(file);
        QCOMPARE(all.size(), std::size_t(2));
        QCOMPARE(all[0].problem + ' ' + all[0].verdict, QStringLiteral("tafel van 7 klaar"));
        QCOMPARE(all[1].problem + ' ' + all[1].verdict, QStringLiteral("tafel van 3 onderbroken"));
        QCOMPARE(all[0].screen, QStringLiteral("A klas"));
    }
};

QTEST_MAIN(KeepingTest)
#include "keeping_test.moc"
