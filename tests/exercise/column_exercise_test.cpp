#include "StdText.h"
#include "exercise/ColumnExercise.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

using namespace zef;

Q_DECLARE_METATYPE(zef::Verdict)

namespace {

std::string Text(int value) {
    return std::to_string(value);
}

// Re-seeds and draws from a script, noting the order: R for a re-seed, D for a draw.
class Recording final : public RandomSource {
public:
    explicit Recording(std::vector<double> draws) : inner_(std::move(draws)) {}
    double next() override {
        log += 'D';
        return inner_.next();
    }
    void reseed() override {
        log += 'R';
        inner_.reseed();
    }
    std::string log;

private:
    ScriptedRandom inner_;
};

} // namespace

class ColumnExerciseTest : public QObject {
    Q_OBJECT

private slots:
    // Every problem the draws can give, against plain long multiplication.
    void allProblems() {
        int problems = 0;
        int easy = 0;
        for (int h = 1; h <= 8; ++h)
            for (int t = 0; t <= 8; ++t)
                for (int e = 0; e <= 8; ++e)
                    for (int m = 1; m <= 8; ++m) {
                        ++problems;
                        const ColumnExercise ex = MakeColumnExercise(h, t, e, m);
                        const int product = (100 * h + 10 * t + e) * m;
                        const int carryT = e * m / 10;
                        const int carryH = (10 * t + e) * m / 100;
                        const int carryD = product / 1000;
                        QCOMPARE(ex.product, product);
                        QCOMPARE(ex.rawE + "|" + ex.rawT + "|" + ex.rawH,
                                 Text(e * m) + "|" + Text(t * m) + "|" + Text(h * m));
                        QCOMPARE(ex.sumT + "|" + ex.sumH, Text(t * m + carryT) + "|" + Text(h * m + carryH));
                        QCOMPARE(ex.plusT + ex.plusH + ex.plusD, Text(carryT) + Text(carryH) + Text(carryD));
                        QCOMPARE(ex.restE + ex.restT + ex.restH,
                                 Text(product % 10) + Text(product / 10 % 10) + Text(product / 100 % 10));
                        QCOMPARE(ex.restD, product >= 1000 ? Text(product / 1000) : std::string());
                        QCOMPARE(ex.hasThousands, product >= 1000);
                        QCOMPARE(ex.expectedNumber, product);
                        QCOMPARE(ExpectedNumber(ex), product);
                        QCOMPARE(ColumnNeedsNote(ex, Column::E), e * m >= 10);
                        QCOMPARE(ColumnNeedsNote(ex, Column::T), t * m >= 10 || carryT > 0);
                        QCOMPARE(ColumnNeedsNote(ex, Column::H), h * m >= 10 || carryH > 0);
                        const bool plainEasy = e * m < 10 && t * m < 10 && h * m < 10;
                        QCOMPARE(IsEasy(ex), plainEasy);
                        easy += plainEasy ? 1 : 0;
                    }
        QCOMPARE(problems, 5184);
        QVERIFY(easy > 0 && easy < problems);
    }

    void edgeCases() {
        const ColumnExercise plain = MakeColumnExercise(8, 0, 0, 1);
        QCOMPARE(plain.plusT + plain.plusH + plain.plusD, std::string("000"));
        QCOMPARE(plain.restD, std::string());
        QCOMPARE(plain.expectedNumber, 800);
        QVERIFY(IsEasy(plain));

        const ColumnExercise big = MakeColumnExercise(8, 8, 8, 8);
        QCOMPARE(big.rawE + " " + big.plusT + " " + big.sumT + " " + big.restT + " " + big.plusH + " " + big.sumH +
                     " " + big.restH + " " + big.plusD + " " + big.restD,
                 std::string("64 6 70 0 7 71 1 7 7"));
        QCOMPARE(big.expectedNumber, 7104);

        const ColumnExercise carried = MakeColumnExercise(1, 0, 5, 2);
        QCOMPARE(carried.rawE + " " + carried.restE + " " + carried.plusT + " " + carried.rawT + " " + carried.sumT,
                 std::string("10 0 1 0 1"));
        QVERIFY(ColumnNeedsNote(carried, Column::T));
        QVERIFY(!ColumnNeedsNote(carried, Column::H));
        QVERIFY(!IsEasy(carried));
    }

