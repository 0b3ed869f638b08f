#include "exercise/NumberSense.h"

#include <QTest>
#include <cmath>

using namespace zef;

namespace {

const double kTop = std::nextafter(1.0, 0.0);

// The draw that floor(r * 9) maps to digit.
double For(int digit) {
    return (digit + 0.5) / 9;
}

} // namespace

class NumberSenseTest : public QObject {
    Q_OBJECT

private slots:
    // Over the nine intervals of r, 1 comes twice and 0 and 9 never; both ends of [0, 1) too.
    void hundredsDigit() {
        int counts[10] = {};
        for (int i = 0; i < 9; ++i) {
            ScriptedRandom rng({For(i)});
            ++counts[DrawIntroHundreds(rng)];
        }
        const int expected[10] = {0, 2, 1, 1, 1, 1, 1, 1, 1, 0};
        for (int d = 0; d <= 9; ++d)
            QCOMPARE(counts[d], expected[d]);
        ScriptedRandom ends({0.0, kTop});
        QCOMPARE(DrawIntroHundreds(ends), 1);
        QCOMPARE(DrawIntroHundreds(ends), 8);
    }

    // Each draw re-seeds once, then takes its digits in its own order.
    void drawOrders() {
        ScriptedRandom places({For(5), For(8), For(4)}); // units, tens, hundreds
        QCOMPARE(DrawPlaceValueNumber(places).Number(), 485);
        QCOMPARE(places.reseeds(), 1);
        ScriptedRandom pair({For(7), 2.5 / 8, For(8), For(4)}); // units, multiplier, tens, hundreds
        const TwoNumbers drawn = DrawTwoNumbers(pair);
        QCOMPARE(drawn.first.Number() * 10 + drawn.multiplier, 4873);
        QCOMPARE(pair.reseeds(), 1);
        QVERIFY(!FormsNextPlace(9) && FormsNextPlace(10));
    }
};

QTEST_APPLESS_MAIN(NumberSenseTest)
#include "number_sense_test.moc"
