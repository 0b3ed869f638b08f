#pragma once
// Column multiplication of a three-digit number by a one-digit multiplier, in series
// of five, with the carry-note keypad and a way into the times-table room.
#include "screens/column1/OneDigitScreen.h"
#include "screens/scoring/RunningTotal.h"
#include "screens/scoring/SeriesRecords.h"

#include <array>
#include <memory>

class QLabel;

namespace ui {
class Label;
class PictureButton;
class TextBox;
} // namespace ui

class frmmaal2 : public column1::OneDigitScreen {
    Q_OBJECT
public:
    explicit frmmaal2(Program& program);
    ~frmmaal2() override;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstart_Click();
    void cmdcontrole_Click();
    void cmdnieuw_Click();
    void cmdstop_Click();
    void cmdstop2_Click();
    void cmdaklas_Click();
    void cmdCreate_Click();
    void txteenheid_Change();
    void txttiental_Change();
    void txthonderdtal_Change();
    void txtduizendtal_Change();
    void txteenheid_Click();
    void txttiental_Click();
    void txthonderdtal_Click();

    // Read by the times-table room.
    int maler = 0;
    QLabel* lblmemo5 = nullptr;

    // The series has eleven slots; five are shown.
    static constexpr int SeriesSlots = scoring::SeriesRecords::Slots;
    static constexpr int ShownSlots = scoring::SeriesRecords::Shown;
    static constexpr int MostCorrect = scoring::MostCorrect;

    std::array<ui::TextBox*, SeriesSlots> Txtoef1{};
    ui::PictureButton* cmdaklas = nullptr;
    ui::PictureButton* cmdstop2 = nullptr;
    ui::PictureButton* cmdstop = nullptr;
    ui::PictureButton* cmdnieuw = nullptr;
    ui::PictureButton* cmdcontrole = nullptr;
    ui::PictureButton* cmdstart = nullptr;
    ui::Label* lblmededeling = nullptr;

    int total() const { return correctTotal; }
    int records() const { return series_->count(); }

private:
    using Self = frmmaal2;
    // The controls in design order, before and after the keypad and the board.
    static const ui::ControlSpec BeforeKeypad[], AfterKeypad[], AfterBoard[];

    void ClearExercise();
    void ResetSeries();
    // The record line of the last check, through txtresultaat, into the next series slot.
    void record(const QString& line, int back);

    ui::TextBox* txtresultaat = nullptr;
    int correctTotal = 0;
    std::unique_ptr<scoring::SeriesRecords> series_;
};
