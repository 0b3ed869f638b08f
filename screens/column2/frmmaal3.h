#pragma once
// Column multiplication of a three-digit number by a two-digit multiplier: a first row
// (times the units digit), a second row (times the tens digit, one place to the left)
// and their sum, typed box by box with the screen leading the way. Only the sum is
// judged. Series of five, the carry-note keypad and a times-table reminder on the screen.
#include "app/Screen.h"
#include "exercise/TwoDigitExercise.h"
#include "screens/scoring/Keeping.h"
#include "screens/scoring/RunningTotal.h"
#include "screens/scoring/SeriesRecords.h"
#include "screens/scoring/VerdictPanel.h"

#include <array>
#include <memory>
#include <span>

class QPushButton;

namespace keypad {
class Keypad;
}
namespace ui {
class Label;
class Picture;
class PictureButton;
class Shape;
class TextBox;
class Timer;
} // namespace ui

class frmmaal3 : public Screen {
    Q_OBJECT
public:
    explicit frmmaal3(Program& program);
    ~frmmaal3() override;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstart_Click();
    void cmdCreate_Click();
    void cmdaklas1_Click();
    void cmdaklas2_Click();
    void tmraklas_Timer();
    void trmaklas2_Timer();
    void cmdcontrole_Click();
    void cmdnieuw_Click();
    void cmdstop_Click();
    void cmdstop2_Click();

    void txteenheid_Change();
    void txttiental_Change();
    void txthonderdtal_Change();
    void txtduizendtal_Change();
    void txtleeg2_Change();
    void txttiental2_Change();
    void txthonderdtal2_Change();
    void txtduizendtal2_Change();
    void txttienduizendtal2_Change();
    void txtuitkomstE_Change();
    void txtuitkomstT_Change();
    void txtuitkomstH_Change();
    void txtuitkomstD_Change();
    void txtuitkomstTD_Change();
    // Clicking a box other than txtleeg2 empties it for the digit to be typed again.
    void txteenheid_Click() { retype(txteenheid); }
    void txttiental_Click() { retype(txttiental); }
    void txthonderdtal_Click() { retype(txthonderdtal); }
    void txtduizendtal_Click() { retype(txtduizendtal); }
    void txtleeg2_Click();
    void txttiental2_Click() { retype(txttiental2); }
    void txthonderdtal2_Click() { retype(txthonderdtal2); }
    void txtduizendtal2_Click() { retype(txtduizendtal2); }
    void txttienduizendtal2_Click() { retype(txttienduizendtal2); }
    void txtuitkomstE_Click() { retype(txtuitkomstE); }
    void txtuitkomstT_Click() { retype(txtuitkomstT); }
    void txtuitkomstH_Click() { retype(txtuitkomstH); }
    void txtuitkomstD_Click() { retype(txtuitkomstD); }
    void txtuitkomstTD_Click() { retype(txtuitkomstTD); }

    // The series has eleven slots; five are shown.
    static constexpr int SeriesSlots = scoring::SeriesRecords::Slots;
    static constexpr int ShownSlots = scoring::SeriesRecords::Shown;
    static constexpr int RewardPictures = scoring::VerdictPanel::Pictures;
    static constexpr int MostCorrect = scoring::MostCorrect;

    std::array<ui::TextBox*, SeriesSlots> Txtoef1{};
    std::array<ui::Picture*, RewardPictures> imgpop1{};
    ui::PictureButton* cmdaklas2 = nullptr;
    ui::PictureButton* cmdaklas1 = nullptr;
    ui::TextBox* txtleeg2 = nullptr;
    ui::TextBox* txtuitkomstE = nullptr;
    ui::TextBox* txtuitkomstT = nullptr;
    ui::TextBox* txtuitkomstH = nullptr;
    ui::TextBox* txtuitkomstD = nullptr;
    ui::TextBox* txtuitkomstTD = nullptr;
    ui::TextBox* txteenheid = nullptr;
    ui::TextBox* txttiental = nullptr;
    ui::TextBox* txthonderdtal = nullptr;
    ui::TextBox* txtduizendtal = nullptr;
    ui::TextBox* txttiental2 = nullptr;
    ui::TextBox* txthonderdtal2 = nullptr;
    ui::TextBox* txtduizendtal2 = nullptr;
    ui::TextBox* txttienduizendtal2 = nullptr;
    ui::TextBox* txtmalerT = nullptr;
    ui::TextBox* txtmalerE = nullptr;
    ui::TextBox* txt100 = nullptr;
    ui::TextBox* txt10 = nullptr;
    ui::TextBox* txt1 = nullptr;
    ui::PictureButton* cmdstop2 = nullptr;
    ui::PictureButton* cmdstop = nullptr;
    ui::PictureButton* cmdnieuw = nullptr;
    ui::PictureButton* cmdcontrole = nullptr;
    ui::PictureButton* cmdstart = nullptr;
    ui::Label* Lbltrainer = nullptr;
    ui::Label* lblmededeling = nullptr;
    ui::Label* lbloordeel = nullptr;
    ui::Shape* shpoordeel = nullptr;
    ui::Timer* tmraklas = nullptr;
    ui::Timer* trmaklas2 = nullptr;

    keypad::Keypad& keypad() { return *keypad_; }
    // The exercise drawn last.
    const zef::TwoDigitExercise& exercise() const { return working.exercise; }
    int total() const { return correctTotal; }
    int records() const { return series_->count(); }

private:
    using Self = frmmaal3;
    // The controls in design order, around the keypad and the verdict panel; the tables
    // stand in frmmaal3Controls.cpp.
    static std::span<const ui::ControlSpec> BeforeKeypad();
    static std::span<const ui::ControlSpec> AfterKeypad();
    static std::span<const ui::ControlSpec> Decoration();

    void ClearBoard();
    void FocusNextBox();
    void HideKeypad();
    void ShowTableE();
    void ShowTableT();
    void ResetRecordHighlight();

    // The steps the guided entry shares.
    void emptyNote();
    void startSecondRow();
    void startSum();
    void offerCheck(const QString& text);

    void retype(ui::TextBox* box);
    void status(const QString& text);
    QString secondRowText() const;
    // The record line of the last check, through txtresultaat, into the next series slot.
    void record(const QString& line, int back);

    struct Working {
        zef::TwoDigitExercise exercise; // kept when the board is cleared: the record line uses it
        bool onBoard = false;           // shown on the board since the last clearing
        zef::SumReading sum;            // the pupil's sum as read at the last check
        scoring::Stopwatch started;     // since the problem went on the board
    };
    Working working;
    ui::TextBox* txtresultaat = nullptr;
    int correctTotal = 0;
    std::unique_ptr<keypad::Keypad> keypad_;
    std::unique_ptr<scoring::VerdictPanel> verdict_;
    std::unique_ptr<scoring::SeriesRecords> series_;
};
