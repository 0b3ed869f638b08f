// The two-digit multiplier screen as a pupil meets it: guided entry over three rows,
// the keypad, the times-table reminder, checks, the series and the running total.
#include "exercise/TimesTable.h"
#include "screens/column2/frmmaal3.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QTest>

using ui::isShown;

namespace {

const QString Aklas = " Je kunt een geheugensteuntje uit de A-klas gebruiken.";
const QString Note = "Je krijgt hulp bij het onthouden van nieuwe T, H en D. Klik op de knop 'onthouden'.";
const QString Sum = "Maak de som van beide getallen.";
const QString Check = "Controleer je oefening, klik op het groene verkeerslicht.";
const QColor Green(0, 0xFF, 0), LightRed(0xFF, 0xC0, 0xC0), Red(0xFF, 0, 0);

// Whole exercises typed from the first box on: first row, second row, sum.
const QString Right100x11 = "001"
                            "001"
                            "0011";
const QString Right507x16 = "2403"
                            "705"
                            "2118";

class Column2 {
public:
    Column2() {
        TestProgram::click(tp.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        enter();
    }
    frmmaal3& s() { return tp.program().screen<frmmaal3>(); }
    frmkiesbasis& menu() { return tp.program().screen<frmkiesbasis>(); }
    void enter() { TestProgram::click(tp.find<QPushButton, frmkiesbasis>("Command4")); }
    QWidget* w(const QString& name) { return s().findChild<QWidget*>(name); }
    QString focus() { return s().focusWidget() ? s().focusWidget()->objectName() : QString(); }
    // A fresh script per exercise, so a reward draw left over is never taken for a digit.
    void start(int m, int n) {
        rng = &tp.script({drawFor(m % 10, 9, 0), drawFor(m / 10 % 10, 9, 0), drawFor(m / 100, 8, 1),
                          drawFor(n % 10, 8, 1), drawFor(n / 10, 8, 1)});
        TestProgram::click(s().cmdstart);
    }
    void type(const QString& keys) { TestProgram::type(s().focusWidget(), keys); }
    void check(int reward = 1) {
        rng->push(drawFor(reward, 6, 1));
        TestProgram::click(s().cmdcontrole);
    }
    void exercise(bool right) {
        start(100, 11);
        type(right ? Right100x11
                   : "001001"
                     "0021");
        check();
    }
    void verifyShown(const QStringList& shown, const QStringList& hidden) {
        for (const QString& name : shown)
            QVERIFY2(isShown(w(name)), qPrintable(name + " should be shown"));
        for (const QString& name : hidden)
            QVERIFY2(!isShown(w(name)), qPrintable(name + " should be hidden"));
    }
    QString slot(int i) { return s().Txtoef1[i]->text(); }
    QColor slotBack(int i) { return s().Txtoef1[i]->palette().color(QPalette::Base); }

    TestProgram tp;
    zef::ScriptedRandom* rng = nullptr;
};

} // namespace

class Frmmaal3Test : public QObject {
    Q_OBJECT

private slots:
    void firstShowing() {
        Column2 c;
        c.verifyShown({"cmdstart", "txttienduizendtal2", "txtuitkomstTD", "Shape1", "LBLONTHOUD"},
                      {"cmdcontrole", "cmdnieuw", "cmdstop", "cmdstop2", "cmdCreate", "cmdaklas1", "cmdaklas2",
                       "txtduizendtal", "txthulp", "cmdhelp1", "cmdhelpstip", "Lbltrainer"});
        QCOMPARE(c.s().lblmededeling->text(), "Start een oefening met een klik op het vliegtuig.");
        QVERIFY(c.s().trmaklas2->isActive() && c.s().trmaklas2->interval() == 6000);
        QVERIFY(!c.s().tmraklas->isActive() && c.s().tmraklas->interval() == 4000);
        c.start(507, 16);
        frmmaal3& s = c.s();
        QCOMPARE(s.txt100->text() + s.txt10->text() + s.txt1->text() + s.txtmalerT->text() + s.txtmalerE->text(),
                 "50716");
        QCOMPARE(s.exercise().product, 8112);
        QCOMPARE(s.lblmededeling->text(), "Vermenigvuldig 507 eerst met de eenheid 6 van de vermenigvuldiger. ");
        QCOMPARE(c.focus(), "txteenheid");
        c.verifyShown({"cmdCreate", "cmdaklas1"}, {"cmdstart", "cmdcontrole", "cmdstop2", "cmdaklas2"});
    }

