#include "teacher/Timings.h"

#include "teacher/MainWindow.h"
#include "teacher/OverviewModel.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace teacher {

namespace {

struct Samples {
    const char* name;
    QList<double> ms;
    void print() const {
        if (ms.isEmpty())
            return;
        QList<double> s = ms;
        std::sort(s.begin(), s.end());
        const double median = s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
        std::printf("%-28s mediaan %7.1f ms  (min %7.1f, max %7.1f, n=%lld)\n", name, median, s.front(), s.back(),
                    static_cast<long long>(s.size()));
    }
};

long peakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The steps after the start, one at a time: each waits for the window's signal.
class Run : public QObject {
public:
    Run(MainWindow& w, int rounds) : w_(w), rounds_(rounds) {}

    void startShown(qint64 sinceStart) {
        start_.ms << double(sinceStart);
        for (const PupilRow& r : w_.model()->overview().rows)
            if (r.done > 0)
                pupils_ << r.pupil;
        first_ = w_.period();
        next();
    }

    void next() {
        // Periods first (week, month, school year in turn), then pupils, each from the database.
        if (step_ < 3 * rounds_) {
            const auto kind = Period::Kind(step_ % 3);
            ++step_;
            w_.forgetFigures();
            timer_.start();
            current_ = &period_[int(kind)];
            w_.setPeriod(Period::of(kind, first_.first));
            return;
        }
        if (step_ < 3 * rounds_ + 1) {
            // Back to the first period for the pupils.
            ++step_;
            current_ = nullptr;
            w_.setPeriod(first_);
            return;
        }
        if (step_ < 4 * rounds_ + 1 && !pupils_.isEmpty()) {
            ++step_;
            timer_.start();
            current_ = &pupil_;
            w_.openPupil(pupils_[QRandomGenerator::global()->bounded(int(pupils_.size()))]);
            return;
        }
        finish();
    }

    void shown() {
        if (current_)
            current_->ms << double(timer_.nsecsElapsed()) / 1e6;
        if (current_ && current_ != &pupil_)
            work_.ms << double(w_.reader().lastWorkMs());
        QMetaObject::invokeMethod(
            this, [this] { next(); }, Qt::QueuedConnection);
    }

    void finish() {
        std::printf("ZEFRANOL leerkracht, tijden (%d rondes)\n", rounds_);
        start_.print();
        for (const Samples& s : period_)
            s.print();
        work_.print();
        pupil_.print();
        std::printf("%-28s %.1f MiB\n", "piekgeheugen", double(peakKiB()) / 1024.0);
        std::fflush(stdout);
        QApplication::exit(0);
    }

    void failed() {
        std::printf("mislukt: %s\n", qPrintable(w_.message()));
        std::fflush(stdout);
        QApplication::exit(1);
    }

private:
    MainWindow& w_;
    int rounds_;
    int step_ = 0;
    Period first_;
    QStringList pupils_;
    QElapsedTimer timer_;
    Samples* current_ = nullptr;
    Samples start_{"start tot overzicht gevuld", {}};
    Samples period_[3] = {{"periode: deze week", {}}, {"periode: deze maand", {}}, {"periode: dit schooljaar", {}}};
    Samples work_{"  waarvan in de databank", {}};
    Samples pupil_{"leerling openen", {}};
};

} // namespace

void runTimings(MainWindow& window, int rounds, qint64 processStartMs) {
    auto* run = new Run(window, std::max(1, rounds));
    run->setParent(&window);
    auto started = std::make_shared<bool>(false);
    QObject::connect(&window, &MainWindow::overviewShown, run, [run, started, processStartMs] {
        if (!*started) {
            *started = true;
            run->startShown(QDateTime::currentMSecsSinceEpoch() - processStartMs);
        } else {
            run->shown();
        }
    });
    QObject::connect(&window, &MainWindow::pupilShown, run, [run] { run->shown(); });
    QObject::connect(&window, &MainWindow::messageShown, run, [run, &window] {
        if (window.message().startsWith(QStringLiteral("Bezig")))
            return;
        run->failed();
    });
}

} // namespace teacher
