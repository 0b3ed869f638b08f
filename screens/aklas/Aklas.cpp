#include "screens/aklas/Aklas.h"

#include "app/Program.h"
#include "exercise/TimesTable.h"
#include "screens/column1/frmmaal2.h"
#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Text.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <functional>

using namespace ui;

namespace {

constexpr int Yellow = 0xFFFF00, Green = 0x00FF00, Black = 0x000000;
constexpr int Navy = 0x000080, White = 0xFFFFFF, Red = 0xFF0000, PaleGreen = 0xC0FFC0;
constexpr int DrillMs = 10000, ResetMs = 15000;

constexpr FontSpec Bold825{"MS Sans Serif", 8.25, Bold};
constexpr FontSpec Bold975{"MS Sans Serif", 9.75, Bold};
constexpr FontSpec Bold135{"MS Sans Serif", 13.5, Bold};

// Pictures first so that the labels and frames stand in front of them. The panel behind
// the search line must not be cut by the decoration next to it, so it shares the pictures'
// layer and comes after them; Image4 sits on the white Label3 in the same way.
} // namespace

// clang-format off
const ControlSpec Aklas::Controls[] = {
    {.name = "Image3", .kind = Kind::Picture, .at = {0, 600, 5475, 3510}, .picture = "aklas_deco1.svg"},
    {.name = "Image2", .kind = Kind::Picture, .at = {120, 4560, 2820, 2985}, .picture = "aklas_deco2.svg"},
    {ZEF_CONTROL(Image1), .kind = Kind::Picture, .at = {4920, 4320, 480, 480}, .picture = "taakleraar.svg",
     .describe = "taakleraar"},
    {.name = "shpTip", .kind = Kind::Shape, .at = {3960, 360, 5895, 1095}, .back = PaleGreen, .border = Navy,
     .layer = 1},
    {.name = "Label3", .kind = Kind::Label, .at = {9840, 120, 1935, 1695}, .back = White},
    {.name = "Image4", .kind = Kind::Picture, .at = {9960, 240, 1485, 1485}, .picture = "aklas_deco4.svg", .layer = 2},
    {ZEF_CONTROL(lblmededeling), .kind = Kind::Label, .at = {4200, 480, 5535, 855}, .back = PaleGreen,
     .font = {"MS Sans Serif", 24, Bold}, .flags = Centred},
    {ZEF_CONTROL(lblinfor), .kind = Kind::Label, .at = {120, 3600, 3255, 735}, .back = Red, .fore = White,
     .font = {"Arial", 26.25, Bold}, .flags = Centred},
    {.name = "Label1", .kind = Kind::Label, .caption = "dat ken je zeker", .at = {240, 240, 1455, 375},
     .back = 0x00C000, .fore = Navy, .font = Bold825},
    {.name = "Label2", .kind = Kind::Label, .caption = "dat is moeilijker", .at = {1920, 240, 1455, 375},
     .back = Red, .fore = White, .font = Bold825},
    {ZEF_CONTROL(Lbltrainer2), .kind = Kind::Label, .at = {360, 960, 1215, 1695}, .back = PaleGreen, .font = Bold975,
     .flags = Hidden | Centred},
    {ZEF_CONTROL(lbltrainer3), .kind = Kind::Label, .at = {2040, 960, 1215, 1695}, .back = 0xFFC0C0, .font = Bold975,
     .flags = Centred},
    {ZEF_CONTROL(Lbltrainer), .kind = Kind::Label, .at = {3360, 4920, 1815, 2535}, .back = Black, .fore = White,
     .font = Bold825, .flags = Hidden | Centred},
    {ZEF_CONTROL(Lblinaklas), .kind = Kind::Label, .caption = "Ik ben de taakleraar, welkom in de A klas",
     .at = {3360, 4320, 1575, 495}, .back = Navy, .fore = White, .flags = Hidden},

    {ZEF_CONTROL(Frmkiestafel), .kind = Kind::Frame, .caption = "Keuze", .at = {10680, 1800, 1095, 5415},
     .back = PaleGreen, .fore = Navy},
    {.name = "Frmveld", .kind = Kind::Frame, .caption = "Honderdveld", .at = {5520, 1800, 5145, 5220},
     .back = Yellow, .fore = 0x0000C0},
    {.name = "Lbl100veld", .kind = Kind::Label, .caption = "Oefenen op het honderdveld", .at = {120, 4560, 4815, 495},
     .back = 0xFFFFC0, .font = Bold135, .flags = Centred, .parent = "Frmveld"},

    {ZEF_CONTROL(Cmdterug), .kind = Kind::PictureButton, .caption = "terug", .at = {8760, 7200, 3015, 735},
     .font = Bold975, .flags = Hidden, .picture = "terug.svg"},
    {ZEF_CONTROL(txtgetal2), .kind = Kind::TextBox, .at = {9600, 0, 615, 735}, .flags = Hidden | NoTabStop},
};
// clang-format on

