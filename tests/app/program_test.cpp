// Start-up, the hand-overs between the welcome screen, the menu and the main window,
// lazy creation of screens, activation and centring.
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "app/Screen.h"
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTest>
#include <QWindow>
#include <tuple>
#include <vector>

namespace {

// A screen that counts its load and activate steps.
class ProbeScreen : public Screen {
public:
    explicit ProbeScreen(Program& program)
        : Screen(program, "frmprobe", QStringLiteral("Probe"), 3000, 2000, 0xFFFFFF) {}
    void Form_Load() override { ++loads; }
    void Form_Activate() override {
        ++activations;
        CentreOnScreen(*this);
    }
    int loads = 0;
    int activations = 0;
};

QPoint centredOrigin(const QWidget& w) {
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = w.frameGeometry().size();
    return display.topLeft() + QPoint((display.width() - outer.width()) / 2, (display.height() - outer.height()) / 2);
}

// Counts the activations the window system reports for a window.
class ActivationCount : public QObject {
public:
    explicit ActivationCount(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::WindowActivate;
        return false;
    }
    int count = 0;
};

void sendActivation(QWidget& w) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsTheWelcomeScreenInFrontOfAnEnabledMainWindow() {
        TestProgram t;
        Program& p = t.program();
        QVERIFY(t.main().isVisible());
        QVERIFY(t.main().isEnabled());
        QCOMPARE(t.main().windowTitle(), QString(" Alle kinderen moeten alle kansen krijgen."));
        QCOMPARE(t.main().aftrek->title(), QString("OPENEN "));
        QCOMPARE(t.main().aftrek2->text(), QString("&Basis"));
        auto& welcome = p.screen<frmmecenaat1>();
        QVERIFY(welcome.isVisible());
        QCOMPARE(p.activeScreen(), &welcome);
        QVERIFY(!p.isCreated<frmkiesbasis>());
        QVERIFY(welcome.windowHandle()->transientParent() == t.main().windowHandle());
        QVERIFY(ui::isShown(welcome.findChild<QWidget*>(QStringLiteral("Frame1_1"))));
        QCOMPARE(welcome.pos(), centredOrigin(welcome));
    }

    // Both ways from the welcome screen to the menu, and what they do to the main window.
    void welcomeToMenu_data() {
        QTest::addColumn<bool>("throughBasis");
        QTest::addColumn<bool>("mainEnabled");
        QTest::newRow("Klik hier en start !") << false << true;
        QTest::newRow("&Basis") << true << false;
    }
    void welcomeToMenu() {
        QFETCH(bool, throughBasis);
        QFETCH(bool, mainEnabled);
        TestProgram t;
        Program& p = t.program();
        if (throughBasis)
            t.main().aftrek2->trigger();
        else
            TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        auto& menu = p.screen<frmkiesbasis>();
        QVERIFY(menu.isVisible());
        QVERIFY(!p.screen<frmmecenaat1>().isVisible());
        QCOMPARE(menu.lblgemaakt->text(), QString("0"));
        QLabel* caption = t.find<QLabel, frmkiesbasis>("Label1");
        QCOMPARE(caption->text(), QString("Totaal aantal juiste oefeningen:"));
        QCOMPARE(t.main().isEnabled(), mainEnabled);
        QCOMPARE(t.main().aftrek2->isEnabled(), true); // the action itself; the disabled window blocks it
        QCOMPARE(p.activeScreen(), &menu);
        QCOMPARE(menu.windowTitle(), QString("ZEFRANOL"));
    }

    void basisWhileTheMenuIsUpKeepsItAndDisablesTheMainWindow() {
        TestProgram t;
        Program& p = t.program();
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        auto& menu = p.screen<frmkiesbasis>();
        menu.lblgemaakt->setText("12");
        t.main().aftrek2->trigger();
        QVERIFY(menu.isVisible());
        QVERIFY(!p.screen<frmmecenaat1>().isVisible());
        QVERIFY(!t.main().isEnabled());
        QCOMPARE(menu.lblgemaakt->text(), QString("12")); // the menu is not loaded again
    }

    void exerciseButtonOpensItsScreenAndDisablesTheMainWindow() {
        TestProgram t;
        Program& p = t.program();
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        QVERIFY(t.main().isEnabled());
        TestProgram::click(t.find<QPushButton, frmkiesbasis>("cmdkies"));
        QVERIFY(p.screen<frmmaal2>().isVisible());
        QVERIFY(!p.screen<frmkiesbasis>().isVisible());
        QVERIFY(!t.main().isEnabled());
        QVERIFY(p.screen<frmmaal2>().isEnabled()); // screens are not disabled with the main window
        QCOMPARE(p.activeScreen(), &p.screen<frmmaal2>());
    }

