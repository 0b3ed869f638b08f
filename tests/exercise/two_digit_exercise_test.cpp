#include "StdText.h"
#include "exercise/TwoDigitExercise.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

using namespace zef;

Q_DECLARE_METATYPE(zef::Verdict)

namespace {

// The sum-box texts E, T, H, D, TD of a number, TD empty below 10000.
struct Boxes {
    std::string e, t, h, d, td;
};

Boxes BoxesOf(int value) {
    const auto digit = [&](int place) { return std::to_string(value / place % 10); };
    return {digit(1), digit(10), digit(100), digit(1000), value >= 10000 ? digit(10000) : ""};
}

Verdict JudgeNumber(const TwoDigitExercise& ex, int value) {
    const Boxes b = BoxesOf(value);
    return JudgeSum(ex, ReadSumAnswer(b.e, b.t, b.h, b.d, b.td));
}

} // namespace

class TwoDigitExerciseTest : public QObject {
    Q_OBJECT

private slots:
    // Every problem the draws can give: rows, sum, optional boxes, and that the
    // product typed digit by digit is judged correct and its neighbours are not.
    void allProblems() {
        int problems = 0;
        int onBounds = 0;
        for (int h = 1; h <= 8; ++h)
            for (int t = 0; t <= 8; ++t)
                for (int e = 0; e <= 8; ++e)
                    for (int mt = 1; mt <= 8; ++mt)
                        for (int me = 1; me <= 8; ++me) {
                            ++problems;
                            const int multiplicand = 100 * h + 10 * t + e;
                            const int multiplier = 10 * mt + me;
                            const TwoDigitExercise ex = MakeTwoDigit(multiplicand, multiplier);
                            QVERIFY(ex.digitH == h && ex.digitT == t && ex.digitE == e && ex.malerT == mt &&
                                    ex.malerE == me);
                            QCOMPARE(ex.partialE, multiplicand * me);
                            QCOMPARE(ex.partialT, multiplicand * mt * 10);
                            QCOMPARE(ex.product, multiplicand * multiplier);
                            // Each row is the one-digit column step with its multiplier digit.
                            QCOMPARE(MakeColumnExercise(h, t, e, me).expectedNumber, ex.partialE);
                            QCOMPARE(MakeColumnExercise(h, t, e, mt).expectedNumber * 10, ex.partialT);
                            QCOMPARE(ShowsFirstRowThousands(ex), std::to_string(ex.partialE).size() == 4);
                            QCOMPARE(ShowsSecondRowTenThousands(ex), std::to_string(ex.partialT).size() == 5);
                            QCOMPARE(ShowsSumTenThousands(ex), std::to_string(ex.product).size() == 5);
                            onBounds += (ex.partialE == 1000) + (ex.partialT == 10000) + (ex.product == 10000);
                            QCOMPARE(JudgeNumber(ex, ex.product), Verdict::Correct);
                            QCOMPARE(JudgeNumber(ex, ex.product + 1), Verdict::TooBig);
                            QCOMPARE(JudgeNumber(ex, ex.product - 1), Verdict::TooSmall);
                        }
        QCOMPARE(problems, 41472);
        QVERIFY(onBounds > 0);
    }

    void edgeCases_data() {
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<int>("partialE");
        QTest::addColumn<int>("partialT");
        QTest::addColumn<int>("product");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("sum");
        QTest::newRow("100 x 11") << 100 << 11 << 100 << 1000 << 1100 << false << false << false;
        QTest::newRow("888 x 88") << 888 << 88 << 7104 << 71040 << 78144 << true << true << true;
        QTest::newRow("125 x 81") << 125 << 81 << 125 << 10000 << 10125 << false << true << true;
        QTest::newRow("250 x 48") << 250 << 48 << 2000 << 10000 << 12000 << true << true << true;
        QTest::newRow("125 x 18") << 125 << 18 << 1000 << 1250 << 2250 << true << false << false;
        QTest::newRow("400 x 25") << 400 << 25 << 2000 << 8000 << 10000 << true << false << true;
    }
    void edgeCases() {
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(int, partialE);
        QFETCH(int, partialT);
        QFETCH(int, product);
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(bool, sum);
        const TwoDigitExercise ex = MakeTwoDigit(multiplicand, multiplier);
        QCOMPARE(ex.partialE, partialE);
        QCOMPARE(ex.partialT, partialT);
        QCOMPARE(ex.product, product);
        QCOMPARE(ShowsFirstRowThousands(ex), first);
        QCOMPARE(ShowsSecondRowTenThousands(ex), second);
        QCOMPARE(ShowsSumTenThousands(ex), sum);
    }

