// The number pad as a pupil with only a touchscreen meets it: whole exercises played by
// taps alone end as they do on the keyboard; the pad follows the focus, stays away from
// the mouse and the keyboard, and never covers what the pupil needs.
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/numpad/NumberPad.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QTest>

using numpad::NumberPad;

namespace {

struct Outcome {
    QString verdict, record;
    QColor back;
    int total;
};

// One of the two column screens, opened from the menu with the mouse.
struct Board {
    explicit Board(bool twoDigits) : two(twoDigits) {
        TestProgram::click(tp.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        TestProgram::click(tp.find<QPushButton, frmkiesbasis>(two ? "Command4" : "cmdkies"));
        QApplication::processEvents(); // the screen becomes the active window
    }
    ui::Form& s() {
        return two ? static_cast<ui::Form&>(tp.program().screen<frmmaal3>()) : tp.program().screen<frmmaal2>();
    }
    NumberPad* pad() { return s().findChild<NumberPad*>("numpad"); }
    QWidget* w(const char* name) { return s().control(name); }
    QString focus() { return s().focusWidget() ? s().focusWidget()->objectName() : QString(); }
    // The problem m x n: its digits, then the multiplier's from the units on.
    void start(int m, int n, void (*press)(QWidget*)) {
        std::vector<double> draws{drawFor(m % 10, 9, 0), drawFor(m / 10 % 10, 9, 0), drawFor(m / 100, 8, 1)};
        for (; n > 0; n /= 10)
            draws.push_back(drawFor(n % 10, 8, 1));
        rng = &tp.script(draws);
        press(w("cmdstart"));
    }
    int total() { return two ? tp.program().screen<frmmaal3>().total() : tp.program().screen<frmmaal2>().total(); }

    TestProgram tp;
    bool two;
    zef::ScriptedRandom* rng = nullptr;
};

// Finger-sized keys, inside the screen, over nothing but the band of the series records.
void verifyPlace(Board& b) {
    NumberPad* pad = b.pad();
    QVERIFY(b.s().rect().contains(pad->geometry()));
    for (QPushButton* key : pad->findChildren<QPushButton*>())
        QVERIFY(key->width() >= 48 && key->height() >= 48 && pad->rect().contains(key->geometry()));
    for (QWidget* c : b.s().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool mayCover = c->objectName().startsWith("Txtoef1_") || c->objectName() == "Shape2";
        if (c != pad && ui::isShown(c) && !mayCover)
            QVERIFY2(!pad->geometry().intersects(c->geometry()), qPrintable(c->objectName() + " is covered"));
    }
}

} // namespace

class NumpadTest : public QObject {
    Q_OBJECT

private slots:
    void wholeExerciseByTouch_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("digits"); // as written, box after box
        QTest::addColumn<int>("carry");      // noted on the keypad after the first digit
        QTest::newRow("one digit, three-digit answer") << 128 << 3 << "483" << 2;
        QTest::newRow("one digit, four-digit answer") << 456 << 3 << "8631" << 1;
        QTest::newRow("one digit, wrong") << 456 << 3 << "8531" << 1;
        QTest::newRow("two digits, four-digit sum") << 507 << 16 << "2403705" + QString("2118") << 4;
        QTest::newRow("two digits, five-digit sum") << 876 << 88 << "80078007" + QString("88077") << 4;
        QTest::newRow("two digits, wrong") << 876 << 88 << "80078007" + QString("88076") << 4;
    }
    void wholeExerciseByTouch() {
        QFETCH(int, m);
        QFETCH(int, n);
        QFETCH(QString, digits);
        QFETCH(int, carry);
        Outcome outcome[2];
        for (bool touch : {false, true}) {
            Board b(n > 9);
            auto press = touch ? &TestProgram::tap : &TestProgram::click;
            b.start(m, n, press);
            for (int i = 0; i < digits.size(); ++i) {
                QCOMPARE(b.pad()->isVisible(), touch);
                if (touch) {
                    verifyPlace(b);
                    TestProgram::tap(b.pad()->cmdcijfer[digits[i].digitValue()]);
                } else {
                    QTest::keyClick(b.s().focusWidget(), digits[i].toLatin1());
                }
                if (i == 0) {
                    press(b.w("cmdCreate"));
                    QVERIFY(!b.pad()->isVisible()); // the focus left the boxes for a moment
                    press(b.w(qPrintable(QString("cmdhelp%1").arg(carry))));
                    QCOMPARE(b.s().control<QLineEdit>("txthulp")->text(), QString::number(carry));
                }
            }
            QCOMPARE(b.focus(), "cmdcontrole");
            QVERIFY(!b.pad()->isVisible());
            b.rng->push(drawFor(1, 6, 1));
            press(b.w("cmdcontrole"));
            auto* record = b.s().control<QLineEdit>("Txtoef1_0");
            outcome[touch] = {b.s().control<QLabel>("lbloordeel")->text(), record->text(),
                              record->palette().color(QPalette::Base), b.total()};
        }
        QVERIFY(!outcome[0].record.isEmpty());
        QCOMPARE(outcome[1].verdict, outcome[0].verdict);
        QCOMPARE(outcome[1].record, outcome[0].record);
        QCOMPARE(outcome[1].back, outcome[0].back);
        QCOMPARE(outcome[1].total, outcome[0].total);
    }

    // A mouse click or a key press never shows the pad and takes it away.
    void onlyForTouch_data() {
        QTest::addColumn<bool>("twoDigits");
        QTest::newRow("frmmaal2") << false;
        QTest::newRow("frmmaal3") << true;
    }
    void onlyForTouch() {
        QFETCH(bool, twoDigits);
        Board b(twoDigits);
        b.start(456, twoDigits ? 16 : 3, &TestProgram::click);
        QCOMPARE(b.focus(), "txteenheid");
        QVERIFY(!b.pad()->isVisible());
        TestProgram::tap(b.w("txteenheid"));
        QVERIFY(b.pad()->isVisible());
        QTest::keyClick(b.s().focusWidget(), '8');
        QCOMPARE(b.focus(), "txttiental");
        QVERIFY(!b.pad()->isVisible());
        TestProgram::tap(b.w("txttiental"));
        QVERIFY(b.pad()->isVisible());
        TestProgram::click(b.w("txttiental"));
        QVERIFY(!b.pad()->isVisible());
        TestProgram::tap(b.w("txttiental"));
        b.tp.program().HideScreen(b.s());
        QVERIFY(b.pad()->isHidden());
    }

    // "wis" empties the focused box and leaves the focus there for the digit to be written again.
    void wipeKey() {
        Board b(false);
        b.start(456, 3, &TestProgram::tap);
        for (int digit : {8, 6, 3, 1})
            TestProgram::tap(b.pad()->cmdcijfer[digit]);
        // The thousands box has no click reaction: a tap leaves its digit.
        TestProgram::tap(b.w("txtduizendtal"));
        QCOMPARE(b.s().control<QLineEdit>("txtduizendtal")->text(), "1");
        TestProgram::tap(b.pad()->cmdwis);
        QCOMPARE(b.s().control<QLineEdit>("txtduizendtal")->text(), "");
        QCOMPARE(b.focus(), "txtduizendtal");
        QVERIFY(b.pad()->isVisible());
    }
};

QTEST_MAIN(NumpadTest)
#include "numpad_test.moc"
