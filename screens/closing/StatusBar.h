#pragma once
// A status bar of fixed panels side by side, each with its text, a Tag and a width in
// twips. Date and time panels keep themselves current while the bar is shown.
#include <QFrame>
#include <QStatusBar>
#include <vector>

class QDateTime;
class QTimer;

class StatusPanel : public QFrame {
    Q_OBJECT
public:
    enum Style { Text, Date, Time };
    StatusPanel(QWidget* parent, Style style, int widthTwips);

    Style style() const { return style_; }
    int widthTwips() const { return widthTwips_; }
    QString text() const { return text_; }
    void setText(const QString& text);
    // Free text kept with the panel; the screen that owns the bar decides what it means.
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Date and time panels show the moment given, in the short forms a pupil reads.
    void showClock(const QDateTime& now);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Style style_;
    int widthTwips_;
    QString text_;
    QString tag_;
};

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    // Adds a panel to the right of the others. Panels that reach past the bar's right edge
    // are cut off there.
    StatusPanel* addPanel(StatusPanel::Style style, int widthTwips, const QString& text = {});
    // Panels are numbered from 1, left to right.
    StatusPanel* panel(int number) const { return panels_.at(std::size_t(number - 1)); }
    int panelCount() const { return int(panels_.size()); }
    // The rectangle of a panel in the bar's own pixels, border included.
    QRect panelRect(int number) const { return panel(number)->geometry(); }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placePanels();
    void showClock();

    std::vector<StatusPanel*> panels_;
    QTimer* clock_ = nullptr;
};