    // The sum boxes E, T, H, D, TD as typed, against 250 x 48 = 12000 unless another problem
    // is named.
    void sumAnswers_data() {
        const std::string thirty = "999999999999999999999999999999";
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<std::vector<std::string>>("boxes");
        QTest::addColumn<std::string>("repaired"); // E|T|H|D|TD
        QTest::addColumn<zef::Verdict>("verdict");
        QTest::addColumn<std::string>("line");
        QTest::addColumn<long long>("number");
        auto row = [](const char* tag, int multiplicand, int multiplier, std::vector<std::string> boxes,
                      std::string repaired, Verdict verdict, std::string line, long long number) {
            QTest::newRow(tag) << multiplicand << multiplier << boxes << repaired << verdict << line << number;
        };
        row("507 x 36 right", 507, 36, {"2", "5", "2", "8", "1"}, "2|5|2|8|1", Verdict::Correct, "507 x 36 = 18252",
            18252);
        row("empty", 250, 48, {"", "", "", "", ""}, "0|0|0|0|0", Verdict::TooSmall, "250 x 48 > 0", 0);
        row("not numbers", 250, 48, {"a", ".", "-", "0", ""}, "0|0|0|0|0", Verdict::TooSmall, "250 x 48 > 0", 0);
        // One place too few loses however the first digits compare; one too many wins.
        row("one place too few", 250, 48, {"9", "9", "9", "9", ""}, "9|9|9|9|0", Verdict::TooSmall, "250 x 48 > 9999",
            9999);
        row("one place too many", 250, 48, {"0", "0", "0", "2", "12"}, "0|0|0|2|12", Verdict::TooBig,
            "250 x 48 < 122000", 122000);
        row("right", 250, 48, {"0", "0", "0", "2", "1"}, "0|0|0|2|1", Verdict::Correct, "250 x 48 = 12000", 12000);
        row("leading zeros", 250, 48, {"0", "0", "0", "02", "01"}, "0|0|0|02|01", Verdict::Correct, "250 x 48 = 12000",
            12000);
        row("thirty digits", 250, 48, {"0", "0", "0", "2", thirty}, "0|0|0|2|" + thirty, Verdict::TooBig,
            "250 x 48 < " + thirty + "2000", LLONG_MAX);
    }
    void sumAnswers() {
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(std::vector<std::string>, boxes);
        QFETCH(std::string, repaired);
        QFETCH(zef::Verdict, verdict);
        QFETCH(std::string, line);
        QFETCH(long long, number);
        const TwoDigitExercise ex = MakeTwoDigit(multiplicand, multiplier);
        const SumReading r = ReadSumAnswer(boxes.at(0), boxes.at(1), boxes.at(2), boxes.at(3), boxes.at(4));
        QCOMPARE(r.answerE + "|" + r.answerT + "|" + r.answerH + "|" + r.answerD + "|" + r.answerTD, repaired);
        QCOMPARE(r.answerNumber, number);
        QCOMPARE(JudgeSum(ex, r), verdict);
        QCOMPARE(TwoDigitResultLine(ex, r, verdict), line);
    }

    // Re-seeds first, then takes five draws in the order E, T, H, malerE, malerT.
    void drawing_data() {
        const double top = std::nextafter(1.0, 0.0);
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::newRow("highest") << std::vector<double>{top} << 888 << 88;
        QTest::newRow("lowest") << std::vector<double>{0.0} << 100 << 11;
        QTest::newRow("mixed") << std::vector<double>{5.5 / 9, 2.5 / 9, 0.5 / 8, 0.5 / 8, top} << 125 << 81;
    }
    void drawing() {
        QFETCH(std::vector<double>, draws);
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        ScriptedRandom rng(draws);
        const TwoDigitExercise ex = MakeTwoDigitExercise(rng);
        QCOMPARE(rng.reseeds(), 1);
        QCOMPARE(rng.drawsTaken(), 5);
        QCOMPARE(ex.multiplicand, multiplicand);
        QCOMPARE(ex.multiplier, multiplier);
        QCOMPARE(ex.product, multiplicand * multiplier);
    }
};

QTEST_APPLESS_MAIN(TwoDigitExerciseTest)
#include "two_digit_exercise_test.moc"
