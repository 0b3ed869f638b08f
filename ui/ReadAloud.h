#pragma once
// Reading aloud, for pupils who read poorly: what the program says for a screen reader
// (ui/Speech.h) is spoken by the program itself as well, in Dutch, through the desktop's
// speech service. Never while a screen reader runs (the accessibility bus says so), so a
// pupil never hears two voices. Off until the configuration or its key (F9) switches it on.
#include <QObject>
#include <QStringList>

class QThread;
class QVariant;

namespace ui {

class Speaker;

class ReadAloud : public QObject {
    Q_OBJECT
public:
    // engine: the name of Qt's speech engine to use.
    explicit ReadAloud(const QString& engine = QStringLiteral("speechd"), QObject* parent = nullptr);
    ~ReadAloud() override;

    bool isOn() const { return on_; }
    // Switching on says so, or says once why reading aloud cannot work on this computer.
    void setOn(bool on);
    void toggle() { setOn(!on_); }

    // A text the program says; spoken once the screen reader question is answered. What is
    // still being said about an earlier step stops.
    void hear(const QString& text);

    // The voice in use; empty while there is none.
    QString voiceName() const { return voice_; }
    // Why reading aloud cannot work; empty while it can (or was never tried).
    QString problem() const { return problem_; }

    // Of the voices of one language, the plain one rather than a variant ("Dutch", not
    // "Dutch+Demonic"); -1 for none.
    static qsizetype plainVoice(const QStringList& names);

    // The text shown and said on switching.
    static QString noticeFor(bool on, const QString& problem, bool screenReader);

signals:
    // A text handed to the speech engine.
    void spoken(const QString& text);

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override;

private slots:
    void a11yStatusChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    void askScreenReader();
    void answered(const QVariant& screenReader);
    void speakPending();
    void prepareEngine();
    void opened(const QString& problem, const QString& voice);
    // Hands text to the engine, cutting off what it still says; an empty text only stops it.
    void speak(const QString& text);

    QString engineName_;
    QThread* thread_ = nullptr;
    Speaker* speaker_ = nullptr; // lives on thread_
    bool on_ = false;
    bool tried_ = false;
    bool ready_ = false;
    bool asking_ = false;
    bool screenReader_ = false;
    QString voice_;
    QString problem_;
    QStringList pending_;
};

// The application's reading aloud, with its key; the program's speech goes to it.
// Later calls only switch it.
ReadAloud& installReadAloud(bool on);

// A short notice at the top of the screen in front, said as well; it goes by itself.
void showNotice(const QString& text);

} // namespace ui
