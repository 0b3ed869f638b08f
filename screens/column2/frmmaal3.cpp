#include "screens/column2/frmmaal3.h"

#include "app/Program.h"
#include "exercise/TimesTable.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/numpad/NumberPad.h"
#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Text.h"

#include <QPushButton>

using namespace ui;

namespace {

constexpr int Green = 0x00FF00, LightRed = 0xFFC0C0;
constexpr int Back = 0xFFC080;

const QString AklasHint = QStringLiteral(" Je kunt een geheugensteuntje uit de A-klas gebruiken.");
const QString NoteHint =
    QStringLiteral("Je krijgt hulp bij het onthouden van nieuwe T, H en D. Klik op de knop 'onthouden'.");
const QString SumHint = QStringLiteral("Maak de som van beide getallen.");
const QString CheckHint = QStringLiteral("Controleer je oefening, klik op het groene verkeerslicht.");
const QString StartHint = QStringLiteral("Start een oefening met een klik op het vliegtuig.");

} // namespace

frmmaal3::frmmaal3(Program& program)
    : Screen(program, "frmmaal3", QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN"), 11640, 6705, Back) {
    // The reminder's clock runs from creation for the whole run, hidden or not.
    trmaklas2 = new Timer(this, "trmaklas2", 6000, [this] { trmaklas2_Timer(); });
    tmraklas = new Timer(this, "tmraklas", 4000, [this] { tmraklas_Timer(); });
    trmaklas2->start();

    build(BeforeKeypad());
    series_ = std::make_unique<scoring::SeriesRecords>(*this, scoring::TwoDigitSeries);
    Txtoef1 = series_->Txtoef1;
    keypad_ = std::make_unique<keypad::Keypad>(*this, keypad::TwoDigitLayout, [this] { FocusNextBox(); });
    build(AfterKeypad());
    verdict_ = std::make_unique<scoring::VerdictPanel>(*this, scoring::TwoDigitVerdict);
    lbloordeel = verdict_->lbloordeel;
    shpoordeel = verdict_->shpoordeel;
    imgpop1 = verdict_->imgpop1;
    build(Decoration());

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

    connect(cmdstart, &QPushButton::clicked, this, &frmmaal3::cmdstart_Click);
    connect(cmdcontrole, &QPushButton::clicked, this, &frmmaal3::cmdcontrole_Click);
    connect(cmdnieuw, &QPushButton::clicked, this, &frmmaal3::cmdnieuw_Click);
    connect(cmdstop, &QPushButton::clicked, this, &frmmaal3::cmdstop_Click);
    connect(cmdstop2, &QPushButton::clicked, this, &frmmaal3::cmdstop2_Click);
    connect(cmdaklas1, &QPushButton::clicked, this, &frmmaal3::cmdaklas1_Click);
    connect(cmdaklas2, &QPushButton::clicked, this, &frmmaal3::cmdaklas2_Click);
    connect(keypad_->cmdCreate, &QPushButton::clicked, this, &frmmaal3::cmdCreate_Click);

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
        connect(b.box, &TextBox::changed, this, b.change);
        connect(b.box, &TextBox::clicked, this, b.click);
    }
    new numpad::NumberPad(*this, numpad::TwoDigitLayout,
                          {txteenheid, txttiental, txthonderdtal, txtduizendtal, txttiental2, txthonderdtal2,
                           txtduizendtal2, txttienduizendtal2, txtuitkomstE, txtuitkomstT, txtuitkomstH, txtuitkomstD,
                           txtuitkomstTD});
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
    return QStringLiteral("Vermenigvuldig ") + QString::number(working.exercise.multiplicand) +
           QStringLiteral(" nu met het tiental ") + QString::number(working.exercise.malerT) +
           QStringLiteral(" van de vermenigvuldiger. Je schrijft niets in het vakje van de eenheden.");
}

// A twelfth record's slot does not exist and is left alone.
void frmmaal3::ResetRecordHighlight() {
    series_->whiten(series_->count());
}

void frmmaal3::record(const QString& line, int back) {
    txtresultaat->setText(line);
    series_->record(plain(line), back);
}

// ---------------------------------------------------------------- procedures

void frmmaal3::ClearBoard() {
    // Emptying a box runs its change reaction, which moves the focus and may show or
    // hide buttons before the next box is emptied; txtleeg2 writes its point back.
    txtduizendtal->setVisible(false);
    for (TextBox* b : {txt1, txt10, txt100, txteenheid, txttiental, txthonderdtal, txtduizendtal})
        b->setText(QString());
    verdict_->clear();
    keypad_->HideKeypad();
    for (TextBox* b : {txtresultaat, txtleeg2, txttiental2, txthonderdtal2, txtduizendtal2, txttienduizendtal2})
        b->setText(QString());
    working.onBoard = false;
    working.sum = {};
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
    correctTotal = scoring::menuTotal(program);
}

// Every activation clears the board; the series goes on.
void frmmaal3::Form_Activate() {
    ClearBoard();
    status(StartHint);
    CentreOnScreen(*this);
    correctTotal = scoring::menuTotal(program);
}

