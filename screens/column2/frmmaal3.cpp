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
    const std::vector<TextBox*> entry = entryBoxes({Row::First, Row::Point, Row::Second, Row::Sum});
    std::vector<QWidget*> chain{cmdstart};
    chain.insert(chain.end(), entry.begin(), entry.end());
    for (QWidget* key : keypad_->tabStops())
        chain.push_back(key);
    chain.insert(chain.end(), {cmdaklas1, cmdaklas2, cmdcontrole, cmdnieuw, cmdstop, cmdstop2});
    setTabChain(chain);

    connect(cmdstart, &QPushButton::clicked, this, &frmmaal3::cmdstart_Click);
    connect(cmdcontrole, &QPushButton::clicked, this, &frmmaal3::cmdcontrole_Click);
    connect(cmdnieuw, &QPushButton::clicked, this, &frmmaal3::cmdnieuw_Click);
    connect(cmdstop, &QPushButton::clicked, this, &frmmaal3::cmdstop_Click);
    setReturnButton(cmdstop2, &frmmaal3::cmdstop2_Click);
    connect(cmdaklas1, &QPushButton::clicked, this, &frmmaal3::cmdaklas1_Click);
    connect(cmdaklas2, &QPushButton::clicked, this, &frmmaal3::cmdaklas2_Click);
    connect(keypad_->cmdCreate, &QPushButton::clicked, this, &frmmaal3::cmdCreate_Click);

    for (const EntryBox& e : guidedEntry()) {
        connect(this->*e.box, &TextBox::changed, this, e.change);
        connect(this->*e.box, &TextBox::clicked, this, e.click);
    }
    // The number pad writes digits: the point place is not one of its boxes.
    const std::vector<TextBox*> digits = entryBoxes({Row::First, Row::Second, Row::Sum});
    new numpad::NumberPad(*this, numpad::TwoDigitLayout, {digits.begin(), digits.end()});
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
    const auto empty = [](const std::vector<TextBox*>& boxes) {
        for (TextBox* b : boxes)
            b->setText(QString());
    };
    txtduizendtal->setVisible(false);
    empty({txt1, txt10, txt100});
    empty(entryBoxes({Row::First}));
    verdict_->clear();
    keypad_->HideKeypad();
    txtresultaat->setText(QString());
    empty(entryBoxes({Row::Point, Row::Second}));
    working.onBoard = false;
    working.sum = {};
    empty(entryBoxes({Row::Sum}));
    empty({txtmalerT, txtmalerE});
    txttienduizendtal2->setVisible(true);
    txtuitkomstTD->setVisible(true);
    keypad_->cmdCreate->setVisible(false);
    cmdaklas1->setVisible(false);
    cmdaklas2->setVisible(false);
}

void frmmaal3::FocusNextBox() {
    // The box after the last filled one (one that holds text) of the two rows, passing over
    // a hidden thousands or ten-thousands box; once the rows are full, the sum's units. The
    // sum boxes are never chosen by their own contents.
    std::vector<TextBox*> run = entryBoxes({Row::First, Row::Second});
    run.push_back(entryBoxes({Row::Sum}).front());
    std::size_t next = 0;
    for (std::size_t i = 0; i + 1 < run.size(); ++i)
        if (!run[i]->text().isEmpty())
            next = i + 1;
    while (!isShown(run[next]) && next + 1 < run.size())
        ++next;
    requestFocus(run[next]);
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
    // Hidden boxes are repaired too, the sum before the second row; every box whose text
    // changes runs its reaction.
    for (TextBox* b : entryBoxes({Row::First, Row::Sum, Row::Second}))
        b->setText(text(zef::RepairBox(plain(b->text()))));
    const std::vector<TextBox*> sum = entryBoxes({Row::Sum});
    const auto digit = [&sum](int place) { return plain(sum[place]->text()); };
    working.sum = zef::ReadSumAnswer(digit(0), digit(1), digit(2), digit(3), digit(4));

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

std::span<const frmmaal3::EntryBox> frmmaal3::guidedEntry() {
    static constexpr EntryBox order[] = {
        {&Self::txteenheid, Row::First, &Self::txteenheid_Change, &Self::txteenheid_Click},
        {&Self::txttiental, Row::First, &Self::txttiental_Change, &Self::txttiental_Click},
        {&Self::txthonderdtal, Row::First, &Self::txthonderdtal_Change, &Self::txthonderdtal_Click},
        {&Self::txtduizendtal, Row::First, &Self::txtduizendtal_Change, &Self::txtduizendtal_Click},
        {&Self::txtleeg2, Row::Point, &Self::txtleeg2_Change, &Self::txtleeg2_Click},
        {&Self::txttiental2, Row::Second, &Self::txttiental2_Change, &Self::txttiental2_Click},
        {&Self::txthonderdtal2, Row::Second, &Self::txthonderdtal2_Change, &Self::txthonderdtal2_Click},
        {&Self::txtduizendtal2, Row::Second, &Self::txtduizendtal2_Change, &Self::txtduizendtal2_Click},
        {&Self::txttienduizendtal2, Row::Second, &Self::txttienduizendtal2_Change, &Self::txttienduizendtal2_Click},
        {&Self::txtuitkomstE, Row::Sum, &Self::txtuitkomstE_Change, &Self::txtuitkomstE_Click},
        {&Self::txtuitkomstT, Row::Sum, &Self::txtuitkomstT_Change, &Self::txtuitkomstT_Click},
        {&Self::txtuitkomstH, Row::Sum, &Self::txtuitkomstH_Change, &Self::txtuitkomstH_Click},
        {&Self::txtuitkomstD, Row::Sum, &Self::txtuitkomstD_Change, &Self::txtuitkomstD_Click},
        {&Self::txtuitkomstTD, Row::Sum, &Self::txtuitkomstTD_Change, &Self::txtuitkomstTD_Click},
    };
    return order;
}

std::vector<TextBox*> frmmaal3::entryBoxes(std::initializer_list<Row> rows) const {
    std::vector<TextBox*> run;
    for (Row row : rows)
        for (const EntryBox& e : guidedEntry())
            if (e.row == row)
                run.push_back(this->*e.box);
    return run;
}

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
