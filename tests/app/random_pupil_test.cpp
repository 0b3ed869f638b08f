// A random pupil plays the whole program from start-up: clicks, taps, typing, pasting,
// keys, timer ticks and screen changes, through the closing screen and into a fresh run,
// checking after every step what must always hold.
//   ZEF_PUPIL_SEED=n   replays a run (the seed is printed at the start)
//   ZEF_PUPIL_STEPS=n  its length (tools/pupil_soak.sh runs a long one)
//   ZEF_PUPIL_TRACE=1  prints every action
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/numpad/NumberPad.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"
#include "ui/Touch.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

// The screens' draws, from the run's seed, so that a run replays exactly.
class SeededRandom final : public zef::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void reseed() override {}

private:
    std::mt19937_64 engine_;
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    bool ok = false;
    const std::uint64_t v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

// Controls of the multiplication screens that are never shown, whatever the pupil does: the
// series slots beyond the five shown, the seventh reward picture, and on the easy-or-hard
// screen, which keeps no series, the series buttons and its one spare slot.
const std::vector<const char*>& neverShown(const ui::Form* form) {
    static const std::vector<const char*> one = {"Txtoef1_5", "Txtoef1_6",  "Txtoef1_7", "Txtoef1_8",
                                                 "Txtoef1_9", "Txtoef1_10", "imgpop1_6"};
    static const std::vector<const char*> two = {"Txtoef1_5", "Txtoef1_6", "Txtoef1_7",
                                                 "Txtoef1_8", "Txtoef1_9", "Txtoef1_10"};
    static const std::vector<const char*> easy = {"cmdstop", "cmdnieuw", "imgpop1_6", "Txtoef1_10"};
    static const std::vector<const char*> none;
    if (qobject_cast<const frmmaal2*>(form))
        return one;
    if (qobject_cast<const frmmaal3*>(form))
        return two;
    return qobject_cast<const frmmaal*>(form) ? easy : none;
}

