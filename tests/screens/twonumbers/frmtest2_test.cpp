// The two-numbers screen: its states and the button place, the column products with
// their red marks and explanations, "Nog eens?" and the way back.
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "support/FromMenu.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using ui::isShown;

namespace {

struct Opened : FromMenu<frmtest2> {
    Opened() : FromMenu("Command2") {}
    QString text(const char* name) { return w<QLineEdit>(name)->text(); }
    // Scripts the pair, then clicks the first steps of start, first, second, MAAL, again;
    // -1 leaves after MAAL and comes back through the menu.
    void pair(int number, int multiplier, int steps = 4) {
        tp.script({drawFor(number % 10, 9, 0), drawFor(multiplier, 8, 1), drawFor(number / 10 % 10, 9, 0),
                   drawFor(number / 100, 9, 0)});
        const char* order[] = {"cmdstart", "cmdeerste", "cmdtweede", "cmdsom", "cmdnogeens"};
        for (int i = 0; i < (steps < 0 ? 4 : steps); ++i)
            TestProgram::click(w(order[i]));
        if (steps < 0) {
            TestProgram::click(w("cmdstop"));
            QVERIFY(!s().isVisible());
            openFromMenu();
        }
    }
    // What the pupil sees in the button place, then the names of the controls shown.
    QString seen() {
        QStringList names{s().childAt(w("cmdstart")->geometry().center())->objectName() + ':'};
        for (const char* name : {"cmdstart", "cmdeerste", "cmdtweede", "cmdsom", "cmdnogeens", "cmdstop", "txteenheid",
                                 "txteenheid2", "lblplus", "lnplus", "txtsomE", "lbluitlegtotaal"})
            if (isShown(w(name)))
                names << name;
        return names.join(' ');
    }
};

} // namespace

class Frmtest2Test : public QObject {
    Q_OBJECT

private slots:
    void states_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("ready") << 0 << "cmdstart: cmdstart"
                               << " ";
        QTest::newRow("numbers drawn") << 1 << "cmdeerste: cmdeerste"
                                       << "487 3";
        QTest::newRow("first laid out") << 2 << "cmdtweede: cmdeerste cmdtweede txteenheid"
                                        << "487 3";
        QTest::newRow("second laid out") << 3 << "cmdsom: cmdeerste cmdtweede cmdsom txteenheid txteenheid2"
                                         << "487 3";
        QTest::newRow("products shown") << 4
                                        << "cmdnogeens: cmdeerste cmdtweede cmdsom cmdnogeens cmdstop txteenheid "
                                           "txteenheid2 lblplus lnplus txtsomE"
                                        << "487 3";
        QTest::newRow("Nog eens?") << 5 << "cmdstart: cmdstart"
                                   << " ";
        QTest::newRow("left and opened again") << -1 << "cmdstart: cmdstart"
                                               << " ";
    }
    void states() {
        QFETCH(int, steps);
        QFETCH(QString, seen);
        QFETCH(QString, numbers);
        Opened o;
        frmkiesbasis& menu = o.tp.program().screen<frmkiesbasis>();
        menu.lblgemaakt->setText("7");
        o.pair(487, 3, steps);
        QCOMPARE(o.seen(), seen);
        QCOMPARE(o.text("txtgetal") + ' ' + o.text("txtgetal2"), numbers);
        // The total and the main window's flag are left alone.
        QCOMPARE(menu.lblgemaakt->text(), "7");
        QVERIFY(!o.tp.main().isEnabled());
    }

    void columnProducts_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<bool>("afterRed");    // after 487 x 3 and "Nog eens?"
        QTest::addColumn<QString>("products"); // H T E
        QTest::addColumn<QString>("red");
        QTest::newRow("all carry") << 487 << 3 << false << "12 24 21"
                                   << "HTE";
        QTest::newRow("none carries") << 312 << 3 << false << "9 3 6"
                                      << "";
        QTest::newRow("none, after red marks") << 312 << 3 << true << "9 3 6"
                                               << "";
        QTest::newRow("exactly 10") << 125 << 2 << true << "2 4 10"
                                    << "E";
    }
    void columnProducts() {
        QFETCH(int, number);
        QFETCH(int, multiplier);
        QFETCH(bool, afterRed);
        QFETCH(QString, products);
        QFETCH(QString, red);
        Opened o;
        if (afterRed)
            o.pair(487, 3, 5);
        o.pair(number, multiplier);
        QCOMPARE(o.text("txtsomH") + ' ' + o.text("txtsomT") + ' ' + o.text("txtsomE"), products);
        const struct {
            QLineEdit* box;
            QLabel* line;
            QString letter, next;
        } columns[] = {{o.w<QLineEdit>("txtsomH"), o.w<QLabel>("lbluitleg3"), "H", "D"},
                       {o.w<QLineEdit>("txtsomT"), o.w<QLabel>("lbluitleg2"), "T", "H"},
                       {o.w<QLineEdit>("txtsomE"), o.w<QLabel>("lbluitleg"), "E", "T"}};
        for (const auto& c : columns) {
            const bool marked = red.contains(c.letter);
            QCOMPARE(c.box->palette().color(QPalette::Base), marked ? QColor(Qt::red) : QColor(Qt::white));
            QCOMPARE(c.box->palette().color(QPalette::Text), marked ? QColor(Qt::white) : QColor(Qt::black));
            QCOMPARE(c.line->text(),
                     marked ? " maal van de " + c.letter + " is groter dan 9, er wordt nieuw " + c.next + " gevormd"
                            : QString());
        }
        auto* easy = o.w<QLabel>("lbluitlegtotaal");
        QCOMPARE(isShown(easy), red.isEmpty());
        QCOMPARE(easy->text(),
                 red.isEmpty()
                     ? "  maal van E, van T en van H zijn kleiner als 10, de vermenigvuldiging is dus gemakkelijk "
                     : "");
    }

    // Covered buttons keep their keyboard order; activating one repeats its own step.
    void coveredButtonsAnswerTheKeyboard() {
        Opened o;
        o.pair(487, 3);
        QStringList order;
        for (QWidget* w = o.w("cmdstart"); order.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus && w->isEnabled())
                order << w->objectName();
        QCOMPARE(order.join(' '), "cmdstart cmdeerste cmdtweede cmdsom cmdnogeens cmdstop");
        o.w("cmdeerste")->setFocus();
        QTest::keyClick(o.w("cmdeerste"), Qt::Key_Space);
        QCOMPARE(o.s().focusWidget(), o.w("cmdtweede"));
        QCOMPARE(o.text("txthonderdtal") + o.text("txttiental") + o.text("txteenheid"), "487");
    }

    void everyBoxAndButtonHasAName() {
        Opened o;
        for (QWidget* screen : std::initializer_list<QWidget*>{&o.s(), &o.tp.program().screen<frmtest>()})
            for (QWidget* w : screen->findChildren<QWidget*>())
                if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                    QVERIFY2(!w->accessibleName().trimmed().isEmpty(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(Frmtest2Test)
#include "frmtest2_test.moc"
