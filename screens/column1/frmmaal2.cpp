#include "screens/column1/frmmaal2.h"

#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/numpad/NumberPad.h"
#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Text.h"

#include <QLabel>
#include <QPushButton>

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Green = 0x00FF00, LightRed = 0xFFC0C0;

// Two buttons share each place on the left; the one that the pupil must be able to
// reach when both are shown lies on top.
constexpr int AboveStart = 5, AboveCheck = 5, AboveStop = 6;

} // namespace

// clang-format off
const ControlSpec frmmaal2::BeforeKeypad[] = {
    {ZEF_CONTROL(cmdaklas), .kind = Kind::PictureButton, .caption = "A-klas", .tip = "Tafels herhalen",
     .at = {7320, 3360, 1095, 975}, .back = 0x8080FF, .flags = Hidden, .picture = "aklas_knop.svg"},
    {ZEF_CONTROL(cmdstop2), .kind = Kind::PictureButton, .at = {360, 2520, 855, 735}, .back = 0x800000,
     .flags = Hidden, .picture = "terug_menu.svg", .describe = "terug naar het menu", .layer = AboveStop},
    {ZEF_CONTROL(cmdstop), .kind = Kind::PictureButton, .tip = "STOP", .at = {360, 2520, 855, 735}, .back = 0x80FF80,
     .flags = Hidden, .picture = "stopknop.svg", .layer = AboveCheck},
    {ZEF_CONTROL(cmdnieuw), .kind = Kind::PictureButton, .tip = "NIEUW", .at = {360, 3480, 855, 735}, .back = 0xFFFF00,
     .flags = Hidden, .picture = "nieuw.svg", .layer = AboveStart},
    {ZEF_CONTROL(txtresultaat), .kind = Kind::TextBox, .at = {2160, 1560, 3135, 495}, .back = White,
     .flags = Hidden | Disabled, .describe = "resultaat"},
};

const ControlSpec frmmaal2::AfterKeypad[] = {
    {ZEF_CONTROL(cmdcontrole), .kind = Kind::PictureButton, .tip = "CONTROLE", .at = {360, 2520, 855, 735},
     .back = 0x00FF00, .flags = Hidden, .picture = "verkeerslicht.svg"},
    {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, .tip = "START", .at = {360, 3480, 855, 735}, .back = 0x8080FF,
     .picture = "vliegtuig.svg"},
};

const ControlSpec frmmaal2::AfterBoard[] = {
    {ZEF_CONTROL(lblmemo5), .kind = Kind::Label, .at = {8160, 2640, 3495, 495}, .back = 0xFFC080,
     .font = {"Arial", 20.25, Bold}, .describe = "geheugensteun"},
    {.name = "Image2", .kind = Kind::Picture, .at = {11280, 5640, 480, 420}, .picture = "logo.svg"},
    {ZEF_CONTROL(lblmededeling), .kind = Kind::Label, .at = {8880, 3600, 2535, 1575}, .back = 0x008000,
     .fore = White, .font = {"Arial", 11.25, Italic}, .describe = "mededeling"},
    {.name = "Shape3", .kind = Kind::RoundShape, .at = {120, 2280, 1335, 2175}, .border = 0x800080},
    {.name = "Shape2", .kind = Kind::Shape, .at = {0, 4560, 8535, 1095}, .back = 0xE0E0E0, .border = 0xE0E0E0},
    {.name = "Image1", .kind = Kind::Picture, .at = {8640, 3360, 3000, 2100}, .picture = "bord.svg"},
    {.name = "Shape4", .kind = Kind::RoundShape, .at = {8520, 3240, 3255, 2415}},
};
// clang-format on