    void guidedEntry_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        const QString second100 =
            "Vermenigvuldig 100 nu met het tiental 1 van de vermenigvuldiger. Je schrijft niets in het vakje van de "
            "eenheden.";
        const QString second507 = QString(second100).replace("100", "507");
        auto row = [](const char* name, int m, int n, const QString& typed, const char* focus, const QString& status,
                      const QStringList& shown, const QStringList& hidden) {
            QTest::newRow(name) << m << n << typed << QString(focus) << status << shown << hidden;
        };
        const QStringList none;
        row("units", 100, 11, "0", "txttiental", Aklas, {"cmdaklas1"},
            {"txtduizendtal", "txttienduizendtal2", "txtuitkomstTD"});
        row("tens", 100, 11, "00", "txthonderdtal", Note, none, none);
        row("three-digit row done", 100, 11, "001", "txttiental2", second100, {"cmdaklas2"}, {"cmdaklas1"});
        row("four-digit row, three typed", 507, 16, "240", "txtduizendtal", Note, {"cmdaklas1", "txtduizendtal"},
            {"cmdaklas2", "txttienduizendtal2", "txtuitkomstTD"});
        row("four-digit row done", 507, 16, "2403", "txttiental2", second507, {"cmdaklas2"}, {"cmdaklas1"});
        row("second row tens", 100, 11, "0010", "txthonderdtal2", Note, {"cmdCreate"}, none);
        row("four-place row done", 100, 11, "001001", "txtuitkomstE", Sum, none, {"cmdaklas2", "cmdCreate"});
        row("five-place row, four typed", 125, 81, "521000", "txttienduizendtal2", Note,
            {"cmdaklas2", "cmdCreate", "txttienduizendtal2", "txtuitkomstTD"}, {"txtduizendtal"});
        row("five-place row done", 125, 81, "5210001", "txtuitkomstE", Sum, none, {"cmdaklas2", "cmdCreate"});
        row("four-digit sum done", 100, 11, Right100x11, "cmdcontrole", Check, {"cmdcontrole"}, none);
        row("five-digit sum, four typed", 125, 81,
            "5210001"
            "5210",
            "txtuitkomstTD", Sum, none, {"cmdcontrole"});
        row("five-digit sum done", 250, 48,
            "0002"
            "0001"
            "00021",
            "cmdcontrole", Sum, {"cmdcontrole", "txtduizendtal", "txttienduizendtal2", "txtuitkomstTD"}, none);
        row("a digit in the empty place", 100, 11, "0015", "txttiental2", Aklas, none, none);
    }
    void guidedEntry() {
        QFETCH(int, m);
        QFETCH(int, n);
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        QFETCH(QString, status);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        Column2 c;
        c.start(m, n);
        if (typed.endsWith('5')) { // the pupil clicks the empty place and types into it
            c.type(typed.chopped(1));
            QTest::mouseClick(c.s().txtleeg2, Qt::LeftButton);
            QTest::keyClick(c.s().txtleeg2, '5');
        } else {
            c.type(typed);
        }
        QCOMPARE(c.focus(), focus);
        QCOMPARE(c.s().lblmededeling->text(), status);
        c.verifyShown(shown, hidden);
        if (focus == "txttiental2")
            QCOMPARE(c.s().txtleeg2->text(), ".");
    }

