// The closing screen: from the menu's stop button to the end of the program.
// Timer ticks are fired directly.
#include "screens/closing/StatusBar.h"
#include "screens/closing/frminfo.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString Line = QStringLiteral("Torvaleno,educatieve software voor de basisschool");

// The closing screen as the pupil reaches it: "&Basis" (main window disabled), then stop.
frminfo& close(TestProgram& t) {
    t.main().aftrek2->trigger();
    TestProgram::click(t.find<QPushButton, frmkiesbasis>("cmdeinde"));
    return t.program().screen<frminfo>();
}

bool docked(frminfo& info) {
    return info.ProgressBar1->parentWidget() == info.StatusBar1 && ui::isShown(info.ProgressBar1) &&
           info.ProgressBar1->geometry() == info.StatusBar1->panelRect(2);
}

// Counts the layout requests a widget receives.
class LayoutRequests : public QObject {
public:
    explicit LayoutRequests(QWidget* w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::LayoutRequest;
        return false;
    }
};

} // namespace

class FrminfoTest : public QObject {
    Q_OBJECT

private slots:
    void stopButtonOpensTheClosingScreen() {
        TestProgram t;
        frminfo& info = close(t);
        QVERIFY(info.isVisible());
        QVERIFY(!t.program().screen<frmkiesbasis>().isVisible());
        QVERIFY(t.main().isEnabled());
        QCOMPARE(t.program().activeScreen(), &info);
        QVERIFY(info.Timer1->isActive());
        QCOMPARE(info.Timer1->interval(), 75);
        QCOMPARE(info.findChild<QLabel*>("lblgeld")->text(),
                 QString(" Sinds mijn 60ste verjaardag is de software gratis\r\n"
                         " via www.torvaleno.example "));
        StatusBar& bar = *info.StatusBar1;
        QCOMPARE(bar.panelCount(), 5);
        const int widths[] = {133, 233, 80, 67, 200};
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(bar.panelRect(n).width(), widths[n - 1]);
        QCOMPARE(bar.panel(1)->text(), Line);
        QVERIFY(info.scrollTag.isEmpty());
        QVERIFY(bar.panel(2)->text().isEmpty());
        QVERIFY(QRegularExpression("^\\d{1,2}-\\d{1,2}-\\d{4}$").match(bar.panel(3)->text()).hasMatch());
        QVERIFY(QRegularExpression("^\\d{1,2}:\\d{2}$").match(bar.panel(4)->text()).hasMatch());
        QCOMPARE(bar.panel(5)->text(), QString("Gratis software"));
        QVERIFY(docked(info));
        QCOMPARE(info.ProgressBar1->minimum(), 0);
        QCOMPARE(info.ProgressBar1->maximum(), 150);
        QCOMPARE(info.ProgressBar1->value(), 0);
    }

    // Leading blanks go first, then the line, one character a tick; an empty line refills.
    void lineScrollsInFromTheRightAndStartsAgain() {
        TestProgram t;
        frminfo& info = close(t);
        const QLabel& line = *info.StatusBar1->panel(1);
        const double blank = QFontMetricsF(info.font()).horizontalAdvance(' ') * 15;
        const QString tag = QString(qRound(2000 / blank), ' ') + Line;
        QVERIFY(tag.startsWith(QString(40, ' ')));
        for (int k = 1; k <= tag.size(); ++k) {
            info.Timer1->tick();
            QCOMPARE(line.text(), tag.mid(k));
            QCOMPARE(info.ProgressBar1->value(), k);
        }
        QCOMPARE(info.scrollTag, tag);
        info.Timer1->tick();
        QCOMPARE(line.text(), tag);
    }

    // A screen reader reads each panel by what it shows, the scrolling line as it is now, and
    // tells what the panel is for in Dutch.
    void panelsAreReadByWhatTheyShow() {
        TestProgram t;
        frminfo& info = close(t);
        info.Timer1->tick();
        const char* const purposes[] = {"Lopende tekst", "Voortgang", "Datum", "Tijd", "Gratis software"};
        for (int n = 1; n <= 5; ++n) {
            QLabel* panel = info.StatusBar1->panel(n);
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(panel);
            QVERIFY(read);
            QCOMPARE(read->text(QAccessible::Name), panel->text());
            QCOMPARE(read->text(QAccessible::Description), QString(purposes[n - 1]));
            QCOMPARE(read->parent()->role(), QAccessible::StatusBar);
        }
        QVERIFY(info.StatusBar1->panel(1)->text().endsWith(Line));
        QVERIFY(!info.StatusBar1->panel(3)->text().isEmpty() && !info.StatusBar1->panel(4)->text().isEmpty());
    }