frmmaal2::frmmaal2(Program& program)
    : OneDigitScreen(program, "frmmaal2", QStringLiteral("Cijferend vermenigvuldigen "), 12045, 6135,
                     column1::ColumnBoard) {
    series_ = std::make_unique<scoring::SeriesRecords>(*this, scoring::OneDigitSeries);
    Txtoef1 = series_->Txtoef1;
    build(BeforeKeypad);
    buildKeypad();
    build(AfterKeypad);
    buildBoard();
    build(AfterBoard);

    setWorkOrder(cmdstart, {cmdaklas, cmdcontrole, cmdnieuw, cmdstop, cmdstop2});
    // The record line is a hidden field; the pupil reads it in the series.
    speakChanges(txtresultaat, {}, true);
    speakChanges({lblmemo5, lblmededeling});
    setStatusLine(lblmededeling);

    connect(cmdstart, &QPushButton::clicked, this, &frmmaal2::cmdstart_Click);
    connect(cmdcontrole, &QPushButton::clicked, this, &frmmaal2::cmdcontrole_Click);
    connect(cmdnieuw, &QPushButton::clicked, this, &frmmaal2::cmdnieuw_Click);
    connect(cmdstop, &QPushButton::clicked, this, &frmmaal2::cmdstop_Click);
    setReturnButton(cmdstop2, &frmmaal2::cmdstop2_Click);
    connect(cmdaklas, &QPushButton::clicked, this, &frmmaal2::cmdaklas_Click);
    connect(keypad().cmdCreate, &QPushButton::clicked, this, &frmmaal2::cmdCreate_Click);
    connect(txteenheid, &TextBox::changed, this, &frmmaal2::txteenheid_Change);
    connect(txttiental, &TextBox::changed, this, &frmmaal2::txttiental_Change);
    connect(txthonderdtal, &TextBox::changed, this, &frmmaal2::txthonderdtal_Change);
    connect(txtduizendtal, &TextBox::changed, this, &frmmaal2::txtduizendtal_Change);
    connect(txteenheid, &TextBox::clicked, this, &frmmaal2::txteenheid_Click);
    connect(txttiental, &TextBox::clicked, this, &frmmaal2::txttiental_Click);
    connect(txthonderdtal, &TextBox::clicked, this, &frmmaal2::txthonderdtal_Click);
    new numpad::NumberPad(*this, numpad::ColumnLayout, {txteenheid, txttiental, txthonderdtal, txtduizendtal});
}

frmmaal2::~frmmaal2() = default;

// ---------------------------------------------------------------- procedures

void frmmaal2::ClearExercise() {
    // Emptying the answer boxes on the way can show cmdcontrole again.
    ClearBoard();
    txtresultaat->setText(QString());
    lblmededeling->setText(QString());
    cmdaklas->setVisible(false);
}

// The colours of every slot but the last, and the count.
void frmmaal2::ResetSeries() {
    for (int i = 0; i < SeriesSlots - 1; ++i)
        series_->whiten(i);
    series_->restart();
}

void frmmaal2::record(const QString& line, int back) {
    txtresultaat->setText(line);
    series_->record(plain(line), back);
}

// ---------------------------------------------------------------- load and activation

void frmmaal2::Form_Load() {
    ClearExercise();
    lblmededeling->setText(QStringLiteral("start een oefening met een klik op het vliegtuig"));
    CentreOnScreen(*this);
    correctTotal = scoring::menuTotal(program);
}

void frmmaal2::Form_Activate() {
    CentreOnScreen(*this);
    correctTotal = scoring::menuTotal(program);
}

// ---------------------------------------------------------------- buttons

void frmmaal2::cmdstart_Click() {
    ClearExercise();
    cmdaklas->setVisible(true);
    cmdstop2->setVisible(false);
    working.exercise = zef::MakeExercise(program.random());
    maler = working.exercise.maler;
    keypad().cmdCreate->setVisible(true);
    lblmededeling->setText(QStringLiteral("je kunt zelfs naar de A-klas om de tafel van ") + QString::number(maler) +
                           QStringLiteral(" te oefenen"));
    showProblem();
    requestFocus(txteenheid);
    cmdstart->setVisible(false);
    cmdcontrole->setVisible(true);
    lblmemo5->setText(text(zef::MemoText(working.exercise.digitE, working.exercise.maler)));
}

void frmmaal2::cmdcontrole_Click() {
    const zef::AnswerReading& reading = readBoxes();
    if (showVerdict())
        correctTotal = scoring::raised(correctTotal);

    // The answer is compared by its true value, however many digits were pasted in.
    const zef::Verdict verdict = zef::Judge(working.exercise, reading);
    const QString line = text(zef::ResultLine(working.exercise, reading, verdict));
    if (verdict == zef::Verdict::Correct)
        record(line, Green);
    if (series_->count() == ShownSlots) {
        cmdnieuw->setVisible(true);
        cmdstop->setVisible(true);
    }
    if (series_->count() <= ShownSlots) {
        if (verdict == zef::Verdict::TooBig) {
            if (series_->count() == ShownSlots) {
                cmdnieuw->setVisible(true);
                cmdstop2->setVisible(true);
                cmdstart->setVisible(false);
            }
            record(line, LightRed);
        }
        if (verdict == zef::Verdict::TooSmall) {
            if (series_->count() == ShownSlots) {
                cmdnieuw->setVisible(false);
                cmdstop->setVisible(true);
            }
            record(line, LightRed);
        }
    } else {
        cmdstop->setVisible(true);
        cmdnieuw->setVisible(true);
    }
    if (series_->count() < ShownSlots) {
        cmdstart->setVisible(true);
        requestFocus(cmdstart);
        cmdcontrole->setVisible(false);
    }
    if (series_->count() == ShownSlots) {
        cmdcontrole->setVisible(false);
        cmdnieuw->setVisible(true);
        cmdstop->setVisible(false);
        cmdstop2->setVisible(true);
        requestFocus(cmdstop2);
    }
    lblmededeling->setText(QStringLiteral(" start een nieuwe oefening of stop na 5 oefeningen"));
    cmdstart->setVisible(true);
    requestFocus(cmdstart);
}