    void keypadSendsTheFocusOn_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("filled"); // boxes filled, in the order of the guided entry
        QTest::addColumn<QString>("focus");
        QTest::newRow("1: nothing") << 507 << 16 << 0 << "txteenheid";
        QTest::newRow("2: units") << 507 << 16 << 1 << "txttiental";
        QTest::newRow("3: tens") << 507 << 16 << 2 << "txthonderdtal";
        QTest::newRow("4: hundreds, empty thousands shown") << 507 << 16 << 3 << "txtduizendtal";
        QTest::newRow("4: hundreds, no thousands") << 100 << 11 << 3 << "txttiental2";
        QTest::newRow("5: thousands") << 507 << 16 << 4 << "txttiental2";
        QTest::newRow("6: second-row tens") << 507 << 16 << 6 << "txthonderdtal2";
        QTest::newRow("7: second-row hundreds") << 507 << 16 << 7 << "txtduizendtal2";
        QTest::newRow("8: thousands, no ten-thousands") << 507 << 16 << 8 << "txtuitkomstE";
        QTest::newRow("8: thousands, ten-thousands shown") << 250 << 48 << 8 << "txttienduizendtal2";
        QTest::newRow("9: ten-thousands") << 250 << 48 << 9 << "txtuitkomstE";
    }
    void keypadSendsTheFocusOn() {
        QFETCH(int, m);
        QFETCH(int, n);
        QFETCH(int, filled);
        QFETCH(QString, focus);
        Column2 c;
        c.start(m, n);
        frmmaal3& s = c.s();
        TestProgram::click(s.keypad().cmdCreate);
        const QList<ui::TextBox*> order{s.txteenheid,     s.txttiental,     s.txthonderdtal,
                                        s.txtduizendtal,  s.txtleeg2,       s.txttiental2,
                                        s.txthonderdtal2, s.txtduizendtal2, s.txttienduizendtal2};
        for (int i = 0; i < filled; ++i)
            order[i]->setText("1");
        // The last row box closes the keypad, so press the key the way its button does.
        s.keypad().cmdhelp_Click(s.keypad().cmdhelp[2]);
        QCOMPARE(c.focus(), focus);
        QCOMPARE(s.keypad().txthulp->text(), "3");
    }

    void keypadPanel() {
        Column2 c;
        frmmaal3& s = c.s();
        keypad::Keypad& k = s.keypad();
        using ui::rectFromTwips;
        QCOMPARE(k.cmdhelp[8]->geometry(), rectFromTwips(10920, 2040, 495, 495));
        QCOMPARE(k.txthulp->geometry(), rectFromTwips(7800, 720, 1095, 975));
        QCOMPARE(k.LBLONTHOUD->geometry(), rectFromTwips(7800, 240, 3495, 375));
        QCOMPARE(k.Shape1->geometry(), rectFromTwips(7080, 120, 4455, 2655));
        c.start(507, 16);
        const QString before = s.lblmededeling->text();
        TestProgram::click(k.cmdCreate);
        QCOMPARE(s.lblmededeling->text(), before);
        TestProgram::click(k.cmdhelp[2]);
        TestProgram::click(k.cmdhelp[4]);
        QCOMPARE(k.txthulp->text(), "5");
        c.type("2");
        QCOMPARE(k.txthulp->text(), QString());
        // The end of the second row closes the keypad and "onthouden"; the panel stays.
        c.type("403705");
        c.verifyShown({"Shape1", "LBLONTHOUD"}, {"cmdhelp1", "cmdhelp9", "cmdhelpstip", "txthulp", "cmdCreate"});
    }

    void reminder() {
        Column2 c;
        frmmaal3& s = c.s();
        c.start(123, 37);
        TestProgram::click(s.cmdaklas1);
        QVERIFY(isShown(s.Lbltrainer) && s.tmraklas->isActive());
        const QStringList lines = s.Lbltrainer->text().split("\r\n");
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.first(), "    0 x 7 = 0");
        QCOMPARE(lines.last(), "   10 x 7 = 70");
        QCOMPARE(c.focus(), "txteenheid");
        c.type("1");
        QVERIFY(!isShown(s.Lbltrainer));
        s.tmraklas->tick();
        QVERIFY(isShown(s.Lbltrainer));
        s.trmaklas2->tick();
        QVERIFY(!isShown(s.Lbltrainer) && !s.tmraklas->isActive() && s.trmaklas2->isActive());
        c.type("64");
        TestProgram::click(s.cmdaklas2);
        QCOMPARE(s.Lbltrainer->text(), QString::fromStdString(zef::TimesTableText("3")));
        QVERIFY(isShown(s.Lbltrainer) && !s.tmraklas->isActive());
        QCOMPARE(c.focus(), "txttiental2");
        c.type("963");
        c.verifyShown({}, {"Lbltrainer", "cmdaklas1", "cmdaklas2"});
    }

    void checks_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted"); // into the box that has the focus, then the rest is typed
        QTest::addColumn<QString>("rest");
        QTest::addColumn<bool>("emptySum");
        QTest::addColumn<QString>("record");
        auto row = [](const char* name, int m, int n, const char* typed, const char* pasted, const char* rest,
                      bool emptySum, const char* record) {
            QTest::newRow(name) << m << n << QString(typed) << QString(pasted) << QString(rest) << emptySum
                                << QString(record);
        };
        row("right", 507, 16,
            "2403"
            "705"
            "2118",
            "", "", false, "507 x 16 = 8112");
        row("right sum, wrong rows", 507, 16,
            "1111"
            "111"
            "2118",
            "", "", false, "507 x 16 = 8112");
        row("too big", 213, 32,
            "624"
            "936"
            "6286",
            "", "", false, "213 x 32 < 6826");
        row("too small", 250, 48,
            "0002"
            "0001"
            "00011",
            "", "", false, "250 x 48 > 11000");
        row("emptied sum", 507, 16,
            "2403"
            "705"
            "2118",
            "", "", true, "507 x 16 > 0");
        row("pasted digit too many", 100, 11,
            "001"
            "001"
            "001",
            "12", "", false, "100 x 11 < 12100");
        row("pasted letters count as 0", 100, 11,
            "001"
            "001",
            "x1", "011", false, "100 x 11 = 1100");
        row("twenty digits", 100, 11,
            "001"
            "001",
            "99999999999999999999", "011", false, "100 x 11 < 100000000000000001099");
    }
    void checks() {
        QFETCH(int, m);
        QFETCH(int, n);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, rest);
        QFETCH(bool, emptySum);
        QFETCH(QString, record);
        Column2 c;
        frmmaal3& s = c.s();
        c.start(m, n);
        c.type(typed);
        if (!pasted.isEmpty())
            static_cast<QLineEdit*>(s.focusWidget())->insert(pasted);
        c.type(rest);
        if (emptySum)
            for (ui::TextBox* box : {s.txtuitkomstE, s.txtuitkomstT, s.txtuitkomstH, s.txtuitkomstD})
                QTest::mouseClick(box, Qt::LeftButton);
        const int seeds = c.rng->reseeds();
        c.check(4);
        const bool right = record.contains('=');
        QCOMPARE(s.lbloordeel->text(), right ? " P R I M A " : " F O U T ");
        QCOMPARE(s.lbloordeel->palette().color(QPalette::Window), right ? Green : Red);
        QCOMPARE(s.lbloordeel->palette().color(QPalette::WindowText), right ? QColor(Qt::black) : QColor(Qt::white));
        QCOMPARE(s.shpoordeel->fill(), right ? QColor(Qt::white) : Red);
        QCOMPARE(isShown(s.imgpop1[3]), right);
        QCOMPARE(c.rng->reseeds(), seeds + (right ? 1 : 0));
        QCOMPARE(c.slot(0), record);
        QCOMPARE(c.slotBack(0), right ? Green : LightRed);
        QCOMPARE(s.total(), right ? 1 : 0);
        QCOMPARE(s.lblmededeling->text(), " Start een nieuwe oefening of stop na 5 oefeningen.");
        QCOMPARE(c.focus(), "cmdstart");
        if (emptySum) // the hidden ten-thousands box is repaired as well
            QCOMPARE(s.txtuitkomstTD->text(), "0");
    }

    void checkRepairsHiddenBoxes() {
        Column2 c;
        frmmaal3& s = c.s();
        c.start(100, 11);
        c.type(Right100x11);
        c.check();
        QCOMPARE(s.txtduizendtal->text() + s.txttienduizendtal2->text() + s.txtuitkomstTD->text(), "000");
        // The repaired thousands box shows cmdaklas2, the repaired ten-thousands box hides it again.
        QVERIFY(!isShown(s.cmdaklas2));
        c.start(125, 81);
        c.type("5210001"
               "52101");
        c.check();
        QVERIFY(isShown(s.cmdaklas2));
        // Its focus step for the hidden thousands box is absorbed.
        TestProgram::click(s.cmdaklas2);
        QCOMPARE(c.focus(), "txtuitkomstE");
    }

    void seriesStopAndReturn() {
        Column2 c;
        frmmaal3& s = c.s();
        for (bool right : {true, false, true, true, true})
            c.exercise(right);
        QCOMPARE(s.records(), 5);
        QCOMPARE(c.focus(), "cmdstop");
        c.verifyShown({"cmdnieuw", "cmdstop"}, {"cmdcontrole", "cmdstart", "cmdstop2"});
        QCOMPARE(c.slot(1), "100 x 11 < 1200");
        TestProgram::click(s.cmdstop);
        QCOMPARE(s.lblmededeling->text(), " Wil je stoppen?");
        QCOMPARE(s.records(), 0);
        for (int i = 0; i < frmmaal3::SeriesSlots; ++i)
            QVERIFY(c.slot(i).isEmpty() && c.slotBack(i) == QColor(Qt::white));
        c.verifyShown({"cmdstart", "cmdstop2", "cmdcontrole"}, {"cmdnieuw", "cmdstop"});
        // A check of the cleared board has nothing to reach: too big, with the last problem.
        c.check();
        QCOMPARE(c.slot(0), "100 x 11 < 0");
        QCOMPARE(c.slotBack(0), LightRed);
        TestProgram::click(s.cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "4");
        QVERIFY(c.menu().isVisible() && !s.isVisible());
        // Back on the screen the board is cleared; the series goes on from where it was.
        c.menu().lblgemaakt->setText("10");
        c.enter();
        QCOMPARE(s.lblmededeling->text(), "Start een oefening met een klik op het vliegtuig.");
        QCOMPARE(s.txt100->text(), QString());
        QCOMPARE(s.total(), 10);
        QCOMPARE(s.records(), 1);
        c.exercise(true);
        QCOMPARE(c.slot(1), "100 x 11 = 1100");
        QCOMPARE(s.total(), 11);
    }

    // ------------------------------------------------------------ mended faults

    void twelfthRecordIsDropped() {
        Column2 c;
        frmmaal3& s = c.s();
        for (int i = 0; i < 5; ++i)
            c.exercise(true);
        // Re-checks of the same exercise fill the hidden slots, then stop recording.
        for (int i = 0; i < 7; ++i) {
            QTest::mouseClick(s.txtuitkomstD, Qt::LeftButton);
            c.type("1");
            c.check();
        }
        QCOMPARE(s.records(), frmmaal3::SeriesSlots);
        QCOMPARE(c.slot(10), "100 x 11 = 1100");
        QCOMPARE(s.total(), 12);
        // A new series resets the highlight of slot 11, which does not exist, and empties all.
        TestProgram::click(s.cmdnieuw);
        QCOMPARE(s.lblmededeling->text(), " Alles leeg voor een nieuwe start.");
        QCOMPARE(s.records(), 0);
        for (int i = 0; i < frmmaal3::SeriesSlots; ++i)
            QVERIFY(c.slot(i).isEmpty() && c.slotBack(i) == QColor(Qt::white));
        c.verifyShown({"cmdstart"}, {"cmdcontrole", "cmdnieuw", "cmdstop", "cmdstop2", "cmdaklas1"});
    }

    void totalStopsAt32767() {
        Column2 c;
        c.tp.program().HideScreen(c.s());
        c.menu().lblgemaakt->setText("32766");
        c.tp.program().ShowScreen(c.s());
        for (int i = 0; i < 5; ++i)
            c.exercise(true);
        TestProgram::click(c.s().cmdstop);
        TestProgram::click(c.s().cmdstop2);
        QCOMPARE(c.menu().lblgemaakt->text(), "32767");
    }
};

QTEST_MAIN(Frmmaal3Test)
#include "frmmaal3_test.moc"