    void reading_data() {
        const std::string thirty = "123456789012345678901234567890";
        QTest::addColumn<std::string>("e");
        QTest::addColumn<std::string>("t");
        QTest::addColumn<std::string>("h");
        QTest::addColumn<std::string>("d");
        QTest::addColumn<std::string>("repaired"); // E|T|H|D after repair
        QTest::addColumn<std::string>("text");
        QTest::addColumn<long long>("number");
        auto row = [](const char* tag, std::string e, std::string t, std::string h, std::string d, std::string repaired,
                      std::string text,
                      long long number) { QTest::newRow(tag) << e << t << h << d << repaired << text << number; };
        row("empty", "", "", "", "", "0|0|0|0", "0", 0);
        row("not numbers", "a", ".", "-", "+", "0|0|0|0", "0", 0);
        row("digits", "2", "4", "0", "3", "2|4|0|3", "3042", 3042);
        row("nines", "9", "9", "9", "9", "9|9|9|9", "9999", 9999);
        row("ten", "0", "1", "", "", "0|1|0|0", "10", 10);
        row("unclicked column product", "10", "0", "2", "", "10|0|2|0", "210", 210);
        row("column products", "64", "56", "64", "7", "64|56|64|7", "14024", 14024);
        row("thirty digits", "1", "", "", thirty, "1|0|0|" + thirty, thirty + "001", LLONG_MAX);
    }
    void reading() {
        QFETCH(std::string, e);
        QFETCH(std::string, t);
        QFETCH(std::string, h);
        QFETCH(std::string, d);
        QFETCH(std::string, repaired);
        QFETCH(std::string, text);
        QFETCH(long long, number);
        const AnswerReading r = ReadAnswer(e, t, h, d);
        QCOMPARE(r.answerE + "|" + r.answerT + "|" + r.answerH + "|" + r.answerD, repaired);
        QCOMPARE(r.answerText, text);
        QCOMPARE(r.answerNumber, number);
    }

    // 507 x 6 = 3042, answered in the boxes E, T, H, D.
    void verdictsAndLines_data() {
        QTest::addColumn<std::string>("e");
        QTest::addColumn<std::string>("t");
        QTest::addColumn<std::string>("h");
        QTest::addColumn<std::string>("d");
        QTest::addColumn<zef::Verdict>("verdict");
        QTest::addColumn<std::string>("line");
        auto row = [](const char* tag, std::string e, std::string t, std::string h, std::string d, Verdict verdict,
                      std::string line) { QTest::newRow(tag) << e << t << h << d << verdict << line; };
        row("right", "2", "4", "0", "3", Verdict::Correct, "507 x 6 = 3042");
        row("one more", "3", "4", "0", "3", Verdict::TooBig, "507 x 6 < 3043");
        row("one less", "1", "4", "0", "3", Verdict::TooSmall, "507 x 6 > 3041");
        row("empty", "", "", "", "", Verdict::TooSmall, "507 x 6 > 0");
        row("no thousands", "2", "4", "0", "", Verdict::TooSmall, "507 x 6 > 42");
        row("two digits in D", "2", "4", "0", "13", Verdict::TooBig, "507 x 6 < 13042");
        row("thirty digits in D", "2", "4", "0", "999999999999999999999999999999", Verdict::TooBig,
            "507 x 6 < 999999999999999999999999999999042");
    }
    void verdictsAndLines() {
        QFETCH(std::string, e);
        QFETCH(std::string, t);
        QFETCH(std::string, h);
        QFETCH(std::string, d);
        QFETCH(zef::Verdict, verdict);
        QFETCH(std::string, line);
        const ColumnExercise ex = MakeColumnExercise(5, 0, 7, 6);
        const AnswerReading r = ReadAnswer(e, t, h, d);
        QCOMPARE(Judge(ex, r), verdict);
        QCOMPARE(ResultLine(ex, r, Judge(ex, r)), line);
    }

    void problemAndMemoTexts() {
        QCOMPARE(MultiplicandText(MakeColumnExercise(1, 0, 0, 3)), std::string("100"));
        QCOMPARE(MemoText(7, 4), std::string("7 x 4 = ... "));
        QCOMPARE(MemoText(0, 8), std::string("0 x 8 = ... "));
    }

    // Re-seeds first, then takes the four draws in the order E, T, H, maler.
    void drawing_data() {
        const double top = std::nextafter(1.0, 0.0);
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<std::string>("problem");
        QTest::newRow("highest") << std::vector<double>{top, top, top, top} << std::string("888 x 8");
        QTest::newRow("middle") << std::vector<double>{5.5 / 9, 0.0, 0.0, 1.5 / 8} << std::string("105 x 2");
        QTest::newRow("lowest") << std::vector<double>{0.0, 0.0, 0.0, 0.0} << std::string("100 x 1");
        QTest::newRow("mixed") << std::vector<double>{0.0, 1.5 / 9, 2.5 / 8, 6.5 / 8} << std::string("310 x 7");
    }
    void drawing() {
        QFETCH(std::vector<double>, draws);
        QFETCH(std::string, problem);
        Recording rng(draws);
        const ColumnExercise ex = MakeExercise(rng);
        QCOMPARE(rng.log, std::string("RDDDD"));
        QCOMPARE(MultiplicandText(ex) + " x " + std::to_string(ex.maler), problem);
        QCOMPARE(ex.expectedNumber, ex.product);
    }
};

QTEST_APPLESS_MAIN(ColumnExerciseTest)
#include "column_exercise_test.moc"
