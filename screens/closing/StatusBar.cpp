#include "screens/closing/StatusBar.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

namespace {

// The panels stand a little below the bar's top edge, as status bars draw them; their text
// keeps a small gap to the frame and is cut off there.
constexpr int PanelTop = 2;
constexpr int TextGap = 2;
constexpr int ClockMs = 1000;

} // namespace

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
    connect(clock_, &QTimer::timeout, this, &StatusBar::showClock);
}

QLabel* StatusBar::addPanel(Style style, int widthTwips, const QString& purpose, const QString& text) {
    // Placed by hand rather than through the bar's layout: the panels touch, and the last one
    // may reach past the bar's edge.
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Panel%1").arg(panels_.size() + 1));
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setMargin(TextGap);
    label->setIndent(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAccessibleDescription(purpose);
    panels_.push_back({label, style, widthTwips});
    placePanels();
    label->show();
    showClock();
    return label;
}

QRect StatusBar::panelRect(int number) const {
    return panel(number)->geometry();
}

void StatusBar::placePanels() {
    // A fixed size also keeps a new text from asking the bar to lay itself out and repaint:
    // only the panel whose text changed is painted again.
    int left = 0;
    for (const Panel& panel : panels_) {
        const int width = ui::px(panel.widthTwips);
        panel.label->setFixedSize(width, std::max(0, height() - PanelTop));
        panel.label->move(left, PanelTop);
        left += width;
    }
}

void StatusBar::showClock() {
    // The short forms a pupil reads; a label that already shows the text does not repaint.
    const QDateTime now = QDateTime::currentDateTime();
    for (const Panel& panel : panels_) {
        if (panel.style == Date)
            panel.label->setText(now.date().toString(QStringLiteral("d-M-yyyy")));
        else if (panel.style == Time)
            panel.label->setText(now.time().toString(QStringLiteral("H:mm")));
    }
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