// ---------------------------------------------------------------- buttons

void frmmaal3::cmdstart_Click() {
    ClearBoard();
    keypad_->cmdCreate->setVisible(true);
    cmdaklas1->setVisible(true);
    working.exercise = zef::MakeTwoDigitExercise(program.random());
    const zef::TwoDigitExercise& ex = working.exercise;
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
    working.onBoard = true;
    working.started.start();
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
    working.sum =
        zef::ReadSumAnswer(plain(txtuitkomstE->text()), plain(txtuitkomstT->text()), plain(txtuitkomstH->text()),
                           plain(txtuitkomstD->text()), plain(txtuitkomstTD->text()));

    // With the board cleared there is no product to reach: any sum is too big.
    const zef::Verdict verdict = working.onBoard ? zef::JudgeSum(working.exercise, working.sum) : zef::Verdict::TooBig;
    const bool right = verdict == zef::Verdict::Correct;
    const QString line = text(zef::TwoDigitResultLine(working.exercise, working.sum, verdict));

    verdict_->show(right, program.random());
    if (working.onBoard) {
        const auto box = [](const TextBox* b) { return plain(b->text()); };
        const zef::TwoDigitWork work{
            {box(txteenheid), box(txttiental), box(txthonderdtal), box(txtduizendtal)},
            {box(txttiental2), box(txthonderdtal2), box(txtduizendtal2), box(txttienduizendtal2)},
            working.sum};
        program.keep(scoring::twoDigitCheck(windowTitle(), working.exercise, work, working.started.seconds()));
    }
    if (right) {
        correctTotal = scoring::raised(correctTotal);
        record(line, Green);
    }
    if (series_->count() == ShownSlots)
        cmdstop->setVisible(true);
    if (series_->count() <= ShownSlots) {
        if (verdict == zef::Verdict::TooBig) {
            if (series_->count() == ShownSlots) {
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
        cmdstop->setVisible(true);
        requestFocus(cmdstop);
    }
    status(QStringLiteral(" Start een nieuwe oefening of stop na 5 oefeningen."));
}

void frmmaal3::cmdnieuw_Click() {
    ClearBoard();
    ResetRecordHighlight();
    series_->empty();
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
    series_->empty();
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
// One handler per box, in the order the pupil fills them; the steps they share follow.

void frmmaal3::txteenheid_Change() {
    requestFocus(txttiental);
    emptyNote();
    status(AklasHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txttiental_Change() {
    requestFocus(txthonderdtal);
    emptyNote();
    status(NoteHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txthonderdtal_Change() {
    if (isShown(txtduizendtal))
        requestFocus(txtduizendtal);
    else
        startSecondRow();
    emptyNote();
}

void frmmaal3::txtduizendtal_Change() {
    emptyNote();
    startSecondRow();
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
    emptyNote();
    status(NoteHint);
    Lbltrainer->setVisible(false);
}

void frmmaal3::txthonderdtal2_Change() {
    requestFocus(txtduizendtal2);
    emptyNote();
    Lbltrainer->setVisible(false);
}

void frmmaal3::txtduizendtal2_Change() {
    if (isShown(txttienduizendtal2)) {
        requestFocus(txttienduizendtal2);
        Lbltrainer->setVisible(false);
    } else {
        startSum();
    }
    emptyNote();
}

void frmmaal3::txttienduizendtal2_Change() {
    emptyNote();
    startSum();
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
    if (isShown(txtuitkomstTD))
        requestFocus(txtuitkomstTD);
    else
        offerCheck(CheckHint);
}

void frmmaal3::txtuitkomstTD_Change() {
    offerCheck(SumHint);
}

void frmmaal3::txtleeg2_Click() {
    txtleeg2->setText(QStringLiteral("."));
    requestFocus(txttiental2);
}

void frmmaal3::retype(TextBox* box) {
    box->setText(QString());
    requestFocus(box);
}

// A note lives until the next digit of a row is typed.
void frmmaal3::emptyNote() {
    keypad_->txthulp->setText(QString());
}

// The first row is complete: the second row starts in its tens place; its units place
// only ever holds the point.
void frmmaal3::startSecondRow() {
    // The point runs txtleeg2's own reaction, which puts up its hint: the second row's
    // text must come after it.
    txtleeg2->setText(QStringLiteral("."));
    requestFocus(txttiental2);
    status(secondRowText());
    Lbltrainer->setVisible(false);
    cmdaklas1->setVisible(false);
    cmdaklas2->setVisible(true);
}

// The second row is complete: the keypad and the reminder go, the sum starts at its units.
void frmmaal3::startSum() {
    requestFocus(txtuitkomstE);
    status(SumHint);
    HideKeypad();
    Lbltrainer->setVisible(false);
    cmdaklas2->setVisible(false);
}

// The last sum box is filled: the check is offered.
void frmmaal3::offerCheck(const QString& text) {
    cmdcontrole->setVisible(true);
    requestFocus(cmdcontrole);
    status(text);
}
