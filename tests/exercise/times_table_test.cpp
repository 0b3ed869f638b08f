#include "StdText.h"
#include "exercise/TimesTable.h"

#include <QTest>
#include <algorithm>
#include <string>

using namespace zef;

class TimesTableTest : public QObject {
    Q_OBJECT

private slots:
    void tableTexts() {
        QCOMPARE(TimesTableText("4"),
                 std::string("    0 x 4 = 0\r\n    1 x 4 = 4\r\n    2 x 4 = 8\r\n    3 x 4 = 12\r\n"
                             "    4 x 4 = 16\r\n    5 x 4 = 20\r\n    6 x 4 = 24\r\n    7 x 4 = 28\r\n"
                             "    8 x 4 = 32\r\n    9 x 4 = 36\r\n   10 x 4 = 40"));
        QCOMPARE(TimesTableText("10"),
                 std::string("    0 x 10 = 0\r\n    1 x 10 = 10\r\n    2 x 10 = 20\r\n    3 x 10 = 30\r\n"
                             "    4 x 10 = 40\r\n    5 x 10 = 50\r\n    6 x 10 = 60\r\n    7 x 10 = 70\r\n"
                             "    8 x 10 = 80\r\n    9 x 10 = 90\r\n   10 x 10 = 100"));
        // T is copied as given; the products use its value, 0 when it is not a number.
        const std::string empty = TimesTableText("");
        QVERIFY(empty.starts_with("    0 x  = 0\r\n"));
        QVERIFY(empty.ends_with("   10 x  = 0"));
        QVERIFY(TimesTableText("07").ends_with("   10 x 07 = 70"));
        QVERIFY(TimesTableText("99999999999999999999").ends_with(" = 999999999999999999990"));
        QCOMPARE(std::count(empty.begin(), empty.end(), '\n'), 10);
    }

    void questionLists_data() {
        QTest::addColumn<bool>("easy");
        QTest::addColumn<int>("n");
        QTest::addColumn<std::string>("text");
        QTest::newRow("easy 6") << true << 6
                                << std::string("   0 x 6= ?\r\n   1 x 6= ?\r\n   2 x 6= ?\r\n   3 x 6= ?\r\n"
                                               "   5 x 6= ?\r\n   10 x 6= ?\r\n");
        QTest::newRow("hard 6") << false << 6
                                << std::string("   4 x 6= ?\r\n   6 x 6= ?\r\n   7 x 6= ?\r\n   8 x 6= ?\r\n"
                                               "   9 x 6= ?\r\n");
        QTest::newRow("easy 7") << true << 7
                                << std::string("  0 x 7= ?\r\n   1 x 7= ?\r\n   2 x 7= ?\r\n   3 x 7= ?\r\n"
                                               "   5 x 7= ?\r\n   10 x 7= ?\r\n");
        QTest::newRow("hard 7") << false << 7
                                << std::string("   4 x 7= ?\r\n   6 x 7= ?\r\n   7 x 7= ?\r\n   8 x 7= ?\r\n"
                                               "   9 x 7= ?\r\n");
    }
    void questionLists() {
        QFETCH(bool, easy);
        QFETCH(int, n);
        QFETCH(std::string, text);
        QCOMPARE(QuestionListText(easy ? EasyFactors : HardFactors, n), text);
    }

    void easyListsStartAlike() {
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(QuestionListText(EasyFactors, n).substr(0, 3), std::string(n == 6 ? "   " : "  0"));
    }

    void hundredField() {
        const std::vector<int> expected = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 14, 15, 16,
                                           18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40, 42, 45, 48,
                                           49, 50, 54, 56, 60, 63, 64, 70, 72, 80, 81, 90, 100};
        QVERIFY(TableProducts == expected);
        QVERIFY(MultiplesOf(10) == std::vector<int>({0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        for (int n = 1; n <= 10; ++n)
            for (int multiple : MultiplesOf(n))
                QVERIFY(std::binary_search(TableProducts.begin(), TableProducts.end(), multiple));
    }
};

QTEST_APPLESS_MAIN(TimesTableTest)
#include "times_table_test.moc"