// The windows in a fixed order (Qt keeps them in a set), so that a seed replays.
QWidgetList windows() {
    QWidgetList all = QApplication::topLevelWidgets();
    std::sort(all.begin(), all.end(), [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return all;
}

bool reallyShown(const QWidget* w) {
    return !w->isHidden() && w->isVisibleTo(w->window());
}

class Pupil {
public:
    explicit Pupil(std::uint64_t seed) : seed_(seed), choose_(seed ^ 0x5eedu) { fresh(); }

    // One pupil action; false with the reason when something that must hold does not.
    QString step() {
        act();
        QApplication::processEvents(QEventLoop::X11ExcludeTimers); // real timers stay out of it
        if (tp_->endCalls() > ends_) {
            ++runs_;
            fresh();
        }
        return check();
    }
    int runs() const { return runs_; }
    QString visits() const {
        QStringList out;
        for (auto it = visits_.begin(); it != visits_.end(); ++it)
            out << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        return out.join(QStringLiteral(", ")) + QStringLiteral("; highest menu total %1").arg(best_);
    }

private:
    void fresh() {
        tp_.reset();
        tp_ = std::make_unique<TestProgram>();
        tp_->program().setRandom(std::make_unique<SeededRandom>(choose_()));
        ends_ = tp_->endCalls();
        lastTotal_ = 0;
    }
    int pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(choose_)); }
    Program& program() { return tp_->program(); }

    // The window the pupil works in: the active screen, else the shown one in front.
    QWidget* window() {
        if (ui::Form* f = program().activeScreen())
            return f;
        for (QWidget* w : windows())
            if (qobject_cast<ui::Form*>(w) && reallyShown(w))
                return w;
        return &tp_->main();
    }

    template <class T>
    QList<T*> usable(QWidget* window) {
        QList<T*> out;
        for (T* w : window->findChildren<T*>())
            if (reallyShown(w) && w->isEnabled())
                out << w;
        return out;
    }

    QList<ui::Timer*> runningTimers() {
        QList<ui::Timer*> out;
        for (QWidget* w : windows())
            for (ui::Timer* t : w->findChildren<ui::Timer*>())
                if (t->isActive())
                    out << t;
        return out;
    }

    void key(QWidget* window, int k, char c = 0) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        trace(QStringLiteral("key %1 %2 to").arg(k).arg(c ? QChar(c) : QChar(' ')), target);
        if (c)
            QTest::keyClick(target, c);
        else
            QTest::keyClick(target, Qt::Key(k));
        pointerOrKey_ = true;
    }

    void trace(const QString& what, QObject* w = nullptr) {
        if (trace_)
            std::printf("%s %s\n", qPrintable(what), w ? qPrintable(w->objectName()) : "");
    }

    void act() {
        QWidget* w = window();
        const auto buttons = usable<QAbstractButton>(w);
        const auto boxes = usable<ui::TextBox>(w);
        const auto timers = runningTimers();
        MDIForm2& main = tp_->main();
        const bool menuUsable = main.isEnabled() && !main.isHidden();
        ++visits_[w->objectName()];
        if (w != lastWindow_) {
            lastWindow_ = w;
            stay_ = 0;
            clicks_.clear();
        }
        ++stay_;
        // The closing screen ends the run through its own timer; one without a running
        // timer ends it at once.
        if (qobject_cast<frminfo*>(w) && w->findChildren<ui::Timer*>().isEmpty()) {
            trace(QStringLiteral("closing screen without a timer: end"));
            program().end();
            return;
        }
        if (buttons.isEmpty() && boxes.isEmpty() && timers.isEmpty() && !menuUsable) {
            stuck_ = true; // a screen the pupil cannot leave
            return;
        }
        // With nothing to click the pupil waits for the screen's timers.
        const int choice = buttons.isEmpty() && !timers.isEmpty() && pick(2) ? 9 : pick(13);
        pointerOrKey_ = false;
        switch (choice) {
        case 0:
        case 1:
        case 2:
            if (!buttons.isEmpty()) {
                QAbstractButton* b = buttons[pick(int(buttons.size()))];
                // A pupil long on one screen tries the buttons it has clicked least.
                if (stay_ > 50)
                    for (QAbstractButton* other : buttons)
                        if (clicks_.value(other) < clicks_.value(b))
                            b = other;
                ++clicks_[b];
                trace(QStringLiteral("click"), b);
                QTest::mouseClick(b, Qt::LeftButton);
                pointerOrKey_ = true;
            }
            return;
        case 3:
            if (!boxes.isEmpty()) {
                ui::TextBox* b = boxes[pick(int(boxes.size()))];
                trace(QStringLiteral("click box"), b);
                QTest::mouseClick(b, Qt::LeftButton);
                pointerOrKey_ = true;
            }
            return;
        case 4:
        case 5:
            key(w, 0, char('0' + pick(10)));
            return;
        case 6: {
            static const char other[] = "aZx .-+";
            key(w, 0, other[pick(int(sizeof other) - 1)]);
            return;
        }
        case 7: {
            static const int keys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Backspace};
            key(w, keys[pick(4)]);
            return;
        }
        case 8:
            if (ui::TextBox* box = boxes.isEmpty() ? nullptr : boxes[pick(int(boxes.size()))];
                box && (box->focusPolicy() & Qt::ClickFocus) && !box->isReadOnly()) {
                // Pasted text arrives as one change, however long it is.
                box->setFocus(Qt::MouseFocusReason);
                static const char* const pasted[] = {"12345678901234567890", "9", "abc7", " 0 ", "99999999999"};
                trace(QStringLiteral("paste into"), box);
                box->insert(QString::fromLatin1(pasted[pick(5)]));
            }
            return;
        case 10:
            answerRight(w);
            return;
        case 11:
        case 12: {
            // A finger on a control, or on a key of the number pad while it is up.
            QList<QWidget*> targets(buttons.begin(), buttons.end());
            targets.append(QList<QWidget*>(boxes.begin(), boxes.end()));
            if (auto* pad = w->findChild<numpad::NumberPad*>(); pad && !pad->isHidden() && choice == 12)
                targets = pad->findChildren<QWidget*>();
            if (!targets.isEmpty())
                tap(targets[pick(int(targets.size()))]);
            return;
        }
        default:
            if (!timers.isEmpty() && pick(3) != 0) {
                ui::Timer* t = timers[pick(int(timers.size()))];
                trace(QStringLiteral("tick"), t);
                t->tick();
            } else if (menuUsable && pick(4) == 0) {
                trace(QStringLiteral("menu Basis"));
                main.aftrek2->trigger();
            }
            return;
        }
    }

    // A tap on what is on top at a control's centre clicks it exactly once.
    void tap(QWidget* target) {
        QWidget* top = target->window()->childAt(target->mapTo(target->window(), target->rect().center()));
        if (top != target && !target->isAncestorOf(top))
            return;
        auto* button = qobject_cast<QAbstractButton*>(target);
        QSignalSpy clicks = button ? QSignalSpy(button, &QAbstractButton::clicked)
                                   : QSignalSpy(static_cast<ui::TextBox*>(target), &ui::TextBox::clicked);
        trace(QStringLiteral("tap"), target);
        TestProgram::tap(target);
        if (clicks.count() != 1)
            tapFault_ = QStringLiteral("a tap on %1 clicked it %2 times").arg(target->objectName()).arg(clicks.count());
    }

    // The number pad is up only for touch, on a shown screen, with the focus in one of its boxes.
    QString checkPads() {
        if (pointerOrKey_ && ui::touchInUse())
            return QStringLiteral("touch still in use after a mouse click or a key");
        for (QWidget* top : windows())
            for (numpad::NumberPad* pad : top->findChildren<numpad::NumberPad*>()) {
                if (pad->isHidden())
                    continue;
                if (!ui::touchInUse() || top->isHidden() || !pad->target())
                    return QStringLiteral("%1 shows the number pad (touch %2, focus on %3)")
                        .arg(top->objectName())
                        .arg(ui::touchInUse())
                        .arg(top->focusWidget() ? top->focusWidget()->objectName() : QStringLiteral("-"));
            }
        return {};
    }

    // A pupil who works the product out from the problem boxes types it, units first.
    void answerRight(QWidget* w) {
        auto digit = [w](const char* name) {
            auto* b = w->findChild<ui::TextBox*>(QLatin1String(name));
            return b ? b->text().toInt() : 0;
        };
        if (!w->findChild<ui::TextBox*>(QStringLiteral("txt100")))
            return;
        const int multiplicand = digit("txt100") * 100 + digit("txt10") * 10 + digit("txt1");
        const bool two = w->findChild<ui::TextBox*>(QStringLiteral("txtmalerE"));
        const int multiplier = two ? digit("txtmalerT") * 10 + digit("txtmalerE") : digit("txtmaler");
        static const char* const one[] = {"txteenheid", "txttiental", "txthonderdtal", "txtduizendtal"};
        static const char* const sum[] = {"txtuitkomstE", "txtuitkomstT", "txtuitkomstH", "txtuitkomstD",
                                          "txtuitkomstTD"};
        const QString product = QString::number(multiplicand * multiplier);
        trace(QStringLiteral("answers %1 x %2").arg(multiplicand).arg(multiplier));
        for (int i = 0; i < int(product.size()) && i < (two ? 5 : 4); ++i) {
            auto* box = w->findChild<ui::TextBox*>(QLatin1String(two ? sum[i] : one[i]));
            if (box && reallyShown(box) && box->isEnabled()) {
                box->setFocus(Qt::MouseFocusReason);
                QTest::keyClick(box, product.at(product.size() - 1 - i).toLatin1());
                pointerOrKey_ = true;
            }
        }
    }

    QString checkSeries(QWidget& screen, int records) {
        static const QRegularExpression line(QStringLiteral("^\\d{3} x \\d{1,2} [=<>] \\d+$"));
        if (records < 0 || records > 11)
            return QStringLiteral("%1 holds %2 records").arg(screen.objectName()).arg(records);
        int shown = 0;
        for (int i = 0; i <= 10; ++i) {
            auto* slot = screen.findChild<ui::TextBox*>(QStringLiteral("Txtoef1_%1").arg(i));
            if (!slot)
                continue;
            shown += !slot->isHidden() && !slot->text().isEmpty();
            if (!slot->text().isEmpty() && !line.match(slot->text()).hasMatch())
                return QStringLiteral("%1 record %2 reads '%3'").arg(screen.objectName()).arg(i).arg(slot->text());
            if (i >= records && !slot->text().isEmpty())
                return QStringLiteral("%1 slot %2 filled beyond %3 records")
                    .arg(screen.objectName())
                    .arg(i)
                    .arg(records);
        }
        if (shown > 5)
            return QStringLiteral("%1 shows %2 records").arg(screen.objectName()).arg(shown);
        return {};
    }

    QString check() {
        if (stuck_)
            return QStringLiteral("no action left on %1").arg(window()->objectName());
        if (!tapFault_.isEmpty())
            return tapFault_;
        if (QString e = checkPads(); !e.isEmpty())
            return e;
        Program& p = program();
        if (p.isCreated<frmkiesbasis>()) {
            bool ok = false;
            const QString caption = p.screen<frmkiesbasis>().lblgemaakt->text();
            const int total = caption.toInt(&ok);
            if (!ok || total < 0 || total > 32767)
                return QStringLiteral("menu total reads '%1'").arg(caption);
            if (total < lastTotal_)
                return QStringLiteral("menu total dropped from %1 to %2").arg(lastTotal_).arg(total);
            lastTotal_ = total;
            best_ = std::max(best_, total);
        }
        if (p.isCreated<frmmaal2>())
            if (QString e = checkSeries(p.screen<frmmaal2>(), p.screen<frmmaal2>().records()); !e.isEmpty())
                return e;
        if (p.isCreated<frmmaal3>())
            if (QString e = checkSeries(p.screen<frmmaal3>(), p.screen<frmmaal3>().records()); !e.isEmpty())
                return e;
        for (QWidget* top : windows()) {
            auto* form = qobject_cast<ui::Form*>(top);
            if (!form)
                continue;
            for (const char* name : neverShown(form)) {
                QWidget* c = form->findChild<QWidget*>(QLatin1String(name));
                if (!c)
                    return QStringLiteral("%1 has no control %2 to watch").arg(form->objectName(), QLatin1String(name));
                if (!c->isHidden())
                    return QStringLiteral("%1 shows %2").arg(form->objectName(), QLatin1String(name));
            }
            if (QWidget* c = form->findChild<QWidget*>(QStringLiteral("txtgetal2"));
                qobject_cast<Aklas*>(form) && c && !c->isHidden())
                return QStringLiteral("the room shows txtgetal2");
            if (form->isHidden())
                continue;
            if (QWidget* f = form->focusWidget(); f && (!reallyShown(f) || !f->isEnabled()))
                return QStringLiteral("%1: focus on hidden or disabled %2 (app focus %3, active %4)")
                    .arg(form->objectName(), f->objectName(),
                         QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-",
                         QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : "-");
        }
        if (ui::Form* active = p.activeScreen(); active && active->isHidden())
            return QStringLiteral("active screen %1 is hidden").arg(active->objectName());
        return {};
    }

    std::uint64_t seed_;
    std::mt19937_64 choose_;
    std::unique_ptr<TestProgram> tp_;
    int ends_ = 0;
    int runs_ = 0;
    int lastTotal_ = 0;
    int best_ = 0;
    bool stuck_ = false;
    bool pointerOrKey_ = false; // the last action pressed a mouse button or a key
    QString tapFault_;
    QMap<QString, int> visits_;
    QWidget* lastWindow_ = nullptr;
    int stay_ = 0;
    QHash<QObject*, int> clicks_;
    bool trace_ = qEnvironmentVariableIsSet("ZEF_PUPIL_TRACE");
};

} // namespace

