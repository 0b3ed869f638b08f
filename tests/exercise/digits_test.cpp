#include "StdText.h"
#include "exercise/Digits.h"

#include <QTest>
#include <climits>
#include <string>

using namespace zef;

namespace {

const std::string kThirtyDigits = "123456789012345678901234567890";

} // namespace

class DigitsTest : public QObject {
    Q_OBJECT

private slots:
    void whatIsANumber_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<bool>("number");
        for (const char* text : {"", "a", ".", "-", "+", "1a", " 1", "1 ", "-1", "1.5"})
            QTest::addRow("'%s'", text) << std::string(text) << false;
        QTest::newRow("an Arabic-Indic three: not an ASCII digit") << std::string("\xD9\xA3") << false;
        for (const char* text : {"0", "7", "15", "007"})
            QTest::addRow("'%s'", text) << std::string(text) << true;
        QTest::newRow("thirty digits") << kThirtyDigits << true;
    }
    void whatIsANumber() {
        QFETCH(std::string, text);
        QFETCH(bool, number);
        QCOMPARE(IsNumber(text), number);
        QCOMPARE(RepairBox(text), number ? text : std::string("0"));
    }

    void exactValues_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("exact");
        QTest::addColumn<long long>("saturated");
        QTest::newRow("empty") << std::string() << std::string("0") << 0LL;
        QTest::newRow("letter") << std::string("x") << std::string("0") << 0LL;
        QTest::newRow("zeros") << std::string("000") << std::string("0") << 0LL;
        QTest::newRow("leading zeros") << std::string("0042") << std::string("42") << 42LL;
        QTest::newRow("largest") << std::string("9223372036854775807") << std::string("9223372036854775807")
                                 << LLONG_MAX;
        QTest::newRow("one past") << std::string("9223372036854775808") << std::string("9223372036854775808")
                                  << LLONG_MAX;
        QTest::newRow("zero before nineteen digits")
            << std::string("09223372036854775806") << std::string("9223372036854775806") << LLONG_MAX - 1;
        QTest::newRow("thirty digits") << kThirtyDigits << kThirtyDigits << LLONG_MAX;
    }
    void exactValues() {
        QFETCH(std::string, text);
        QFETCH(std::string, exact);
        QFETCH(long long, saturated);
        const Decimal value = Decimal::FromText(text);
        QCOMPARE(value.Text(), exact);
        QCOMPARE(value.Saturated(), saturated);
    }

    void arithmetic() {
        // Only the sums of box values are used; comparing and carrying over
        // many places is what the judging relies on.
        const Decimal nines = Decimal::FromText("99999999999999999999");
        QCOMPARE((nines + Decimal(1)).Text(), "1" + std::string(20, '0'));
        QVERIFY(nines < Decimal::FromText("100000000000000000000"));
        QVERIFY(Decimal::FromText("0009") == Decimal(9) && Decimal(10) > Decimal(9));

        // Boxes D, H, T, E holding 1, 2, 15 and 7 (a column product left in T).
        QCOMPARE(PlaceValueSum({"7", "15", "2", "1"}).Text(), std::string("1357"));
        QCOMPARE(PlaceValueSum({"", ".", "a", kThirtyDigits}).Text(), kThirtyDigits + "000");
    }
};

QTEST_APPLESS_MAIN(DigitsTest)
#include "digits_test.moc"