namespace {

// Left edges of the ten columns of the hundred field: not quite even steps.
constexpr int ColumnLeft[10] = {120, 600, 1080, 1560, 2050, 2560, 3100, 3590, 4080, 4560};
constexpr int RowLines[12] = {120, 420, 800, 1200, 1600, 2000, 2400, 2800, 3200, 3600, 4000, 4400};

Twips boxPlace(int i) {
    if (i == 0)
        return {4560, 200, 375, 195};
    const int r = (i - 1) / 10, c = (i - 1) % 10;
    return {ColumnLeft[c], 480 + 400 * r, 375, 285};
}

using Handler = void (Aklas::*)();
constexpr Handler Clicks[11] = {nullptr,
                                &Aklas::Cmd1_Click,
                                &Aklas::Cmd2_Click,
                                &Aklas::Cmd3_Click,
                                &Aklas::Cmd4_Click,
                                &Aklas::Cmd5_Click,
                                &Aklas::Cmd6_Click,
                                &Aklas::Cmd7_Click,
                                &Aklas::Cmd8_Click,
                                &Aklas::Cmd9_Click,
                                &Aklas::Cmd10_Click};
constexpr Handler Ticks[11] = {nullptr,
                               &Aklas::Timer1_Timer,
                               &Aklas::Timer2_Timer,
                               &Aklas::Timer3_Timer,
                               &Aklas::Timer4_Timer,
                               &Aklas::Timer5_Timer,
                               &Aklas::Timer6_Timer,
                               &Aklas::Timer7_Timer,
                               &Aklas::Timer8_Timer,
                               &Aklas::Timer9_Timer,
                               &Aklas::Timer10_Timer};

} // namespace

