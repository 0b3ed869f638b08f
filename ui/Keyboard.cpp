#include "ui/Keyboard.h"

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

bool keyboard = false;

void refreshFocus() {
    if (QWidget* w = QApplication::focusWidget())
        w->update();
}

bool enterClicks(QWidget* control) {
    auto* form = qobject_cast<Form*>(control->window());
    return control->isEnabled() && control->isVisible() && (!form || form->enterClicksButtons());
}

class KeyboardRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress: {
            if (!keyboard) {
                keyboard = true;
                refreshFocus();
            }
            auto* key = static_cast<QKeyEvent*>(e);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            auto* button = qobject_cast<QAbstractButton*>(receiver);
            if (enter && button && enterClicks(button)) {
                // A held key clicks once, as Space does.
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
            // Enter on an answer box does what a click on it does.
            auto* box = qobject_cast<TextBox*>(receiver);
            if (enter && box && box->isEnabled() && enterClicks(box)) {
                if (!key->isAutoRepeat())
                    emit box->clicked();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress:
            if (keyboard) {
                keyboard = false;
                refreshFocus();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(receiver, e);
    }
};

} // namespace

void installKeyboardRules() {
    static KeyboardRules* rules = nullptr;
    if (rules || !qApp)
        return;
    rules = new KeyboardRules(qApp);
    qApp->installEventFilter(rules);
}

bool keyboardInUse() {
    return keyboard;
}

void paintFocusMark(QWidget* w, QPainter& painter) {
    if (!keyboard || !w->hasFocus())
        return;
    // Thick enough for a classroom projector, thinner on the small keypad keys.
    const int ring = std::clamp(std::min(w->width(), w->height()) / 12, 2, 4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRectF all = QRectF(w->rect());
    painter.setPen(QPen(rgb(FocusMarkOuter), ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(all.adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0));
    painter.setPen(QPen(rgb(FocusMarkInner), ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(all.adjusted(ring * 1.5, ring * 1.5, -ring * 1.5, -ring * 1.5));
    painter.restore();
}

} // namespace ui
