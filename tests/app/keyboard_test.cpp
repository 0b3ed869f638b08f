// Whole exercises done with the keyboard alone: Tab to move, Enter (or Space) to press,
// digits to answer. No mouse event is sent.
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"
#include "ui/Keyboard.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

class Keys {
public:
    Keys() { press(Qt::Key_Return); } // "Klik hier en start !" has the focus at start

    Program& p() { return tp.program(); }
    QWidget* focused() {
        QApplication::processEvents();
        QWidget* f = QApplication::focusWidget();
        if (!f)
            qFatal("nothing has the keyboard focus");
        return f;
    }
    QString focus() { return focused()->objectName(); }
    void press(int key) { QTest::keyClick(focused(), Qt::Key(key)); }
    void type(const QString& digits) {
        for (QChar c : digits)
            QTest::keyClick(focused(), c.toLatin1());
    }
    // Tabs forward until name has the focus; a pupil would see where it is.
    void tabTo(const char* name) {
        for (int i = 0; i < 60 && focus() != QLatin1String(name); ++i)
            press(Qt::Key_Tab);
        if (focus() != QLatin1String(name))
            qFatal("Tab never reaches %s (stuck on %s)", name, qPrintable(focus()));
    }
    void pressOn(const char* name, int key = Qt::Key_Return) {
        tabTo(name);
        press(key);
    }
    int total() { return p().screen<frmkiesbasis>().lblgemaakt->text().toInt(); }

    TestProgram tp;
};

double d9(int v) {
    return drawFor(v, 9, 0);
}
double d8(int v) {
    return drawFor(v, 8, 1);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void oneDigitSeriesWithACarryNote() {
        Keys k;
        k.pressOn("cmdkies");
        frmmaal2& s = k.p().screen<frmmaal2>();
        QCOMPARE(k.p().activeScreen(), &s);
        for (int n = 0; n < 5; ++n) {
            // 123 x 4 = 492: 3 x 4 = 12 leaves 2 and a carry of 1 to note.
            zef::ScriptedRandom& rng = k.tp.script({d9(3), d9(2), d8(1), d8(4)});
            k.pressOn("cmdstart");
            QCOMPARE(k.focus(), QString("txteenheid"));
            k.type("2");
            k.pressOn("cmdCreate");
            k.pressOn("cmdhelp1");
            QCOMPARE(s.keypad().txthulp->text(), QString("1"));
            QCOMPARE(k.focus(), QString("txttiental"));
            k.type("94");
            QCOMPARE(k.focus(), QString("cmdcontrole"));
            rng.push(drawFor(2, 6, 1));
            k.press(Qt::Key_Enter); // the keypad's Enter
            QCOMPARE(s.lbloordeel->text(), QString(" P R I M A "));
        }
        QCOMPARE(s.records(), 5);
        k.pressOn("cmdstop2");
        QCOMPARE(k.total(), 5);
    }

    void timesTableRoomThereAndBack() {
        Keys k;
        k.pressOn("cmdkies");
        k.tp.script({d9(3), d9(2), d8(1), d8(7)});
        k.pressOn("cmdstart");
        k.pressOn("cmdaklas");
        Aklas& room = k.p().screen<Aklas>();
        QCOMPARE(k.p().activeScreen(), &room);
        // In the room Enter moves on like Tab; Space presses.
        const QString before = k.focus();
        k.press(Qt::Key_Return);
        QVERIFY(k.focus() != before);
        k.pressOn("Cmdterug", Qt::Key_Space);
        QCOMPARE(k.p().activeScreen(), &k.p().screen<frmmaal2>());
        QCOMPARE(k.p().screen<frmmaal2>().txt1->text(), QString("3"));
    }

    void twoDigitExerciseOverBothRowsAndTheSum() {
        Keys k;
        k.pressOn("Command4");
        frmmaal3& s = k.p().screen<frmmaal3>();
        // 507 x 16: 3042, then 507 shifted, sum 8112, all typed from the units on.
        zef::ScriptedRandom& rng = k.tp.script({d9(7), d9(0), d8(5), d8(6), d8(1)});
        k.pressOn("cmdstart");
        k.type("2403"
               "705"
               "2118");
        rng.push(drawFor(1, 6, 1));
        k.pressOn("cmdcontrole");
        QCOMPARE(s.findChild<QLabel*>("lbloordeel")->text(), QString(" P R I M A "));
        QCOMPARE(k.focus(), QString("cmdstart"));
    }

    void easyOrHardByPressingEachRedBox() {
        Keys k;
        k.pressOn("Command3");
        frmmaal& s = k.p().screen<frmmaal>();
        // 357 x 4: every column carries.
        zef::ScriptedRandom& rng = k.tp.script({d9(7), d9(5), d8(3), d8(4)});
        k.pressOn("cmdstart");
        for (const char* box : {"txteenheid", "txttiental", "txthonderdtal"})
            k.pressOn(box);
        QCOMPARE(s.txtduizendtal->text() + s.txthonderdtal->text() + s.txttiental->text() + s.txteenheid->text(),
                 QString("1428"));
        rng.push(drawFor(1, 6, 1));
        k.pressOn("cmdcontrole");
        QCOMPARE(s.lbloordeel->text(), QString(" P R I M A "));
        k.pressOn("cmdstop2");
        QCOMPARE(k.p().activeScreen(), &k.p().screen<frmkiesbasis>());
    }

    void numberSenseScreensStepByStep() {
        Keys k;
        k.pressOn("Command1");
        k.tp.script({d9(5), d9(4), d9(3)});
        for (int step = 0; step < 4; ++step)
            k.press(Qt::Key_Return); // each step hands the focus to the next one
        QCOMPARE(k.focus(), QString("cmdnogeens"));
        k.pressOn("cmdstop");
        QCOMPARE(k.p().activeScreen(), &k.p().screen<frmkiesbasis>());

        k.pressOn("Command2");
        k.tp.script({d9(7), d8(3), d9(8), d9(4)});
        for (const char* step : {"cmdstart", "cmdeerste", "cmdtweede", "cmdsom"})
            k.pressOn(step);
        QCOMPARE(k.p().screen<frmtest2>().findChild<QLineEdit*>("txtsomE")->text(), QString("21")); // 7 x 3
        k.pressOn("cmdstop");
        QCOMPARE(k.p().activeScreen(), &k.p().screen<frmkiesbasis>());
    }

    void menuStopToTheClosingScreen() {
        Keys k;
        k.pressOn("cmdeinde");
        QCOMPARE(k.p().activeScreen(), &k.p().screen<frminfo>());
    }

    // The mark shows while the keyboard is in use and goes with a mouse click.
    void focusMarkFollowsTheKeyboard() {
        Keys k;
        QWidget* button = k.p().screen<frmkiesbasis>().findChild<QWidget*>("Command2");
        k.tabTo("Command2");
        QVERIFY(ui::keyboardInUse());
        const QImage marked = button->grab().toImage();
        QCOMPARE(marked.pixelColor(1, button->height() / 2), QColor(Qt::black));
        QCOMPARE(marked.pixelColor(5, button->height() / 2), QColor(Qt::yellow));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5)); // released outside: no click
        QVERIFY(!ui::keyboardInUse());
        const QImage plain = button->grab().toImage();
        QVERIFY(plain.pixelColor(5, button->height() / 2) != QColor(Qt::yellow));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