void frmmaal2::cmdnieuw_Click() {
    ClearExercise();
    ResetSeries();
    series_->empty();
    cmdstop2->setVisible(false);
    cmdcontrole->setVisible(false);
    cmdnieuw->setVisible(false);
    cmdstop->setVisible(false);
    cmdstart->setVisible(true);
    cmdaklas->setVisible(false);
    lblmededeling->setText(QStringLiteral(" Alles leeg voor een nieuwe start."));
}

void frmmaal2::cmdstop_Click() {
    cmdstop2->setVisible(true);
    cmdstart->setVisible(true);
    series_->empty();
    cmdstop->setVisible(false);
    ClearExercise();
    lblmededeling->setText(QStringLiteral(" Wil je stoppen?"));
}

void frmmaal2::cmdstop2_Click() {
    ClearExercise();
    cmdstop2->setVisible(false);
    series_->empty();
    frmkiesbasis& menu = program.screen<frmkiesbasis>();
    program.ShowScreen(menu);
    program.HideScreen(*this);
    cmdcontrole->setVisible(false);
    cmdnieuw->setVisible(false);
    cmdstart->setVisible(true);
    menu.lblgemaakt->setText(QString::number(correctTotal));
}

void frmmaal2::cmdaklas_Click() {
    // The room hands back through an activation that reloads the total from the menu,
    // so the menu must hold this screen's total before the pupil goes.
    program.screen<frmkiesbasis>().lblgemaakt->setText(QString::number(correctTotal));
    Aklas& room = program.screen<Aklas>();
    program.ShowScreen(room);
    program.HideScreen(*this);
    room.lblmededeling->setText(QStringLiteral(" ik zoek ") + lblmemo5->text());
    room.Cmdterug->setVisible(true);
    room.lblinfor->setText(QStringLiteral(" druk op x ") + QString::number(maler));
}

void frmmaal2::cmdCreate_Click() {
    keypad().ShowKeypad();
    lblmededeling->setText(QStringLiteral("je kunt alleen een stip zetten of een cijfer indrukken. "));
}

// ---------------------------------------------------------------- answer boxes

void frmmaal2::txteenheid_Change() {
    requestFocus(txttiental);
    keypad().txthulp->setText(QString());
    lblmemo5->setText(text(zef::MemoText(working.exercise.digitT, working.exercise.maler)));
    lblmededeling->setText(
        QStringLiteral("je krijgt hulp bij het onthouden van nieuwe T, H en D. Klik op de knop 'onthouden'"));
}

void frmmaal2::txttiental_Change() {
    lblmemo5->setText(text(zef::MemoText(working.exercise.digitH, working.exercise.maler)));
    requestFocus(txthonderdtal);
    keypad().txthulp->setText(QString());
}

void frmmaal2::txthonderdtal_Change() {
    if (isShown(txtduizendtal)) {
        requestFocus(txtduizendtal);
    } else {
        cmdcontrole->setVisible(true);
        requestFocus(cmdcontrole);
    }
    keypad().txthulp->setText(QString());
    lblmededeling->setText(
        QStringLiteral("Als je getal volledig is, klik je voor controle op het groene verkeerslicht  "));
    lblmemo5->setText(QString());
}

void frmmaal2::txtduizendtal_Change() {
    keypad().txthulp->setText(QString());
    cmdcontrole->setVisible(true);
    keypad().HideKeypad();
    keypad().cmdCreate->setVisible(false);
    requestFocus(cmdcontrole);
}

// Clicking a box lets the pupil type its digit again.
void frmmaal2::txteenheid_Click() {
    txteenheid->setText(QString());
    requestFocus(txteenheid);
}

void frmmaal2::txttiental_Click() {
    txttiental->setText(QString());
    requestFocus(txttiental);
}

void frmmaal2::txthonderdtal_Click() {
    txthonderdtal->setText(QString());
    requestFocus(txthonderdtal);
}
