#include "screens/closing/frminfo.h"

#include "app/Program.h"
#include "screens/closing/StatusBar.h"
#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QProgressBar>

using namespace ui;

namespace {

constexpr int LightYellow = 0xFFFFC0, Navy = 0x000080, White = 0xFFFFFF;
constexpr int TimerMs = 75;
constexpr int LastTick = 150; // the bar's maximum; the tick after it ends the program
constexpr Twips BarDesign{3240, 5280, 2775, 255};

constexpr FontSpec Arial825{"Arial", 8.25};
constexpr const char* MakerSite = "www.torvaleno.example";

// The width of the status bar's first panel, which the maker's line scrolls through.
constexpr int LineTwips = 2000;

// Enabling a timer that already runs leaves its rhythm alone.
void enable(QTimer* timer) {
    if (!timer->isActive())
        timer->start();
}

} // namespace

// The yellow credit area is only a background: the credits stand on the screen itself,
// in its coordinates, so the panel takes the lowest layer.
// clang-format off
const ControlSpec frminfo::Controls[] = {
    {.name = "Frame1", .kind = Kind::Panel, .at = {1560, 360, 7080, 4050}, .back = LightYellow,
     .describe = "Over de maker", .layer = 0},
    {.name = "Imgzon", .kind = Kind::Picture, .at = {0, 720, 2520, 2610}, .picture = "zon.svg", .describe = "zon"},
    {.name = "lblmemo", .kind = Kind::Label, .caption = "Voor jou gemaakt door ", .at = {2355, 720, 3255, 330},
     .back = LightYellow, .font = {"Arial", 14.25, Bold}},
    {.name = "lblinstituut", .kind = Kind::Label, .caption = "TORVALENO ", .at = {2520, 1440, 4245, 660},
     .back = LightYellow, .font = {"Arial", 27.75, Bold}},
    {.name = "lblmening", .kind = Kind::Label, .caption = "software om te trainen", .at = {3480, 2340, 3375, 360},
     .back = LightYellow, .font = {"Arial", 15.75, Bold}, .flags = RightAligned},
    {.name = "Lblidee", .kind = Kind::Label, .caption = "Odo Zefvelt", .at = {840, 3720, 1095, 255},
     .back = LightYellow, .font = {"Arial", 9.75}},
    {.name = "lbladres1", .kind = Kind::Label, .caption = "onderwijzer en maker van leerprogramma's",
     .at = {2640, 3240, 3855, 240}, .back = LightYellow, .font = Arial825},
    {.name = "Lblwebinfo", .kind = Kind::Label, .caption = "geboren in 1941 in Zonnedal",
     .at = {4680, 3480, 3840, 240}, .back = LightYellow, .font = Arial825},
    {.name = "lblmail", .kind = Kind::Label, .caption = "diploma onderwijzer in 1961", .at = {3840, 3720, 3840, 240},
     .back = LightYellow, .font = Arial825},
    {.name = "imgmaker", .kind = Kind::Picture, .tip = "auteur", .at = {240, 3480, 480, 480}, .picture = "maker.svg"},
    {.name = "Image4", .kind = Kind::Picture, .tip = MakerSite, .at = {120, 4080, 480, 420}, .picture = "logo.svg"},
    {.name = "Image3", .kind = Kind::Picture, .tip = MakerSite, .at = {8760, 4080, 480, 420}, .picture = "logo.svg"},
    {ZEF_CONTROL(lblgeld), .kind = Kind::Label, .at = {1560, 4440, 7080, 735}, .back = Navy, .fore = White,
     .font = {"Arial", 14.25}, .flags = Centred, .describe = "Waar je de software vindt"},
};
// clang-format on

frminfo::frminfo(Program& program) : Screen(program, "frminfo", QString(), 10185, 5925, 0x6F6F6F) {
    // The screen has no caption; a screen reader still names its window.
    setAccessibleName(QStringLiteral("Tot ziens"));
    build(Controls);

    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setAccessibleName(QStringLiteral("Statusbalk"));
    StatusBar1->setGeometry(rectFromTwips(0, 5550, 10185, 375));
    StatusBar1->addPanel(StatusBar::Text, LineTwips, QStringLiteral("Lopende tekst"));
    StatusBar1->addPanel(StatusBar::Text, 3500, QStringLiteral("Voortgang"));
    StatusBar1->addPanel(StatusBar::Date, 1200, QStringLiteral("Datum"));
    StatusBar1->addPanel(StatusBar::Time, 1000, QStringLiteral("Tijd"));
    StatusBar1->addPanel(StatusBar::Text, 3000, QStringLiteral("Gratis software"), QStringLiteral("Gratis software"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Voortgang"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(rectFromTwips(BarDesign.left, BarDesign.top, BarDesign.width, BarDesign.height));

    Timer1 = new ui::Timer(this, "Timer1", TimerMs, [this] { Timer1_Timer(); });
    // The closing takes 151 ticks: a coarse timer's small delays would add up.
    Timer1->setTimerType(Qt::PreciseTimer);
    // The credits and the notice are read once, when the screen appears.
    for (const char* credit : {"lblmemo", "lblinstituut", "lblmening", "Lblidee", "lbladres1", "Lblwebinfo", "lblmail"})
        speakChanges(control<QLabel>(credit));
    speakChanges(lblgeld);
}

void frminfo::Form_Load() {
    lblgeld->setText(QStringLiteral(" Sinds mijn 60ste verjaardag is de software gratis\r\n via ") +
                     QLatin1String(MakerSite) + QLatin1Char(' '));
    ProgressBar1->setRange(0, LastTick);
    DockProgressBar(true);
    enable(Timer1);
    scrollText = QStringLiteral("Torvaleno,educatieve software voor de basisschool");
    scrollTag.clear();
    StatusBar1->panel(1)->setText(scrollText);
    CentreOnScreen(*this);
}

void frminfo::Form_Activate() {
    ProgressBar1->setRange(0, LastTick);
    DockProgressBar(true);
    enable(Timer1);
}

void frminfo::DockProgressBar(bool on) {
    if (on) {
        const QRect panel = StatusBar1->panelRect(2);
        if (ProgressBar1->parentWidget() != StatusBar1)
            ProgressBar1->setParent(StatusBar1);
        ProgressBar1->setGeometry(panel);
        ProgressBar1->raise();
        ProgressBar1->show();
        ProgressBar1->setValue(0);
    } else {
        if (ProgressBar1->parentWidget() != this)
            ProgressBar1->setParent(this);
        ProgressBar1->setGeometry(rectFromTwips(BarDesign.left, BarDesign.top, BarDesign.width, BarDesign.height));
        ProgressBar1->hide();
    }
}

void frminfo::Timer1_Timer() {
    if (scrollTag.isEmpty()) {
        // As many blanks as fill the panel, so the line comes in from its right edge.
        const double blank = QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')) * TwipsPerPixel;
        const int blanks = blank > 0 ? qRound(LineTwips / blank) : 0;
        scrollTag = QString(blanks, QLatin1Char(' ')) + scrollText;
        scrollText = scrollTag;
    }
    if (!scrollText.isEmpty())
        scrollText.remove(0, 1);
    else
        scrollText = scrollTag;
    StatusBar1->panel(1)->setText(scrollText);

    ++tickCount;
    if (tickCount > LastTick) {
        Timer1->stop();
        DockProgressBar(false);
        tickCount = 0;
        program.HideScreen(*this);
        program.end();
        return;
    }
    ProgressBar1->setValue(tickCount);
}
