// The easy-or-hard screen as a pupil meets it: the column products written into the
// answer row, the red columns clicked, the check judged by the number in the boxes,
// the carry-note panel's rules here, and leaving without touching the total.
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using ui::isShown;

namespace {

const QColor Red(0xFF, 0, 0), Green(0, 0xFF, 0), White(Qt::white), Black(Qt::black);

class EasyHard {
public:
    EasyHard() {
        TestProgram::click(tp.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        TestProgram::click(tp.find<QPushButton, frmkiesbasis>("Command3"));
    }
    frmmaal& s() { return tp.program().screen<frmmaal>(); }
    frmkiesbasis& menu() { return tp.program().screen<frmkiesbasis>(); }
    QLineEdit* box(const QString& name) { return s().findChild<QLineEdit*>(name); }
    QString answerRead() { return QString::fromStdString(s().answer().answerText); }
    QString focus() { return s().focusWidget() ? s().focusWidget()->objectName() : QString(); }
    bool keypadOpen() { return isShown(s().keypad().txthulp) && isShown(s().keypad().cmdhelp[0]); }

    void start(const QList<int>& htem) {
        rng = &tp.script(
            {drawFor(htem[2], 9, 0), drawFor(htem[1], 9, 0), drawFor(htem[0], 8, 1), drawFor(htem[3], 8, 1)});
        TestProgram::click(s().cmdstart);
    }
    // Clicks the columns named by their letters, in the order given.
    void clickColumns(const QString& letters) {
        for (QChar c : letters)
            QTest::mouseClick(c == 'E'   ? s().txteenheid
                              : c == 'T' ? s().txttiental
                                         : s().txthonderdtal,
                              Qt::LeftButton);
    }
    void check() {
        rng->push(drawFor(3, 6, 1));
        TestProgram::click(s().cmdcontrole);
    }

    TestProgram tp;
    zef::ScriptedRandom* rng = nullptr;
};

} // namespace

class FrmmaalTest : public QObject {
    Q_OBJECT

private slots:
    void startWritesTheColumnProducts_data() {
        QTest::addColumn<QList<int>>("problem"); // h, t, e, m
        QTest::addColumn<QStringList>("boxes");  // E, T, H
        QTest::addColumn<QString>("red");
        QTest::addColumn<bool>("thousands");
        QTest::newRow("800 x 1 is easy") << QList<int>{8, 0, 0, 1} << QStringList{"0", "0", "8"} << "" << false;
        QTest::newRow("105 x 2: the carry makes T red")
            << QList<int>{1, 0, 5, 2} << QStringList{"10", "0", "2"} << "ET" << false;
        QTest::newRow("150 x 2: the carry makes H red")
            << QList<int>{1, 5, 0, 2} << QStringList{"0", "10", "2"} << "TH" << false;
        QTest::newRow("888 x 8") << QList<int>{8, 8, 8, 8} << QStringList{"64", "64", "64"} << "ETH" << true;
    }
    void startWritesTheColumnProducts() {
        QFETCH(QList<int>, problem);
        QFETCH(QStringList, boxes);
        QFETCH(QString, red);
        QFETCH(bool, thousands);
        EasyHard c;
        c.start(problem);
        const char* const names[] = {"txteenheid", "txttiental", "txthonderdtal"};
        for (int i = 0; i < 3; ++i) {
            QLineEdit* b = c.box(names[i]);
            const bool isRed = red.contains("ETH"[i]);
            QCOMPARE(b->text(), boxes[i]);
            QCOMPARE(b->palette().color(QPalette::Base), isRed ? Red : White);
            QCOMPARE(b->palette().color(QPalette::Text), isRed ? White : Black);
        }
        QCOMPARE(c.s().lblmededeling->text(), red.isEmpty() ? " dit is een gemakkelijke vermenigvuldiging"
                                                            : " klik op elk rode vlak en kijk wat je moet onthouden");
        QCOMPARE(isShown(c.s().txtduizendtal), thousands);
        QVERIFY(c.keypadOpen());
        QCOMPARE(c.focus(), "txteenheid");
        QVERIFY(!isShown(c.s().cmdcontrole) && !isShown(c.s().cmdstop2));
    }

    void clickingShowsTheRestAndTheCarry() {
        EasyHard c;
        c.start({1, 0, 5, 2});
        frmmaal& s = c.s();
        c.clickColumns("E");
        QCOMPARE(s.txteenheid->text(), "0");
        QCOMPARE(s.keypad().txthulp->text(), "1");
        QCOMPARE(s.txteenheid->palette().color(QPalette::Base), Green);
        QCOMPARE(c.focus(), "txttiental");
        c.clickColumns("T");
        QCOMPARE(s.txttiental->text(), "1");
        c.clickColumns("H");
        QCOMPARE(s.txthonderdtal->text(), "2");
        QCOMPARE(s.keypad().txthulp->text(), QString());
        QVERIFY(isShown(s.cmdcontrole));
        QCOMPARE(s.lblmededeling->text(), " klik op het groene licht als controle");
    }

