// What a pupil meets on the column multiplication screen: its states, the answer boxes
// reacting to typing and clicks, checks and their records, the series and the total.
#include "screens/aklas/Aklas.h"
#include "screens/column1/Column1Fixture.h"

#include <QTest>

using ui::isShown;

class Frmmaal2Test : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ states

    void states_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        const QStringList keypad{"cmdhelp1", "cmdhelp9", "cmdhelpstip", "txthulp"};
        QTest::newRow("ready at creation")
            << QStringList{} << QStringList{"cmdstart", "cmdCreate", "Shape1", "LBLONTHOUD"}
            << QStringList{"cmdcontrole", "cmdnieuw", "cmdstop", "cmdstop2", "cmdaklas", "txtduizendtal"} + keypad;
        QTest::newRow("working, three digits")
            << QStringList{"start"} << QStringList{"cmdcontrole", "cmdaklas", "cmdCreate"}
            << QStringList{"cmdstart", "cmdstop2", "txtduizendtal"};
        QTest::newRow("working, four digits")
            << QStringList{"start888"} << QStringList{"cmdcontrole", "cmdaklas", "cmdCreate", "txtduizendtal"}
            << QStringList{"cmdstart", "cmdstop2"};
        QTest::newRow("after a check") << QStringList{"right"} << QStringList{"cmdstart"}
                                       << QStringList{"cmdcontrole", "cmdnieuw", "cmdstop", "cmdstop2"};
        QTest::newRow("series complete, fifth right")
            << QStringList{"wrong", "right", "wrong", "right", "right"}
            << QStringList{"cmdstart", "cmdnieuw", "cmdstop2"} << QStringList{"cmdcontrole", "cmdstop"};
        QTest::newRow("series complete, fifth wrong")
            << QStringList{"right", "right", "right", "right", "wrong"}
            << QStringList{"cmdstart", "cmdnieuw", "cmdstop2"} << QStringList{"cmdcontrole", "cmdstop"};
        QTest::newRow("stop asked") << QStringList{"right", "right", "right", "right", "right", "right", "stop"}
                                    << QStringList{"cmdstart", "cmdstop2", "cmdcontrole"}
                                    << QStringList{"cmdstop"} + keypad;
        QTest::newRow("ready after a new series")
            << QStringList{"right", "right", "right", "right", "right", "nieuw"} << QStringList{"cmdstart"}
            << QStringList{"cmdcontrole", "cmdnieuw", "cmdstop", "cmdstop2", "cmdaklas", "txtduizendtal"} + keypad;
    }
    void states() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        Column1 c;
        for (const QString& step : steps) {
            if (step == "start")
                c.start(1, 2, 3, 2);
            else if (step == "start888")
                c.start(8, 8, 8, 8);
            else if (step == "right" || step == "wrong")
                c.exercise(step == "right");
            else if (step == "stop")
                TestProgram::click(c.screen().cmdstop);
            else if (step == "nieuw")
                TestProgram::click(c.screen().cmdnieuw);
        }
        for (const QString& name : shown)
            QVERIFY2(c.shown(name), qPrintable(name + " should be shown"));
        for (const QString& name : hidden)
            QVERIFY2(!c.shown(name), qPrintable(name + " should be hidden"));
    }

    void startFillsTheProblem() {
        Column1 c;
        c.start(5, 0, 7, 4);
        frmmaal2& s = c.screen();
        QCOMPARE(s.txt100->text(), "5");
        QCOMPARE(s.txt10->text(), "0");
        QCOMPARE(s.txt1->text(), "7");
        QCOMPARE(s.txtmaler->text(), "4");
        QCOMPARE(s.maler, 4);
        QCOMPARE(s.lblmemo5->text(), "7 x 4 = ... ");
        QCOMPARE(s.lblmededeling->text(), "je kunt zelfs naar de A-klas om de tafel van 4 te oefenen");
        QCOMPARE(s.exercise().expectedNumber, 2028);
        QCOMPARE(c.focus(), "txteenheid");
        // The problem boxes cannot be typed into but stay black on white.
        QVERIFY(!s.txt1->isEnabled());
        QCOMPARE(s.txt1->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        // The draws are made after a fresh seed.
        QCOMPARE(c.rng().reseeds(), 1);
    }

    // ------------------------------------------------------------ typing and clicking

    void typingMovesOn_data() {
        QTest::addColumn<int>("hundreds");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("checkShown");
        // 123 x 2 has three digits, 888 x 8 = 7104 four.
        QTest::newRow("units") << 1 << "6"
                               << "txttiental"
                               << "2 x 2 = ... " << true;
        QTest::newRow("units and tens") << 1 << "64"
                                        << "txthonderdtal"
                                        << "1 x 2 = ... " << true;
        QTest::newRow("all three") << 1 << "642"
                                   << "cmdcontrole"
                                   << "" << true;
        QTest::newRow("four-digit, three typed") << 8 << "401"
                                                 << "txtduizendtal"
                                                 << "" << true;
        QTest::newRow("four-digit, all four") << 8 << "4017"
                                              << "cmdcontrole"
                                              << "" << true;
    }
    void typingMovesOn() {
        QFETCH(int, hundreds);
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        QFETCH(QString, memo);
        QFETCH(bool, checkShown);
        Column1 c;
        if (hundreds == 1)
            c.start(1, 2, 3, 2);
        else
            c.start(8, 8, 8, 8);
        TestProgram::type(c.screen().txteenheid, typed);
        QCOMPARE(c.focus(), focus);
        QCOMPARE(c.screen().lblmemo5->text(), memo);
        QCOMPARE(c.shown("cmdcontrole"), checkShown);
    }

    void statusLineFollowsTheBoxes() {
        Column1 c;
        c.start(1, 2, 3, 2);
        frmmaal2& s = c.screen();
        TestProgram::type(s.txteenheid, "6");
        QCOMPARE(s.lblmededeling->text(),
                 "je krijgt hulp bij het onthouden van nieuwe T, H en D. Klik op de knop 'onthouden'");
        TestProgram::type(s.txttiental, "42");
        QCOMPARE(s.lblmededeling->text(),
                 "Als je getal volledig is, klik je voor controle op het groene verkeerslicht  ");
    }

    void clickingABoxEmptiesIt_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("units") << "txteenheid";
        QTest::newRow("tens") << "txttiental";
        QTest::newRow("hundreds") << "txthonderdtal";
    }
    void clickingABoxEmptiesIt() {
        QFETCH(QString, box);
        Column1 c;
        c.start(1, 2, 3, 2);
        c.answer("246");
        auto* target = static_cast<QLineEdit*>(c.w(box));
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(target->text(), QString());
        QCOMPARE(c.focus(), box);
        TestProgram::type(target, "9");
        QCOMPARE(target->text(), "9");
    }

    void clickingTheThousandsBoxKeepsIt() {
        Column1 c;
        c.start(8, 8, 8, 8);
        c.answer("7104");
        QTest::mouseClick(c.screen().txtduizendtal, Qt::LeftButton);
        QCOMPARE(c.screen().txtduizendtal->text(), "7");
    }

    // ------------------------------------------------------------ checks

    void checkWithEmptyBoxes() {
        Column1 c;
        c.start(1, 2, 3, 2);
        c.check();
        frmmaal2& s = c.screen();
        for (auto* box : {s.txteenheid, s.txttiental, s.txthonderdtal, s.txtduizendtal})
            QCOMPARE(box->text(), "0");
        QVERIFY(!isShown(s.txtduizendtal));
        QCOMPARE(s.lbloordeel->text(), " F O U T ");
        QCOMPARE(s.lbloordeel->palette().color(QPalette::Window), QColor(0xFF, 0, 0));
        QCOMPARE(s.lbloordeel->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(s.shpoordeel->fill(), QColor(0xFF, 0, 0));
        QCOMPARE(c.slotText(0), "123 x 2 > 0");
        QCOMPARE(c.slotBack(0), QColor(0xFF, 0xC0, 0xC0));
        QCOMPARE(s.records(), 1);
        QCOMPARE(s.total(), 0);
    }

    void verdicts_data() {
        QTest::addColumn<QList<int>>("problem"); // h, t, e, m
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("total");
        const QColor green(0, 0xFF, 0), lightRed(0xFF, 0xC0, 0xC0);
        QTest::newRow("888 x 8 right") << QList<int>{8, 8, 8, 8} << "7104"
                                       << " P R I M A "
                                       << "888 x 8 = 7104" << green << 1;
        QTest::newRow("888 x 8 too big") << QList<int>{8, 8, 8, 8} << "7105"
                                         << " F O U T "
                                         << "888 x 8 < 7105" << lightRed << 0;
        QTest::newRow("888 x 8 without thousands") << QList<int>{8, 8, 8, 8} << "104"
                                                   << " F O U T "
                                                   << "888 x 8 > 104" << lightRed << 0;
        QTest::newRow("800 x 1 right") << QList<int>{8, 0, 0, 1} << "800"
                                       << " P R I M A "
                                       << "800 x 1 = 800" << green << 1;
        QTest::newRow("105 x 2 right") << QList<int>{1, 0, 5, 2} << "210"
                                       << " P R I M A "
                                       << "105 x 2 = 210" << green << 1;
        QTest::newRow("507 x 6 right") << QList<int>{5, 0, 7, 6} << "3042"
                                       << " P R I M A "
                                       << "507 x 6 = 3042" << green << 1;
        QTest::newRow("123 x 2 too small") << QList<int>{1, 2, 3, 2} << "240"
                                           << " F O U T "
                                           << "123 x 2 > 240" << lightRed << 0;
    }
    void verdicts() {
        QFETCH(QList<int>, problem);
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, record);
        QFETCH(QColor, colour);
        QFETCH(int, total);
        Column1 c;
        c.start(problem[0], problem[1], problem[2], problem[3]);
        c.answer(typed);
        c.check();
        frmmaal2& s = c.screen();
        QCOMPARE(s.lbloordeel->text(), verdict);
        QCOMPARE(c.slotText(0), record);
        QCOMPARE(c.slotBack(0), colour);
        QCOMPARE(s.total(), total);
        QCOMPARE(s.lblmededeling->text(), " start een nieuwe oefening of stop na 5 oefeningen");
        QCOMPARE(c.focus(), "cmdstart");
        const bool right = total == 1;
        QCOMPARE(s.lbloordeel->palette().color(QPalette::WindowText), right ? QColor(Qt::black) : QColor(Qt::white));
        QCOMPARE(s.shpoordeel->fill(), right ? QColor(Qt::white) : QColor(0xFF, 0, 0));
    }

    void rewardPicture_data() {
        QTest::addColumn<int>("k");
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("k=%d", k) << k;
    }
    void rewardPicture() {
        QFETCH(int, k);
        Column1 c;
        c.start(1, 2, 3, 2);
        c.answer("246");
        const int seedsBefore = c.rng().reseeds();
        c.check(k);
        QCOMPARE(c.rng().reseeds(), seedsBefore + 1);
        for (int i = 0; i < frmmaal2::RewardPictures; ++i)
            QCOMPARE(isShown(c.screen().imgpop1[i]), i == k - 1);
        // The next exercise takes the picture away again.
        c.start(1, 2, 3, 2);
        for (auto* picture : c.screen().imgpop1)
            QVERIFY(!isShown(picture));
    }

    void highestRewardDrawStaysBelowSlotSix() {
        Column1 c;
        c.start(1, 2, 3, 2);
        c.answer("246");
        c.rng().push(0.9999999999);
        TestProgram::click(c.screen().cmdcontrole);
        QVERIFY(isShown(c.screen().imgpop1[5]));
        QVERIFY(!isShown(c.screen().imgpop1[6]));
    }

    // A pupil may click a box, retype and check the same exercise again; each right
    // check counts.
    void recheckCountsAgain() {
        Column1 c;
        c.start(1, 2, 3, 2);
        c.answer("246");
        c.check();
        QTest::mouseClick(c.screen().txthonderdtal, Qt::LeftButton);
        TestProgram::type(c.screen().txthonderdtal, "2");
        QVERIFY(c.shown("cmdcontrole"));
        c.check();
        QCOMPARE(c.screen().total(), 2);
        QCOMPARE(c.slotText(1), "123 x 2 = 246");
    }

    // A stop clears the board, so a check then has nothing to reach; the record line
    // still judges the answer against the last exercise.
    void checkOnAClearedBoard() {
        Column1 c;
        for (int i = 0; i < 6; ++i)
            c.exercise(true);
        TestProgram::click(c.screen().cmdstop);
        c.answer("246");
        c.check();
        QCOMPARE(c.screen().lbloordeel->text(), " F O U T ");
        QCOMPARE(c.slotText(0), "123 x 2 = 246");
        QCOMPARE(c.screen().total(), 6);
    }

    // ------------------------------------------------------------ the series

    void fifthRecordOffersLeaving() {
        Column1 c;
        for (bool right : {true, false, true, true, false})
            c.exercise(right);
        QCOMPARE(c.screen().records(), 5);
        QCOMPARE(c.focus(), "cmdstart");
        QCOMPARE(c.slotText(4), "123 x 2 > 245");
        for (int i = 5; i < frmmaal2::SeriesSlots; ++i)
            QVERIFY(!isShown(c.screen().Txtoef1[i]));
    }

    void goingOnPastFive_data() {
        QTest::addColumn<bool>("sixthRight");
        QTest::addColumn<QString>("slot5");
        QTest::newRow("sixth right goes into a hidden slot") << true << "123 x 2 = 246";
        QTest::newRow("sixth wrong too") << false << "123 x 2 > 245";
    }
    void goingOnPastFive() {
        QFETCH(bool, sixthRight);
        QFETCH(QString, slot5);
        Column1 c;
        for (int i = 0; i < 5; ++i)
            c.exercise(true);
        c.exercise(sixthRight);
        frmmaal2& s = c.screen();
        QCOMPARE(c.slotText(5), slot5);
        QVERIFY(!isShown(s.Txtoef1[5]));
        QCOMPARE(s.records(), 6);
        QVERIFY(isShown(s.cmdstop));
        QVERIFY(isShown(s.cmdcontrole));
        QVERIFY(isShown(s.cmdstart));
        // A seventh, wrong, check is no longer recorded.
        c.exercise(false);
        QCOMPARE(s.records(), 6);
        QCOMPARE(c.slotText(6), QString());
    }

    void stopEmptiesTheSeriesAndAsks() {
        Column1 c;
        for (int i = 0; i < 6; ++i)
            c.exercise(i % 2 == 0);
        TestProgram::click(c.screen().cmdstop);
        frmmaal2& s = c.screen();
        QCOMPARE(s.lblmededeling->text(), " Wil je stoppen?");
        for (int i = 0; i < frmmaal2::SeriesSlots; ++i) {
            QCOMPARE(c.slotText(i), QString());
            QCOMPARE(c.slotBack(i), QColor(Qt::white));
        }
        QCOMPARE(s.records(), 0);
        // Going on starts a new series in slot 0.
        c.exercise(true);
        QCOMPARE(c.slotText(0), "123 x 2 = 246");
    }

    void newSeriesEmptiesAllSlots() {
        Column1 c;
        for (int i = 0; i < 8; ++i)
            c.exercise(true);
        TestProgram::click(c.screen().cmdnieuw);
        frmmaal2& s = c.screen();
        QCOMPARE(s.lblmededeling->text(), " Alles leeg voor een nieuwe start.");
        for (int i = 0; i < frmmaal2::SeriesSlots; ++i) {
            QCOMPARE(c.slotText(i), QString());
            QCOMPARE(c.slotBack(i), QColor(Qt::white));
        }
        c.exercise(false);
        QCOMPARE(c.slotText(0), "123 x 2 > 245");
        QCOMPARE(s.records(), 1);
    }

    // ------------------------------------------------------------ the running total

    void totalGoesBackToTheMenu() {
        Column1 c;
        for (bool right : {true, false, true, true, false})
            c.exercise(right);
        // Nothing reaches the menu before the pupil leaves.
        QCOMPARE(c.menu().lblgemaakt->text(), "0");
        TestProgram::click(c.screen().cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "3");
        QVERIFY(c.menu().isVisible());
        QVERIFY(!c.screen().isVisible());
        QVERIFY(!c.tp.main().isEnabled());
        // The screen comes back emptied, in the ready state.
        c.enter();
        frmmaal2& s = c.screen();
        QCOMPARE(c.slotText(0), QString());
        QVERIFY(isShown(s.cmdstart));
        QVERIFY(!isShown(s.cmdcontrole));
        QVERIFY(!isShown(s.cmdnieuw));
        // The next visit starts from the new total.
        c.exercise(true);
        c.exercise(true);
        for (int i = 0; i < 3; ++i)
            c.exercise(false);
        TestProgram::click(s.cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "5");
    }

    void totalIsReadOnEveryActivation() {
        Column1 c;
        c.exercise(true);
        // Another screen raised the total meanwhile.
        c.tp.program().HideScreen(c.screen());
        c.menu().lblgemaakt->setText("40");
        c.tp.program().ShowScreen(c.screen());
        QCOMPARE(c.screen().total(), 40);
    }

    // ------------------------------------------------------------ mended faults

    void checksBeforeTheRoomAreKept() {
        Column1 c;
        c.exercise(true);
        c.exercise(true);
        c.start(5, 0, 7, 4);
        TestProgram::type(c.screen().txteenheid, "8");
        TestProgram::click(c.screen().cmdaklas);
        Aklas& room = c.tp.program().screen<Aklas>();
        QVERIFY(room.isVisible());
        QVERIFY(!c.screen().isVisible());
        QCOMPARE(room.lblmededeling->text(), " ik zoek 0 x 4 = ... ");
        QCOMPARE(room.lblinfor->text(), " druk op x 4");
        QVERIFY(isShown(room.Cmdterug));
        QCOMPARE(c.menu().lblgemaakt->text(), "2");
        // Back from the room, the exercise is still there and the two checks still count.
        c.tp.program().HideScreen(room);
        c.tp.program().ShowScreen(c.screen());
        QCOMPARE(c.screen().total(), 2);
        QCOMPARE(c.screen().txteenheid->text(), "8");
        TestProgram::type(c.screen().txttiental, "02");
        c.check();
        for (int i = 0; i < 2; ++i)
            c.exercise(false);
        TestProgram::click(c.screen().cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "2");
    }

    void twelfthRecordIsDropped() {
        Column1 c;
        for (int i = 0; i < 11; ++i)
            c.exercise(true);
        QCOMPARE(c.screen().records(), frmmaal2::SeriesSlots);
        c.start(8, 8, 8, 8);
        c.answer("7104");
        c.check();
        QCOMPARE(c.screen().lbloordeel->text(), " P R I M A ");
        QCOMPARE(c.screen().total(), 12);
        QCOMPARE(c.screen().records(), frmmaal2::SeriesSlots);
        for (int i = 0; i < frmmaal2::SeriesSlots; ++i)
            QCOMPARE(c.slotText(i), "123 x 2 = 246");
        TestProgram::click(c.screen().cmdnieuw);
        c.exercise(true);
        QCOMPARE(c.screen().records(), 1);
    }

    void totalStopsAt32767() {
        Column1 c;
        c.tp.program().HideScreen(c.screen());
        c.menu().lblgemaakt->setText("32766");
        c.tp.program().ShowScreen(c.screen());
        for (int i = 0; i < 3; ++i)
            c.exercise(true);
        QCOMPARE(c.screen().total(), 32767);
        c.exercise(true);
        c.exercise(true);
        TestProgram::click(c.screen().cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "32767");
    }

    void pastedTextIsJudgedByItsValue_data() {
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("tens");
        QTest::addColumn<QString>("hundreds");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("unitsAfter");
        // 123 x 2 = 246
        QTest::newRow("letters count as 0") << "6a"
                                            << "4"
                                            << "2"
                                            << " F O U T "
                                            << "123 x 2 > 240"
                                            << "0";
        QTest::newRow("a point counts as 0") << "."
                                             << "4"
                                             << "2"
                                             << " F O U T "
                                             << "123 x 2 > 240"
                                             << "0";
        QTest::newRow("two digits in the units") << "46"
                                                 << "0"
                                                 << "2"
                                                 << " P R I M A "
                                                 << "123 x 2 = 246"
                                                 << "46";
        QTest::newRow("twenty digits") << "99999999999999999999"
                                       << "4"
                                       << "2"
                                       << " F O U T "
                                       << "123 x 2 < 100000000000000000239"
                                       << "99999999999999999999";
        QTest::newRow("past 16 bits") << "40000"
                                      << "0"
                                      << "0"
                                      << " F O U T "
                                      << "123 x 2 < 40000"
                                      << "40000";
        QTest::newRow("true value equals the product") << "65782"
                                                       << ""
                                                       << ""
                                                       << " F O U T "
                                                       << "123 x 2 < 65782"
                                                       << "65782";
    }
    void pastedTextIsJudgedByItsValue() {
        QFETCH(QString, units);
        QFETCH(QString, tens);
        QFETCH(QString, hundreds);
        QFETCH(QString, verdict);
        QFETCH(QString, record);
        QFETCH(QString, unitsAfter);
        Column1 c;
        c.start(1, 2, 3, 2);
        frmmaal2& s = c.screen();
        s.txthonderdtal->insert(hundreds);
        s.txttiental->insert(tens);
        s.txteenheid->insert(units);
        c.check();
        QCOMPARE(s.lbloordeel->text(), verdict);
        QCOMPARE(c.slotText(0), record);
        QCOMPARE(s.txteenheid->text(), unitsAfter);
    }
};

QTEST_MAIN(Frmmaal2Test)
#include "frmmaal2_test.moc"
