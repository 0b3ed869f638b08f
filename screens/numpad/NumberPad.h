#pragma once
// The number pad for pupils who work with a finger alone: the digits 0 to 9 and "wis",
// shown beside the exercise while a tap has put the focus into one of the answer boxes
// it serves, and gone as soon as the focus leaves them, the screen is left or the pupil
// uses the mouse or the keyboard. A key writes into the focused box as a typed digit
// does, so the screen's change reactions run exactly as they do for the keyboard.
#include "ui/ControlTable.h"

#include <QWidget>
#include <array>
#include <vector>

class QLineEdit;
class QPushButton;

namespace numpad {

// Where the screen puts the pad: one row of keys over the band of the series records,
// which the pupil does not need while writing the answer.
struct Layout {
    ui::Twips at;
};

// The column multiplication screen: over the records band, left of the status board.
inline constexpr Layout ColumnLayout{.at = {0, 4560, 8520, 1095}};
// The two-digit multiplier screen: under the sum row, left of the "A-klas" button.
inline constexpr Layout TwoDigitLayout{.at = {240, 5460, 8535, 1020}};

class NumberPad : public QWidget {
    Q_OBJECT
public:
    static constexpr int Keys = 11;

    // Builds the pad, hidden, on host; it serves the given answer boxes.
    NumberPad(QWidget& host, const Layout& layout, std::vector<QLineEdit*> boxes);

    // The box a key writes into: the served box that has the focus, if any.
    QLineEdit* target() const;

    // A digit key: the digit goes into the focused box as if it were typed there.
    void cmdcijfer_Click(int digit);
    // "wis": the focused box is emptied as the keyboard would empty it, and keeps the focus
    // so that its digit can be written again.
    void cmdwis_Click();

    std::array<QPushButton*, 10> cmdcijfer{}; // cmdcijfer0 .. cmdcijfer9
    QPushButton* cmdwis = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    // Shows the pad while touch is in use and the focus is in a served box; hides it otherwise.
    void follow();
    void place(const Layout& layout);

    QWidget& host_;
    std::vector<QLineEdit*> boxes_;
};

} // namespace numpad
