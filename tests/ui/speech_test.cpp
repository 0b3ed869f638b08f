// What a screen reader is told: texts made speakable, what a step changed said once as a
// notification, answer boxes that can be read to their end, decorations kept silent, and
// a focus that stays on something readable during a drill in the times-table room.
#include "screens/aklas/Aklas.h"
#include "screens/column1/Column1Fixture.h"
#include "ui/Speech.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

// What the screen said last: the notification that is showing.
QString lastSaid(QWidget* screen) {
    for (QWidget* child : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible())
            continue;
        if (QAccessibleInterface* said = QAccessible::queryAccessibleInterface(child);
            said && said->role() == QAccessible::Notification)
            return said->text(QAccessible::Name);
    }
    return {};
}

// Runs the queued words of the step just taken on the screen the pupil works on.
void settle(QWidget* screen) {
    QApplication::setActiveWindow(screen);
    QApplication::processEvents();
}

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    void textsAreMadeSpeakable_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said");
        QTest::newRow("verdict") << " P R I M A "
                                 << "PRIMA";
        QTest::newRow("record") << "537 x 5 = 2685"
                                << "537 maal 5 is 2685";
        QTest::newRow("too big") << "537 x 5 < 2686"
                                 << "537 maal 5 is kleiner dan 2686";
        QTest::newRow("reminder") << "7 x 5 = ... "
                                  << "7 maal 5 is ...";
        QTest::newRow("table") << " druk op x 5"
                               << "druk op maal 5";
        QTest::newRow("lines") << "   4 x 7= ?\r\n   6 x 7= ?\r\n"
                               << "4 maal 7 is ? 6 maal 7 is ?";
        QTest::newRow("words stay") << "nieuwe T, H en D. Klik op 'onthouden'"
                                    << "nieuwe T, H en D. Klik op 'onthouden'";
    }
    void textsAreMadeSpeakable() {
        QFETCH(QString, shown);
        QFETCH(QString, said);
        QCOMPARE(ui::speakable(shown), said);
    }

    // The second exercise's clearing runs change reactions that set the reminder and the
    // status line more than once; the pupil hears the problem and where they ended.
    void aStepSaysWhatChangedOnce() {
        Column1 c;
        c.exercise(true);
        settle(&c.screen());
        c.start(5, 3, 7, 4);
        settle(&c.screen());
        QCOMPARE(lastSaid(&c.screen()),
                 QString("537 maal 4. 7 maal 4 is ... je kunt zelfs naar de A-klas om de tafel van 4 te oefenen"));
        c.answer("2148");
        c.check();
        settle(&c.screen());
        QCOMPARE(lastSaid(&c.screen()),
                 QString("PRIMA. 537 maal 4 is 2148. start een nieuwe oefening of stop na 5 oefeningen"));
        QCOMPARE(QAccessible::queryAccessibleInterface(c.screen().lblmededeling)->role(), QAccessible::StatusBar);
    }

    // Orca asks for the word at the cursor, which stands after the last digit.
    void answerBoxesReadToTheirEnd() {
        Column1 c;
        c.screen().txteenheid->setText(QStringLiteral("6"));
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(c.screen().txteenheid)->textInterface();
        int start = -1, end = -1;
        QCOMPARE(text->textAtOffset(1, QAccessible::WordBoundary, &start, &end), QString("6"));
        QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end), QString("6"));
        text->attributes(0, &start, &end);
        QCOMPARE(end - start, 1);
    }

    void decorationsStaySilent() {
        Column1 c;
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(c.w("Shape3"));
        QVERIFY(frame->text(QAccessible::Name).isEmpty() && frame->state().invisible);
        QVERIFY(!QAccessible::queryAccessibleInterface(c.w("imgpop1_0"))->text(QAccessible::Name).isEmpty());
    }

    // The drill hides every button: the question lists hold the focus, and the button of
    // the table gets it back when the drill is over.
    void aDrillKeepsTheFocusOnSomethingReadable() {
        Column1 c;
        c.start(5, 3, 7, 4);
        TestProgram::click(c.screen().cmdaklas);
        Aklas& room = c.tp.program().screen<Aklas>();
        QApplication::setActiveWindow(&room);
        TestProgram::click(room.findChild<QWidget*>("Cmd4"));
        QWidget* focus = room.focusWidget();
        QVERIFY(focus && focus->isVisible() && focus->objectName() == "Lbltrainer2");
        room.HideMultiples(4);
        room.EndDrill();
        QCOMPARE(room.focusWidget(), room.findChild<QWidget*>("Cmd4"));
    }
};

QTEST_MAIN(SpeechTest)
#include "speech_test.moc"
