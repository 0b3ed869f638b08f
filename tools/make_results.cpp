// Makes up a school year of results as CSV, in the format of `zefranol --resultaten`, for
// benchmarks and screenshots: invented pupils who make the mistakes pupils make (a carry
// forgotten, a table slip, a slip in adding the two rows), judged and diagnosed by the
// program's own exercise library.
//
//   make_results N [SEED] [PUPILS] > checks.csv
#include "exercise/Diagnosis.h"
#include "results/Check.h"
#include "results/Csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QUuid>
#include <cstdio>
#include <random>

namespace {

const char* const FirstNames[] = {"Noor",  "Daan",  "Sem",   "Lotte",   "Finn",  "Mila",  "Luuk", "Saar",   "Bram",
                                  "Yara",  "Jesse", "Fenna", "Thijs",   "Roos",  "Milan", "Isa",  "Niek",   "Evi",
                                  "Ruben", "Zoë",   "Aylin", "Mohamed", "Chloë", "Wout",  "Ilse", "Joëlle", "Kaan"};
const char* const Initials = "ABCDEGHJKLMNPRSTVWZ";

class Draw : public zef::RandomSource {
public:
    explicit Draw(std::mt19937_64& engine) : engine_(engine) {}
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64& engine_;
};

std::string digits(long long v) {
    return std::to_string(v);
}

// One column of the answer made wrong the way pupils do.
void spoil(std::array<std::string, 5>& boxes, int columns, const std::vector<int>& raw, std::mt19937_64& rng) {
    const int i = std::uniform_int_distribution<int>(0, columns - 1)(rng);
    const int kind = std::uniform_int_distribution<int>(0, 2)(rng);
    if (kind < 2 && i < int(raw.size()))
        boxes[i] = digits(raw[i] % 10); // the carry not added
    else
        boxes[i] = digits((std::stoi(boxes[i]) + 1 + std::uniform_int_distribution<int>(0, 7)(rng)) % 10);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "gebruik: make_results AANTAL [ZAAD] [LEERLINGEN]\n");
        return 2;
    }
    const long long n = std::atoll(argv[1]);
    std::mt19937_64 rng(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    const int pupilCount = argc > 3 ? std::atoi(argv[3]) : 500;
    Draw draw(rng);

    std::vector<QString> pupils;
    for (int p = 0; p < pupilCount; ++p)
        pupils.push_back(QString::fromUtf8(FirstNames[p % std::size(FirstNames)]) + QLatin1Char(' ') +
                         QLatin1Char(Initials[(p / std::size(FirstNames)) % 19]) + QLatin1Char('.') +
                         (p >= int(std::size(FirstNames)) * 19 ? QString::number(p) : QString()));
    // Each pupil has a skill: the chance that a column goes wrong.
    std::vector<double> skill;
    for (int p = 0; p < pupilCount; ++p)
        skill.push_back(std::uniform_real_distribution<double>(0.02, 0.35)(rng));

    const QDateTime yearStart(QDate(2025, 8, 25), QTime(8, 30), Qt::UTC);
    const qint64 yearSeconds = qint64(300) * 24 * 3600;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    const bool ok = results::writeCsv(out, [&](const std::function<void(const results::Check&)>& add) {
        for (long long k = 0; k < n; ++k) {
            const int p = std::uniform_int_distribution<int>(0, pupilCount - 1)(rng);
            results::Check c;
            c.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            c.pupil = pupils[p];
            c.moment = yearStart.addSecs(yearSeconds * k / std::max(1LL, n) + (k * 7919) % 3600);
            c.seconds = double(std::uniform_int_distribution<int>(80, 900)(rng)) / 10.0;
            const bool wrong = std::uniform_real_distribution<double>(0, 1)(rng) < skill[p] * 1.8;
            const int screen = std::uniform_int_distribution<int>(0, 9)(rng);
            if (screen == 0) {
                c.screen = QStringLiteral("A klas");
                c.problem = QStringLiteral("tafel van %1").arg(std::uniform_int_distribution<int>(1, 10)(rng));
                c.verdict = results::DrillDone;
                c.seconds = 15.0;
            } else if (screen <= 6) {
                const zef::ColumnExercise ex = zef::MakeExercise(draw);
                std::array<std::string, 5> boxes{ex.restE, ex.restT, ex.restH, ex.hasThousands ? ex.restD : "0", "0"};
                if (wrong)
                    spoil(boxes, ex.hasThousands ? 4 : 3,
                          {ex.digitE * ex.maler, ex.digitT * ex.maler, ex.digitH * ex.maler, 0}, rng);
                const zef::AnswerReading a = zef::ReadAnswer(boxes[0], boxes[1], boxes[2], boxes[3]);
                c.screen = screen <= 5 ? QStringLiteral("Cijferend vermenigvuldigen")
                                       : QStringLiteral("LEREN CIJFEREND VERMENIGVULDIGEN");
                c.problem = QString::fromStdString(zef::MultiplicandText(ex) + " x " + std::to_string(ex.maler));
                c.answer = QString::fromStdString(a.answerText);
                c.verdict = zef::Judge(ex, a) == zef::Verdict::Correct ? results::Right : results::Wrong;
                c.faults = QString::fromStdString(zef::ShortForm(zef::Diagnose(ex, a)));
            } else {
                const zef::TwoDigitExercise ex = zef::MakeTwoDigitExercise(draw);
                const auto split = [](long long v, int first) {
                    std::array<std::string, 4> b;
                    for (int i = 0; i < 4; ++i) {
                        long long place = 1;
                        for (int z = 0; z < first + i; ++z)
                            place *= 10;
                        b[i] = digits((v / place) % 10);
                    }
                    return b;
                };
                zef::TwoDigitWork work{split(ex.partialE, 0), split(ex.partialT, 1), {}};
                std::array<std::string, 5> sum;
                for (int i = 0; i < 5; ++i) {
                    long long place = 1;
                    for (int z = 0; z < i; ++z)
                        place *= 10;
                    sum[i] = digits((ex.product / place) % 10);
                }
                if (wrong)
                    spoil(sum, 5, {}, rng);
                work.sum = zef::ReadSumAnswer(sum[0], sum[1], sum[2], sum[3], sum[4]);
                c.screen = QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN");
                c.problem = QStringLiteral("%1 x %2").arg(ex.multiplicand).arg(ex.multiplier);
                c.answer = QString::fromStdString(work.sum.answerText);
                c.verdict = zef::JudgeSum(ex, work.sum) == zef::Verdict::Correct ? results::Right : results::Wrong;
                c.faults = QString::fromStdString(zef::ShortForm(zef::DiagnoseTwoDigit(ex, work)));
            }
            add(c);
        }
    });
    return ok && out.flush() ? 0 : 1;
}
