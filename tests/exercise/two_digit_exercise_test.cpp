#include <climits>
#include <cmath>
#include <string>

#include "check.h"
#include "exercise/TwoDigitExercise.h"

using namespace zef;

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

// Every problem the draws can give: rows, sum, optional boxes, and that the
// product typed digit by digit is judged correct and its neighbours are not.
void AllProblems() {
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
                        CHECK(ex.digitH == h && ex.digitT == t && ex.digitE == e && ex.malerT == mt && ex.malerE == me);
                        CHECK_EQ(ex.partialE, multiplicand * me);
                        CHECK_EQ(ex.partialT, multiplicand * mt * 10);
                        CHECK_EQ(ex.product, multiplicand * multiplier);
                        // Each row is the one-digit column step with its multiplier digit.
                        CHECK_EQ(MakeColumnExercise(h, t, e, me).expectedNumber, ex.partialE);
                        CHECK_EQ(MakeColumnExercise(h, t, e, mt).expectedNumber * 10, ex.partialT);
                        CHECK_EQ(ShowsFirstRowThousands(ex), std::to_string(ex.partialE).size() == 4);
                        CHECK_EQ(ShowsSecondRowTenThousands(ex), std::to_string(ex.partialT).size() == 5);
                        CHECK_EQ(ShowsSumTenThousands(ex), std::to_string(ex.product).size() == 5);
                        onBounds += (ex.partialE == 1000) + (ex.partialT == 10000) + (ex.product == 10000);
                        CHECK_EQ(JudgeNumber(ex, ex.product), Verdict::Correct);
                        CHECK_EQ(JudgeNumber(ex, ex.product + 1), Verdict::TooBig);
                        CHECK_EQ(JudgeNumber(ex, ex.product - 1), Verdict::TooSmall);
                    }
    CHECK_EQ(problems, 41472);
    CHECK(onBounds > 0);
}

void EdgeCases() {
    struct Case {
        int multiplicand, multiplier, partialE, partialT, product;
        bool first, second, sum;
    };
    const Case cases[] = {
        {100, 11, 100, 1000, 1100, false, false, false}, {888, 88, 7104, 71040, 78144, true, true, true},
        {125, 81, 125, 10000, 10125, false, true, true}, {250, 48, 2000, 10000, 12000, true, true, true},
        {125, 18, 1000, 1250, 2250, true, false, false}, {400, 25, 2000, 8000, 10000, true, false, true},
    };
    for (const Case& c : cases) {
        const TwoDigitExercise ex = MakeTwoDigit(c.multiplicand, c.multiplier);
        CHECK_EQ(ex.partialE, c.partialE);
        CHECK_EQ(ex.partialT, c.partialT);
        CHECK_EQ(ex.product, c.product);
        CHECK_EQ(ShowsFirstRowThousands(ex), c.first);
        CHECK_EQ(ShowsSecondRowTenThousands(ex), c.second);
        CHECK_EQ(ShowsSumTenThousands(ex), c.sum);
    }
}

void SumAnswers() {
    const std::string thirty = "999999999999999999999999999999";
    const TwoDigitExercise ex = MakeTwoDigit(250, 48);    // 12000
    const TwoDigitExercise other = MakeTwoDigit(507, 36); // 18252
    struct Case {
        const TwoDigitExercise* ex;
        Boxes boxes;
        std::string repaired; // E|T|H|D|TD
        Verdict verdict;
        std::string line;
        long long number;
    };
    const Case cases[] = {
        {&other, {"2", "5", "2", "8", "1"}, "2|5|2|8|1", Verdict::Correct, "507 x 36 = 18252", 18252},
        {&ex, {"", "", "", "", ""}, "0|0|0|0|0", Verdict::TooSmall, "250 x 48 > 0", 0},
        {&ex, {"a", ".", "-", "0", ""}, "0|0|0|0|0", Verdict::TooSmall, "250 x 48 > 0", 0},
        // One place too few loses however the first digits compare; one too many wins.
        {&ex, {"9", "9", "9", "9", ""}, "9|9|9|9|0", Verdict::TooSmall, "250 x 48 > 9999", 9999},
        {&ex, {"0", "0", "0", "2", "12"}, "0|0|0|2|12", Verdict::TooBig, "250 x 48 < 122000", 122000},
        {&ex, {"0", "0", "0", "2", "1"}, "0|0|0|2|1", Verdict::Correct, "250 x 48 = 12000", 12000},
        {&ex, {"0", "0", "0", "02", "01"}, "0|0|0|02|01", Verdict::Correct, "250 x 48 = 12000", 12000},
        {&ex,
         {"0", "0", "0", "2", thirty},
         "0|0|0|2|" + thirty,
         Verdict::TooBig,
         "250 x 48 < " + thirty + "2000",
         LLONG_MAX},
    };
    for (const Case& c : cases) {
        const SumReading r = ReadSumAnswer(c.boxes.e, c.boxes.t, c.boxes.h, c.boxes.d, c.boxes.td);
        CHECK_EQ(r.answerE + "|" + r.answerT + "|" + r.answerH + "|" + r.answerD + "|" + r.answerTD, c.repaired);
        CHECK_EQ(r.answerNumber, c.number);
        CHECK_EQ(JudgeSum(*c.ex, r), c.verdict);
        CHECK_EQ(TwoDigitResultLine(*c.ex, r, c.verdict), c.line);
    }
}

// Re-seeds first, then takes five draws in the order E, T, H, malerE, malerT.
void Drawing() {
    const double top = std::nextafter(1.0, 0.0);
    struct Case {
        std::vector<double> draws;
        int multiplicand, multiplier;
    };
    const Case cases[] = {
        {{top}, 888, 88},
        {{0.0}, 100, 11},
        {{5.5 / 9, 2.5 / 9, 0.5 / 8, 0.5 / 8, top}, 125, 81},
    };
    for (const Case& c : cases) {
        ScriptedRandom rng(c.draws);
        const TwoDigitExercise ex = MakeTwoDigitExercise(rng);
        CHECK_EQ(rng.reseeds(), 1);
        CHECK_EQ(rng.drawsTaken(), 5);
        CHECK_EQ(ex.multiplicand, c.multiplicand);
        CHECK_EQ(ex.multiplier, c.multiplier);
        CHECK_EQ(ex.product, c.multiplicand * c.multiplier);
    }
}

} // namespace

int main() {
    AllProblems();
    EdgeCases();
    SumAnswers();
    Drawing();
    return zef_check::Summary();
}
