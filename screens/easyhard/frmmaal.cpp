#include "screens/easyhard/frmmaal.h"

#include "app/Program.h"
#include "screens/menu/frmkiesbasis.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QByteArray>
#include <QPushButton>
#include <utility>

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000, Green = 0x00FF00, Red = 0xFF0000;
constexpr FontSpec LetterFont{"Arial", 36, Bold};

// cmdcontrole, cmdstop2 and cmdstop share one place. A click on the hundreds box shows
// the check button whatever else is shown there, and the status line then points at it,
// so it lies on top.
constexpr int AboveReturn = 5;

const QString StartText = QStringLiteral(" Start een nieuwe oefening");

void paint(TextBox* box, int back, int fore) {
    box->setBackColour(rgb(back));
    box->setForeColour(rgb(fore));
}

} // namespace

// Design order, up to the keypad. cmdstop and cmdnieuw belong to the button set of every
// exercise screen but are never offered here: this screen keeps no series.
// clang-format off
const ControlSpec frmmaal::BeforeKeypad[] = {
    {ZEF_CONTROL(cmdstop2), .kind = Kind::PictureButton, .at = {360, 2400, 855, 735}, .back = 0x800000,
     .flags = Hidden, .picture = "terug_menu.svg", .describe = "terug naar het menu"},
    {ZEF_CONTROL(cmdstop), .kind = Kind::PictureButton, .tip = "STOP", .at = {360, 2400, 855, 735}, .back = 0xFFC0C0,
     .flags = Hidden, .picture = "stopknop.svg"},
    {ZEF_CONTROL(cmdnieuw), .kind = Kind::PictureButton, .tip = "NIEUW", .at = {360, 3480, 855, 735}, .back = 0xFFFF00,
     .flags = Hidden, .picture = "nieuw.svg"},
    {ZEF_CONTROL(txtresultaat), .kind = Kind::TextBox, .at = {2160, 1560, 3135, 495}, .back = White,
     .flags = Hidden | Disabled, .describe = "resultaat"},
};

const ControlSpec frmmaal::AfterKeypad[] = {
    {ZEF_CONTROL(cmdcontrole), .kind = Kind::PictureButton, .tip = "CONTROLE", .at = {360, 2400, 855, 735},
     .back = 0x00FF00, .flags = Hidden, .picture = "verkeerslicht.svg", .layer = AboveReturn},
    {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, .tip = "START", .at = {360, 3480, 855, 735}, .back = 0x8080FF,
     .picture = "vliegtuig.svg"},
};

// After the answer and problem boxes: the place-value letters under the answer row,
// then the status board.
const ControlSpec frmmaal::AfterBoard[] = {
    {.name = "lbl1000b", .kind = Kind::Label, .caption = "D", .at = {2160, 4560, 1095, 975}, .back = 0x008000,
     .fore = White, .font = LetterFont, .flags = Centred},
    {.name = "lbl100b", .kind = Kind::Label, .caption = "H", .at = {3360, 4560, 1095, 975}, .back = 0x008000,
     .fore = White, .font = LetterFont, .flags = Centred},
    {.name = "lbl10b", .kind = Kind::Label, .caption = "T", .at = {4560, 4560, 1095, 975}, .back = 0x008000,
     .fore = White, .font = LetterFont, .flags = Centred},
    {.name = "lbl1b", .kind = Kind::Label, .caption = "E", .at = {5760, 4560, 1095, 975}, .back = 0x008000,
     .fore = White, .font = LetterFont, .flags = Centred},
    {.name = "Image2", .kind = Kind::Picture, .at = {11280, 5640, 480, 420}, .picture = "logo.svg"},
    {ZEF_CONTROL(lblmededeling), .kind = Kind::Label, .at = {8280, 3360, 2535, 1695}, .back = 0x008000,
     .fore = White, .font = {"Arial", 12, Italic}, .describe = "mededeling"},
    {.name = "Shape3", .kind = Kind::RoundShape, .at = {120, 2280, 1335, 2175}, .border = 0x800080},
    {.name = "Shape2", .kind = Kind::RoundShape, .at = {7320, 2880, 4455, 2655}},
    {.name = "Image1", .kind = Kind::Picture, .at = {8040, 3120, 3000, 2100}, .picture = "bord.svg"},
};
// clang-format on

