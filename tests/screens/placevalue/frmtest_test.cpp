// The place-value screen: its five states, the reveal order, "Nog eens?" and the way back.
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "support/FromMenu.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using ui::isShown;

namespace {

struct Opened : FromMenu<frmtest> {
    Opened() : FromMenu("Command1") {}
    // Clicks the first steps of the cycle start, E, T, H, again, start, ...; -1 leaves
    // from the done state and comes back through the menu.
    void steps(int count) {
        const char* order[] = {"cmdstart", "cmdeenheid", "cmdtiental", "cmdhonderdtal", "cmdnogeens"};
        for (int i = 0; i < (count < 0 ? 4 : count); ++i)
            TestProgram::click(w(order[i % 5]));
        if (count < 0) {
            TestProgram::click(w("cmdstop"));
            QVERIFY(!s().isVisible());
            openFromMenu();
        }
    }
};

} // namespace

class FrmtestTest : public QObject {
    Q_OBJECT

private slots:
    void states_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("buttons"); // the buttons shown
        QTest::addColumn<QString>("shown");   // number, then H T E box texts, then the letters shown
        QTest::newRow("ready") << 0 << "cmdstart"
                               << "  ";
        QTest::newRow("number shown") << 1 << "cmdeenheid"
                                      << "105  ";
        QTest::newRow("units shown") << 2 << "cmdtiental"
                                     << "105 5 E";
        QTest::newRow("tens shown") << 3 << "cmdhonderdtal"
                                    << "105 05 TE";
        QTest::newRow("done") << 4 << "cmdnogeens cmdstop"
                              << "105 105 HTE";
        QTest::newRow("Nog eens?") << 5 << "cmdstart"
                                   << "  ";
        QTest::newRow("second round") << 7 << "cmdtiental"
                                      << "105 5 E";
        QTest::newRow("left and opened again") << -1 << "cmdstart"
                                               << "  ";
    }
    void states() {
        QFETCH(int, steps);
        QFETCH(QString, buttons);
        QFETCH(QString, shown);
        Opened o;
        frmkiesbasis& menu = o.tp.program().screen<frmkiesbasis>();
        menu.lblgemaakt->setText("7");
        // Hundreds drawn as 0 become 1.
        zef::ScriptedRandom& rng = o.tp.script({drawFor(5, 9, 0), 0.0, 0.0, drawFor(5, 9, 0), 0.0, 0.0});
        o.steps(steps);
        QStringList names;
        for (const char* b : {"cmdstart", "cmdeenheid", "cmdtiental", "cmdhonderdtal", "cmdnogeens", "cmdstop"})
            if (isShown(o.w(b)))
                names << b;
        QCOMPARE(names.join(' '), buttons);
        const auto text = [&](const char* name) { return o.w<QLineEdit>(name)->text(); };
        QString seen = text("txtgetal") + ' ' + text("txthonderdtal") + text("txttiental") + text("txteenheid") + ' ';
        for (const char* letter : {"lblhonderd", "lbltiental", "lbleenheid"})
            if (isShown(o.w(letter)))
                seen += o.w<QLabel>(letter)->text();
        QCOMPARE(seen, shown);
        // A digit shows white on green; an empty box is white.
        for (const char* name : {"txthonderdtal", "txttiental", "txteenheid"}) {
            auto* box = o.w<QLineEdit>(name);
            QCOMPARE(box->palette().color(QPalette::Base),
                     box->text().isEmpty() ? QColor(Qt::white) : QColor(Qt::green));
            if (!box->text().isEmpty())
                QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::white));
        }
        QCOMPARE(rng.reseeds(), (std::abs(steps) + 4) / 5);
        // The total and the main window's flag are left alone.
        QCOMPARE(menu.lblgemaakt->text(), "7");
        QVERIFY(!o.tp.main().isEnabled());
    }

    // The buttons that take turns in one place keep the order of the steps for Tab.
    void keyboardOrder() {
        Opened o;
        QStringList order;
        for (QWidget* w = o.w("cmdstart"); order.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus && w->isEnabled())
                order << w->objectName();
        QCOMPARE(order.join(' '), "cmdstart cmdeenheid cmdtiental cmdhonderdtal cmdnogeens cmdstop");
    }
};

QTEST_MAIN(FrmtestTest)
#include "frmtest_test.moc"