    // The verdict comes from the number the boxes hold: a product left unclicked counts
    // with its full value in its place.
    void checkJudgesTheBoxes_data() {
        QTest::addColumn<QList<int>>("problem");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("thousands");
        QTest::newRow("800 x 1, only H") << QList<int>{8, 0, 0, 1} << "H"
                                         << "800"
                                         << "0";
        QTest::newRow("105 x 2, only H: 10 + 0 + 200 is right") << QList<int>{1, 0, 5, 2} << "H"
                                                                << "210"
                                                                << "0";
        QTest::newRow("150 x 2, only H") << QList<int>{1, 5, 0, 2} << "H"
                                         << "400"
                                         << "0";
        QTest::newRow("357 x 4, all clicked") << QList<int>{3, 5, 7, 4} << "ETH"
                                              << "1428"
                                              << "1";
        QTest::newRow("888 x 8, all clicked") << QList<int>{8, 8, 8, 8} << "ETH"
                                              << "7104"
                                              << "7";
        QTest::newRow("888 x 8, only H") << QList<int>{8, 8, 8, 8} << "H"
                                         << "7804"
                                         << "7";
    }
    void checkJudgesTheBoxes() {
        QFETCH(QList<int>, problem);
        QFETCH(QString, clicks);
        QFETCH(QString, number);
        QFETCH(QString, thousands);
        EasyHard c;
        c.start(problem);
        c.clickColumns(clicks);
        QCOMPARE(c.s().txtduizendtal->text(), thousands);
        c.check();
        frmmaal& s = c.s();
        const bool right = number == QString::number(s.exercise().expectedNumber);
        QCOMPARE(c.answerRead(), number);
        QCOMPARE(s.lbloordeel->text(), right ? " P R I M A " : " F O U T ");
        QCOMPARE(isShown(s.imgpop1[2]), right);
        QCOMPARE(s.lblmededeling->text(), " start een nieuwe oefening of klik 'stop' ");
        QVERIFY(isShown(s.cmdstop2) && !isShown(s.cmdcontrole));
        QCOMPARE(c.focus(), "cmdstart");
    }

    // Here every answer-box change opens the keypad, and only a change of the units box
    // empties the note.
    void keypadRulesOfThisScreen_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("emptiesNote");
        QTest::newRow("units") << "txteenheid" << true;
        QTest::newRow("tens") << "txttiental" << false;
        QTest::newRow("hundreds") << "txthonderdtal" << false;
        QTest::newRow("thousands") << "txtduizendtal" << false;
    }
    void keypadRulesOfThisScreen() {
        QFETCH(QString, box);
        QFETCH(bool, emptiesNote);
        EasyHard c;
        QVERIFY(!c.keypadOpen());
        c.box(box)->setText("5");
        QVERIFY(c.keypadOpen());
        TestProgram::click(c.s().keypad().cmdhelp[2]);
        c.box(box)->setText("6");
        QCOMPARE(c.s().keypad().txthulp->text(), emptiesNote ? QString() : QString("3"));
        QVERIFY(isShown(c.s().keypad().cmdCreate));
    }

    void leavingLeavesTheTotalAlone() {
        EasyHard c;
        c.menu().lblgemaakt->setText("7");
        TestProgram::click(c.s().keypad().cmdCreate);
        QCOMPARE(c.s().lblmededeling->text(), " Start een nieuwe oefening");
        c.start({8, 8, 8, 8});
        c.clickColumns("ETH");
        c.check();
        TestProgram::click(c.s().cmdstop2);
        QVERIFY(c.menu().isVisible() && !c.s().isVisible());
        QCOMPARE(c.menu().lblgemaakt->text(), "7");
        // Back again: an empty board, ready to start.
        TestProgram::click(c.tp.find<QPushButton, frmkiesbasis>("Command3"));
        frmmaal& s = c.s();
        QCOMPARE(s.txthonderdtal->text(), QString());
        QCOMPARE(s.txthonderdtal->palette().color(QPalette::Base), White);
        QVERIFY(!isShown(s.imgpop1[2]));
        QVERIFY(!c.keypadOpen());
        QVERIFY(isShown(s.keypad().cmdCreate));
        QVERIFY(!isShown(s.cmdstop2) && !isShown(s.cmdcontrole) && !isShown(s.cmdstop) && !isShown(s.cmdnieuw));
        QCOMPARE(c.focus(), "cmdstart");
        for (QWidget* w : s.findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                QVERIFY2(!w->accessibleName().trimmed().isEmpty(), qPrintable(w->objectName()));
        // With no exercise on the board a click shows no digit and no carry.
        c.clickColumns("E");
        QCOMPARE(s.txteenheid->text(), QString());
        QCOMPARE(s.keypad().txthulp->text(), QString());
    }

    // The pupil may type any number of digits into a box: the check reads each box by
    // its true value and never overflows.
    void typedTextIsJudgedByItsValue_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("after");
        // 123 x 2 with the hundreds clicked: 6, 4, 2 and a hidden 0.
        QTest::newRow("twenty digits") << "txteenheid"
                                       << "99999999999999999999"
                                       << "100000000000000000239"
                                       << "99999999999999999999";
        QTest::newRow("past 16 bits in the tens") << "txttiental"
                                                  << "40000"
                                                  << "400206"
                                                  << "40000";
        QTest::newRow("a letter counts as 0") << "txteenheid"
                                              << "x"
                                              << "240"
                                              << "0";
    }
    void typedTextIsJudgedByItsValue() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, number);
        QFETCH(QString, after);
        EasyHard c;
        c.start({1, 2, 3, 2});
        c.clickColumns("H");
        c.box(box)->setText(text);
        c.check();
        QCOMPARE(c.answerRead(), number);
        QCOMPARE(c.s().lbloordeel->text(), " F O U T ");
        QCOMPARE(c.box(box)->text(), after);
    }
};

QTEST_MAIN(FrmmaalTest)
#include "frmmaal_test.moc"