frmmaal::frmmaal(Program& program)
    : OneDigitScreen(program, "frmmaal", QStringLiteral("LEREN CIJFEREND VERMENIGVULDIGEN"), 11835, 6105,
                     column1::EasyHardBoard) {
    // The series array keeps only its last slot here, hidden and never written.
    const QByteArray spare = arrayName("Txtoef1", 10).toLatin1();
    buildControl(this, {.name = spare.constData(),
                        .kind = Kind::TextBox,
                        .at = {120, 4920, 1575, 360},
                        .font = {"MS Sans Serif", 9.75},
                        .flags = Hidden | Disabled | Centred,
                        .describe = "oefening 11"});
    build(BeforeKeypad);
    buildKeypad();
    build(AfterKeypad);
    buildBoard();
    build(AfterBoard);

    setWorkOrder(cmdstart, {cmdcontrole, cmdnieuw, cmdstop, cmdstop2});

    connect(cmdstart, &QPushButton::clicked, this, &frmmaal::cmdstart_Click);
    connect(cmdcontrole, &QPushButton::clicked, this, &frmmaal::cmdcontrole_Click);
    setReturnButton(cmdstop2, &frmmaal::cmdstop2_Click);
    connect(keypad().cmdCreate, &QPushButton::clicked, this, &frmmaal::cmdCreate_Click);
    connect(txteenheid, &TextBox::clicked, this, &frmmaal::txteenheid_Click);
    connect(txttiental, &TextBox::clicked, this, &frmmaal::txttiental_Click);
    connect(txthonderdtal, &TextBox::clicked, this, &frmmaal::txthonderdtal_Click);
    connect(txteenheid, &TextBox::changed, this, &frmmaal::txteenheid_Change);
    connect(txttiental, &TextBox::changed, this, &frmmaal::txttiental_Change);
    connect(txthonderdtal, &TextBox::changed, this, &frmmaal::txthonderdtal_Change);
    connect(txtduizendtal, &TextBox::changed, this, &frmmaal::txtduizendtal_Change);
    speakChanges(lblmededeling);
    setStatusLine(lblmededeling);
}

frmmaal::~frmmaal() = default;

// ---------------------------------------------------------------- procedures

void frmmaal::ClearExercise() {
    ClearBoard();
    txtresultaat->setText(QString());
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal})
        paint(box, White, Black);
}

void frmmaal::showRest(TextBox* box, const std::string& rest, const std::string& carry) {
    box->setText(QString());
    requestFocus(box);
    box->setText(worked(rest));
    keypad().txthulp->setText(worked(carry));
    paint(box, Green, Black);
}

// ---------------------------------------------------------------- load and activation

void frmmaal::Form_Load() {
    ClearExercise();
    lblmededeling->setText(StartText);
    CentreOnScreen(*this);
}

void frmmaal::Form_Activate() {
    requestFocus(cmdstart);
    lblmededeling->setText(StartText);
    CentreOnScreen(*this);
}

// ---------------------------------------------------------------- buttons

void frmmaal::cmdstart_Click() {
    ClearExercise();
    working.exercise = zef::MakeExercise(program.random());
    const zef::ColumnExercise& ex = working.exercise;
    showProblem();
    // The column products before carrying; writing them opens the keypad.
    txteenheid->setText(QString::number(ex.maler * ex.digitE));
    txttiental->setText(QString::number(ex.maler * ex.digitT));
    txthonderdtal->setText(QString::number(ex.maler * ex.digitH));
    lblmededeling->setText(QStringLiteral(" dit is een gemakkelijke vermenigvuldiging"));
    const std::pair<TextBox*, zef::Column> columns[] = {
        {txteenheid, zef::Column::E}, {txttiental, zef::Column::T}, {txthonderdtal, zef::Column::H}};
    for (const auto& [box, column] : columns) {
        if (zef::ColumnNeedsNote(ex, column)) {
            paint(box, Red, White);
            lblmededeling->setText(QStringLiteral(" klik op elk rode vlak en kijk wat je moet onthouden"));
        }
    }
    requestFocus(txteenheid);
    cmdstart->setVisible(true);
    cmdstop2->setVisible(false);
}

void frmmaal::cmdcontrole_Click() {
    // A product the pupil did not click counts with its full value in its place.
    readBoxes();
    showVerdict();
    lblmededeling->setText(QStringLiteral(" start een nieuwe oefening of klik 'stop' "));
    cmdstop2->setVisible(true);
    cmdstart->setVisible(true);
    requestFocus(cmdstart);
    cmdcontrole->setVisible(false);
}

void frmmaal::cmdstop2_Click() {
    ClearExercise();
    cmdstart->setVisible(true);
    cmdstop2->setVisible(false);
    program.ShowScreen(program.screen<frmkiesbasis>());
    program.HideScreen(*this);
}

void frmmaal::cmdCreate_Click() {
    keypad().ShowKeypad();
}

// ---------------------------------------------------------------- answer boxes

void frmmaal::txteenheid_Click() {
    showRest(txteenheid, working.exercise.restE, working.exercise.plusT);
}

void frmmaal::txttiental_Click() {
    showRest(txttiental, working.exercise.restT, working.exercise.plusH);
}

void frmmaal::txthonderdtal_Click() {
    showRest(txthonderdtal, working.exercise.restH, working.exercise.plusD);
    // The thousands carry goes straight into its box (hidden when it is 0), so the
    // note is not needed any more.
    txtduizendtal->setText(worked(working.exercise.plusD));
    keypad().txthulp->setText(QString());
    cmdcontrole->setVisible(true);
    lblmededeling->setText(QStringLiteral(" klik op het groene licht als controle"));
}

void frmmaal::txteenheid_Change() {
    requestFocus(txttiental);
    keypad().txthulp->setText(QString());
    keypad().ShowKeypad();
}

void frmmaal::txttiental_Change() {
    keypad().ShowKeypad();
}

void frmmaal::txthonderdtal_Change() {
    keypad().ShowKeypad();
}

void frmmaal::txtduizendtal_Change() {
    keypad().ShowKeypad();
}
