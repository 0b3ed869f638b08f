#include "ui/Speech.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <vector>

namespace ui {

namespace {

// How long a screen that is shown may take to become the active window before it speaks
// anyway (a window system that never activates it).
constexpr int ActivationPatienceMs = 600;

std::function<void(const QString&)> spokenListener;

// Whoever handled accessibility events before the filter below (normally nobody: then
// Qt hands them to the platform's accessibility bridge).
QAccessible::UpdateHandler handlerBefore = nullptr;

// Hands an event on, past the filter below.
void forward(QAccessibleEvent* e) {
    if (handlerBefore) {
        handlerBefore(e);
        return;
    }
    const QAccessible::UpdateHandler filter = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(filter);
}

// The controls that speak for a screen: notifications, which a screen reader reads out
// when they appear. They are never painted, never focused and take no clicks. A reader
// that is still busy keeps only the latest appearance of each one, so a screen takes
// turns between a few of them.
class Voice : public QWidget {
public:
    explicit Voice(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        setVisible(false);
    }
    QString said() const { return said_; }
    void say(const QString& text) {
        setVisible(false);
        said_ = text;
        // The new name before it appears, so a reader that keeps names reads this one.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        forward(&renamed);
        lower();
        setVisible(true);
    }

private:
    QString said_;
};

constexpr int VoicesPerScreen = 4;

// The voices of a window, in its stacking order.
QList<Voice*> voicesOf(const QWidget* window) {
    QList<Voice*> voices;
    for (QObject* child : window->children())
        if (auto* voice = dynamic_cast<Voice*>(child))
            voices << voice;
    return voices;
}

// The labels made status lines.
std::vector<QPointer<QWidget>>& statusLines() {
    static std::vector<QPointer<QWidget>> lines;
    return lines;
}

class VoiceAccessible : public QAccessibleWidget {
public:
    explicit VoiceAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<Voice*>(widget())->said();
        return {};
    }
};

QString shownText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(w))
        return box->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return w->accessibleName();
}

class Speech : public QObject {
public:
    Speech() : QObject(qApp) {
        patience_.setSingleShot(true);
        patience_.setInterval(ActivationPatienceMs);
        connect(&patience_, &QTimer::timeout, this, [this] { flush(true); });
        qApp->installEventFilter(this);
    }
    ~Speech() override { instance = nullptr; }

    static Speech* instance;

    void say(QWidget* onScreen, const QString& text) {
        QWidget* window = onScreen ? onScreen->window() : nullptr;
        const QString spoken = speakable(text);
        if (!window || spoken.isEmpty())
            return;
        pending_.push_back({window, spoken});
        schedule();
    }

    void watch(QWidget* control, const QString& lead, bool whileHidden) {
        for (Watched& w : watched_)
            if (w.control == control) {
                w.lead = lead;
                w.whileHidden = whileHidden;
                return;
            }
        watched_.push_back({control, lead, whileHidden, QString()});
    }

    void focusMoved() {
        focusMoved_ = true;
        schedule();
    }
    bool isReportedFocus(const QObject* object) const {
        return !focusMoved_ && object == reportedFocus_ && object == QApplication::focusWidget();
    }

    void schedule() {
        if (scheduled_)
            return;
        scheduled_ = true;
        QMetaObject::invokeMethod(
            this, [this] { flush(false); }, Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonRelease:
            schedule();
            break;
        case QEvent::WindowActivate:
            if (auto* w = qobject_cast<QWidget*>(receiver); w && w->isWindow()) {
                arrived_.push_back(w);
                schedule();
            }
            break;
        case QEvent::Hide:
            // A window shown again shows its visible children again, and a reader would
            // read the last words once more.
            if (auto* w = qobject_cast<QWidget*>(receiver); w && w->isWindow())
                for (Voice* voice : voicesOf(w))
                    voice->setVisible(false);
            break;
        default:
            break;
        }
        return QObject::eventFilter(receiver, e);
    }

private:
    struct Watched {
        QPointer<QWidget> control;
        QString lead;
        bool whileHidden = false;
        QString heard; // what it showed at the last word its screen said
    };
    struct Pending {
        QPointer<QWidget> window;
        QString text;
    };

