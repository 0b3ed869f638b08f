#include "StdText.h"
#include "exercise/Diagnosis.h"

#include <QTest>
#include <string>

using namespace zef;

class DiagnosisTest : public QObject {
    Q_OBJECT

private slots:
    // The one-digit answer row, typed from the units leftwards: E, T, H, D.
    void oneDigit_data() {
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("maler");
        QTest::addColumn<std::string>("boxes"); // D H T E, "-" for an empty (repaired) box
        QTest::addColumn<std::string>("faults");
        QTest::newRow("right") << 476 << 6 << std::string("2856") << std::string();
        QTest::newRow("tens carry forgotten") << 476 << 6 << std::string("2826") << std::string("T-onthouden-3");
        QTest::newRow("a table slip in the tens") << 476 << 6 << std::string("2876") << std::string("T-reken");
        QTest::newRow("every carry forgotten: the thousands left out")
            << 476 << 6 << std::string("0426") << std::string("T-onthouden-3 H-onthouden-4 D-onthouden-2");
        QTest::newRow("a carry of 0 is never forgotten") << 312 << 3 << std::string("0937") << std::string("E-reken");
        QTest::newRow("a thousands digit where none belongs")
            << 312 << 3 << std::string("1936") << std::string("D-reken");
    }
    void oneDigit() {
        QFETCH(int, multiplicand);
        QFETCH(int, maler);
        QFETCH(std::string, boxes);
        QFETCH(std::string, faults);
        const ColumnExercise ex =
            MakeColumnExercise(multiplicand / 100, multiplicand / 10 % 10, multiplicand % 10, maler);
        const auto box = [&](int i) { return std::string(1, boxes[i]); };
        const Diagnosis d = Diagnose(ex, ReadAnswer(box(3), box(2), box(1), box(0)));
        QCOMPARE(ShortForm(d), faults);
        QCOMPARE(ParseShortForm(faults), std::optional<Diagnosis>(d));
    }

    // 476 x 36: first row 2856, second row 14280, sum 17136.
    void twoDigit_data() {
        QTest::addColumn<std::string>("row1");
        QTest::addColumn<std::string>("row2"); // its units place left out
        QTest::addColumn<std::string>("sum");
        QTest::addColumn<std::string>("faults");
        QTest::newRow("right") << std::string("2856") << std::string("1428") << std::string("17136") << std::string();
        QTest::newRow("a wrong row under a right sum: named")
            << std::string("2826") << std::string("1428") << std::string("17136") << std::string("rij1.T-onthouden-3");
        QTest::newRow("the sum follows the wrong row: only the row is blamed")
            << std::string("2826") << std::string("1428") << std::string("17106") << std::string("rij1.T-onthouden-3");
        QTest::newRow("right rows, the adding's carry forgotten")
            << std::string("2856") << std::string("1428") << std::string("16136") << std::string("som.D-onthouden-1");
        QTest::newRow("right rows, an adding slip")
            << std::string("2856") << std::string("1428") << std::string("17146") << std::string("som.T-reken");
    }
    void twoDigit() {
        QFETCH(std::string, row1);
        QFETCH(std::string, row2);
        QFETCH(std::string, sum);
        QFETCH(std::string, faults);
        const TwoDigitExercise ex = MakeTwoDigit(476, 36);
        const auto digit = [](const std::string& s, int fromRight) {
            return fromRight < int(s.size()) ? std::string(1, s[s.size() - 1 - fromRight]) : std::string("0");
        };
        TwoDigitWork work;
        for (int i = 0; i < 4; ++i) {
            work.firstRow[i] = digit(row1, i);
            work.secondRow[i] = digit(row2, i);
        }
        work.sum = ReadSumAnswer(digit(sum, 0), digit(sum, 1), digit(sum, 2), digit(sum, 3), digit(sum, 4));
        QCOMPARE(ShortForm(DiagnoseTwoDigit(ex, work)), faults);
    }

    void notOurs_data() {
        QTest::addColumn<std::string>("text");
        for (const char* t : {"T", "T-", "X-reken", "T-onthouden", "T-onthouden-0", "T-onthouden-12", "rij3.T-reken",
                              "T-reken  H-reken", " T-reken", "=1+1"})
            QTest::addRow("%s", t) << std::string(t);
    }
    void notOurs() {
        QFETCH(std::string, text);
        QVERIFY(!ParseShortForm(text));
    }

    void inWords() {
        QCOMPARE(Describe({Line::Answer, Place::H, Slip::CarryForgotten, 3}),
                 std::string("de 3 van onthouden vergeten bij de honderdtallen"));
        QCOMPARE(Describe({Line::Sum, Place::T, Slip::Other, 0}),
                 std::string("bij het optellen: fout opgeteld bij de tientallen"));
    }
};

QTEST_APPLESS_MAIN(DiagnosisTest)
#include "diagnosis_test.moc"
