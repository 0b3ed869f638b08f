// The carry-note panel: on the column multiplication screen as a pupil uses it, and
// on its own with the layouts of both screens that carry it.
#include "screens/column1/Column1Fixture.h"
#include "ui/Twips.h"

#include <QTest>

using ui::isShown;

namespace {

QPushButton* key(frmmaal2& s, const QString& caption) {
    keypad::Keypad& k = s.keypad();
    return caption == "." ? k.cmdhelpstip : k.cmdhelp[caption.toInt() - 1];
}

} // namespace

class KeypadTest : public QObject {
    Q_OBJECT

private slots:
    void createOpensTheKeypad() {
        Column1 c;
        c.start(1, 2, 3, 2);
        frmmaal2& s = c.screen();
        QVERIFY(!isShown(s.keypad().txthulp));
        TestProgram::click(s.keypad().cmdCreate);
        for (QPushButton* k : s.keypad().cmdhelp)
            QVERIFY(isShown(k));
        QVERIFY(isShown(s.keypad().cmdhelpstip));
        QVERIFY(isShown(s.keypad().txthulp));
        QVERIFY(isShown(s.keypad().cmdCreate));
        QCOMPARE(s.lblmededeling->text(), "je kunt alleen een stip zetten of een cijfer indrukken. ");
        // The pupil can only write the note through the keys.
        QVERIFY(!s.keypad().txthulp->isEnabled());
    }