    static QString current(const Watched& w) {
        return w.whileHidden || w.control->isVisibleTo(w.control->window()) ? speakable(shownText(w.control))
                                                                            : QString();
    }

    bool arrivedAt(const QWidget* window) const {
        return std::any_of(arrived_.begin(), arrived_.end(), [window](const auto& w) { return w == window; });
    }

    void flush(bool patienceOver) {
        scheduled_ = false;
        // The focus first: the screen reader says where the pupil is, then what changed.
        if (focusMoved_) {
            focusMoved_ = false;
            reportedFocus_ = QApplication::focusWidget();
            if (reportedFocus_) {
                QAccessibleEvent focus(reportedFocus_, QAccessible::Focus);
                forward(&focus);
            }
        }
        std::erase_if(watched_, [](const Watched& w) { return w.control.isNull(); });
        std::vector<QWidget*> windows;
        const auto consider = [&windows](QWidget* w) {
            if (w && std::find(windows.begin(), windows.end(), w) == windows.end())
                windows.push_back(w);
        };
        for (const Pending& p : pending_)
            consider(p.window);
        for (const Watched& w : watched_)
            consider(w.control->window());
        for (const auto& w : arrived_)
            consider(w);

        bool waiting = false;
        for (QWidget* window : windows) {
            if (!window->isVisible()) {
                // A hidden screen says nothing; its controls speak their changes when it is back.
                std::erase_if(pending_, [window](const Pending& p) { return p.window == window; });
                std::erase_if(arrived_, [window](const auto& w) { return w == window; });
                continue;
            }
            if (QApplication::activeWindow() != window && !patienceOver) {
                waiting = waiting || hasNews(window);
                continue;
            }
            QStringList parts;
            for (const Pending& p : pending_)
                if (p.window == window && !parts.contains(p.text))
                    parts << p.text;
            std::erase_if(pending_, [window](const Pending& p) { return p.window == window; });
            const bool arrival = arrivedAt(window);
            std::erase_if(arrived_, [window](const auto& w) { return w == window; });
            for (Watched& w : watched_) {
                if (w.control->window() != window)
                    continue;
                const QString now = current(w);
                // The reader reads the control with the focus itself.
                const bool focused = w.control == reportedFocus_;
                if (!now.isEmpty() && !focused && (arrival || now != w.heard)) {
                    const QString part = w.lead.isEmpty() ? now : speakable(w.lead) + QLatin1Char(' ') + now;
                    if (!parts.contains(part))
                        parts << part;
                }
                w.heard = now;
            }
            if (!parts.isEmpty())
                speak(window, parts);
        }
        std::erase_if(arrived_, [](const auto& w) { return w.isNull(); });
        std::erase_if(pending_, [](const Pending& p) { return p.window.isNull(); });
        if (waiting && !patience_.isActive())
            patience_.start();
        else if (!waiting)
            patience_.stop();
    }

    bool hasNews(const QWidget* window) const {
        if (arrivedAt(window))
            return true;
        for (const Pending& p : pending_)
            if (p.window == window)
                return true;
        for (const Watched& w : watched_)
            if (w.control->window() == window && current(w) != w.heard)
                return true;
        return false;
    }

