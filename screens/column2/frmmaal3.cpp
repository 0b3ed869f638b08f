#include "screens/column2/frmmaal3.h"

#include "app/Program.h"
#include "exercise/TimesTable.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QPushButton>

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000, Green = 0x00FF00, LightRed = 0xFFC0C0;
constexpr int Back = 0xFFC080;
constexpr FontSpec DigitFont{"Arial", 24, Bold};

// Five columns of place-value boxes and the tops of the five rows.
constexpr int ColTD = 2280, ColD = 3240, ColH = 4200, ColT = 5160, ColE = 6120;
constexpr int RowNumber = 360, RowMultiplier = 1320, RowFirst = 2640, RowSecond = 3480, RowSum = 4560;
constexpr int BoxW = 735, BoxH = 675;

constexpr Twips box(int left, int top) {
    return {left, top, BoxW, BoxH};
}

// Three buttons share the upper place on the left and two the lower one; the one the
// pupil must be able to reach when two are shown lies on top.
constexpr int AboveStart = 5, AboveCheck = 5, AboveStop = 6;
// The reminder panel stands in front of the verdict panel it covers.
constexpr int InFront = 7;

constexpr unsigned Entry = Centred;
constexpr unsigned Given = Disabled | Centred;

// Design order, up to the keypad.
// clang-format off
const ControlSpec BeforeKeypad[] = {
    {.name = "cmdaklas2", .kind = Kind::PictureButton, .caption = "A-klas", .tip = "Tafels herhalen",
     .at = {9240, 5400, 1095, 975}, .back = 0x8080FF, .flags = Hidden, .picture = "aklas_knop.svg"},
    {.name = "cmdaklas1", .kind = Kind::PictureButton, .caption = "A-klas", .tip = "Tafels herhalen",
     .at = {9240, 5400, 1095, 975}, .back = 0x8080FF, .flags = Hidden, .picture = "aklas_knop.svg"},
    {.name = "txtleeg2", .kind = Kind::TextBox, .at = box(ColE, RowSecond), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de tweede rij, blijft leeg"},
    {.name = "txtuitkomstE", .kind = Kind::TextBox, .at = box(ColE, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de som"},
    {.name = "txtuitkomstT", .kind = Kind::TextBox, .at = box(ColT, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de som"},
    {.name = "txtuitkomstH", .kind = Kind::TextBox, .at = box(ColH, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "honderdtallen van de som"},
    {.name = "txtuitkomstD", .kind = Kind::TextBox, .at = box(ColD, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "duizendtallen van de som"},
    {.name = "txtuitkomstTD", .kind = Kind::TextBox, .at = box(ColTD, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "tienduizendtallen van de som"},
    {.name = "txteenheid", .kind = Kind::TextBox, .at = box(ColE, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de eerste rij"},
    {.name = "txttiental", .kind = Kind::TextBox, .at = box(ColT, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de eerste rij"},
    {.name = "txthonderdtal", .kind = Kind::TextBox, .at = box(ColH, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "honderdtallen van de eerste rij"},
    {.name = "txtduizendtal", .kind = Kind::TextBox, .at = box(ColD, RowFirst), .font = DigitFont,
     .flags = Entry | Hidden, .describe = "duizendtallen van de eerste rij"},
    {.name = "txttiental2", .kind = Kind::TextBox, .at = box(ColT, RowSecond), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de tweede rij"},
    {.name = "txthonderdtal2", .kind = Kind::TextBox, .at = box(ColH, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "honderdtallen van de tweede rij"},
    {.name = "txtduizendtal2", .kind = Kind::TextBox, .at = box(ColD, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "duizendtallen van de tweede rij"},
    {.name = "txttienduizendtal2", .kind = Kind::TextBox, .at = box(ColTD, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "tienduizendtallen van de tweede rij"},
    {.name = "txtmalerT", .kind = Kind::TextBox, .at = box(ColT, RowMultiplier), .font = DigitFont, .flags = Given,
     .describe = "tiental van de vermenigvuldiger"},
    {.name = "txtmalerE", .kind = Kind::TextBox, .at = box(ColE, RowMultiplier), .font = DigitFont, .flags = Given,
     .describe = "eenheid van de vermenigvuldiger"},
    {.name = "txt100", .kind = Kind::TextBox, .at = box(ColH, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "honderdtallen van het getal"},
    {.name = "txt10", .kind = Kind::TextBox, .at = box(ColT, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "tientallen van het getal"},
    {.name = "txt1", .kind = Kind::TextBox, .at = box(ColE, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "eenheden van het getal"},
    {.name = "Label1", .kind = Kind::Label, .caption = "X", .at = {4320, 1320, 735, 735}, .back = Back,
     .font = {"Arial", 24, Bold}, .flags = Centred},
    {.name = "lblplusteken", .kind = Kind::Label, .caption = "+", .at = {1560, 3480, 615, 615}, .back = Back,
     .font = {"Arial", 26.25, Bold}, .flags = Centred},
    {.name = "Line1", .kind = Kind::Line, .at = {2880, 2400, 6960, 2400}, .borderWidth = 5},
    {.name = "Line2", .kind = Kind::Line, .at = {2160, 4320, 6960, 4320}, .borderWidth = 5},
    {.name = "cmdstop2", .kind = Kind::PictureButton, .at = {360, 3240, 855, 735}, .back = 0x800000,
     .flags = Hidden, .picture = "terug_menu.svg", .describe = "terug naar het menu", .layer = AboveStop},
    {.name = "cmdstop", .kind = Kind::PictureButton, .tip = "STOP", .at = {360, 3240, 855, 735}, .back = 0x00FF00,
     .flags = Hidden, .picture = "stopknop.svg", .layer = AboveCheck},
    {.name = "cmdnieuw", .kind = Kind::PictureButton, .tip = "NIEUW", .at = {360, 4200, 855, 735}, .back = 0xFFFF00,
     .flags = Hidden, .picture = "nieuw.svg", .layer = AboveStart},
    {.name = "cmdcontrole", .kind = Kind::PictureButton, .tip = "CONTROLE", .at = {360, 3240, 855, 735},
     .back = 0x00FF00, .flags = Hidden, .picture = "verkeerslicht.svg"},
    {.name = "cmdstart", .kind = Kind::PictureButton, .tip = "START", .at = {360, 4200, 855, 735}, .back = 0x8080FF,
     .picture = "vliegtuig.svg"},
    {.name = "txtresultaat", .kind = Kind::TextBox, .at = {9240, 5640, 2295, 495}, .back = White,
     .flags = Hidden | Disabled, .describe = "resultaat"},
};
// clang-format on

// Design order, after the keypad and before the verdict panel.
// clang-format off
const ControlSpec AfterKeypad[] = {
    {.name = "Lbltrainer", .kind = Kind::Label, .at = {240, 240, 1815, 2535}, .back = Black, .fore = White,
     .font = {"MS Sans Serif", 8.25, Bold}, .flags = Hidden | Centred, .describe = "tafel", .layer = InFront},
    {.name = "lblmededeling", .kind = Kind::Label, .at = {8280, 3240, 2535, 1695}, .back = 0x008000, .fore = White,
     .font = {"Arial", 11.25, Italic}, .describe = "mededeling"},
    {.name = "Image1", .kind = Kind::Picture, .at = {8040, 3000, 3000, 2100}, .picture = "bord.svg"},
    {.name = "Image2", .kind = Kind::Picture, .at = {10920, 6000, 480, 420}, .picture = "logo.svg"},
};
// clang-format on

// Decoration, after the verdict panel.
// clang-format off
const ControlSpec Decoration[] = {
    {.name = "Shape2", .kind = Kind::Shape, .at = {240, 5640, 8535, 600}, .back = 0xE0E0E0, .border = 0xE0E0E0},
    {.name = "Shape3", .kind = Kind::RoundShape, .at = {240, 3120, 1095, 1935}, .border = 0x800080},
    {.name = "Shape4", .kind = Kind::RoundShape, .at = {7920, 2880, 3240, 2340}},
    {.name = "Shape5", .kind = Kind::RoundShape, .at = {9120, 5280, 1335, 1215}, .border = 0x800080},
};
// clang-format on

const QString AklasHint = QStringLiteral(" Je kunt een geheugensteuntje uit de A-klas gebruiken.");
const QString NoteHint =
    QStringLiteral("Je krijgt hulp bij het onthouden van nieuwe T, H en D. Klik op de knop 'onthouden'.");
const QString SumHint = QStringLiteral("Maak de som van beide getallen.");
const QString StartHint = QStringLiteral("Start een oefening met een klik op het vliegtuig.");

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
std::string plain(const QString& s) {
    return s.toStdString();
}

} // namespace

frmmaal3::frmmaal3(Program& program)
    : Screen(program, "frmmaal3", QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN"), 11640, 6705, Back) {
    // The reminder's clock runs from creation for the whole run, hidden or not.
    trmaklas2 = new Timer(this, "trmaklas2", 6000, [this] { trmaklas2_Timer(); });
    tmraklas = new Timer(this, "tmraklas", 4000, [this] { tmraklas_Timer(); });
    trmaklas2->start();

    build(BeforeKeypad);
    series_ = std::make_unique<scoring::SeriesRecords>(*this, scoring::TwoDigitSeries);
    Txtoef1 = series_->Txtoef1;
    keypad_ = std::make_unique<keypad::Keypad>(*this, keypad::TwoDigitLayout, [this] { FocusNextBox(); });
    build(AfterKeypad);
    verdict_ = std::make_unique<scoring::VerdictPanel>(*this, scoring::TwoDigitVerdict);
    lbloordeel = verdict_->lbloordeel;
    shpoordeel = verdict_->shpoordeel;
    imgpop1 = verdict_->imgpop1;
    build(Decoration);

    BIND(cmdaklas2);
    BIND(cmdaklas1);
    BIND(txtleeg2);
    BIND(txtuitkomstE);
    BIND(txtuitkomstT);
    BIND(txtuitkomstH);
    BIND(txtuitkomstD);
    BIND(txtuitkomstTD);
    BIND(txteenheid);
    BIND(txttiental);
    BIND(txthonderdtal);
    BIND(txtduizendtal);
    BIND(txttiental2);
    BIND(txthonderdtal2);
    BIND(txtduizendtal2);
    BIND(txttienduizendtal2);
    BIND(txtmalerT);
    BIND(txtmalerE);
    BIND(txt100);
    BIND(txt10);
    BIND(txt1);
    BIND(cmdstop2);
    BIND(cmdstop);
    BIND(cmdnieuw);
    BIND(cmdcontrole);
    BIND(cmdstart);
    BIND(txtresultaat);
    BIND(Lbltrainer);
    BIND(lblmededeling);
    // Before the first exercise the aeroplane is the one thing to press.
    cmdstart->setFocus();
    // Tab follows the order of work: start, the rows from the units leftwards, the sum,
    // the carry notes, the reminders, the check, the series buttons, back to the menu.
    std::vector<QWidget*> chain{cmdstart,     txteenheid,   txttiental,     txthonderdtal,  txtduizendtal,
                                txtleeg2,     txttiental2,  txthonderdtal2, txtduizendtal2, txttienduizendtal2,
                                txtuitkomstE, txtuitkomstT, txtuitkomstH,   txtuitkomstD,   txtuitkomstTD};
    for (QWidget* key : keypad_->tabStops())
        chain.push_back(key);
    chain.insert(chain.end(), {cmdaklas1, cmdaklas2, cmdcontrole, cmdnieuw, cmdstop, cmdstop2});
    setTabChain(chain);

    connect(cmdstart, &QPushButton::clicked, this, [this] { cmdstart_Click(); });
    connect(cmdcontrole, &QPushButton::clicked, this, [this] { cmdcontrole_Click(); });
    connect(cmdnieuw, &QPushButton::clicked, this, [this] { cmdnieuw_Click(); });
    connect(cmdstop, &QPushButton::clicked, this, [this] { cmdstop_Click(); });
    connect(cmdstop2, &QPushButton::clicked, this, [this] { cmdstop2_Click(); });
    connect(cmdaklas1, &QPushButton::clicked, this, [this] { cmdaklas1_Click(); });
    connect(cmdaklas2, &QPushButton::clicked, this, [this] { cmdaklas2_Click(); });
    connect(keypad_->cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });

    using Handler = void (frmmaal3::*)();
    struct Box {
        TextBox* box;
        Handler change, click;
    };
    const Box boxes[] = {
        {txteenheid, &frmmaal3::txteenheid_Change, &frmmaal3::txteenheid_Click},
        {txttiental, &frmmaal3::txttiental_Change, &frmmaal3::txttiental_Click},
        {txthonderdtal, &frmmaal3::txthonderdtal_Change, &frmmaal3::txthonderdtal_Click},
        {txtduizendtal, &frmmaal3::txtduizendtal_Change, &frmmaal3::txtduizendtal_Click},
        {txtleeg2, &frmmaal3::txtleeg2_Change, &frmmaal3::txtleeg2_Click},
        {txttiental2, &frmmaal3::txttiental2_Change, &frmmaal3::txttiental2_Click},
        {txthonderdtal2, &frmmaal3::txthonderdtal2_Change, &frmmaal3::txthonderdtal2_Click},
        {txtduizendtal2, &frmmaal3::txtduizendtal2_Change, &frmmaal3::txtduizendtal2_Click},
        {txttienduizendtal2, &frmmaal3::txttienduizendtal2_Change, &frmmaal3::txttienduizendtal2_Click},
        {txtuitkomstE, &frmmaal3::txtuitkomstE_Change, &frmmaal3::txtuitkomstE_Click},
        {txtuitkomstT, &frmmaal3::txtuitkomstT_Change, &frmmaal3::txtuitkomstT_Click},
        {txtuitkomstH, &frmmaal3::txtuitkomstH_Change, &frmmaal3::txtuitkomstH_Click},
        {txtuitkomstD, &frmmaal3::txtuitkomstD_Change, &frmmaal3::txtuitkomstD_Click},
        {txtuitkomstTD, &frmmaal3::txtuitkomstTD_Change, &frmmaal3::txtuitkomstTD_Click},
    };
    for (const Box& b : boxes) {
        connect(b.box, &TextBox::changed, this, [this, h = b.change] { (this->*h)(); });
        connect(b.box, &TextBox::clicked, this, [this, h = b.click] { (this->*h)(); });
    }
    // The record line is a hidden field; the pupil reads it in the series.
    speakChanges(txtresultaat, {}, true);
    speakChanges({Lbltrainer, lblmededeling});
    setStatusLine(lblmededeling);
}

frmmaal3::~frmmaal3() = default;

// ---------------------------------------------------------------- small helpers

void frmmaal3::status(const QString& text) {
    lblmededeling->setText(text);
}

QString frmmaal3::secondRowText() const {
    return QStringLiteral("Vermenigvuldig ") + QString::number(currentExercise.multiplicand) +
           QStringLiteral(" nu met het tiental ") + QString::number(currentExercise.malerT) +
           QStringLiteral(" van de vermenigvuldiger. Je schrijft niets in het vakje van de eenheden.");
}

// A twelfth record's slot does not exist and is left alone.
void frmmaal3::ResetRecordHighlight() {
    series_->Whiten(series_->count());
}

// ---------------------------------------------------------------- procedures

void frmmaal3::ClearBoard() {
    // Emptying a box runs its change reaction, which moves the focus and may show or
    // hide buttons before the next box is emptied; txtleeg2 writes its point back.
    txtduizendtal->setVisible(false);
    for (TextBox* b : {txt1, txt10, txt100, txteenheid, txttiental, txthonderdtal, txtduizendtal})
        b->setText(QString());
    verdict_->Clear();
    keypad_->HideKeypad();
    for (TextBox* b : {txtresultaat, txtleeg2, txttiental2, txthonderdtal2, txtduizendtal2, txttienduizendtal2})
        b->setText(QString());
    productText.clear();
    sumText.clear();
    for (TextBox* b : {txtuitkomstE, txtuitkomstT, txtuitkomstH, txtuitkomstD, txtuitkomstTD, txtmalerT, txtmalerE})
        b->setText(QString());
    txttienduizendtal2->setVisible(true);
    txtuitkomstTD->setVisible(true);
    keypad_->cmdCreate->setVisible(false);
    cmdaklas1->setVisible(false);
    cmdaklas2->setVisible(false);
}

void frmmaal3::FocusNextBox() {
    // Each later step that applies wins; a box counts as filled when it holds text.
    auto filled = [](const TextBox* b) { return !b->text().isEmpty(); };
    TextBox* target = filled(txteenheid) ? txttiental : txteenheid;
    if (filled(txttiental))
        target = txthonderdtal;
    // A shown thousands box that is still empty is the next one to fill.
    if (filled(txthonderdtal))
        target = isShown(txtduizendtal) && !filled(txtduizendtal) ? txtduizendtal : txttiental2;
    if (filled(txtduizendtal))
        target = txttiental2;
    if (filled(txttiental2))
        target = txthonderdtal2;
    if (filled(txthonderdtal2))
        target = txtduizendtal2;
    if (filled(txtduizendtal2))
        target = isShown(txttienduizendtal2) ? txttienduizendtal2 : txtuitkomstE;
    if (filled(txttienduizendtal2))
        target = txtuitkomstE;
    requestFocus(target);
}

void frmmaal3::HideKeypad() {
    keypad_->HideKeypad();
}

void frmmaal3::ShowTableE() {
    Lbltrainer->setText(text(zef::TimesTableText(plain(txtmalerE->text()))));
}

void frmmaal3::ShowTableT() {
    Lbltrainer->setText(text(zef::TimesTableText(plain(txtmalerT->text()))));
}

// ---------------------------------------------------------------- load and activation

void frmmaal3::Form_Load() {
    ClearBoard();
    status(StartHint);
    CentreOnScreen(*this);
    correctTotal = scoring::MenuTotal(program);
}

// Every activation clears the board; the series goes on.
void frmmaal3::Form_Activate() {
    ClearBoard();
    status(StartHint);
    CentreOnScreen(*this);
    correctTotal = scoring::MenuTotal(program);
}

// ---------------------------------------------------------------- buttons

void frmmaal3::cmdstart_Click() {
    ClearBoard();
    keypad_->cmdCreate->setVisible(true);
    cmdaklas1->setVisible(true);
    currentExercise = zef::MakeTwoDigitExercise(program.random());
    const zef::TwoDigitExercise& ex = currentExercise;
    txt1->setText(QString::number(ex.digitE));
    txt10->setText(QString::number(ex.digitT));
    txt100->setText(QString::number(ex.digitH));
    txtmalerE->setText(QString::number(ex.malerE));
    txtmalerT->setText(QString::number(ex.malerT));
    announce(this, QString::number(ex.multiplicand) + QStringLiteral(" x ") + QString::number(ex.multiplier));
    status(QStringLiteral("Vermenigvuldig ") + QString::number(ex.multiplicand) +
           QStringLiteral(" eerst met de eenheid ") + QString::number(ex.malerE) +
           QStringLiteral(" van de vermenigvuldiger. "));
    if (!zef::ShowsSecondRowTenThousands(ex))
        txttienduizendtal2->setVisible(false);
    if (!zef::ShowsSumTenThousands(ex))
        txtuitkomstTD->setVisible(false);
    productText = QString::number(ex.product);
    if (zef::ShowsFirstRowThousands(ex))
        txtduizendtal->setVisible(true);
    requestFocus(txteenheid);
    cmdstart->setVisible(false);
    cmdcontrole->setVisible(false);
    cmdstop2->setVisible(false);
}

void frmmaal3::cmdCreate_Click() {
    keypad_->ShowKeypad();
}

void frmmaal3::cmdaklas1_Click() {
    tmraklas->start();
    Lbltrainer->setVisible(true);
    ShowTableE();
    FocusNextBox();
}

void frmmaal3::cmdaklas2_Click() {
    Lbltrainer->setVisible(true);
    ShowTableT();
    FocusNextBox();
}

void frmmaal3::tmraklas_Timer() {
    Lbltrainer->setVisible(true);
}

void frmmaal3::trmaklas2_Timer() {
    Lbltrainer->setVisible(false);
    tmraklas->stop();
}

void frmmaal3::cmdcontrole_Click() {
    // Hidden boxes are repaired too; every box whose text changes runs its reaction.
    for (TextBox* b : {txteenheid, txttiental, txthonderdtal, txtduizendtal, txtuitkomstE, txtuitkomstT, txtuitkomstH,
                       txtuitkomstD, txtuitkomstTD, txttiental2, txthonderdtal2, txtduizendtal2, txttienduizendtal2})
        b->setText(text(zef::RepairBox(plain(b->text()))));
    const zef::SumReading sum =
        zef::ReadSumAnswer(plain(txtuitkomstE->text()), plain(txtuitkomstT->text()), plain(txtuitkomstH->text()),
                           plain(txtuitkomstD->text()), plain(txtuitkomstTD->text()));
    sumText = text(sum.answerText);

    // With the board cleared there is no product to reach: any sum is too big.
    zef::Verdict verdict = zef::Verdict::TooBig;
    if (sumText == productText)
        verdict = zef::Verdict::Correct;
    else if (!productText.isEmpty())
        verdict = zef::JudgeSum(currentExercise, sum);
    const bool right = verdict == zef::Verdict::Correct;

    verdict_->Show(right, program.random());
    if (right) {
        correctTotal = scoring::Raised(correctTotal);
        txtresultaat->setText(text(zef::TwoDigitResultLine(currentExercise, sum, verdict)));
        series_->Record(plain(txtresultaat->text()), Green);
    }
    if (series_->count() == ShownSlots)
        cmdstop->setVisible(true);
    if (series_->count() <= ShownSlots) {
        if (verdict == zef::Verdict::TooBig) {
            txtresultaat->setText(text(zef::TwoDigitResultLine(currentExercise, sum, verdict)));
            if (series_->count() == ShownSlots) {
                cmdstop2->setVisible(true);
                cmdstart->setVisible(false);
            }
            series_->Record(plain(txtresultaat->text()), LightRed);
        }
        if (verdict == zef::Verdict::TooSmall) {
            txtresultaat->setText(text(zef::TwoDigitResultLine(currentExercise, sum, verdict)));
            if (series_->count() == ShownSlots) {
                cmdnieuw->setVisible(false);
                cmdstop->setVisible(true);
            }
            series_->Record(plain(txtresultaat->text()), LightRed);
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
        cmdstop->setVisible(true);
        requestFocus(cmdstop);
    }
    status(QStringLiteral(" Start een nieuwe oefening of stop na 5 oefeningen."));
}

void frmmaal3::cmdnieuw_Click() {
    ClearBoard();
    ResetRecordHighlight();
    series_->Empty();
    cmdcontrole->setVisible(false);
    cmdnieuw->setVisible(false);
    cmdstop->setVisible(false);
    cmdstart->setVisible(true);
    cmdstop2->setVisible(false);
    status(QStringLiteral(" Alles leeg voor een nieuwe start."));
}

void frmmaal3::cmdstop_Click() {
    cmdstop2->setVisible(true);
    cmdstart->setVisible(true);
    series_->Empty();
    cmdnieuw->setVisible(false);
    cmdstop->setVisible(false);
    ClearBoard();
    status(QStringLiteral(" Wil je stoppen?"));
}

// Back to the menu; the series and the board wait as they are.
void frmmaal3::cmdstop2_Click() {
    frmkiesbasis& menu = program.screen<frmkiesbasis>();
    program.ShowScreen(menu);
    program.HideScreen(*this);
    menu.lblgemaakt->setText(QString::number(correctTotal));
}

// ---------------------------------------------------------------- guided entry

void frmmaal3::txteenheid_Change() {
    requestFocus(txttiental);
    keypad_->txthulp->setText(QString());
    status(AklasHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txttiental_Change() {
    requestFocus(txthonderdtal);
    keypad_->txthulp->setText(QString());
    status(NoteHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txthonderdtal_Change() {
    if (isShown(txtduizendtal)) {
        requestFocus(txtduizendtal);
    } else {
        txtleeg2->setText(QStringLiteral("."));
        requestFocus(txttiental2);
        status(secondRowText());
        Lbltrainer->setVisible(false);
        cmdaklas1->setVisible(false);
        cmdaklas2->setVisible(true);
    }
    keypad_->txthulp->setText(QString());
}

void frmmaal3::txtduizendtal_Change() {
    keypad_->txthulp->setText(QString());
    txtleeg2->setText(QStringLiteral("."));
    requestFocus(txttiental2);
    Lbltrainer->setVisible(false);
    cmdaklas1->setVisible(false);
    cmdaklas2->setVisible(true);
    status(secondRowText());
}

// The units place of the second row holds only its point, whatever is typed there.
void frmmaal3::txtleeg2_Change() {
    txtleeg2->setText(QStringLiteral("."));
    requestFocus(txttiental2);
    status(AklasHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txttiental2_Change() {
    requestFocus(txthonderdtal2);
    keypad_->txthulp->setText(QString());
    status(NoteHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txthonderdtal2_Change() {
    requestFocus(txtduizendtal2);
    keypad_->txthulp->setText(QString());
    Lbltrainer->setVisible(false);
}

void frmmaal3::txtduizendtal2_Change() {
    if (isShown(txttienduizendtal2)) {
        requestFocus(txttienduizendtal2);
        Lbltrainer->setVisible(false);
    } else {
        status(SumHint);
        HideKeypad();
        Lbltrainer->setVisible(false);
        cmdaklas2->setVisible(false);
        requestFocus(txtuitkomstE);
    }
    keypad_->txthulp->setText(QString());
}

void frmmaal3::txttienduizendtal2_Change() {
    requestFocus(txtuitkomstE);
    keypad_->txthulp->setText(QString());
    status(SumHint);
    HideKeypad();
    Lbltrainer->setVisible(false);
    cmdaklas2->setVisible(false);
}

void frmmaal3::txtuitkomstE_Change() {
    requestFocus(txtuitkomstT);
}
void frmmaal3::txtuitkomstT_Change() {
    requestFocus(txtuitkomstH);
}
void frmmaal3::txtuitkomstH_Change() {
    requestFocus(txtuitkomstD);
}

void frmmaal3::txtuitkomstD_Change() {
    if (isShown(txtuitkomstTD)) {
        requestFocus(txtuitkomstTD);
    } else {
        cmdcontrole->setVisible(true);
        requestFocus(cmdcontrole);
        status(QStringLiteral("Controleer je oefening, klik op het groene verkeerslicht."));
    }
}

void frmmaal3::txtuitkomstTD_Change() {
    cmdcontrole->setVisible(true);
    requestFocus(cmdcontrole);
    status(SumHint);
}

void frmmaal3::txtleeg2_Click() {
    txtleeg2->setText(QStringLiteral("."));
    requestFocus(txttiental2);
}

void frmmaal3::retype(TextBox* box) {
    box->setText(QString());
    requestFocus(box);
}
