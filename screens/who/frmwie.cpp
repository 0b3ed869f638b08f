#include "screens/who/frmwie.h"

#include "app/Program.h"
#include "screens/menu/frmkiesbasis.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>

using namespace ui;

namespace {

constexpr int Navy = 0x000080, White = 0xFFFFFF, LightYellow = 0xFFFFC0, Yellow = 0xFFFF80;
constexpr int Width = 12600, Height = 9600;

// Where the name buttons go, in twips, and how many fit on one page (5 across, 7 down): a
// class of up to 35 sees every name at once, with buttons a small finger hits easily.
constexpr Twips Grid{240, 1440, 12120, 6960};
constexpr int MostColumns = 5, MostRows = 7, PerPage = MostColumns * MostRows;
// A short list gets big buttons, not giant ones; the grid then stands in the middle.
constexpr int WidestCell = 3840, HighestCell = 1440, Gap = 120;

constexpr FontSpec BigName{"Arial", 20.25, Bold};
constexpr FontSpec Name{"Arial", 15.75, Bold};
constexpr FontSpec PageFont{"MS Sans Serif", 12, Bold};

// Fewest columns that keep the grid about as wide as it is high, as a class list reads.
int columnsFor(int names) {
    int columns = 1;
    while (columns < MostColumns && columns * (columns + 1) < names)
        ++columns;
    return columns;
}

} // namespace

// clang-format off
const ControlSpec frmwie::Controls[] = {
    {.name = "Frame1", .kind = Kind::Panel, .at = {0, 0, Width, 1200}, .back = Navy},
    {ZEF_CONTROL(lblvraag), .kind = Kind::Label, .caption = "Wie ben jij?", .at = {0, 60, Width, 720}, .back = Navy,
     .fore = White, .font = {"Arial", 27.75, Bold}, .flags = Centred, .parent = "Frame1"},
    {ZEF_CONTROL(lbluitleg), .kind = Kind::Label, .caption = "Kies je naam.", .at = {0, 780, Width, 375},
     .back = Navy, .fore = White, .font = {"MS Sans Serif", 13.5}, .flags = Centred, .parent = "Frame1"},
    {.name = "Shape1", .kind = Kind::Shape, .at = {120, 1320, Width - 240, 7200}, .back = Yellow},
    {ZEF_CONTROL(cmdvorige), .kind = Kind::Button, .caption = "Vorige namen", .at = {1800, 8640, 2880, 840},
     .font = PageFont, .flags = Hidden},
    {ZEF_CONTROL(lblblad), .kind = Kind::Label, .at = {4800, 8880, 3000, 375}, .fore = Navy, .font = PageFont,
     .flags = Hidden | Centred},
    {ZEF_CONTROL(cmdverder), .kind = Kind::Button, .caption = "Meer namen", .at = {7920, 8640, 2880, 840},
     .font = PageFont, .flags = Hidden},
    {.name = "Image1_0", .kind = Kind::Picture, .at = {0, Height - 420, 480, 420}, .picture = "logo.svg"},
    {.name = "Image1_1", .kind = Kind::Picture, .at = {Width - 480, Height - 420, 480, 420}, .picture = "logo.svg"},
};
// clang-format on