    void speak(QWidget* window, const QStringList& parts) {
        QString text;
        for (const QString& part : parts) {
            if (!text.isEmpty())
                text += text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('?')) ||
                                text.endsWith(QLatin1Char('!'))
                            ? QStringLiteral(" ")
                            : QStringLiteral(". ");
            text += part;
        }
        // The window system may report one arrival twice.
        if (text == lastText_ && lastWindow_ == window && sinceLast_.isValid() && sinceLast_.elapsed() < 1500)
            return;
        lastText_ = text;
        lastWindow_ = window;
        sinceLast_.start();
        QList<Voice*> voices = voicesOf(window);
        while (voices.size() < VoicesPerScreen)
            voices << new Voice(window);
        int& turn = turns_[window];
        turn = (turn + 1) % VoicesPerScreen;
        voices[turn]->say(text);
        if (spokenListener)
            spokenListener(text);
    }

    std::vector<Watched> watched_;
    std::vector<Pending> pending_;
    std::vector<QPointer<QWidget>> arrived_;
    QHash<QWidget*, int> turns_;
    QPointer<QWidget> reportedFocus_;
    QString lastText_;
    QPointer<QWidget> lastWindow_;
    QElapsedTimer sinceLast_;
    bool scheduled_ = false;
    bool focusMoved_ = false;
    QTimer patience_;
};

Speech* Speech::instance = nullptr;

// Between the program and the accessibility bridge. A step often moves the focus several
// times (change reactions hop from box to box) and a screen reader may drop the last move,
// so only where the focus is once the step is over is reported. A text cursor or selection
// that changes in a box without the focus (a box emptied by code, a box left) would make
// the reader take that box for the focus without saying so, or say "not selected"; one
// that changes while the focus is moving is told with the focus. Neither is reported.
void filterUpdate(QAccessibleEvent* e) {
    QObject* object = e->object();
    Speech* speech = Speech::instance;
    if (speech && qobject_cast<QWidget*>(object)) {
        switch (e->type()) {
        case QAccessible::Focus:
            if (e->child() < 0 && !qobject_cast<QMenu*>(object)) {
                speech->focusMoved();
                return;
            }
            break;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
            if (!speech->isReportedFocus(object))
                return;
            break;
        default:
            break;
        }
    }
    forward(e);
}

} // namespace

void announce(QWidget* onScreen, const QString& text) {
    if (Speech::instance)
        Speech::instance->say(onScreen, text);
}

void speakChanges(QWidget* control, const QString& lead, bool whileHidden) {
    if (Speech::instance && control)
        Speech::instance->watch(control, lead, whileHidden);
}

void speakChanges(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls)
        speakChanges(control);
}

void setStatusLine(QWidget* label) {
    std::erase_if(statusLines(), [](const QPointer<QWidget>& line) { return line.isNull(); });
    statusLines().push_back(label);
}

void setSpokenListener(std::function<void(const QString&)> listener) {
    spokenListener = std::move(listener);
}

QString speakable(QString text) {
    static const QRegularExpression spelled(QStringLiteral("(?<![\\w])\\p{L}(?: \\p{L})+(?![\\w])"));
    static const QRegularExpression times(QStringLiteral("(\\d|^|\\s)\\s*[xX]\\s*(?=\\d)"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text = text.simplified();
    QString joined;
    qsizetype from = 0;
    for (auto it = spelled.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        joined += text.mid(from, m.capturedStart() - from);
        joined += m.captured().remove(QLatin1Char(' '));
        from = m.capturedEnd();
    }
    joined += text.mid(from);
    joined.replace(times, QStringLiteral("\\1 maal "));
    joined.replace(QLatin1String("="), QLatin1String(" is "));
    joined.replace(QLatin1String("<"), QLatin1String(" is kleiner dan "));
    joined.replace(QLatin1String(">"), QLatin1String(" is groter dan "));
    joined.replace(blanks, QStringLiteral(" "));
    return joined.trimmed();
}

namespace detail {

void installSpeech() {
    if (Speech::instance || !qApp)
        return;
    Speech::instance = new Speech;
    handlerBefore = QAccessible::installUpdateHandler(filterUpdate);
}

void stepDone() {
    if (Speech::instance)
        Speech::instance->schedule();
}

QAccessibleInterface* speechInterface(QObject* object) {
    if (auto* voice = dynamic_cast<Voice*>(object))
        return new VoiceAccessible(voice);
    return nullptr;
}

bool isStatusLine(const QWidget* w) {
    return std::any_of(statusLines().begin(), statusLines().end(),
                       [w](const QPointer<QWidget>& line) { return line.data() == w; });
}

} // namespace detail

} // namespace ui
