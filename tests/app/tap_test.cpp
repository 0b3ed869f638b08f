// Every screen can be worked with a finger: each button, picture button, keypad key and
// box the pupil can reach answers one tap with exactly one click, and the times-table
// room's greeting comes and goes by touch as it does under the pointer.
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using Open = ui::Form& (*)(Program&);

template <class S>
ui::Form& open(Program& p) {
    return p.screen<S>();
}

// A control the pupil can tap: shown, enabled and not covered at its centre.
bool tappable(QWidget* w) {
    if (!w->isVisible() || !w->isEnabled())
        return false;
    QWidget* top = w->window()->childAt(w->mapTo(w->window(), w->rect().center()));
    return top == w || w->isAncestorOf(top);
}

} // namespace

Q_DECLARE_METATYPE(Open)

class TapTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAnswersATap_data() {
        QTest::addColumn<Open>("screen");
        QTest::newRow("welcome") << &open<frmmecenaat1>;
        QTest::newRow("menu") << &open<frmkiesbasis>;
        QTest::newRow("place value") << &open<frmtest>;
        QTest::newRow("two numbers") << &open<frmtest2>;
        QTest::newRow("easy or hard") << &open<frmmaal>;
        QTest::newRow("one digit") << &open<frmmaal2>;
        QTest::newRow("two digits") << &open<frmmaal3>;
        QTest::newRow("times-table room") << &open<Aklas>;
    }
    // Taps, one after the other, every control the screen offers and that was not tapped
    // yet; the screen is brought back when a tap leaves it, and its timers move it on.
    // What the screen never offers this way is then shown on top by force and tapped.
    void everyControlAnswersATap() {
        QFETCH(Open, screen);
        TestProgram tp;
        ui::Form& s = screen(tp.program());
        QList<QWidget*> controls;
        for (QWidget* w : s.findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<ui::TextBox*>(w)) && w->isEnabled())
                controls << w;
        QSet<QWidget*> tapped;
        bool ticked = false;
        while (tapped.size() < controls.size()) {
            if (s.isHidden())
                tp.program().ShowScreen(s);
            QApplication::processEvents();
            auto next = std::find_if(controls.begin(), controls.end(),
                                     [&](QWidget* w) { return !tapped.contains(w) && tappable(w); });
            if (next == controls.end() && !ticked) {
                for (ui::Timer* t : s.findChildren<ui::Timer*>())
                    if (t->isActive())
                        t->tick();
                ticked = true;
                continue;
            }
            ticked = false;
            if (next == controls.end()) {
                next = std::find_if(controls.begin(), controls.end(), [&](QWidget* w) { return !tapped.contains(w); });
                for (QWidget* w = *next; w != &s; w = w->parentWidget()) {
                    w->show();
                    w->raise();
                }
                (*next)->setEnabled(true);
            }
            QWidget* w = *next;
            auto* button = qobject_cast<QAbstractButton*>(w);
            QSignalSpy clicks = button ? QSignalSpy(button, &QAbstractButton::clicked)
                                       : QSignalSpy(static_cast<ui::TextBox*>(w), &ui::TextBox::clicked);
            tapped.insert(w);
            TestProgram::tap(w);
            QVERIFY2(clicks.count() == 1, qPrintable(w->objectName()));
        }
    }

    // The greeting shows when the finger lands on the teacher and goes when it lands on it.
    void roomGreetingByTouch() {
        TestProgram tp;
        Aklas& room = tp.program().screen<Aklas>();
        tp.program().ShowScreen(room);
        QWidget* greeting = room.control("Lblinaklas");
        greeting->setVisible(false);
        TestProgram::tap(room.control("Image1"));
        QVERIFY(greeting->isVisible());
        TestProgram::tap(greeting);
        QVERIFY(!greeting->isVisible());
    }
};

QTEST_MAIN(TapTest)
#include "tap_test.moc"