Aklas::Aklas(Program& program) : Screen(program, "Aklas", QStringLiteral("A klas "), 11880, 8010, 0xFFFF80) {
    // Here Enter moves on to the next button, as Tab does.
    setEnterClicksButtons(false);
    build(Controls);

    // Grid lines of the hundred field; the boxes stand in front of them.
    for (int j = 0; j <= 10; ++j) {
        ControlSpec line{.name = "Line1", .kind = Kind::Line, .at = {500 * j, 120, 500 * j, 4410}, .parent = "Frmveld"};
        buildControl(this, line)->setObjectName(arrayName("Line1", j));
    }
    for (int j = 0; j < 12; ++j) {
        ControlSpec line{
            .name = "Line2", .kind = Kind::Line, .at = {0, RowLines[j], 5000, RowLines[j]}, .parent = "Frmveld"};
        buildControl(this, line)->setObjectName(arrayName("Line2", j));
    }
    // The pupil cannot type into the field or give it the focus: its numbers stay put,
    // and Enter and Tab move only between the buttons.
    for (int i = 0; i <= 100; ++i) {
        const QByteArray number = QByteArray::number(i);
        ControlSpec box{.name = "Text2",
                        .kind = Kind::TextBox,
                        .caption = number.constData(),
                        .at = boxPlace(i),
                        .back = Yellow,
                        .font = Bold825,
                        .flags = Centred | NoTabStop,
                        .parent = "Frmveld"};
        auto* w = static_cast<TextBox*>(buildControl(this, box));
        w->setObjectName(arrayName("Text2", i));
        w->setReadOnly(true);
        w->setFocusPolicy(Qt::NoFocus);
        w->setTextMargins(0, 0, 0, 0);
        // The flat box 0 is too low for a framed box's padding.
        if (i == 0)
            w->setFrame(false);
        Text2[i] = w;
        boxColour[i] = Yellow;
    }
    for (int n = 1; n <= 10; ++n) {
        const QByteArray caption = "x " + QByteArray::number(n);
        ControlSpec button{.name = "Cmd",
                           .kind = Kind::Button,
                           .caption = caption.constData(),
                           .at = {120, 240 + 480 * (n - 1), 735, 375},
                           .font = Bold135,
                           .parent = "Frmkiestafel"};
        Cmd[n] = static_cast<QPushButton*>(buildControl(this, button));
        Cmd[n]->setObjectName(QStringLiteral("Cmd%1").arg(n));
        connect(Cmd[n], &QPushButton::clicked, this, Clicks[n]);
        const QByteArray timerName = "Timer" + QByteArray::number(n);
        Timers[n] = new ui::Timer(this, timerName.constData(), DrillMs, std::bind_front(Ticks[n], this));
    }
    Timerreset = new ui::Timer(this, "Timerreset", ResetMs, std::bind_front(&Aklas::Timerreset_Timer, this));

    for (int n = 1; n < 10; ++n)
        setTabOrder(Cmd[n], Cmd[n + 1]);
    setTabOrder(Cmd[10], Cmdterug);

    // The greeting hides as soon as the pointer moves over it, without a button held.
    Lblinaklas->setMouseTracking(true);
    connect(Image1, &Picture::mouseMoved, this, &Aklas::Image1_MouseMove);
    connect(Lblinaklas, &Label::mouseMoved, this, &Aklas::Lblinaklas_MouseMove);
    connect(Cmdterug, &QPushButton::clicked, this, &Aklas::Cmdterug_Click);
    connect(txtgetal2, &TextBox::changed, this, &Aklas::txtgetal2_Change);
    speakChanges({lblmededeling, lblinfor, Lbltrainer2, lbltrainer3, Lbltrainer});
}

void Aklas::setBoxColour(int box, int colour) {
    // Repainting only the boxes whose colour really changes keeps activation and drills cheap.
    if (boxColour[box] == colour)
        return;
    boxColour[box] = colour;
    Text2[box]->setBackColour(rgb(colour));
}

void Aklas::ResetRoom() {
    Frmkiestafel->setVisible(true);
    txtgetal2->setText(QStringLiteral("0"));
    Lbltrainer->setVisible(false);
    for (int i : zef::TableProducts)
        setBoxColour(i, Yellow);
    Lbltrainer2->setVisible(false);
    lbltrainer3->setVisible(false);
    focusDrill(false);
}

void Aklas::Form_Load() {
    CentreOnScreen(*this);
    ResetRoom();
}

void Aklas::Form_Activate() {
    CentreOnScreen(*this);
    frmmaal2& exercise = program.screen<frmmaal2>();
    lblmededeling->setText(QStringLiteral(" ik zoek ") + exercise.lblmemo5->text());
    lblinfor->setText(QStringLiteral(" druk op x ") + QString::number(exercise.maler));
    ResetRoom();
}

void Aklas::Cmdterug_Click() {
    lblinfor->clear();
    Lblinaklas->setVisible(false);
    program.HideScreen(*this);
    program.ShowScreen<frmmaal2>();
    Cmdterug->setVisible(false);
}