frmwie::frmwie(Program& program)
    : Screen(program, "frmwie", QStringLiteral("Wie ben jij?"), Width, Height, LightYellow),
      names(program.classList()) {
    build(Controls);

    // Every page shares the layout of a full one, so a name keeps its place on its page.
    const int shown = std::min(int(names.size()), PerPage);
    const int columns = columnsFor(shown), rows = (shown + columns - 1) / columns;
    const int cellWidth = std::min(Grid.width / columns, WidestCell);
    const int cellHeight = std::min(Grid.height / std::max(rows, 1), HighestCell);
    const int left = Grid.left + (Grid.width - columns * cellWidth) / 2;
    const int top = Grid.top + (Grid.height - rows * cellHeight) / 2;

    naamgroep = new QButtonGroup(this);
    naamgroep->setExclusive(false);
    std::vector<QWidget*> chain;
    for (int i = 0; i < names.size(); ++i) {
        const int place = i % PerPage;
        // A name is shown as written: an "&" is no shortcut mark here.
        const QByteArray caption = QString(names[i]).replace(QLatin1Char('&'), QLatin1String("&&")).toUtf8();
        const ControlSpec button{.name = "cmdnaam",
                                 .kind = Kind::Button,
                                 .caption = caption.constData(),
                                 .at = {left + place % columns * cellWidth + Gap / 2,
                                        top + place / columns * cellHeight + Gap / 2, cellWidth - Gap,
                                        cellHeight - Gap},
                                 .back = White,
                                 .font = cellHeight >= 1200 ? BigName : Name,
                                 .flags = Hidden};
        auto* w = static_cast<QPushButton*>(buildControl(this, button));
        w->setObjectName(arrayName("cmdnaam", i));
        w->setAccessibleName(names[i]);
        // The group moves the focus between the names with the arrow keys, by where they stand.
        naamgroep->addButton(w, i);
        cmdnaam.push_back(w);
        chain.push_back(w);
    }
    chain.insert(chain.end(), {cmdvorige, cmdverder});
    setTabChain(chain);

    connect(naamgroep, &QButtonGroup::idClicked, this, &frmwie::cmdnaam_Click);
    connect(cmdvorige, &QPushButton::clicked, this, &frmwie::cmdvorige_Click);
    connect(cmdverder, &QPushButton::clicked, this, &frmwie::cmdverder_Click);
    speakChanges({lblvraag, lbluitleg, lblblad});
}

ui::Form& frmwie::afterWelcome(Program& program) {
    const bool asked = program.isCreated<frmwie>() && program.screen<frmwie>().gekozen;
    if (program.classList().isEmpty() || asked)
        return program.screen<frmkiesbasis>();
    return program.screen<frmwie>();
}

void frmwie::Form_Load() {
    CentreOnScreen(*this);
    showPage(0);
}

void frmwie::Form_Activate() {
    CentreOnScreen(*this);
    focusFirstOnPage();
}

int frmwie::pageCount() const {
    return std::max(1, int((names.size() + PerPage - 1) / PerPage));
}

void frmwie::showPage(int page) {
    blad = std::clamp(page, 0, pageCount() - 1);
    for (size_t i = 0; i < cmdnaam.size(); ++i)
        cmdnaam[i]->setVisible(int(i) / PerPage == blad);
    const bool paged = pageCount() > 1;
    lblblad->setText(QStringLiteral("bladzijde %1 van %2").arg(blad + 1).arg(pageCount()));
    lblblad->setVisible(paged);
    cmdvorige->setVisible(paged);
    cmdverder->setVisible(paged);
    cmdvorige->setEnabled(blad > 0);
    cmdverder->setEnabled(blad < pageCount() - 1);
    if (isVisible())
        focusFirstOnPage();
}

void frmwie::focusFirstOnPage() {
    if (!cmdnaam.empty())
        requestFocus(cmdnaam[size_t(blad * PerPage)]);
}

void frmwie::cmdnaam_Click(int index) {
    program.setPupil(names[index]);
    gekozen = true;
    program.HideScreen(*this);
    program.ShowScreen<frmkiesbasis>();
}

void frmwie::cmdvorige_Click() {
    showPage(blad - 1);
}

void frmwie::cmdverder_Click() {
    showPage(blad + 1);
}

void frmwie::keyPressEvent(QKeyEvent* e) {
    // Keys the focused button leaves alone end up here: Page Down and Page Up turn the page.
    if (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_PageUp) {
        showPage(blad + (e->key() == Qt::Key_PageDown ? 1 : -1));
        return;
    }
    Screen::keyPressEvent(e);
}