    void menuTabOrder() {
        TestProgram t;
        const QStringList expected{"Command2", "Command3", "cmdeinde", "Command1", "cmdkies", "Command4"};
        QWidget* w = t.find<QWidget, frmkiesbasis>("Command2");
        QStringList order;
        for (int i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, expected);
        const auto button = [&](const char* name) { return t.find<QPushButton, frmkiesbasis>(name); };
        QCOMPARE(button("cmdeinde")->toolTip(), QString("S T O P "));
        QCOMPARE(button("Command3")->text(), QString("Ik kijk of 'maal' moeilijk of gemakkelijk is"));
        QCOMPARE(button("Command4")->text(), QString("Uitbreiding   x TE (4des)"));
    }

    // Created on first touch with the load step once; the activate step on every
    // activation and never twice for one.
    void lazyCreationLoadsOnceAndActivatesOncePerActivation() {
        TestProgram t;
        Program& p = t.program();
        QVERIFY(!p.isCreated<ProbeScreen>());
        auto& probe = p.screen<ProbeScreen>(); // touching creates it
        QCOMPARE(probe.loads, 1);
        QCOMPARE(probe.activations, 0);
        QCOMPARE(&p.screen<ProbeScreen>(), &probe);

        p.ShowScreen(probe);
        QCOMPARE(probe.activations, 1);
        sendActivation(probe); // the window system reports the same activation
        QApplication::processEvents();
        QCOMPARE(probe.activations, 1);
        p.ShowScreen(probe); // shown again while active: no new activation
        QCOMPARE(probe.activations, 1);

        // The pupil activates another window of the program, then comes back.
        auto& welcome = p.screen<frmmecenaat1>();
        sendActivation(welcome);
        QCOMPARE(p.activeScreen(), &welcome);
        sendActivation(probe);
        QCOMPARE(probe.activations, 2);

        // Hidden and shown again: a new activation; load never again.
        p.HideScreen(probe);
        p.ShowScreen(probe);
        QCOMPARE(probe.activations, 3);
        QCOMPARE(probe.loads, 1);
    }

    // A hidden screen gives its native window back; shown again it gets a new one, still in
    // front of the main window, with its controls, their texts and its focus as they were.
    void hiddenScreenGivesBackItsWindowUntilShownAgain() {
        TestProgram t;
        Program& p = t.program();
        auto& col = p.screen<frmmaal2>();
        p.ShowScreen(col);
        col.cmdstart_Click();
        auto* box = col.findChild<QLineEdit*>(QStringLiteral("txteenheid"));
        QVERIFY(box);
        box->setFocus();
        box->setText(QStringLiteral("7")); // the screen moves on to the tens
        QWidget* focused = col.focusWidget();
        QVERIFY(focused && focused != box);
        p.HideScreen(col);
        QVERIFY(!col.windowHandle());
        p.ShowScreen(col);
        QVERIFY(col.windowHandle());
        QVERIFY(col.windowHandle()->transientParent() == t.main().windowHandle());
        QCOMPARE(box->text(), QStringLiteral("7"));
        QCOMPARE(col.focusWidget(), focused);
        QCOMPARE(p.activeScreen(), &col);
    }

    // The welcome screen's pictures are drawn from their drawings at the size they are shown,
    // once: a repaint at that size copies the same pixels.
    void welcomePicturesAreDrawnOnceAtTheirSize() {
        TestProgram t;
        auto& welcome = t.program().screen<frmmecenaat1>();
        const auto pictures = welcome.findChildren<ui::Picture*>();
        QCOMPARE(pictures.size(), 4);
        auto* button = welcome.findChild<ui::PictureButton*>(QStringLiteral("cmdkombinnen"));
        welcome.grab();
        std::vector<std::tuple<QString, QSize, const QPixmap*>> drawn;
        for (auto* picture : pictures)
            drawn.emplace_back(picture->picture(), picture->size(), &picture->drawnPixels());
        drawn.emplace_back(button->picture(), button->pictureSize(), &button->drawnPixels());
        std::vector<qint64> keys;
        for (const auto& [resource, size, pixels] : drawn) {
            QCOMPARE(pixels->size(), size);
            QCOMPARE(pixels->toImage(), ui::drawPicture(*ui::loadPicture(resource), size));
            keys.push_back(pixels->cacheKey());
        }
        welcome.grab();
        for (std::size_t i = 0; i < drawn.size(); ++i)
            QCOMPARE(std::get<2>(drawn[i])->cacheKey(), keys[i]);
    }

