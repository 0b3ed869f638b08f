// Reading aloud without a speech engine and the choice of voice; the real engine is heard
// in tests/speech.
#include "ui/Form.h"
#include "ui/ReadAloud.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class ReadAloudTest : public QObject {
    Q_OBJECT
private slots:
    void plainVoice_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<qsizetype>("chosen");
        QTest::newRow("variants first") << QStringList{"Dutch+Adam", "Dutch+Demonic", "Dutch", "Dutch+Zac"}
                                        << qsizetype(2);
        QTest::newRow("plain first") << QStringList{"Dutch", "Dutch+Adam"} << qsizetype(0);
        QTest::newRow("only variants") << QStringList{"Dutch+Adam", "Dutch+Alex"} << qsizetype(0);
        QTest::newRow("no voice") << QStringList{} << qsizetype(-1);
    }
    void plainVoice() {
        QFETCH(QStringList, names);
        QFETCH(qsizetype, chosen);
        QCOMPARE(ui::ReadAloud::plainVoice(names), chosen);
    }

    // Without an engine, switching on says why on the screen, each time, and the program
    // works on in silence.
    void withoutEngine() {
        ui::Form screen("frmprobe", QStringLiteral("Probe"), 9000, 6000, 0xFFFFFF);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        ui::ReadAloud reading(QStringLiteral("geen-spraak"));
        QSignalSpy spoken(&reading, &ui::ReadAloud::spoken);
        for (int round = 0; round < 2; ++round) {
            reading.setOn(true);
            QVERIFY(reading.problem().contains(QStringLiteral("geen spraak")));
            auto* notice = screen.findChild<QLabel*>(QStringLiteral("zefNotice"));
            QVERIFY(notice && notice->isVisible());
            QCOMPARE(notice->text(), reading.problem());
            QVERIFY(screen.rect().contains(notice->geometry()));
            reading.hear(QStringLiteral("537 maal 5"));
            QTest::qWait(50);
            reading.setOn(false);
            QCOMPARE(notice->text(), QStringLiteral("Voorlezen staat uit."));
        }
        QCOMPARE(spoken.count(), 0);
    }

    void keySwitches() {
        ui::Form screen("frmprobe", QStringLiteral("Probe"), 9000, 6000, 0xFFFFFF);
        screen.show();
        ui::ReadAloud reading(QStringLiteral("geen-spraak"));
        qApp->installEventFilter(&reading);
        QTest::keyClick(&screen, Qt::Key_F9);
        QVERIFY(reading.isOn());
        QTest::keyClick(&screen, Qt::Key_F9);
        QVERIFY(!reading.isOn());
    }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
