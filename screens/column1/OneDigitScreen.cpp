#include "screens/column1/OneDigitScreen.h"

#include "app/Program.h"
#include "exercise/Digits.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QLabel>

using namespace ui;

namespace column1 {

namespace {

constexpr FontSpec DigitFont{"Arial", 36, Bold};
constexpr int ColumnStep = 1200;
constexpr int AnswerTop = 3360, MultiplierTop = 1800, ProblemTop = 360, RuleY = 3120;

// Working fields, in the order ClearBoard empties them; never shown.
const char* const WorkingLabels[] = {
    "lbleen",   "lbltien",  "lblhonderd",       "lblduizend",   "lblrestE",    "lblrestT", "lblrestH",
    "lblrestD", "lblplusT", "lblplusH",         "lblplusD",     "lblplusTD",   "lblE",     "lblT",
    "lblH",     "lblD",     "lblcontrolegetal", "lblresultaat", "lbluitkomst",
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

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

    for (const char* label : WorkingLabels)
        buildControl(this, {.name = label, .kind = Kind::Label, .flags = Hidden});
    buildControl(this, {.name = "Label1",
                        .kind = Kind::Label,
                        .caption = "X",
                        .at = {layout_.times.x(), layout_.times.y(), 480, 555},
                        .font = {"Arial", 24, Bold}});
    buildControl(this,
                 {.name = "Line1", .kind = Kind::Line, .at = {d, RuleY, e + ColumnStep, RuleY}, .borderWidth = 5});
}

void OneDigitScreen::setCaption(const char* label, const QString& caption) {
    control<QLabel>(label)->setText(caption);
}

QString OneDigitScreen::caption(const char* label) const {
    return control<QLabel>(label)->text();
}

void OneDigitScreen::ClearBoard() {
    for (const char* label : WorkingLabels)
        setCaption(label, QString());
    txtduizendtal->setVisible(false);
    // Emptying the answer boxes runs their change reactions, which move the focus and
    // can show buttons or the keypad; the keypad is closed again below.
    for (TextBox* box : {txt1, txt10, txt100, txtmaler, txteenheid, txttiental, txthonderdtal, txtduizendtal})
        box->setText(QString());
    verdict_->Clear();
    keypad_->HideKeypad();
}

void OneDigitScreen::ShowProblem() {
    txt1->setText(QString::number(exercise.digitE));
    txt10->setText(QString::number(exercise.digitT));
    txt100->setText(QString::number(exercise.digitH));
    txtmaler->setText(QString::number(exercise.maler));
    setCaption("lblresultaat", QString::number(exercise.product));
    setCaption("lbleen", text(exercise.rawE));
    setCaption("lbltien", text(exercise.rawT));
    setCaption("lblhonderd", text(exercise.rawH));
    setCaption("lblrestE", text(exercise.restE));
    setCaption("lblplusT", text(exercise.plusT));
    setCaption("lblrestT", text(exercise.restT));
    setCaption("lblplusH", text(exercise.plusH));
    setCaption("lblrestH", text(exercise.restH));
    setCaption("lblplusD", text(exercise.plusD));
    setCaption("lblrestD", text(exercise.restD));
    if (exercise.hasThousands)
        txtduizendtal->setVisible(true);
    setCaption("lblE", text(exercise.restE));
    setCaption("lblT", text(exercise.restT));
    setCaption("lblH", text(exercise.restH));
    setCaption("lblD", text(exercise.restD));
    setCaption("lblcontrolegetal", QString::number(exercise.expectedNumber));
    announce(this, text(zef::MultiplicandText(exercise)) + QStringLiteral(" x ") + QString::number(exercise.maler));
}

zef::AnswerReading OneDigitScreen::ReadBoxes() {
    // Each repair runs that box's change reaction, the hidden thousands box included.
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal, txtduizendtal})
        if (!zef::IsNumber(box->text().toStdString()))
            box->setText(QStringLiteral("0"));
    // Every box counts by its true value, however many digits it holds, so no answer
    // can overflow.
    zef::AnswerReading answer =
        zef::ReadAnswer(txteenheid->text().toStdString(), txttiental->text().toStdString(),
                        txthonderdtal->text().toStdString(), txtduizendtal->text().toStdString());
    setCaption("lbluitkomst", text(answer.answerText));
    return answer;
}

bool OneDigitScreen::ShowVerdict() {
    const bool right = caption("lbluitkomst") == caption("lblcontrolegetal");
    verdict_->Show(right, program.random());
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