    // A tick repaints the scrolling panel alone: the bar is not asked to lay itself out again
    // (and repaint with the progress bar over it).
    void tickLeavesTheBarAlone() {
        TestProgram t;
        frminfo& info = close(t);
        QApplication::processEvents();
        LayoutRequests requests(info.StatusBar1);
        for (int k = 1; k <= 3; ++k)
            info.Timer1->tick();
        QApplication::processEvents();
        QCOMPARE(requests.count, 0);
    }

    void endsOnExactlyThe151stTick() {
        TestProgram t;
        frminfo& info = close(t);
        for (int k = 1; k <= 150; ++k)
            info.Timer1->tick();
        QCOMPARE(info.ProgressBar1->value(), 150);
        QVERIFY(docked(info));
        QCOMPARE(t.endCalls(), 0);
        info.Timer1->tick();
        QCOMPARE(t.endCalls(), 1);
        QVERIFY(!info.Timer1->isActive());
        QCOMPARE(info.tickCount, 0);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.ProgressBar1->parentWidget(), &info);
        QVERIFY(!ui::isShown(info.ProgressBar1));
    }

    // Activated again: docked again at 0, the count goes on, no centring.
    void laterActivationDocksAgainAndKeepsTheCount() {
        TestProgram t;
        frminfo& info = close(t);
        for (int k = 1; k <= 10; ++k)
            info.Timer1->tick();
        info.move(3, 4);
        t.program().ShowScreen<frmmecenaat1>();
        t.program().ShowScreen(info);
        QVERIFY(docked(info));
        QCOMPARE(info.ProgressBar1->value(), 0);
        QCOMPARE(info.tickCount, 10);
        QCOMPARE(info.pos(), QPoint(3, 4));
        info.Timer1->tick();
        QCOMPARE(info.ProgressBar1->value(), 11);
    }

    // The program's own end, inside a running event loop: timers stop, every window
    // goes, and exec() returns 0.
    void defaultEndLeavesTheEventLoop() {
        int status = -1;
        {
            Program p;
            p.start();
            p.ShowScreen<frmkiesbasis>();
            TestProgram::click(p.screen<frmkiesbasis>().findChild<QPushButton*>("cmdeinde"));
            frminfo& info = p.screen<frminfo>();
            auto* other = new QTimer(&p.screen<frmkiesbasis>()); // a hidden screen's running timer
            other->start(60000);
            QTimer::singleShot(0, &info, [&info] {
                for (int k = 0; k <= 150; ++k)
                    info.Timer1->tick();
            });
            status = QApplication::exec();
            for (QWidget* w : QApplication::topLevelWidgets())
                QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
            QVERIFY(!other->isActive());
            for (QTimer* timer : info.findChildren<QTimer*>())
                QVERIFY(!timer->isActive());
        }
        QCOMPARE(status, 0);
    }

    // Web addresses shown anywhere point to a reserved example domain.
    void webAddressesUseAnExampleDomain() {
        TestProgram t;
        frminfo& info = close(t);
        const QRegularExpression address("www\\.[\\w.-]+");
        for (QWidget* screen :
             {static_cast<QWidget*>(&info), static_cast<QWidget*>(&t.program().screen<frmkiesbasis>()),
              static_cast<QWidget*>(&t.program().screen<frmmecenaat1>())}) {
            for (QWidget* w : screen->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(w);
                for (const QString& text : {w->toolTip(), label ? label->text() : QString()}) {
                    for (const auto& m : address.globalMatch(text))
                        QVERIFY2(m.captured().endsWith(".example"), qPrintable(m.captured()));
                }
            }
        }
    }
};

QTEST_MAIN(FrminfoTest)
#include "frminfo_test.moc"
