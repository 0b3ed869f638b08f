#pragma once
// What the two screens with a one-digit multiplier share: frmmaal2, where the pupil
// types the product, and frmmaal, where the screen writes the column products and the
// pupil clicks them to see what carries.
//
// Shared here: the problem boxes (txt100, txt10, txt1, txtmaler), the answer row
// (txtduizendtal, txthonderdtal, txttiental, txteenheid), the "X" and the rule, the
// working values of the exercise, the verdict panel, the carry-note keypad, the clearing
// of all of these, filling them for a new exercise, and reading and judging the answer row.
// Where those controls stand differs (BoardLayout); the rest differs in behaviour:
//
//                        frmmaal2                          frmmaal
//   answer boxes         typed by the pupil                written by cmdstart, then clicked
//   series, total        five records, raises the total    none, leaves the total alone
//   keypad also opens    -                                 on every answer-box change
//   note emptied by      every answer-box change           a change of txteenheid, a click on H
//   cmdCreate            shown by cmdstart, hidden by D    always shown
//   status on cmdCreate  a hint about the keys             unchanged
#include "app/Screen.h"
#include "exercise/ColumnExercise.h"
#include "screens/keypad/Keypad.h"
#include "screens/scoring/Keeping.h"
#include "screens/scoring/VerdictPanel.h"

#include <QPoint>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Label;
class Picture;
class Shape;
class TextBox;
} // namespace ui

namespace column1 {

struct BoardLayout {
    int thousandsLeft;   // the D column; H, T and E follow 1200 twips apart, the rule spans all four
    QPoint times;        // Label1, the "X"
    keypad::Layout keys; // the carry-note panel
};

// frmmaal2
inline constexpr BoardLayout ColumnBoard{.thousandsLeft = 2400, .times = {1560, 2880}, .keys = keypad::ColumnLayout};
// frmmaal
inline constexpr BoardLayout EasyHardBoard{
    .thousandsLeft = 2160, .times = {4680, 2040}, .keys = keypad::EasyHardLayout};

class OneDigitScreen : public Screen {
public:
    ~OneDigitScreen() override;

    static constexpr int RewardPictures = scoring::VerdictPanel::Pictures;

    ui::TextBox* txtduizendtal = nullptr;
    ui::TextBox* txthonderdtal = nullptr;
    ui::TextBox* txttiental = nullptr;
    ui::TextBox* txteenheid = nullptr;
    ui::TextBox* txtmaler = nullptr;
    ui::TextBox* txt1 = nullptr;
    ui::TextBox* txt10 = nullptr;
    ui::TextBox* txt100 = nullptr;
    ui::Label* lbloordeel = nullptr;
    ui::Shape* shpoordeel = nullptr;
    std::array<ui::Picture*, RewardPictures> imgpop1{};

    keypad::Keypad& keypad() { return *keypad_; }
    // The exercise drawn last and the answer read at the last check.
    const zef::ColumnExercise& exercise() const { return working.exercise; }
    const zef::AnswerReading& answer() const { return working.answer; }

protected:
    OneDigitScreen(Program& program, const char* name, const QString& caption, int clientWidthTwips,
                   int clientHeightTwips, const BoardLayout& layout);

    // Build steps, each called where the screen's design order puts it.
    void buildKeypad();
    // The answer row, the problem boxes, the verdict panel, "X" and rule.
    void buildBoard();

    // No exercise on the board any more, thousands box hidden, every box emptied (change
    // reactions run), verdict panel cleared, keypad closed.
    void ClearBoard();
    // The problem boxes of the exercise drawn last, now on the board; the thousands box is
    // shown when the product has four digits.
    void showProblem();
    // Repairs the answer row (a box that does not hold a number becomes "0", its change
    // reaction running) and reads it by the true value of every box.
    const zef::AnswerReading& readBoxes();
    // The verdict on the answer read last, handed on to be kept; true when it is right. With
    // no exercise on the board there is nothing to reach, no answer is right and nothing is
    // kept.
    bool showVerdict();
    void FocusNextBox();
    // The order of work for Tab: start, the answer from the units leftwards, the carry
    // notes, then the screen's own buttons in the order given.
    void setWorkOrder(QWidget* start, const std::vector<QWidget*>& buttons);

    // One worked-out text of the exercise on the board; empty while the board is clear.
    QString worked(const std::string& value) const;

    struct Working {
        zef::ColumnExercise exercise; // kept when the board is cleared: the reminder and the record line use it
        bool onBoard = false;         // shown on the board since the last clearing
        zef::AnswerReading answer;    // the pupil's answer as read at the last check
        scoring::Stopwatch started;   // since the problem went on the board
    };
    Working working;

private:
    BoardLayout layout_;
    std::unique_ptr<keypad::Keypad> keypad_;
    std::unique_ptr<scoring::VerdictPanel> verdict_;
};

} // namespace column1
