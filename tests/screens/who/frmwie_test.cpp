// "Wie ben jij?" between the welcome screen and the menu, with the class list a teacher wrote
// in the configuration file (names that INI quoting and shortcut marks could spoil), or none.
#include "results/Recorder.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "screens/who/frmwie.h"
#include "support/TestProgram.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QStringList Written{"Zoë", "de Wit, Sem", "Daan \"D\" Bos", "=Bo", "Jan & Piet"};

QList<QPushButton*> shownNames(frmwie& who) {
    QList<QPushButton*> out;
    for (auto* b : who.findChildren<QPushButton*>())
        if (b->objectName().startsWith("cmdnaam_") && b->isVisible())
            out << b;
    return out;
}

// A button's caption as it is drawn: "&&" is an "&", a single "&" marks a shortcut.
QString drawn(QString caption) {
    return caption.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

} // namespace

class FrmwieTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;

private slots:
    void initTestCase() {
        QVERIFY(QDir(home.path()).mkpath("zefranol"));
        QFile conf(home.filePath("zefranol/zefranol.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[klas]\nnamen = Zo\xC3\xAB, \"de Wit, Sem\", \"Daan \\\"D\\\" Bos\", =Bo, Jan & Piet\n");
        conf.close();
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); // before the configuration is first read
    }

    void theListShowsExactlyItsNamesAndAsksWhoIsThere() {
        TestProgram t;
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        frmwie& who = t.program().screen<frmwie>();
        QVERIFY(who.isVisible() && !t.program().isCreated<frmkiesbasis>());
        QStringList shown, heard;
        for (QPushButton* b : shownNames(who))
            shown << drawn(b->text()), heard << b->accessibleName();
        QCOMPARE(shown, Written);
        QCOMPARE(heard, Written);
        QApplication::setActiveWindow(&who);
        QApplication::processEvents();
        QWidget* voice = who.findChild<QWidget*>("zefVoice");
        QCOMPARE(QAccessible::queryAccessibleInterface(voice)->text(QAccessible::Name), "Wie ben jij? Kies je naam.");
    }

    // Click, tap, or the arrow keys and Enter; from the start button or from "&Basis".
    void choosingANameOpensTheMenu_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("throughBasis");
        QTest::newRow("click") << 0 << false;
        QTest::newRow("tap, after &Basis") << 1 << true;
        QTest::newRow("right, down, Enter") << 2 << false;
    }
    void choosingANameOpensTheMenu() {
        QFETCH(int, way);
        QFETCH(bool, throughBasis);
        TestProgram t;
        if (throughBasis)
            t.main().aftrek2->trigger();
        else
            TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        frmwie& who = t.program().screen<frmwie>();
        QPushButton* fourth = shownNames(who)[3]; // two columns: right of the first, one row down
        if (way == 0)
            TestProgram::click(fourth);
        if (way == 1)
            TestProgram::tap(fourth);
        QApplication::processEvents(); // the screen becomes the active window
        for (Qt::Key key : way == 2 ? QList{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} : QList<Qt::Key>{})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(t.program().pupil(), Written[3]);
        QVERIFY(t.program().screen<frmkiesbasis>().isVisible() && !who.isVisible());
        QCOMPARE(t.program().activeScreen(), &t.program().screen<frmkiesbasis>());
        QCOMPARE(t.main().isEnabled(), !throughBasis);
        t.main().aftrek2->trigger(); // once chosen, "&Basis" no longer asks
        QVERIFY(!who.isVisible());
    }

    void aLongListTurnsPagesByKeyboard() {
        TestProgram t;
        QStringList many;
        for (int i = 1; i <= 40; ++i)
            many << QString("Kind %1").arg(i);
        t.program().setClassList(many);
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        frmwie& who = t.program().screen<frmwie>();
        QCOMPARE(shownNames(who).size(), 35);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(shownNames(who).size(), 5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(t.program().pupil(), QString("Kind 36"));
    }

    void withoutAListTheWelcomeLeadsStraightToTheMenu() {
        TestProgram t;
        t.program().setClassList({});
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        QVERIFY(t.program().screen<frmkiesbasis>().isVisible() && !t.program().isCreated<frmwie>());
        QCOMPARE(t.program().pupil(), results::loginName());
    }
};

QTEST_MAIN(FrmwieTest)
#include "frmwie_test.moc"
