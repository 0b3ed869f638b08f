#pragma once
// The figures read on a thread of their own, so that the window never waits for the
// database: a slow or vanished server leaves it usable, saying what it waits for. Every
// request gets a ticket; its answer comes back on the window's thread with that ticket,
// and the window keeps only the answer to its latest request.
#include "teacher/Figures.h"
#include "teacher/Source.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QThread;

namespace teacher {

class Connection;

class Reader : public QObject {
    Q_OBJECT
public:
    explicit Reader(QObject* parent = nullptr);
    // Stops the thread; one that is stuck in a database call is left to end with the
    // program rather than waited for.
    ~Reader() override;

    // Opens the source on a new thread; a thread still busy with the old one is left to
    // finish by itself. Answered by opened().
    void open(const SourceChoice& choice);
    const SourceChoice& choice() const { return choice_; }

    int overview(const Period& period, const QStringList& classList);
    // Reads these overviews ahead on a second connection of their own, so that the window
    // has them when the teacher turns to them; each arrives as overviewRead with ticket 0.
    void readAhead(const QList<Period>& periods, const QStringList& classList);
    int pupil(const QString& name, const Period& period, int lastWrong);
    int exportCsv(const Period& period, const QStringList& pupils, const QString& path);

    // How long the requests of this source took on their thread, in ms (benchmarks).
    qint64 lastWorkMs() const { return lastWorkMs_; }

signals:
    void opened(const teacher::Opening& opening);
    void overviewRead(int ticket, const teacher::Overview& overview);
    void pupilRead(int ticket, const teacher::PupilPage& page);
    void exported(int ticket, long long count, const QString& path);
    void failed(int ticket, const QString& message);

private:
    // A connection on a thread of its own: the one that answers the window, and the one
    // that reads ahead.
    struct Lane {
        QThread* thread = nullptr;
        Connection* connection = nullptr;
    };
    enum { Asked, Ahead };
    // Runs work on a lane's thread; its answer, made there, is handed back here.
    void post(const std::function<std::function<void()>(Connection&)>& work, int lane = Asked);
    void start(int lane);
    void retire();

    SourceChoice choice_;
    Lane lanes_[2];
    QList<QPointer<QThread>> retired_;
    int ticket_ = 0;
    qint64 lastWorkMs_ = 0;
    int generation_ = 0;
};

} // namespace teacher
