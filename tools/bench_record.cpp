// What keeping a check costs the pupil's program: the time record() takes on the GUI thread
// (all the verdict ever waits for), and the time until the check is in the local SQLite file
// and, with a server, on the school's PostgreSQL server. Medians and maxima in milliseconds.
//   bench_record [N]                      the local file alone
//   ZEF_PG_PORT=… PGPASSFILE=… bench_record [N]   also through a server (as leerling1)
#include "results/Recorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    std::vector<double> call, kept;
};

void print(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("  %-34s median %8.3f ms   p90 %8.3f ms   max %8.3f ms\n", what, v[v.size() / 2], v[v.size() * 9 / 10],
                v.back());
}

Figures run(results::Recorder& recorder, int n) {
    Figures f;
    for (int k = 0; k < n; ++k) {
        results::Check c = results::newCheck();
        c.pupil = QStringLiteral("Noor A.");
        c.screen = QStringLiteral("Cijferend vermenigvuldigen");
        c.problem = QStringLiteral("476 x 6");
        c.answer = QStringLiteral("2826");
        c.verdict = results::Wrong;
        c.faults = QStringLiteral("T-onthouden-3");
        QElapsedTimer t;
        t.start();
        recorder.record(c);
        f.call.push_back(t.nsecsElapsed() / 1e6);
        recorder.settle(10000);
        f.kept.push_back(t.nsecsElapsed() / 1e6);
    }
    return f;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    QTemporaryDir dir;
    {
        results::Recorder local({.localPath = dir.filePath(QStringLiteral("local.sqlite")), .school = {}});
        local.settle(5000);
        const Figures f = run(local, n);
        std::printf("SQLite, %d checks\n", n);
        print("record() on the GUI thread", f.call);
        print("until in the file", f.kept);
    }
    if (qEnvironmentVariableIsSet("ZEF_PG_PORT")) {
        config::School school{.host = QStringLiteral("127.0.0.1"),
                              .port = qEnvironmentVariableIntValue("ZEF_PG_PORT"),
                              .database = QStringLiteral("zefranol"),
                              .user = QStringLiteral("leerling1"),
                              .service = {}};
        results::Recorder server({.localPath = dir.filePath(QStringLiteral("spool.sqlite")), .school = school});
        server.settle(5000);
        const Figures f = run(server, n);
        std::printf("PostgreSQL (local server, through the local file), %d checks\n", n);
        print("record() on the GUI thread", f.call);
        print("until on the server", f.kept);
    }
    return 0;
}