    void keyWritesTheNote_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("note");
        QTest::newRow("one key") << QStringList{"7"} << "7";
        QTest::newRow("a second key replaces the first") << QStringList{"3", "5"} << "5";
        QTest::newRow("the point") << QStringList{"."} << ".";
        QTest::newRow("digit after point") << QStringList{".", "9"} << "9";
    }
    void keyWritesTheNote() {
        QFETCH(QStringList, keys);
        QFETCH(QString, note);
        Column1 c;
        c.start(1, 2, 3, 2);
        TestProgram::click(c.screen().keypad().cmdCreate);
        for (const QString& k : keys)
            TestProgram::click(key(c.screen(), k));
        QCOMPARE(c.screen().keypad().txthulp->text(), note);
    }

    void keySendsTheFocusBack_data() {
        QTest::addColumn<int>("hundreds");      // 1: 123 x 2, three digits; 8: 888 x 8, four
        QTest::addColumn<QStringList>("boxes"); // E, T, H written before the key
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing written") << 1 << QStringList{"", "", ""} << "txteenheid";
        QTest::newRow("units written") << 1 << QStringList{"6", "", ""} << "txttiental";
        QTest::newRow("units and tens") << 1 << QStringList{"6", "4", ""} << "txthonderdtal";
        QTest::newRow("all of three digits") << 1 << QStringList{"6", "4", "2"} << "txthonderdtal";
        QTest::newRow("three of four digits") << 8 << QStringList{"4", "0", "1"} << "txtduizendtal";
        QTest::newRow("tens without units") << 1 << QStringList{"", "4", ""} << "txthonderdtal";
    }
    void keySendsTheFocusBack() {
        QFETCH(int, hundreds);
        QFETCH(QStringList, boxes);
        QFETCH(QString, focus);
        Column1 c;
        if (hundreds == 1)
            c.start(1, 2, 3, 2);
        else
            c.start(8, 8, 8, 8);
        frmmaal2& s = c.screen();
        s.txteenheid->setText(boxes[0]);
        s.txttiental->setText(boxes[1]);
        s.txthonderdtal->setText(boxes[2]);
        TestProgram::click(s.keypad().cmdCreate);
        TestProgram::click(key(s, "2"));
        QCOMPARE(c.focus(), focus);
        QCOMPARE(s.keypad().txthulp->text(), "2");
    }

    void typingEmptiesTheNote_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("units") << "txteenheid";
        QTest::newRow("tens") << "txttiental";
        QTest::newRow("hundreds") << "txthonderdtal";
        QTest::newRow("thousands") << "txtduizendtal";
    }
    void typingEmptiesTheNote() {
        QFETCH(QString, box);
        Column1 c;
        c.start(8, 8, 8, 8);
        frmmaal2& s = c.screen();
        TestProgram::click(s.keypad().cmdCreate);
        TestProgram::click(key(s, "6"));
        TestProgram::type(c.w(box), "1");
        QCOMPARE(s.keypad().txthulp->text(), QString());
        // Only the thousands box closes the keypad.
        QCOMPARE(isShown(s.keypad().cmdhelp[0]), box != "txtduizendtal");
    }

    void typingThousandsClosesThePanel() {
        Column1 c;
        c.start(8, 8, 8, 8);
        frmmaal2& s = c.screen();
        TestProgram::click(s.keypad().cmdCreate);
        c.answer("7104");
        QVERIFY(!isShown(s.keypad().txthulp));
        QVERIFY(!isShown(s.keypad().cmdhelp[8]));
        QVERIFY(!isShown(s.keypad().cmdhelpstip));
        QVERIFY(!isShown(s.keypad().cmdCreate));
        QVERIFY(isShown(s.keypad().Shape1));
        QVERIFY(isShown(s.keypad().LBLONTHOUD));
        QCOMPARE(c.focus(), "cmdcontrole");
        // The next exercise offers "onthouden" again, with the keypad closed.
        c.check();
        c.start(1, 2, 3, 2);
        QVERIFY(isShown(s.keypad().cmdCreate));
        QVERIFY(!isShown(s.keypad().cmdhelp[0]));
    }

    void newExerciseClosesTheKeypad() {
        Column1 c;
        c.start(1, 2, 3, 2);
        frmmaal2& s = c.screen();
        TestProgram::click(s.keypad().cmdCreate);
        TestProgram::click(key(s, "4"));
        c.answer("246");
        c.check();
        c.start(1, 2, 3, 2);
        QCOMPARE(s.keypad().txthulp->text(), QString());
        QVERIFY(!isShown(s.keypad().txthulp));
        QVERIFY(!isShown(s.keypad().cmdhelpstip));
    }

    // The panel on its own, as the easy-or-hard screen will build it.
    void layoutPlacesThePanel_data() {
        QTest::addColumn<bool>("easyHard");
        QTest::addColumn<int>("ninthKeyLeft");
        QTest::addColumn<int>("keysTop");
        QTest::addColumn<int>("pointLeft");
        QTest::addColumn<int>("createLeft");
        QTest::addColumn<int>("titleWidth");
        QTest::addColumn<int>("panelHeight");
        QTest::addColumn<QColor>("noteBack");
        QTest::newRow("column screen") << false << 11400 << 1800 << 9360 << 10560 << 3975 << 2415
                                       << QColor(0xFF, 0xFF, 0x80);
        QTest::newRow("easy-or-hard screen")
            << true << 11160 << 2040 << 8880 << 9840 << 3255 << 2655 << QColor(0xFF, 0xC0, 0x80);
    }
    void layoutPlacesThePanel() {
        QFETCH(bool, easyHard);
        QFETCH(int, ninthKeyLeft);
        QFETCH(int, keysTop);
        QFETCH(int, pointLeft);
        QFETCH(int, createLeft);
        QFETCH(int, titleWidth);
        QFETCH(int, panelHeight);
        QFETCH(QColor, noteBack);
        QWidget host;
        int calls = 0;
        keypad::Keypad panel(host, easyHard ? keypad::EasyHardLayout : keypad::ColumnLayout, [&] { ++calls; });
        using ui::px;
        QCOMPARE(panel.cmdhelp[8]->geometry(), QRect(px(ninthKeyLeft), px(keysTop), px(495), px(495)));
        QCOMPARE(panel.cmdhelpstip->x(), px(pointLeft));
        QCOMPARE(panel.cmdCreate->x(), px(createLeft));
        QCOMPARE(panel.LBLONTHOUD->width(), px(titleWidth));
        QCOMPARE(panel.Shape1->height(), px(panelHeight));
        QCOMPARE(panel.txthulp->palette().color(QPalette::Disabled, QPalette::Base), noteBack);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(panel.cmdhelp[i]->objectName(), QStringLiteral("cmdhelp%1").arg(i + 1));
            QCOMPARE(panel.cmdhelp[i]->text(), QString::number(i + 1));
        }
        panel.cmdhelp[6]->click();
        QCOMPARE(panel.txthulp->text(), "7");
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(KeypadTest)
#include "keypad_test.moc"
