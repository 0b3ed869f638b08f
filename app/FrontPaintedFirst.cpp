#include "app/FrontPaintedFirst.h"

#include <QCoreApplication>
#include <QExposeEvent>
#include <QTimer>

FrontPaintedFirst::FrontPaintedFirst(QWindow* backdrop, QWindow* front)
    : QObject(backdrop), backdrop_(backdrop), front_(front) {
    backdrop_->installEventFilter(this);
    front_->installEventFilter(this);
    QTimer::singleShot(MostWaitMs, this, &FrontPaintedFirst::release);
}

bool FrontPaintedFirst::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::Expose || released_)
        return false;
    if (watched == backdrop_) {
        held_ = true;
        return true;
    }
    // The screen paints while it handles this event; the backdrop follows right after.
    if (watched == front_)
        QTimer::singleShot(0, this, &FrontPaintedFirst::release);
    return false;
}

void FrontPaintedFirst::release() {
    if (released_)
        return;
    released_ = true;
    // A hidden screen gives its window back, so either window may be gone by now.
    if (front_)
        front_->removeEventFilter(this);
    if (held_ && backdrop_ && backdrop_->isExposed()) {
        QExposeEvent again{QRegion(QRect(QPoint(), backdrop_->size()))};
        QCoreApplication::sendEvent(backdrop_, &again);
    }
    deleteLater();
}
