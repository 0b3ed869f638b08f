#include "teacher/Timings.h"

#include "teacher/MainWindow.h"
#include "teacher/OverviewModel.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
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
        std::printf("%-34s mediaan %7.1f ms  (min %7.1f, max %7.1f, n=%lld)\n", name, median, s.front(), s.back(),
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
        // Each period asked of the database, with nothing kept from before (cold); then as
        // the teacher meets them, read ahead (warm); then pupils.
        for (int k = 0; k < 3 * rounds_; ++k)
            steps_ << [this, k] { period(Period::Kind(k % 3), true); };
        steps_ << [this] {
            current_ = nullptr;
            awaiting_ = false;
            w_.setReadAhead(true);
            w_.readAhead();
            waitForAhead(0);
        };
        for (int k = 0; k < 3 * rounds_; ++k)
            steps_ << [this, k] { period(Period::Kind(k % 3), false); };
        steps_ << [this] {
            current_ = nullptr;
            w_.setPeriod(first_);
        };
        for (int k = 0; k < rounds_ && !pupils_.isEmpty(); ++k)
            steps_ << [this] {
                timer_.start();
                current_ = &pupil_;
                w_.openPupil(pupils_[QRandomGenerator::global()->bounded(int(pupils_.size()))]);
            };
        next();
    }

    void period(Period::Kind kind, bool cold) {
        if (cold)
            w_.forgetFigures();
        current_ = cold ? &cold_[int(kind)] : &warm_[int(kind)];
        work_ = cold ? &database_[int(kind)] : nullptr;
        timer_.start();
        w_.setPeriod(Period::of(kind, w_.today()));
    }

    // Bounded: what is not read ahead in 60 s is measured as it comes.
    void waitForAhead(int tries) {
        if (!w_.readingAhead() || tries > 1200) {
            next();
            return;
        }
        QTimer::singleShot(50, this, [this, tries] { waitForAhead(tries + 1); });
    }

    void next() {
        if (steps_.isEmpty()) {
            finish();
            return;
        }
        awaiting_ = true;
        steps_.takeFirst()();
    }

    // Only the signal a step waits for moves on: a repaint of another page is no answer.
    void shown(bool pupil) {
        if (!awaiting_ || pupil != (current_ == &pupil_))
            return;
        awaiting_ = false;
        if (current_)
            current_->ms << double(timer_.nsecsElapsed()) / 1e6;
        if (work_)
            work_->ms << double(w_.reader().lastWorkMs());
        work_ = nullptr;
        QMetaObject::invokeMethod(
            this, [this] { next(); }, Qt::QueuedConnection);
    }

    void finish() {
        std::printf("ZEFRANOL leerkracht, tijden (%d rondes)\n", rounds_);
        start_.print();
        for (int k = 0; k < 3; ++k) {
            cold_[k].print();
            database_[k].print();
        }
        for (const Samples& s : warm_)
            s.print();
        pupil_.print();
        std::printf("%-34s %.1f MiB\n", "piekgeheugen", double(peakKiB()) / 1024.0);
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
    QList<std::function<void()>> steps_;
    Period first_;
    QStringList pupils_;
    QElapsedTimer timer_;
    Samples* current_ = nullptr;
    Samples* work_ = nullptr;
    bool awaiting_ = false;
    Samples start_{"start tot overzicht gevuld", {}};
    Samples cold_[3] = {
        {"week (uit de databank)", {}}, {"maand (uit de databank)", {}}, {"schooljaar (uit de databank)", {}}};
    Samples database_[3] = {
        {"  waarvan de databank", {}}, {"  waarvan de databank", {}}, {"  waarvan de databank", {}}};
    Samples warm_[3] = {
        {"week (vooruit gelezen)", {}}, {"maand (vooruit gelezen)", {}}, {"schooljaar (vooruit gelezen)", {}}};
    Samples pupil_{"leerling openen", {}};
};

} // namespace

void runTimings(MainWindow& window, int rounds, qint64 processStartMs) {
    window.setReadAhead(false);
    auto* run = new Run(window, std::max(0, rounds));
    run->setParent(&window);
    auto started = std::make_shared<bool>(false);
    QObject::connect(&window, &MainWindow::overviewShown, run, [run, started, processStartMs] {
        if (!*started) {
            *started = true;
            run->startShown(QDateTime::currentMSecsSinceEpoch() - processStartMs);
        } else {
            run->shown(false);
        }
    });
    QObject::connect(&window, &MainWindow::pupilShown, run, [run] { run->shown(true); });
    QObject::connect(&window, &MainWindow::messageShown, run, [run, &window] {
        if (window.message().startsWith(QStringLiteral("Bezig")))
            return;
        run->failed();
    });
}

} // namespace teacher
