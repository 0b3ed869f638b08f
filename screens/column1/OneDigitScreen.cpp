#include "screens/column1/OneDigitScreen.h"

#include "app/Program.h"
#include "exercise/Digits.h"
#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Text.h"

using namespace ui;

namespace column1 {

namespace {

constexpr FontSpec DigitFont{"Arial", 36, Bold};
constexpr int ColumnStep = 1200;
constexpr int AnswerTop = 3360, MultiplierTop = 1800, ProblemTop = 360, RuleY = 3120;

} // namespace

OneDigitScreen::OneDigitScreen(Program& program, const char* name, const QString& caption, int clientWidthTwips,
                               int clientHeightTwips, const BoardLayout& layout)
    : Screen(program, name, caption, clientWidthTwips, clientHeightTwips, 0xFFC080), layout_(layout) {}

OneDigitScreen::~OneDigitScreen() = default;

void OneDigitScreen::buildKeypad() {
    keypad_ = std::make_unique<keypad::Keypad>(*this, layout_.keys, [this] { FocusNextBox(); });
}

void OneDigitScreen::buildBoard() {
    const int d = layout_.thousandsLeft, h = d + ColumnStep, t = h + ColumnStep, e = t + ColumnStep;
    const auto box = [&](const char* name, int left, int top, unsigned flags, const char* describe) {
        return static_cast<TextBox*>(buildControl(this, {.name = name,
                                                         .kind = Kind::TextBox,
                                                         .at = {left, top, 1095, 975},
                                                         .font = DigitFont,
                                                         .flags = flags | Centred,
                                                         .describe = describe}));
    };
    txtduizendtal = box("txtduizendtal", d, AnswerTop, Hidden, "duizendtallen");
    txthonderdtal = box("txthonderdtal", h, AnswerTop, None, "honderdtallen");
    txttiental = box("txttiental", t, AnswerTop, None, "tientallen");
    txteenheid = box("txteenheid", e, AnswerTop, None, "eenheden");
    txtmaler = box("txtmaler", e, MultiplierTop, Disabled, "vermenigvuldiger");
    txt1 = box("txt1", e, ProblemTop, Disabled, "eenheden van het getal");
    txt10 = box("txt10", t, ProblemTop, Disabled, "tientallen van het getal");
    txt100 = box("txt100", h, ProblemTop, Disabled, "honderdtallen van het getal");

    verdict_ = std::make_unique<scoring::VerdictPanel>(*this, scoring::OneDigitVerdict);
    lbloordeel = verdict_->lbloordeel;
    shpoordeel = verdict_->shpoordeel;
    imgpop1 = verdict_->imgpop1;

    buildControl(this, {.name = "Label1",
                        .kind = Kind::Label,
                        .caption = "X",
                        .at = {layout_.times.x(), layout_.times.y(), 480, 555},
                        .font = {"Arial", 24, Bold}});
    buildControl(this,
                 {.name = "Line1", .kind = Kind::Line, .at = {d, RuleY, e + ColumnStep, RuleY}, .borderWidth = 5});
}

QString OneDigitScreen::worked(const std::string& value) const {
    return working.onBoard ? text(value) : QString();
}

void OneDigitScreen::ClearBoard() {
    working.onBoard = false;
    txtduizendtal->setVisible(false);
    // Emptying the answer boxes runs their change reactions, which move the focus and
    // can show buttons or the keypad; the keypad is closed again below.
    for (TextBox* box : {txt1, txt10, txt100, txtmaler, txteenheid, txttiental, txthonderdtal, txtduizendtal})
        box->setText(QString());
    verdict_->clear();
    keypad_->HideKeypad();
}

void OneDigitScreen::showProblem() {
    const zef::ColumnExercise& ex = working.exercise;
    working.onBoard = true;
    working.started.start();
    txt1->setText(QString::number(ex.digitE));
    txt10->setText(QString::number(ex.digitT));
    txt100->setText(QString::number(ex.digitH));
    txtmaler->setText(QString::number(ex.maler));
    if (ex.hasThousands)
        txtduizendtal->setVisible(true);
    announce(this, text(zef::MultiplicandText(ex)) + QStringLiteral(" x ") + QString::number(ex.maler));
}

const zef::AnswerReading& OneDigitScreen::readBoxes() {
    // Each repair runs that box's change reaction, the hidden thousands box included.
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal, txtduizendtal})
        if (!zef::IsNumber(plain(box->text())))
            box->setText(QStringLiteral("0"));
    // Every box counts by its true value, however many digits it holds, so no answer
    // can overflow.
    working.answer = zef::ReadAnswer(plain(txteenheid->text()), plain(txttiental->text()), plain(txthonderdtal->text()),
                                     plain(txtduizendtal->text()));
    return working.answer;
}

bool OneDigitScreen::showVerdict() {
    const bool right = working.onBoard && zef::Judge(working.exercise, working.answer) == zef::Verdict::Correct;
    verdict_->show(right, program.random());
    if (working.onBoard)
        program.keep(
            scoring::oneDigitCheck(windowTitle(), working.exercise, working.answer, working.started.seconds()));
    return right;
}

void OneDigitScreen::FocusNextBox() {
    keypad::FocusNextBox({txteenheid, txttiental, txthonderdtal, txtduizendtal});
}

void OneDigitScreen::setWorkOrder(QWidget* start, const std::vector<QWidget*>& buttons) {
    std::vector<QWidget*> chain{start, txteenheid, txttiental, txthonderdtal, txtduizendtal};
    for (QWidget* key : keypad_->tabStops())
        chain.push_back(key);
    chain.insert(chain.end(), buttons.begin(), buttons.end());
    ui::setTabChain(chain);
}

} // namespace column1
