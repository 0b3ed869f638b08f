#include "exercise/Random.h"

#include <QTest>
#include <cmath>

using namespace zef;

class RandomTest : public QObject {
    Q_OBJECT

private slots:
    // Every range the exercises draw from, at both ends of [0, 1), plus draws a
    // faulty source might give.
    void drawRanges_data() {
        const double top = std::nextafter(1.0, 0.0);
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("expected");
        QTest::newRow("digitE, digitT: lowest") << 9.0 << 0.0 << 0.0 << 0;
        QTest::newRow("digitE, digitT: highest") << 9.0 << 0.0 << top << 8;
        QTest::newRow("digitH, maler, malerE, malerT: lowest") << 8.0 << 1.0 << 0.0 << 1;
        QTest::newRow("digitH, maler, malerE, malerT: highest") << 8.0 << 1.0 << top << 8;
        QTest::newRow("reward picture: lowest") << 6.0 << 1.0 << 0.0 << 1;
        QTest::newRow("reward picture: highest") << 6.0 << 1.0 << top << 6;
        QTest::newRow("on a boundary") << 9.0 << 0.0 << 8.0 / 9.0 << 8;
        QTest::newRow("an eighth") << 8.0 << 1.0 << 0.125 << 2;
        QTest::newRow("faulty: one") << 8.0 << 1.0 << 1.0 << 8;
        QTest::newRow("faulty: negative") << 9.0 << 0.0 << -0.5 << 0;
        QTest::newRow("faulty: not a number") << 8.0 << 1.0 << double(NAN) << 1;
    }
    void drawRanges() {
        QFETCH(double, k);
        QFETCH(double, c);
        QFETCH(double, r);
        QFETCH(int, expected);
        ScriptedRandom rng({r});
        QCOMPARE(DrawInt(rng, k, c), expected);
    }

    void clockDrawsStayInRange() {
        ClockRandom rng;
        bool inside = true;
        bool spread = false;
        for (int i = 0; i < 200000; ++i) {
            if (i % 50000 == 0)
                rng.reseed();
            const int digit = DrawInt(rng, 9, 0);
            const int maler = DrawInt(rng, 8, 1);
            inside = inside && digit >= 0 && digit <= 8 && maler >= 1 && maler <= 8;
            spread = spread || (digit == 8 && maler == 8);
        }
        QVERIFY(inside);
        QVERIFY(spread);
    }
};

QTEST_APPLESS_MAIN(RandomTest)
#include "random_test.moc"
