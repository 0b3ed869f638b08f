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
        return QStringLiteral("De schoolserver antwoordt niet meer of de verbinding is verbroken.\n\n(%1)")
            .arg(detail.simplified());
    return QStringLiteral("De resultaten konden niet worden gelezen.\n\n(%1)").arg(detail.simplified());
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
    for (Lane& lane : lanes_) {
        if (!lane.thread)
            continue;
        disconnect(lane.connection, nullptr, this, nullptr);
        connect(lane.thread, &QThread::finished, lane.thread, &QObject::deleteLater);
        lane.thread->quit();
        retired_.removeAll(nullptr);
        retired_ << lane.thread;
        lane = {};
    }
}

void Reader::start(int lane) {
    Lane& l = lanes_[lane];
    l.thread = new QThread;
    l.thread->setObjectName(lane == Asked ? QStringLiteral("bron") : QStringLiteral("vooruit"));
    l.connection = new Connection;
    l.connection->moveToThread(l.thread);
    connect(l.thread, &QThread::finished, l.connection, &QObject::deleteLater);
    connect(l.connection, &Connection::answered, this, [this, lane](int generation, qint64 ms, const Answer& answer) {
        if (generation != generation_)
            return;
        if (lane == Asked)
            lastWorkMs_ = ms;
        answer();
    });
    l.thread->start();
}

void Reader::open(const SourceChoice& choice) {
    retire();
    choice_ = choice;
    ++generation_;
    start(Asked);
    post([this, choice](Connection& c) -> Answer {
        Opening opening;
        c.store = openSource(choice, opening);
        return [this, opening] { emit opened(opening); };
    });
}

void Reader::post(const std::function<Answer(Connection&)>& work, int lane) {
    Connection* c = lanes_[lane].connection;
    if (!c)
        return;
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

void Reader::readAhead(const QList<Period>& periods, const QStringList& classList) {
    if (!lanes_[Asked].connection || periods.isEmpty())
        return;
    if (!lanes_[Ahead].connection) {
        start(Ahead);
        post(
            [choice = choice_](Connection& c) -> Answer {
                Opening opening;
                c.store = openSource(choice, opening);
                return [] {};
            },
            Ahead);
    }
    for (const Period& period : periods)
        post(
            [this, period, classList](Connection& c) -> Answer {
                std::optional<Overview> o = c.store ? readOverview(*c.store, period, classList, nullptr) : std::nullopt;
                if (!o)
                    return [] {};
                return [this, o = std::move(*o)] { emit overviewRead(0, o); };
            },
            Ahead);
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
