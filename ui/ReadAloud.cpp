#include "ui/ReadAloud.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Speech.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QKeyEvent>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

namespace ui {

namespace {

constexpr Qt::Key SwitchKey = Qt::Key_F9;
// A calm pace for children who follow along: a little slower than the engine's own.
constexpr double CalmRate = -0.3;
// How long the screen reader question may take before the program speaks anyway.
constexpr int AskPatienceMs = 300;
constexpr int NoticeMs = 4000;

const QString A11yService = QStringLiteral("org.a11y.Bus");
const QString A11yPath = QStringLiteral("/org/a11y/bus");
const QString A11yStatus = QStringLiteral("org.a11y.Status");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

ReadAloud* installed = nullptr;

} // namespace

ReadAloud::ReadAloud(const QString& engine, QObject* parent) : QObject(parent), engineName_(engine) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.connect(A11yService, A11yPath, PropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                    SLOT(a11yStatusChanged(QString, QVariantMap, QStringList)));
}

ReadAloud::~ReadAloud() {
    if (!thread_)
        return;
    thread_->quit();
    // A speech service that does not answer is not waited for: its thread is left to the end
    // of the process.
    if (thread_->wait(QDeadlineTimer(2000)))
        delete thread_;
}

qsizetype ReadAloud::plainVoice(const QStringList& names) {
    if (names.isEmpty())
        return -1;
    // espeak-ng offers every language once as itself and many times as "language+variant".
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!names[i].contains(QLatin1Char('+')))
            return i;
    return 0;
}

QString ReadAloud::noticeFor(bool on, const QString& problem, bool screenReader) {
    if (!on)
        return QStringLiteral("Voorlezen staat uit.");
    if (!problem.isEmpty())
        return problem;
    if (screenReader)
        return QStringLiteral("Voorlezen staat aan, maar de schermlezer leest nu voor.");
    return QStringLiteral("Voorlezen staat aan.");
}

// The speech engine on a thread of its own: speech-dispatcher lists every voice of every
// language when it is opened, which takes a second or more, and the screens stay responsive.
class Speaker : public QObject {
public:
    explicit Speaker(const QString& engine) : engineName_(engine) {}
    ~Speaker() override {
        if (engine_)
            engine_->stop();
    }
    // Opens the engine and chooses its voice; returns why it cannot speak, or the voice's name.
    std::pair<QString, QString> open() {
        const QString noSpeech = QStringLiteral("Voorlezen kan niet: deze computer heeft geen spraak.");
        engine_ = new QTextToSpeech(engineName_, this);
        if (engine_->state() == QTextToSpeech::Error)
            return {noSpeech, {}};
        // The language alone lets the engine take any of its Dutch variants: the voice is chosen.
        engine_->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
        const QList<QVoice> voices = engine_->availableVoices();
        QStringList names;
        for (const QVoice& v : voices)
            names << v.name();
        const qsizetype chosen = ReadAloud::plainVoice(names);
        if (engine_->locale().language() != QLocale::Dutch || chosen < 0)
            return {QStringLiteral("Voorlezen kan niet: deze computer heeft geen Nederlandse stem."), {}};
        engine_->setVoice(voices[chosen]);
        engine_->setRate(CalmRate);
        ready_ = true;
        return {{}, names[chosen]};
    }
    void say(const QString& text) {
        if (!ready_)
            return;
        // A new step: what is still being said about the old one is of no use any more.
        engine_->stop();
        if (!text.isEmpty())
            engine_->say(text);
    }

private:
    QString engineName_;
    QTextToSpeech* engine_ = nullptr;
    bool ready_ = false;
};

void ReadAloud::prepareEngine() {
    if (tried_)
        return;
    tried_ = true;
    if (!QTextToSpeech::availableEngines().contains(engineName_)) {
        problem_ = QStringLiteral("Voorlezen kan niet: deze computer heeft geen spraak.");
        return;
    }
    thread_ = new QThread;
    speaker_ = new Speaker(engineName_);
    speaker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, speaker_, &QObject::deleteLater);
    thread_->start();
    QMetaObject::invokeMethod(speaker_, [this, speaker = speaker_] {
        const auto [problem, voice] = speaker->open();
        QMetaObject::invokeMethod(this, [this, problem, voice] { opened(problem, voice); });
    });
}

