#pragma once
// The carry-note panel: a note box, the key "onthouden" that opens the keypad and the
// keys 1 to 9 and the point. Both column screens that let the pupil note a carry build
// it from their own layout; the panel keeps no state beyond its controls.
#include "ui/ControlTable.h"

#include <QPoint>
#include <array>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {
class Label;
class PictureButton;
class Shape;
class TextBox;
} // namespace ui

namespace keypad {

// Where the screens differ; everything else about the panel is the same.
struct Layout {
    int noteBack;    // background of txthulp
    ui::Twips panel; // Shape1
    int titleWidth;  // LBLONTHOUD
    QPoint create;   // cmdCreate, left and top
    int keysTop;     // cmdhelp1 .. cmdhelp9 in one row
    int keysLeft;
    int keysStep;
    QPoint point;                 // cmdhelpstip, left and top
    int noteLeft = 7560;          // txthulp
    int titleLeft = 7560;         // LBLONTHOUD
    bool hideTakesCreate = false; // HideKeypad also hides cmdCreate
};

// The column multiplication screen.
inline constexpr Layout ColumnLayout{.noteBack = 0xFFFF80,
                                     .panel = {7320, 120, 4695, 2415},
                                     .titleWidth = 3975,
                                     .create = {10560, 720},
                                     .keysTop = 1800,
                                     .keysLeft = 7560,
                                     .keysStep = 480,
                                     .point = {9360, 1080}};

// The easy-or-hard screen.
inline constexpr Layout EasyHardLayout{.noteBack = 0xFFC080,
                                       .panel = {7080, 120, 4695, 2655},
                                       .titleWidth = 3255,
                                       .create = {9840, 720},
                                       .keysTop = 2040,
                                       .keysLeft = 7200,
                                       .keysStep = 495,
                                       .point = {8880, 1080}};

// The two-digit multiplier screen.
inline constexpr Layout TwoDigitLayout{.noteBack = 0xFFFF80,
                                       .panel = {7080, 120, 4455, 2655},
                                       .titleWidth = 3495,
                                       .create = {10320, 720},
                                       .keysTop = 2040,
                                       .keysLeft = 7200,
                                       .keysStep = 465,
                                       .point = {9120, 1080},
                                       .noteLeft = 7800,
                                       .titleLeft = 7800,
                                       .hideTakesCreate = true};

// The answer boxes a note key sends the pupil back to.
struct AnswerRow {
    QLineEdit* eenheid;
    QLineEdit* tiental;
    QLineEdit* honderdtal;
    QLineEdit* duizendtal;
};

// The focus goes to the first answer box from the right that still needs a digit;
// the thousands box only while it is shown.
void FocusNextBox(const AnswerRow& row);

class Keypad {
public:
    // Builds the panel's controls on host; a key press writes the note and then calls
    // focusNextBox.
    Keypad(QWidget& host, const Layout& layout, std::function<void()> focusNextBox);

    // "onthouden", the keys 1 to 9 and the point, in the order the pupil tabs through them.
    std::vector<QWidget*> tabStops() const;

    void ShowKeypad();
    // Keys hidden, note emptied and hidden; cmdCreate too where the layout says so.
    void HideKeypad();

    // The one handler of the ten keys: the note becomes the key's caption, never more
    // than that one character.
    void cmdhelp_Click(QPushButton* key);

    std::array<QPushButton*, 9> cmdhelp{}; // cmdhelp1 .. cmdhelp9
    QPushButton* cmdhelpstip = nullptr;
    ui::PictureButton* cmdCreate = nullptr;
    ui::TextBox* txthulp = nullptr;
    ui::Label* LBLONTHOUD = nullptr;
    ui::Shape* Shape1 = nullptr;

private:
    std::function<void()> focusNextBox_;
    bool hideTakesCreate_ = false;
};

} // namespace keypad
