// Reading aloud without a speech engine; the real engine, and the voice it takes, are heard
// in tests/speech.
#include "ui/Form.h"
#include "ui/ReadAloud.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class ReadAloudTest : public QObject {
    Q_OBJECT
private slots:
    // Switching on says why on the screen, each time, and nothing is ever spoken.
    void withoutEngine() {
        ui::Form screen("frmprobe", QStringLiteral("Probe"), 9000, 6000, 0xFFFFFF);
        screen.show();
        ui::ReadAloud reading(QStringLiteral("geen-spraak"));
        QSignalSpy spoken(&reading, &ui::ReadAloud::spoken);
        for (int round = 0; round < 2; ++round) {
            reading.setOn(true);
            auto* notice = screen.findChild<QLabel*>(QStringLiteral("zefNotice"));
            QVERIFY(notice && notice->isVisible() && screen.rect().contains(notice->geometry()));
            QCOMPARE(notice->text(), QStringLiteral("Voorlezen kan niet: deze computer heeft geen spraak."));
            reading.hear(QStringLiteral("537 maal 5"));
            QTest::qWait(50);
            reading.setOn(false);
            QCOMPARE(notice->text(), QStringLiteral("Voorlezen staat uit."));
        }
        QCOMPARE(spoken.count(), 0);
    }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
