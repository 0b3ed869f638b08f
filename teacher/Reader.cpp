#include "teacher/Reader.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace teacher {

using Answer = std::function<void()>;

// The source's own thread holds the store: a database connection is used where it was made.
class Connection : public QObject {
    Q_OBJECT
public:
    std::unique_ptr<results::Store> store;

signals:
    void answered(int generation, qint64 ms, const teacher::Answer& answer);
};

namespace {

QString failure(const results::Store* store, const QString& detail) {
    if (store && store->kind() == results::Store::Kind::School)
        return QStringLiteral("De schoolserver antwoordt niet meer of de verbinding is verbroken (%1).").arg(detail);
    return QStringLiteral("De resultaten konden niet worden gelezen (%1).").arg(detail);
}

const QString NoSource = QStringLiteral("Er is geen bron geopend.");

} // namespace

Reader::Reader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<teacher::Answer>("teacher::Answer");
}

Reader::~Reader() {
    retire();
    for (const QPointer<QThread>& t : std::as_const(retired_)) {
        if (!t)
            continue;
        // A thread inside a database call that the server never answers is bounded by the
        // connection's timeouts, but not waited for here: it ends with the program.
        if (t->wait(1500))
            delete t.data();
        else
            t->setParent(nullptr);
    }
}

void Reader::retire() {
    if (!thread_)
        return;
    disconnect(connection_, nullptr, this, nullptr);
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
    thread_->quit();
    retired_.removeAll(nullptr);
    retired_ << thread_;
    thread_ = nullptr;
    connection_ = nullptr;
}

void Reader::open(const SourceChoice& choice) {
    retire();
    choice_ = choice;
    ++generation_;
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("bron"));
    connection_ = new Connection;
    connection_->moveToThread(thread_);
    connect(thread_, &QThread::finished, connection_, &QObject::deleteLater);
    connect(connection_, &Connection::answered, this, [this](int generation, qint64 ms, const Answer& answer) {
        if (generation != generation_)
            return;
        lastWorkMs_ = ms;
        answer();
    });
    thread_->start();
    post([this, choice](Connection& c) -> Answer {
        Opening opening;
        c.store = openSource(choice, opening);
        return [this, opening] { emit opened(opening); };
    });
}

void Reader::post(const std::function<Answer(Connection&)>& work) {
    if (!connection_)
        return;
    Connection* c = connection_;
    const int generation = generation_;
    QMetaObject::invokeMethod(
        c,
        [c, work, generation] {
            QElapsedTimer timer;
            timer.start();
            const Answer answer = work(*c);
            emit c->answered(generation, timer.elapsed(), answer);
        },
        Qt::QueuedConnection);
}

int Reader::overview(const Period& period, const QStringList& classList) {
    const int ticket = ++ticket_;
    post([this, ticket, period, classList](Connection& c) -> Answer {
        if (!c.store)
            return [this, ticket] { emit failed(ticket, NoSource); };
        QString error;
        std::optional<Overview> o = readOverview(*c.store, period, classList, &error);
        if (!o)
            return [this, ticket, message = failure(c.store.get(), error)] { emit failed(ticket, message); };
        return [this, ticket, o = std::move(*o)] { emit overviewRead(ticket, o); };
    });
    return ticket;
}

int Reader::pupil(const QString& name, const Period& period, int lastWrong) {
    const int ticket = ++ticket_;
    post([this, ticket, name, period, lastWrong](Connection& c) -> Answer {
        if (!c.store)
            return [this, ticket] { emit failed(ticket, NoSource); };
        QString error;
        std::optional<PupilPage> page = readPupil(*c.store, name, period, lastWrong, &error);
        if (!page)
            return [this, ticket, message = failure(c.store.get(), error)] { emit failed(ticket, message); };
        return [this, ticket, page = std::move(*page)] { emit pupilRead(ticket, page); };
    });
    return ticket;
}

int Reader::exportCsv(const Period& period, const QStringList& pupils, const QString& path) {
    const int ticket = ++ticket_;
    post([this, ticket, period, pupils, path](Connection& c) -> Answer {
        if (!c.store)
            return [this, ticket] { emit failed(ticket, NoSource); };
        // Pupils' results: readable by this user alone, from the moment the file exists.
        QFile file(path);
        const auto own = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, own) || !file.setPermissions(own))
            return [this, ticket,
                    message = QStringLiteral("%1 kan niet worden geschreven: %2").arg(path, file.errorString())] {
                emit failed(ticket, message);
            };
        QString error;
        const long long n = exportChecks(*c.store, period, pupils, file, &error);
        file.close();
        if (n < 0) {
            file.remove();
            return [this, ticket, message = failure(c.store.get(), error)] { emit failed(ticket, message); };
        }
        return [this, ticket, n, path] { emit exported(ticket, n, path); };
    });
    return ticket;
}

} // namespace teacher

#include "Reader.moc"
