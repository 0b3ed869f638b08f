#pragma once
// A status bar of fixed panels side by side: sunken framed labels, each with a width in
// twips. Date and time panels keep themselves current while the bar is shown.
#include <QStatusBar>
#include <vector>

class QLabel;
class QTimer;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum Style { Text, Date, Time };
    explicit StatusBar(QWidget* parent);

    // Adds a panel to the right of the others; one that reaches past the bar's right edge is
    // cut off there. A screen reader reads the panel by what it shows, and tells its purpose
    // as its description.
    QLabel* addPanel(Style style, int widthTwips, const QString& purpose, const QString& text = {});
    // Panels are numbered from 1, left to right.
    QLabel* panel(int number) const { return panels_.at(std::size_t(number - 1)).label; }
    int panelCount() const { return int(panels_.size()); }
    // The rectangle of a panel in the bar's own pixels, border included.
    QRect panelRect(int number) const;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Panel {
        QLabel* label;
        Style style;
        int widthTwips;
    };

    void placePanels();
    void showClock();

    std::vector<Panel> panels_;
    QTimer* clock_ = nullptr;
};
