#include "results/Recorder.h"

#include "results/Store.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QSet>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace results {

namespace {

// Each trouble is said once a run on standard error: the pupil's program has no place to
// show it, and whoever looks after the computer finds it there.
void sayOnce(const QString& text) {
    static QMutex guard;
    static QSet<QString> said;
    QMutexLocker lock(&guard);
    if (said.contains(text))
        return;
    said.insert(text);
    std::fprintf(stderr, "ZEFRANOL: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

// ------------------------------------------------------------------ writing, on this computer

class Writer : public QObject {
public:
    Writer(const Recorder::Options& options, QAtomicInt& waiting) : options_(options), waiting_(waiting) {}

    std::function<void(const Check&)> unkept; // a check no local file can hold (the sender's memory)
    std::function<void()> written;            // new rows in the local file

    void open() {
        retry_ = new QTimer(this);
        retry_->setSingleShot(true);
        retry_->setInterval(options_.retryMs);
        connect(retry_, &QTimer::timeout, this, &Writer::write);
        LocalOpening how;
        store_ = openLocal(options_.localPath, &how);
        if (!how.movedAside.isEmpty())
            sayOnce(QStringLiteral("het resultatenbestand was beschadigd; het staat nu in %1 en er is een nieuw "
                                   "begonnen")
                        .arg(how.movedAside));
        if (!store_) {
            sayOnce(QStringLiteral("resultaten worden niet bewaard: %1").arg(how.error));
            // Without a file the checks can still go to the school's server.
        }
    }

    void take(const Check& check) {
        pending_.push_back(check);
        write();
    }

    void write() {
        if (pending_.empty())
            return;
        if (!store_) {
            if (unkept)
                for (const Check& c : pending_)
                    unkept(c);
            waiting_.fetchAndAddOrdered(-int(pending_.size()));
            pending_.clear();
            return;
        }
        const long long added = store_->addAll(pending_);
        if (added < 0) {
            // The disk full or the file locked for long: the checks stay here and go later.
            sayOnce(QStringLiteral("een resultaat kan nu niet worden opgeslagen (%1); het wacht en wordt later "
                                   "bewaard")
                        .arg(store_->lastError()));
            retry_->start();
            return;
        }
        waiting_.fetchAndAddOrdered(-int(pending_.size()));
        pending_.clear();
        if (written)
            written();
    }

    void close() {
        write();
        if (!pending_.empty())
            sayOnce(QStringLiteral("%1 resultaten konden niet meer worden bewaard (%2)")
                        .arg(pending_.size())
                        .arg(store_ ? store_->lastError() : QString()));
        store_.reset();
    }

private:
    Recorder::Options options_;
    QAtomicInt& waiting_;
    std::unique_ptr<Store> store_;
    std::vector<Check> pending_;
    QTimer* retry_ = nullptr;
};

// ------------------------------------------------------------------ sending, to the school

class Sender : public QObject {
public:
    Sender(const Recorder::Options& options, QAtomicInt& waiting) : options_(options), waiting_(waiting) {}

    void open() {
        retry_ = new QTimer(this);
        retry_->setSingleShot(true);
        retry_->setInterval(options_.retryMs);
        connect(retry_, &QTimer::timeout, this, &Sender::send);
        LocalOpening how;
        local_ = openLocal(options_.localPath, &how);
        send();
    }

    void keep(const Check& check) {
        memory_.push_back(check);
        waiting_.fetchAndAddOrdered(1);
        send();
    }

    // Everything not yet on the server goes, in batches, oldest first. A batch the server
    // took but this computer could not mark is sent again later, and the server skips it by
    // its id: on the server each check is there exactly once.
    void send() {
        if (stopping_.loadRelaxed())
            return;
        if (!school_) {
            QString error;
            school_ = openSchool(options_.school, &error, options_.connectSeconds);
            if (!school_) {
                sayOnce(QStringLiteral("%1; de resultaten wachten op deze computer").arg(error));
                count();
                retry_->start();
                return;
            }
            sayOnce(QStringLiteral("verbonden met %1").arg(school_->describe()));
        }
        if (!memory_.empty()) {
            if (school_->addAll(memory_) < 0)
                return lost();
            waiting_.fetchAndAddOrdered(-int(memory_.size()));
            memory_.clear();
        }
        while (local_ && !stopping_.loadRelaxed()) {
            std::vector<Check> batch = unsent(local_->db(), 500);
            if (batch.empty())
                break;
            if (school_->addAll(batch) < 0)
                return lost();
            markSent(local_->db(), batch);
        }
        count();
    }

    void stop() { stopping_.storeRelaxed(1); }
    void close() {
        local_.reset();
        school_.reset();
    }

private:
    void lost() {
        sayOnce(QStringLiteral("de schoolserver gaf een fout (%1); de resultaten wachten op deze computer")
                    .arg(school_->lastError()));
        school_.reset();
        count();
        retry_->start();
    }

    void count() {
        long long n = memory_.size();
        if (local_) {
            QSqlQuery q(local_->db());
            if (q.exec(QStringLiteral("SELECT count(*) FROM controles WHERE verzonden = 0")) && q.next())
                n += q.value(0).toLongLong();
        }
        waiting_.storeRelaxed(int(n));
    }

    static std::vector<Check> unsent(const QSqlDatabase& db, int limit) {
        std::vector<Check> out;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT %1 FROM controles WHERE verzonden = 0 ORDER BY tijdstip LIMIT ?")
                      .arg(Store::readColumns()));
        q.bindValue(0, limit);
        if (!q.exec())
            return out;
        while (q.next()) {
            const Check c = Store::checkOf(q);
            out.push_back(c);
        }
        return out;
    }

    static void markSent(QSqlDatabase db, const std::vector<Check>& batch) {
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE controles SET verzonden = 1 WHERE id = ?"));
        for (const Check& c : batch) {
            q.bindValue(0, c.id);
            q.exec();
        }
        db.commit();
    }

    Recorder::Options options_;
    QAtomicInt& waiting_;
    QAtomicInt stopping_;
    std::unique_ptr<Store> local_, school_;
    std::vector<Check> memory_;
    QTimer* retry_ = nullptr;
};

// ------------------------------------------------------------------ the recorder

std::unique_ptr<Recorder> Recorder::fromSettings(const config::Settings& settings) {
    if (!settings.keepResults)
        return nullptr;
    Options options;
    options.school = settings.school;
    return std::make_unique<Recorder>(options);
}

Recorder::Recorder(Options options) : options_(std::move(options)) {
    if (options_.localPath.isEmpty())
        options_.localPath = localStorePath();
    writeThread_ = std::make_unique<QThread>();
    writeThread_->setObjectName(QStringLiteral("zefranol-bewaren"));
    writer_ = new Writer(options_, writeWaiting_);
    writer_->moveToThread(writeThread_.get());
    writeThread_->start();
    QMetaObject::invokeMethod(writer_, [w = writer_] { w->open(); });
    if (options_.school.isSet()) {
        sendThread_ = std::make_unique<QThread>();
        sendThread_->setObjectName(QStringLiteral("zefranol-verzenden"));
        sender_ = new Sender(options_, sendWaiting_);
        sender_->moveToThread(sendThread_.get());
        // Its connections belong to its thread and are closed there, as the thread ends.
        connect(
            sendThread_.get(), &QThread::finished, sender_, [s = sender_] { s->close(); }, Qt::DirectConnection);
        sendThread_->start();
        Sender* s = sender_;
        writer_->written = [s] { QMetaObject::invokeMethod(s, [s] { s->send(); }); };
        writer_->unkept = [s](const Check& c) { QMetaObject::invokeMethod(s, [s, c] { s->keep(c); }); };
        QMetaObject::invokeMethod(sender_, [s] { s->open(); });
    }
}

Recorder::~Recorder() {
    // The local file first: a check handed over is written before the program ends.
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { w->close(); }, Qt::BlockingQueuedConnection);
    writeThread_->quit();
    writeThread_->wait();
    delete writer_;
    if (sender_) {
        sender_->stop();
        sendThread_->quit();
        // A server that does not answer may hold one batch for its bounded time; what it has
        // not taken stays marked unsent in the local file and goes next time.
        if (sendThread_->wait(options_.connectSeconds * 2000 + 2000)) {
            delete sender_;
        } else {
            sayOnce(QStringLiteral("de schoolserver antwoordt niet; de resultaten gaan de volgende keer"));
            (void)sendThread_.release();
        }
    }
}

void Recorder::record(const Check& check) {
    Check c = check;
    derive(c);
    writeWaiting_.fetchAndAddOrdered(1);
    QMetaObject::invokeMethod(writer_, [w = writer_, c] { w->take(c); });
}

bool Recorder::settle(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // Whatever was handed over before this call has reached the writer.
        QMetaObject::invokeMethod(
            writer_, [] {}, Qt::BlockingQueuedConnection);
        if (waitingToWrite() == 0) {
            if (!sender_)
                return true;
            // One attempt, bounded by the connection's own time limits, counted afresh.
            QMetaObject::invokeMethod(
                sender_, [s = sender_] { s->send(); }, Qt::BlockingQueuedConnection);
            if (waitingToSend() == 0)
                return true;
        }
        QThread::msleep(20);
    }
    return false;
}

int Recorder::waitingToWrite() const {
    return writeWaiting_.loadRelaxed();
}

int Recorder::waitingToSend() const {
    return sendWaiting_.loadRelaxed();
}

QString loginName() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace results