void Aklas::keyPressEvent(QKeyEvent* e) {
    // Keys that the focused button leaves alone (Enter among them) end up here.
    int KeyAscii = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ? 13 : -1;
    if (KeyAscii == 13) {
        Form_KeyPress(KeyAscii);
        if (KeyAscii == 0) {
            e->accept();
            return;
        }
    }
    Screen::keyPressEvent(e);
}

void Aklas::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    // A real Tab key press rather than a bare focus move: only then does the new button
    // show its focus frame, so the pupil sees where Enter went.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focusWidget() ? focusWidget() : this, &tab);
}

void Aklas::Image1_MouseMove() {
    Lblinaklas->setVisible(true);
}

void Aklas::Lblinaklas_MouseMove() {
    Lblinaklas->setVisible(false);
}

void Aklas::keepDrill(const QString& ending) {
    if (drillTable == 0)
        return;
    results::Check c;
    c.screen = windowTitle().trimmed();
    c.problem = QStringLiteral("tafel van %1").arg(drillTable);
    c.verdict = ending;
    c.seconds = drillTime.seconds();
    drillTable = 0;
    program.keep(c);
}

void Aklas::hideEvent(QHideEvent* e) {
    // The room can only be left after a drill; a drill still running when the program hides
    // the room was cut short (the program ending). A minimised window is not an ending.
    if (!e->spontaneous())
        keepDrill(results::DrillCut);
    Screen::hideEvent(e);
}

void Aklas::StartDrill(int n) {
    keepDrill(results::DrillCut);
    drillTable = n;
    drillTime.start();
    for (int box : zef::MultiplesOf(n))
        setBoxColour(box, Green);
    // A running timer starts over, so the tick of timer n still comes before the end of the
    // drill when a table is chosen while an earlier drill's timers run.
    Timers[n]->start();
    txtgetal2->setText(QString::number(n));
    Frmkiestafel->setVisible(false);
    Timerreset->start();
    Cmdterug->setVisible(false);
    // Hiding the buttons left the focus on a hidden one, where Space would still click it.
    if (QWidget* f = focusWidget(); f && !f->isVisibleTo(this))
        f->clearFocus();
    Lbltrainer2->setVisible(true);
    lbltrainer3->setVisible(true);
    Lbltrainer2->setText(text(zef::QuestionListText(zef::EasyFactors, n)));
    lbltrainer3->setText(text(zef::QuestionListText(zef::HardFactors, n)));
    focusDrill(true);
}

void Aklas::HideMultiples(int n) {
    for (int box : zef::MultiplesOf(n))
        setBoxColour(box, Black);
    Lbltrainer->setVisible(true);
    announce(this, QStringLiteral("De uitkomsten van de tafel van %1 zijn bedekt.").arg(n));
}

void Aklas::EndDrill() {
    keepDrill(results::DrillDone);
    Frmkiestafel->setVisible(true);
    Cmdterug->setVisible(true);
    for (int n = 1; n <= 10; ++n)
        Timers[n]->stop();
    Lbltrainer->setVisible(true);
    Timerreset->stop();
    focusDrill(false);
}

void Aklas::focusDrill(bool on) {
    // The table buttons are hidden during a drill: the question lists (and the table once
    // it shows) take the keyboard focus, so that Tab always reads something. After the
    // drill the focus goes back to the button of the table.
    for (QLabel* list : {Lbltrainer2, lbltrainer3, Lbltrainer})
        list->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    if (on) {
        requestFocus(Lbltrainer2);
        return;
    }
    const int n = txtgetal2->text().toInt();
    if (QWidget* f = focusWidget(); f && (!f->isVisibleTo(this) || f->focusPolicy() == Qt::NoFocus))
        requestFocus(Cmd[n >= 1 && n <= 10 ? n : 1]);
}

void Aklas::txtgetal2_Change() {
    Lbltrainer->setText(text(zef::TimesTableText(plain(txtgetal2->text()))));
}
