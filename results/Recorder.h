#pragma once
// Keeps every check handed to it, without the pupil's program ever waiting: the checks go
// to a thread of their own that writes them to this user's SQLite file at once (so a
// program killed a moment after a verdict has kept it) and, with a school server set,
// sends every check not yet sent, each exactly once (by its id), whenever the server can
// be reached. A check that cannot be written (the disk full) waits in memory and is
// written when it can.
#include "config/Config.h"
#include "results/Check.h"

#include <QAtomicInt>
#include <QObject>
#include <QString>
#include <memory>

class QThread;

namespace results {

class Writer;
class Sender;

class Recorder : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString localPath{};     // the SQLite file; empty: results::localStorePath()
        config::School school{}; // set: every check goes on to this server
        int retryMs = 2000;      // how soon a failed write or send is tried again
        int connectSeconds = 3;  // one attempt to reach the server, at most
    };

    // Null when the settings keep nothing.
    static std::unique_ptr<Recorder> fromSettings(const config::Settings& settings);

    explicit Recorder(Options options);
    // Writes what still waits (a bounded moment), then stops its threads.
    ~Recorder() override;

    // Never waits.
    void record(const Check& check);

    // For tests and the end of the run: waits (with the event loop running) until every check
    // handed over is in the local file and, with a server, sent; false when ms ran out.
    bool settle(int ms);

    // Counts the writer keeps up to date (from any thread).
    int waitingToWrite() const;
    int waitingToSend() const;

private:
    Options options_;
    std::unique_ptr<QThread> writeThread_, sendThread_;
    Writer* writer_ = nullptr;
    Sender* sender_ = nullptr;
    QAtomicInt writeWaiting_, sendWaiting_;
};

// This user's login name, the pupil when no class list asks who is there.
QString loginName();

} // namespace results
