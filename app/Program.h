#pragma once
// The running program: its main window, the one instance of every screen,
// the hand-over between screens and the end of the run.
#include "exercise/Random.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

class QWidget;
namespace ui {
class Form;
}

class MDIForm2;
class FullDisplay;
namespace results {
struct Check;
class Recorder;
} // namespace results

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up: the main window's load step (welcome screen in front), then the main window.
    void start();
    // Pictures drawn in one run are kept for the next, in the user's cache folder.
    static void keepPicturesBetweenRuns();

    // Ending the program: by default every screen timer stops, every window closes and
    // the event loop ends with status 0.
    void setEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }
    void end();

    MDIForm2& mainWindow();
    // The whole display for a class board (F11).
    FullDisplay& fullDisplay() { return *fullDisplay_; }

    // The one instance of screen S, created (and loaded) on first touch.
    template <class S>
    S& screen() {
        const std::type_index key(typeid(S));
        if (auto it = screens_.find(key); it != screens_.end())
            return static_cast<S&>(*it->second);
        auto owned = std::make_unique<S>(*this);
        S& created = *owned;
        screens_.emplace(key, std::move(owned));
        adopt(created);
        return created;
    }
    template <class S>
    bool isCreated() const {
        return screens_.count(std::type_index(typeid(S))) != 0;
    }

    // Shows a screen and makes it the active one; its activate step runs when it was not active.
    void ShowScreen(ui::Form& form);
    void HideScreen(ui::Form& form);
    template <class S>
    void ShowScreen() {
        ShowScreen(screen<S>());
    }
    template <class S>
    void HideScreen() {
        HideScreen(screen<S>());
    }

    // Results. Off unless the configuration asks to keep them (main sets the recorder); a
    // screen hands every finished check here and never waits for it to be stored.
    void setRecorder(std::unique_ptr<results::Recorder> recorder);
    results::Recorder* recorder() const { return recorder_.get(); }
    // Who is practising: the login name, or the name chosen on the "Wie ben jij?" screen.
    void setPupil(const QString& name);
    const QString& pupil() const;
    // The names of a class that shares one login, whom the "Wie ben jij?" screen asks to
    // choose: the configuration's, unless a test gives others before that screen is made.
    const QStringList& classList() const { return classList_; }
    void setClassList(const QStringList& names) { classList_ = names; }
    // Takes a check with its screen, problem, answer, verdict, time and diagnosis filled in;
    // the pupil, id and moment are added here.
    void keep(results::Check check);

    // The screen whose activate step ran last and that is still the program's active screen.
    ui::Form* activeScreen() const { return active_; }

    // Where the screens draw their random numbers; tests put a scripted source here.
    zef::RandomSource& random() { return *random_; }
    void setRandom(std::unique_ptr<zef::RandomSource> source) { random_ = std::move(source); }

private:
    void closeAll();
    void adopt(ui::Form& form);
    void attach(ui::Form& form);
    void windowActivated(ui::Form* form);
    void closeRequested(ui::Form& form);
    void mainWindowActivated();
    // The visible screen the pupil works in, if any.
    ui::Form* frontScreen() const;
    // Gives the activation back from the backdrop to the screen in front of it.
    void bringScreenBack();
    // Brings back what the window system minimised, the screen in front.
    void windowMinimised();
    void restoreMinimised();

    friend class MDIForm2;
    std::unique_ptr<MDIForm2> main_;
    std::unordered_map<std::type_index, std::unique_ptr<ui::Form>> screens_;
    ui::Form* active_ = nullptr;
    std::unique_ptr<zef::RandomSource> random_;
    std::function<void()> endHandler_;
    std::unique_ptr<FullDisplay> fullDisplay_;
    std::unique_ptr<results::Recorder> recorder_;
    QString pupil_;
    QStringList classList_;
};

// Puts a screen's centre on the centre of the display (Left first, then Top). scaleChanged:
// the display's scale has changed since the window was last placed.
void CentreOnScreen(QWidget& window, bool scaleChanged = false);