class RandomPupilTest : public QObject {
    Q_OBJECT
private slots:
    // A watched name that matches no control would never catch anything.
    void neverShownNamesAreControls() {
        TestProgram t;
        Program& p = t.program();
        for (ui::Form* screen :
             std::initializer_list<ui::Form*>{&p.screen<frmmaal2>(), &p.screen<frmmaal3>(), &p.screen<frmmaal>()})
            for (const char* name : neverShown(screen))
                QVERIFY2(screen->findChild<QWidget*>(QLatin1String(name)),
                         qPrintable(screen->objectName() + QStringLiteral(" has no ") + QLatin1String(name)));
    }

    void playsWithoutBreakingAnything() {
        const auto clock = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
        const std::uint64_t seed = envNumber("ZEF_PUPIL_SEED", clock % 1000000007u);
        const std::uint64_t steps = envNumber("ZEF_PUPIL_STEPS", 2500);
        std::printf("random pupil: seed %llu, %llu steps (replay: ZEF_PUPIL_SEED=%llu ZEF_PUPIL_STEPS=%llu)\n",
                    (unsigned long long)seed, (unsigned long long)steps, (unsigned long long)seed,
                    (unsigned long long)steps);
        std::fflush(stdout); // still there when a step crashes
        Pupil pupil(seed);
        for (std::uint64_t n = 1; n <= steps; ++n) {
            const QString fault = pupil.step();
            if (n % 100000 == 0) {
                long pages = 0, resident = 0;
                if (FILE* f = std::fopen("/proc/self/statm", "r")) {
                    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
                        resident = 0;
                    std::fclose(f);
                }
                std::printf("random pupil: %llu steps done, %d runs, resident %ld KiB\n", (unsigned long long)n,
                            pupil.runs(), resident * 4);
                std::fflush(stdout);
            }
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("step %1: %2 (replay: ZEF_PUPIL_SEED=%3 ZEF_PUPIL_STEPS=%1)")
                                     .arg(n)
                                     .arg(fault)
                                     .arg(seed)));
        }
        std::printf("random pupil: %llu steps, %d runs ended by the program; steps per screen: %s\n",
                    (unsigned long long)steps, pupil.runs(), qPrintable(pupil.visits()));
    }
};

QTEST_MAIN(RandomPupilTest)
#include "random_pupil_test.moc"
