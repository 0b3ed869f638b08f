#include <climits>
#include <cmath>
#include <string>

#include "check.h"
#include "exercise/ColumnExercise.h"

using namespace zef;

namespace {

std::string Text(int value) {
    return std::to_string(value);
}

// Every problem the draws can give, against plain long multiplication.
void AllProblems() {
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
                    CHECK_EQ(ex.product, product);
                    CHECK_EQ(ex.rawE + "|" + ex.rawT + "|" + ex.rawH,
                             Text(e * m) + "|" + Text(t * m) + "|" + Text(h * m));
                    CHECK_EQ(ex.sumT + "|" + ex.sumH, Text(t * m + carryT) + "|" + Text(h * m + carryH));
                    CHECK_EQ(ex.plusT + ex.plusH + ex.plusD, Text(carryT) + Text(carryH) + Text(carryD));
                    CHECK_EQ(ex.restE + ex.restT + ex.restH,
                             Text(product % 10) + Text(product / 10 % 10) + Text(product / 100 % 10));
                    CHECK_EQ(ex.restD, product >= 1000 ? Text(product / 1000) : std::string());
                    CHECK_EQ(ex.hasThousands, product >= 1000);
                    CHECK_EQ(ex.expectedNumber, product);
                    CHECK_EQ(ExpectedNumber(ex), product);
                    CHECK_EQ(ColumnNeedsNote(ex, Column::E), e * m >= 10);
                    CHECK_EQ(ColumnNeedsNote(ex, Column::T), t * m >= 10 || carryT > 0);
                    CHECK_EQ(ColumnNeedsNote(ex, Column::H), h * m >= 10 || carryH > 0);
                    const bool plainEasy = e * m < 10 && t * m < 10 && h * m < 10;
                    CHECK_EQ(IsEasy(ex), plainEasy);
                    easy += plainEasy ? 1 : 0;
                }
    CHECK_EQ(problems, 5184);
    CHECK(easy > 0 && easy < problems);
}

void EdgeCases() {
    const ColumnExercise plain = MakeColumnExercise(8, 0, 0, 1);
    CHECK_EQ(plain.plusT + plain.plusH + plain.plusD, std::string("000"));
    CHECK_EQ(plain.restD, std::string());
    CHECK_EQ(plain.expectedNumber, 800);
    CHECK(IsEasy(plain));

    const ColumnExercise big = MakeColumnExercise(8, 8, 8, 8);
    CHECK_EQ(big.rawE + " " + big.plusT + " " + big.sumT + " " + big.restT + " " + big.plusH + " " + big.sumH + " " +
                 big.restH + " " + big.plusD + " " + big.restD,
             std::string("64 6 70 0 7 71 1 7 7"));
    CHECK_EQ(big.expectedNumber, 7104);

    const ColumnExercise carried = MakeColumnExercise(1, 0, 5, 2);
    CHECK_EQ(carried.rawE + " " + carried.restE + " " + carried.plusT + " " + carried.rawT + " " + carried.sumT,
             std::string("10 0 1 0 1"));
    CHECK(ColumnNeedsNote(carried, Column::T));
    CHECK(!ColumnNeedsNote(carried, Column::H));
    CHECK(!IsEasy(carried));
}

void Reading() {
    const std::string thirty = "123456789012345678901234567890";
    struct Case {
        std::string e, t, h, d;
        std::string repaired; // E|T|H|D after repair
        std::string text;
        long long number;
    };
    const Case cases[] = {
        {"", "", "", "", "0|0|0|0", "0", 0},
        {"a", ".", "-", "+", "0|0|0|0", "0", 0},
        {"2", "4", "0", "3", "2|4|0|3", "3042", 3042},
        {"9", "9", "9", "9", "9|9|9|9", "9999", 9999},
        {"0", "1", "", "", "0|1|0|0", "10", 10},
        {"10", "0", "2", "", "10|0|2|0", "210", 210}, // unclicked column product
        {"64", "56", "64", "7", "64|56|64|7", "14024", 14024},
        {"1", "", "", thirty, "1|0|0|" + thirty, thirty + "001", LLONG_MAX},
    };
    for (const Case& c : cases) {
        const AnswerReading r = ReadAnswer(c.e, c.t, c.h, c.d);
        CHECK_EQ(r.answerE + "|" + r.answerT + "|" + r.answerH + "|" + r.answerD, c.repaired);
        CHECK_EQ(r.answerText, c.text);
        CHECK_EQ(r.answerNumber, c.number);
    }
}

void VerdictsAndLines() {
    const ColumnExercise ex = MakeColumnExercise(5, 0, 7, 6); // 507 x 6 = 3042
    struct Case {
        const char *e, *t, *h, *d;
        Verdict verdict;
        const char* line;
    };
    const Case cases[] = {
        {"2", "4", "0", "3", Verdict::Correct, "507 x 6 = 3042"},
        {"3", "4", "0", "3", Verdict::TooBig, "507 x 6 < 3043"},
        {"1", "4", "0", "3", Verdict::TooSmall, "507 x 6 > 3041"},
        {"", "", "", "", Verdict::TooSmall, "507 x 6 > 0"},
        {"2", "4", "0", "", Verdict::TooSmall, "507 x 6 > 42"},
        {"2", "4", "0", "13", Verdict::TooBig, "507 x 6 < 13042"},
        {"2", "4", "0", "999999999999999999999999999999", Verdict::TooBig,
         "507 x 6 < 999999999999999999999999999999042"},
    };
    for (const Case& c : cases) {
        const AnswerReading r = ReadAnswer(c.e, c.t, c.h, c.d);
        CHECK_EQ(Judge(ex, r), c.verdict);
        CHECK_EQ(ResultLine(ex, r, Judge(ex, r)), std::string(c.line));
    }
    CHECK_EQ(MultiplicandText(MakeColumnExercise(1, 0, 0, 3)), std::string("100"));
    CHECK_EQ(MemoText(7, 4), std::string("7 x 4 = ... "));
    CHECK_EQ(MemoText(0, 8), std::string("0 x 8 = ... "));
}

// Re-seeds first, then takes the four draws in the order E, T, H, maler.
void Drawing() {
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
    const double top = std::nextafter(1.0, 0.0);
    struct Case {
        std::vector<double> draws;
        const char* problem;
    };
    const Case cases[] = {
        {{top, top, top, top}, "888 x 8"},
        {{5.5 / 9, 0.0, 0.0, 1.5 / 8}, "105 x 2"},
        {{0.0, 0.0, 0.0, 0.0}, "100 x 1"},
        {{0.0, 1.5 / 9, 2.5 / 8, 6.5 / 8}, "310 x 7"},
    };
    for (const Case& c : cases) {
        Recording rng(c.draws);
        const ColumnExercise ex = MakeExercise(rng);
        CHECK_EQ(rng.log, std::string("RDDDD"));
        CHECK_EQ(MultiplicandText(ex) + " x " + std::to_string(ex.maler), std::string(c.problem));
        CHECK_EQ(ex.expectedNumber, ex.product);
    }
}

} // namespace

int main() {
    AllProblems();
    EdgeCases();
    Reading();
    VerdictsAndLines();
    Drawing();
    return zef_check::Summary();
}
