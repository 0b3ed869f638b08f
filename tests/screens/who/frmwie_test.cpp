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
#include <QPushButton>
#include <QTemporaryDir>

class FrmwieTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    const QStringList written{"Zoë", "de Wit, Sem", "Daan \"D\" Bos", "=Bo", "Jan & Piet"};

private slots:
    void initTestCase() {
        QDir(home.path()).mkpath("zefranol");
        QFile conf(home.filePath("zefranol/zefranol.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[klas]\nnamen = Zo\xC3\xAB, \"de Wit, Sem\", \"Daan \\\"D\\\" Bos\", =Bo, Jan & Piet\n");
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); // before the configuration is first read
    }

    // The file's list, a long one or none: exactly its names (of the first page) drawn and heard,
    // the question said; then the fourth name clicked, tapped or reached with the arrow keys (two
    // columns), or the first of the second page; from the start button or "&Basis".
    void choosingANameOpensTheMenu_data() {
        QTest::addColumn<int>("names");       // 0: the file's, -1: none
        QTest::addColumn<QList<int>>("keys"); // none: a click, 0: a tap
        QTest::addColumn<bool>("throughBasis");
        QTest::addColumn<QString>("pupil");
        QTest::newRow("click") << 0 << QList<int>{} << false << written[3];
        QTest::newRow("tap, after &Basis") << 0 << QList<int>{0} << true << written[3];
        QTest::newRow("arrows") << 0 << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << false << written[3];
        QTest::newRow("no list: straight to the menu") << -1 << QList<int>{} << false << results::loginName();
        QTest::newRow("page down") << 40 << QList<int>{Qt::Key_PageDown, Qt::Key_Space} << false << "Kind 36";
    }
    void choosingANameOpensTheMenu() {
        QFETCH(int, names);
        QFETCH(QList<int>, keys);
        QFETCH(bool, throughBasis);
        TestProgram t;
        QStringList many;
        for (int i = 1; i <= names; ++i)
            many << QString("Kind %1").arg(i);
        if (names)
            t.program().setClassList(many);
        throughBasis ? t.main().aftrek2->trigger() : t.find<QPushButton, frmmecenaat1>("cmdkombinnen")->click();
        QCOMPARE(t.program().isCreated<frmwie>(), names >= 0);
        if (names >= 0) {
            frmwie& who = t.program().screen<frmwie>();
            QList<QPushButton*> buttons;
            QStringList drawn, heard; // an "&&" is drawn as "&", a single "&" marks a shortcut
            for (auto* b : who.findChildren<QPushButton*>())
                if (b->objectName().startsWith("cmdnaam_") && b->isVisible())
                    buttons << b, drawn << b->text().replace("&&", "\x01").remove('&').replace('\x01', '&'),
                        heard << b->accessibleName();
            QCOMPARE(drawn, names ? many.mid(0, 35) : written);
            QCOMPARE(heard, drawn);
            QApplication::setActiveWindow(&who);
            QApplication::processEvents();
            QAccessibleInterface* voice = QAccessible::queryAccessibleInterface(who.findChild<QWidget*>("zefVoice"));
            QVERIFY(voice->text(QAccessible::Name).startsWith("Wie ben jij? Kies je naam."));
            if (keys.isEmpty())
                TestProgram::click(buttons[3]);
            for (int key : keys)
                key ? QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)) : TestProgram::tap(buttons[3]);
        }
        QTEST(t.program().pupil(), "pupil");
        QCOMPARE(t.program().activeScreen(), &t.program().screen<frmkiesbasis>());
        QCOMPARE(t.main().isEnabled(), !throughBasis);
        t.main().aftrek2->trigger(); // once chosen, "&Basis" no longer asks
        QCOMPARE(t.program().activeScreen(), &t.program().screen<frmkiesbasis>());
    }
};

QTEST_MAIN(FrmwieTest)
#include "frmwie_test.moc"
