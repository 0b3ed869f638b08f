// The times-table room: the hundred field, entering and leaving, and the timed drills.
// Timer ticks are fired directly.
#include "exercise/TimesTable.h"
#include "screens/aklas/Aklas.h"
#include "screens/column1/Column1Fixture.h"
#include "ui/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Yellow(0xFF, 0xFF, 0x00), Green(0x00, 0xFF, 0x00), Black(0x00, 0x00, 0x00);

// The room opened by frmmaal2's "A-klas" button with the given multiplier and reminder line.
Aklas& openRoom(TestProgram& t, int maler, const QString& memo) {
    auto& exercise = t.program().screen<frmmaal2>();
    exercise.maler = maler;
    exercise.lblmemo5->setText(memo);
    t.program().ShowScreen(exercise);
    exercise.cmdaklas_Click();
    return t.program().screen<Aklas>();
}

template <class T = QWidget>
T* child(Aklas& room, const QString& name) {
    return room.findChild<T*>(name);
}

QColor colour(Aklas& room, int box) {
    return child<ui::TextBox>(room, ui::arrayName("Text2", box))->palette().color(QPalette::Base);
}
QString text(Aklas& room, const char* label) {
    return child<QLabel>(room, label)->text();
}
bool shown(Aklas& room, const char* name) {
    return ui::isShown(child(room, name));
}
ui::Timer* timer(Aklas& room, const QString& name) {
    return child<ui::Timer>(room, name);
}