    void regainingFocusFromAnotherApplicationIsNoActivation() {
        TestProgram t;
        Program& p = t.program();
        auto& probe = p.screen<ProbeScreen>();
        p.ShowScreen(probe);
        // Another application takes the focus and gives it back: the program's active
        // screen never changed, so the window's new activation event runs nothing.
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&probe, &deactivate);
        sendActivation(probe);
        QCOMPARE(probe.activations, 1);
    }

    void hiddenScreensIgnoreLateActivationEvents() {
        TestProgram t;
        Program& p = t.program();
        auto& probe = p.screen<ProbeScreen>();
        p.ShowScreen(probe);
        p.HideScreen(probe);
        sendActivation(probe);
        QCOMPARE(probe.activations, 1);
    }

    void movedScreenIsCentredAgainOnItsNextActivation() {
        TestProgram t;
        Program& p = t.program();
        auto& welcome = p.screen<frmmecenaat1>();
        welcome.move(5, 7);
        QCOMPARE(welcome.pos(), QPoint(5, 7));
        p.ShowScreen<ProbeScreen>();
        sendActivation(welcome);
        QCOMPARE(welcome.pos(), centredOrigin(welcome));

        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        auto& menu = p.screen<frmkiesbasis>();
        menu.move(1, 1);
        p.ShowScreen<ProbeScreen>();
        p.ShowScreen(menu);
        QCOMPARE(menu.pos(), centredOrigin(menu));
    }

    void endGoesThroughTheHandler() {
        TestProgram t;
        t.program().end();
        QCOMPARE(t.endCalls(), 1);
    }

    // A screen's title-bar close would strand the pupil; closing the backdrop ends the run.
    void closingWindows() {
        TestProgram t;
        auto& welcome = t.program().screen<frmmecenaat1>();
        QVERIFY(!welcome.close());
        QVERIFY(welcome.isVisible());
        QCOMPARE(t.endCalls(), 0);
        t.main().close();
        QCOMPARE(t.endCalls(), 1);
    }

    // A click on the backdrop (enabled with the welcome screen up, disabled with an exercise up)
    // hands the activation straight back to the screen in front, which never stopped being
    // the active screen: no new activate step.
    void backdropHandsTheActivationBack_data() {
        QTest::addColumn<bool>("exercise");
        QTest::newRow("welcome screen, backdrop enabled") << false;
        QTest::newRow("exercise, backdrop disabled") << true;
    }
    void backdropHandsTheActivationBack() {
        QFETCH(bool, exercise);
        TestProgram t;
        Program& p = t.program();
        if (exercise)
            t.main().setEnabled(false);
        auto& probe = p.screen<ProbeScreen>();
        p.ShowScreen(probe);
        QTRY_COMPARE(QApplication::activeWindow(), &probe);
        ActivationCount backdrop(t.main());
        t.main().activateWindow();
        QTRY_VERIFY(backdrop.count > 0);
        QTRY_COMPARE(QApplication::activeWindow(), &probe);
        QCOMPARE(p.activeScreen(), &probe);
        QCOMPARE(probe.activations, 1);
    }

    // However the window system minimised them, the backdrop and the screen come back.
    void nothingStaysMinimised() {
        TestProgram t;
        auto& welcome = t.program().screen<frmmecenaat1>();
        welcome.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!welcome.isMinimized());
        t.main().setWindowState(t.main().windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(!t.main().isMinimized());
        QVERIFY(t.main().isMaximized());
        QCOMPARE(t.program().activeScreen(), &welcome);
    }

    // The title bar's close does what the screen's own return button does, while the screen
    // offers it; screens without one stay.
    void titleBarCloseIsTheReturnButton() {
        TestProgram t;
        Program& p = t.program();
        const auto closeByTitleBar = [](QWidget& screen) {
            QVERIFY(!screen.close());
            QApplication::processEvents();
        };
        auto& welcome = p.screen<frmmecenaat1>();
        closeByTitleBar(welcome);
        QCOMPARE(p.activeScreen(), &welcome);
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        TestProgram::click(t.find<QPushButton, frmkiesbasis>("cmdkies"));
        auto& column = p.screen<frmmaal2>();
        closeByTitleBar(column); // the way back is offered after a series
        QCOMPARE(p.activeScreen(), &column);
        TestProgram::click(column.cmdstart);
        TestProgram::click(column.cmdaklas);
        auto& room = p.screen<Aklas>();
        QVERIFY(room.Cmdterug->isVisible());
        closeByTitleBar(room);
        QCOMPARE(p.activeScreen(), &column);
        QVERIFY(!room.isVisible());
        // The menu's way out is its stop button: on to the closing screen.
        column.cmdstop2->setVisible(true);
        closeByTitleBar(column);
        auto& menu = p.screen<frmkiesbasis>();
        QCOMPARE(p.activeScreen(), &menu);
        closeByTitleBar(menu);
        QCOMPARE(p.activeScreen(), &p.screen<frminfo>());
        QVERIFY(t.main().isEnabled());
    }

    // Every button and box a pupil can reach has a name for assistive technology.
    void everyInteractiveControlHasAnAccessibleName() {
        TestProgram t;
        Program& p = t.program();
        const QList<QWidget*> screens{&p.screen<frmmecenaat1>(), &p.screen<frmkiesbasis>(), &p.screen<frmmaal2>(),
                                      &p.screen<Aklas>(), &p.screen<frmmaal3>()};
        for (QWidget* screen : screens) {
            for (QWidget* w : screen->findChildren<QWidget*>()) {
                if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                    QVERIFY2(!w->accessibleName().trimmed().isEmpty(), qPrintable(w->objectName()));
            }
        }
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
