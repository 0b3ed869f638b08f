#include "screens/closing/StatusBar.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

namespace {

// The panels stand a little below the bar's top edge, as status bars draw them.
constexpr int PanelTop = 2;
constexpr int TextInset = 3;
constexpr int ClockMs = 1000;

} // namespace

// ---------------------------------------------------------------- StatusPanel

StatusPanel::StatusPanel(QWidget* parent, Style style, int widthTwips)
    : QFrame(parent), style_(style), widthTwips_(widthTwips) {
    setFocusPolicy(Qt::NoFocus);
}

void StatusPanel::setText(const QString& text) {
    // Only this panel repaints: the bar around it and its other panels stay as they are.
    if (text == text_)
        return;
    text_ = text;
    update();
}

void StatusPanel::showClock(const QDateTime& now) {
    if (style_ == Date)
        setText(now.date().toString(QStringLiteral("d-M-yyyy")));
    else if (style_ == Time)
        setText(now.time().toString(QStringLiteral("H:mm")));
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    const QRect inner = rect().adjusted(TextInset, 1, -TextInset, -1);
    painter.setClipRect(inner);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

// ---------------------------------------------------------------- StatusBar

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // The bar keeps the usual light face, whatever colour the screen behind it has.
    const QPalette standard = QApplication::palette();
    ui::setColourRole(this, QPalette::Window, standard.color(QPalette::Active, QPalette::Window));
    ui::setColourRole(this, QPalette::WindowText, standard.color(QPalette::Active, QPalette::WindowText));
    setAutoFillBackground(true);
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("clock"));
    clock_->setInterval(ClockMs);
    connect(clock_, &QTimer::timeout, this, [this] { showClock(); });
}

StatusPanel* StatusBar::addPanel(StatusPanel::Style style, int widthTwips, const QString& text) {
    auto* panel = new StatusPanel(this, style, widthTwips);
    panel->setObjectName(QStringLiteral("Panel%1").arg(panels_.size() + 1));
    panel->setText(text);
    panels_.push_back(panel);
    placePanels();
    panel->show();
    panel->showClock(QDateTime::currentDateTime());
    return panel;
}

void StatusBar::placePanels() {
    int left = 0;
    for (StatusPanel* panel : panels_) {
        const int width = ui::px(panel->widthTwips());
        panel->setGeometry(left, PanelTop, width, std::max(0, height() - PanelTop));
        left += width;
    }
}

void StatusBar::showClock() {
    const QDateTime now = QDateTime::currentDateTime();
    for (StatusPanel* panel : panels_)
        panel->showClock(now);
}

void StatusBar::showEvent(QShowEvent* e) {
    QStatusBar::showEvent(e);
    showClock();
    clock_->start();
}

void StatusBar::hideEvent(QHideEvent* e) {
    clock_->stop();
    QStatusBar::hideEvent(e);
}

void StatusBar::resizeEvent(QResizeEvent* e) {
    QStatusBar::resizeEvent(e);
    placePanels();
}