// The pointer moves over w without a button held.
void pointAt(QWidget* w) {
    const QPointF at(w->width() / 2, w->height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Every box of the field has the colour given for it, yellow where none is given.
void expectField(Aklas& room, const QList<int>& green, const QList<int>& black = {}) {
    for (int i = 0; i <= 100; ++i) {
        const QColor want = green.contains(i) ? Green : black.contains(i) ? Black : Yellow;
        if (colour(room, i) != want)
            QFAIL(qPrintable(QString("box %1 is %2").arg(i).arg(colour(room, i).name())));
    }
}

QList<int> multiples(int n) {
    QList<int> m;
    for (int k = 0; k <= 10; ++k)
        m << k * n;
    return m;
}

} // namespace

class AklasTest : public QObject {
    Q_OBJECT

private slots:
    void fieldLayout() {
        TestProgram t;
        Aklas& room = openRoom(t, 4, "7 x 4 = ...");
        auto* field = child(room, "Frmveld");
        for (int i = 0; i <= 100; ++i) {
            auto* box = child<ui::TextBox>(room, ui::arrayName("Text2", i));
            QCOMPARE(box->parentWidget(), field);
            QCOMPARE(box->text(), QString::number(i));
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(child(room, "Text2_0")->geometry(), QRect(304, 13, 25, 13));
        QCOMPARE(child(room, "Text2_57")->geometry(), QRect(207, 165, 25, 19)); // row 5, column 6
        QCOMPARE(child(room, "Text2_100")->geometry(), QRect(304, 272, 25, 19));
        QVERIFY(child(room, "Line1_10") && child(room, "Line2_11") && !child(room, "Line1_11"));
        // Typing into the field changes nothing.
        QTest::keyClicks(child(room, "Text2_5"), "9");
        QCOMPARE(child<ui::TextBox>(room, "Text2_5")->text(), QString("5"));
        QCOMPARE(timer(room, "Timer10")->interval(), 10000);
        QCOMPARE(timer(room, "Timerreset")->interval(), 15000);
    }

    void drill_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("table 1: boxes 0 to 10") << 1;
        QTest::newRow("table 7") << 7;
        QTest::newRow("table 10: tens and box 0") << 10;
    }
    void drill() {
        QFETCH(int, n);
        TestProgram t;
        Aklas& room = openRoom(t, 4, "7 x 4 = ...");
        expectField(room, {});
        QVERIFY(!shown(room, "Lbltrainer2") && !shown(room, "lbltrainer3") && !shown(room, "Lbltrainer"));

        TestProgram::click(child(room, QString("Cmd%1").arg(n)));
        expectField(room, multiples(n));
        QVERIFY(!shown(room, "Frmkiestafel") && !shown(room, "Cmdterug") && !shown(room, "Lbltrainer"));
        QVERIFY(shown(room, "Lbltrainer2") && shown(room, "lbltrainer3"));
        QVERIFY(timer(room, QString("Timer%1").arg(n))->isActive() && timer(room, "Timerreset")->isActive());

        timer(room, QString("Timer%1").arg(n))->tick();
        expectField(room, {}, multiples(n));
        QVERIFY(shown(room, "Lbltrainer"));
        QCOMPARE(text(room, "Lbltrainer"), QString::fromStdString(zef::TimesTableText(std::to_string(n))));

        timer(room, "Timerreset")->tick();
        QVERIFY(shown(room, "Frmkiestafel") && shown(room, "Cmdterug") && shown(room, "Lbltrainer"));
        for (auto* tm : room.findChildren<ui::Timer*>())
            QVERIFY2(!tm->isActive(), qPrintable(tm->objectName()));
        // The room judges nothing: the field and the lists stay as the drill left them.
        expectField(room, {}, multiples(n));
        QVERIFY(shown(room, "Lbltrainer2") && shown(room, "lbltrainer3"));
    }

    void questionLists_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("easy");
        QTest::addColumn<QString>("hard");
        QTest::newRow("table 6 starts with three blanks")
            << 6 << "   0 x 6= ?\r\n   1 x 6= ?\r\n   2 x 6= ?\r\n   3 x 6= ?\r\n   5 x 6= ?\r\n   10 x 6= ?\r\n"
            << "   4 x 6= ?\r\n   6 x 6= ?\r\n   7 x 6= ?\r\n   8 x 6= ?\r\n   9 x 6= ?\r\n";
        QTest::newRow("table 7 starts with two")
            << 7 << "  0 x 7= ?\r\n   1 x 7= ?\r\n   2 x 7= ?\r\n   3 x 7= ?\r\n   5 x 7= ?\r\n   10 x 7= ?\r\n"
            << "   4 x 7= ?\r\n   6 x 7= ?\r\n   7 x 7= ?\r\n   8 x 7= ?\r\n   9 x 7= ?\r\n";
    }
    void questionLists() {
        QFETCH(int, n);
        TestProgram t;
        Aklas& room = openRoom(t, n, "");
        room.StartDrill(n);
        QTEST(text(room, "Lbltrainer2"), "easy");
        QTEST(text(room, "lbltrainer3"), "hard");
    }

    void laterDrillsOfOneVisit() {
        TestProgram t;
        Aklas& room = openRoom(t, 3, "3 x 3 = ...");
        auto* getal = child<ui::TextBox>(room, "txtgetal2");
        room.StartDrill(3);
        timer(room, "Timer3")->tick();
        timer(room, "Timerreset")->tick();

        // Table 2 after 3: the answer label stays up and shows table 2 at once;
        // the boxes of 3 that are not boxes of 2 stay black.
        room.StartDrill(2);
        QVERIFY(shown(room, "Lbltrainer"));
        QCOMPARE(text(room, "Lbltrainer"), QString::fromStdString(zef::TimesTableText("2")));
        expectField(room, multiples(2), {3, 9, 15, 21, 24, 27, 30});
        timer(room, "Timer2")->tick();
        timer(room, "Timerreset")->tick();

        // The same table again: no change reaction, the label keeps its table.
        QSignalSpy changes(getal, &ui::TextBox::changed);
        room.StartDrill(2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(getal->text(), QString("2"));
        QCOMPARE(text(room, "Lbltrainer"), QString::fromStdString(zef::TimesTableText("2")));
        expectField(room, multiples(2), {3, 9, 15, 21, 24, 27, 30});
    }

    void activationDuringADrill() {
        TestProgram t;
        Aklas& room = openRoom(t, 8, "2 x 8 = ...");
        room.StartDrill(8);
        room.Form_Activate();
        expectField(room, {});
        QVERIFY(shown(room, "Frmkiestafel"));
        QVERIFY(!shown(room, "Lbltrainer") && !shown(room, "Lbltrainer2") && !shown(room, "lbltrainer3"));
        QCOMPARE(child<ui::TextBox>(room, "txtgetal2")->text(), QString("0"));
        QVERIFY(timer(room, "Timer8")->isActive() && timer(room, "Timerreset")->isActive());

        timer(room, "Timer8")->tick();
        expectField(room, {}, multiples(8));
        QVERIFY(shown(room, "Lbltrainer"));
        QVERIFY(text(room, "Lbltrainer").endsWith("   10 x 0 = 0"));
        QCOMPARE(text(room, "Lbltrainer").count("\r\n"), 10);
        timer(room, "Timerreset")->tick();
        QVERIFY(!timer(room, "Timer8")->isActive() && shown(room, "Cmdterug"));
    }

    void enterMovesLikeTab_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("x 1 -> x 2") << "Cmd1"
                                    << "Cmd2";
        QTest::newRow("x 10 -> terug") << "Cmd10"
                                       << "Cmdterug";
        QTest::newRow("terug -> x 1") << "Cmdterug"
                                      << "Cmd1";
    }
    void enterMovesLikeTab() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        TestProgram t;
        Aklas& room = openRoom(t, 4, "7 x 4 = ...");
        QApplication::setActiveWindow(&room); // the offscreen platform leaves the welcome screen active
        child(room, from)->setFocus();
        QTest::keyClick(child(room, from), Qt::Key_Return);
        QCOMPARE(room.focusWidget(), child(room, to));
        QVERIFY(room.testAttribute(Qt::WA_KeyboardFocusChange)); // the focus frame shows, as after Tab
        // Enter only moves: it starts no drill and leaves no room.
        QVERIFY(shown(room, "Frmkiestafel") && room.isVisible());
    }

    // Starting a drill hides every button the focus could be on; a key pressed during the
    // drill must not work a hidden button (Space on "terug" left the room mid-drill).
    void keysDuringADrillReachNoHiddenButton() {
        TestProgram t;
        Aklas& room = openRoom(t, 4, "7 x 4 = ...");
        QApplication::setActiveWindow(&room);
        QTest::mouseClick(child(room, "Cmd3"), Qt::LeftButton);
        QWidget* focus = room.focusWidget();
        QVERIFY(!focus || focus->isVisible());
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(focus ? focus : &room, key);
        QVERIFY(room.isVisible());
        QVERIFY(timer(room, "Timer3")->isActive());
    }

    void handOverBothWays() {
        Column1 c;
        Program& p = c.tp.program();
        c.exercise(true);
        c.start(5, 0, 7, 4);
        TestProgram::type(c.screen().txteenheid, "8");
        const QString memo = c.screen().lblmemo5->text();
        TestProgram::click(c.screen().cmdaklas);
        Aklas& room = p.screen<Aklas>();
        QCOMPARE(room.lblmededeling->text(), " ik zoek " + memo);
        QCOMPARE(room.lblinfor->text(), QString(" druk op x 4"));
        QVERIFY(room.isVisible() && !c.screen().isVisible() && shown(room, "Cmdterug"));

        // A whole drill and the teacher's greeting before going back.
        TestProgram::click(child(room, "Cmd4"));
        timer(room, "Timer4")->tick();
        timer(room, "Timerreset")->tick();
        pointAt(child(room, "Image1"));
        QVERIFY(shown(room, "Lblinaklas"));
        pointAt(child(room, "Lblinaklas"));
        QVERIFY(!shown(room, "Lblinaklas"));
        pointAt(child(room, "Image1"));
        TestProgram::click(room.Cmdterug);
        QVERIFY(!room.isVisible() && c.screen().isVisible());
        QCOMPARE(p.activeScreen(), &c.screen());
        QVERIFY(room.lblinfor->text().isEmpty() && !shown(room, "Lblinaklas") && !shown(room, "Cmdterug"));
        // The exercise and the total are as the pupil left them.
        auto& s = c.screen();
        QCOMPARE(s.txt100->text() + s.txt10->text() + s.txt1->text() + s.txtmaler->text(), QString("5074"));
        QCOMPARE(s.txteenheid->text(), QString("8"));
        QCOMPARE(s.lblmemo5->text(), memo);
        QCOMPARE(s.total(), 1);

        // With the reminder line empty the next visit says only " ik zoek ", rebuilds the
        // multiplier line and starts from a yellow field.
        TestProgram::type(s.txttiental, "202");
        QVERIFY(s.lblmemo5->text().isEmpty());
        TestProgram::click(s.cmdaklas);
        QCOMPARE(room.lblmededeling->text(), QString(" ik zoek "));
        QCOMPARE(room.lblinfor->text(), QString(" druk op x 4"));
        expectField(room, {});
        QVERIFY(!shown(room, "Lbltrainer") && !shown(room, "Lbltrainer2") && !shown(room, "lbltrainer3"));
        TestProgram::click(room.Cmdterug);
        c.check();
        QCOMPARE(s.total(), 2);
    }
};

QTEST_MAIN(AklasTest)
#include "aklas_test.moc"