void ReadAloud::opened(const QString& problem, const QString& voice) {
    problem_ = problem;
    voice_ = voice;
    ready_ = problem.isEmpty();
    if (!ready_ && on_)
        showNotice(problem_);
    speakPending();
}

void ReadAloud::speak(const QString& text) {
    if (speaker_)
        QMetaObject::invokeMethod(speaker_, [speaker = speaker_, text] { speaker->say(text); });
}

void ReadAloud::setOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    pending_.clear();
    if (!on)
        speak({});
    if (on)
        prepareEngine();
    showNotice(noticeFor(on, problem_, screenReader_));
}

void ReadAloud::hear(const QString& text) {
    if (!on_ || text.isEmpty() || !problem_.isEmpty())
        return;
    // Only the latest step's words are worth saying once the engine is open.
    if (!ready_)
        pending_.clear();
    pending_ << text;
    askScreenReader();
}

void ReadAloud::askScreenReader() {
    if (asking_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        answered(QVariant());
        return;
    }
    asking_ = true;
    QDBusMessage get =
        QDBusMessage::createMethodCall(A11yService, A11yPath, PropertiesInterface, QStringLiteral("Get"));
    get << A11yStatus << QStringLiteral("ScreenReaderEnabled");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, AskPatienceMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        w->deleteLater();
        asking_ = false;
        answered(reply.isValid() ? reply.value().variant() : QVariant());
    });
}

void ReadAloud::answered(const QVariant& screenReader) {
    // Without an accessibility bus no screen reader can run.
    screenReader_ = screenReader.toBool();
    speakPending();
}

void ReadAloud::a11yStatusChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    const auto it = changed.find(QStringLiteral("ScreenReaderEnabled"));
    if (interface != A11yStatus || it == changed.end())
        return;
    screenReader_ = it->toBool();
    if (screenReader_)
        speak({});
}

void ReadAloud::speakPending() {
    // Until the engine is open the words wait; the latest step's are said then.
    if (!ready_)
        return;
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
    if (!on_ || text.isEmpty() || screenReader_)
        return;
    speak(text);
    emit spoken(text);
}

bool ReadAloud::eventFilter(QObject* receiver, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == SwitchKey) {
        if (!static_cast<QKeyEvent*>(e)->isAutoRepeat())
            toggle();
        return true;
    }
    return QObject::eventFilter(receiver, e);
}

ReadAloud& installReadAloud(bool on) {
    if (!installed) {
        installed = new ReadAloud(QStringLiteral("speechd"), qApp);
        qApp->installEventFilter(installed);
        setSpokenListener([](const QString& text) {
            if (installed)
                installed->hear(text);
        });
    }
    // Once the screens are up, so that a notice has a screen to appear on.
    QTimer::singleShot(0, installed, [on] {
        if (installed)
            installed->setOn(on);
    });
    return *installed;
}

void showNotice(const QString& text) {
    QWidget* window = QApplication::activeWindow();
    if (!window || window->inherits("QMainWindow"))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->inherits("ui::Form"))
                window = w;
    if (!window || text.isEmpty())
        return;
    static QPointer<Label> notice;
    static QPointer<QTimer> going;
    if (!notice || notice->window() != window) {
        delete notice;
        notice = new Label(window);
        notice->setObjectName(QStringLiteral("zefNotice"));
        notice->setAlignment(Qt::AlignCenter);
        notice->setBackColour(rgb(0xFFFFC0));
        notice->setForeColour(Qt::black);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont font = notice->font();
        font.setBold(true);
        notice->setFont(font);
        going = new QTimer(notice);
        going->setSingleShot(true);
        going->setInterval(NoticeMs);
        QObject::connect(going, &QTimer::timeout, notice, &QWidget::hide);
    }
    notice->setText(text);
    const int width = window->width() * 3 / 4;
    const int height =
        notice->fontMetrics().boundingRect(QRect(0, 0, width - 16, 1000), Qt::TextWordWrap, text).height();
    notice->setGeometry((window->width() - width) / 2, 8, width, height + 16);
    notice->raise();
    notice->show();
    going->start();
    announce(window, text);
}

} // namespace ui
