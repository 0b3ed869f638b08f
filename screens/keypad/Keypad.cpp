#include "screens/keypad/Keypad.h"

#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QByteArray>
#include <QPushButton>

using namespace ui;

namespace keypad {

namespace {
constexpr FontSpec KeyFont{"MS Sans Serif", 12, Bold};
constexpr FontSpec PointFont{"MS Sans Serif", 24, Bold};
constexpr FontSpec NoteFont{"Arial", 26.25, Bold | Italic};
constexpr FontSpec TitleFont{"Arial", 15.75, Bold};
} // namespace

void FocusNextBox(const AnswerRow& row) {
    // Later rules win over earlier ones, so the focus lands on the first empty box
    // from the right when the pupil works units first.
    QLineEdit* target = nullptr;
    if (row.eenheid->text().isEmpty())
        target = row.eenheid;
    if (!row.eenheid->text().isEmpty())
        target = row.tiental;
    if (!row.tiental->text().isEmpty())
        target = row.honderdtal;
    if (!row.honderdtal->text().isEmpty() && isShown(row.duizendtal))
        target = row.duizendtal;
    requestFocus(target);
}

Keypad::Keypad(QWidget& host, const Layout& layout, std::function<void()> focusNextBox)
    : focusNextBox_(std::move(focusNextBox)), hideTakesCreate_(layout.hideTakesCreate) {
    cmdhelpstip = static_cast<QPushButton*>(buildControl(&host, {.name = "cmdhelpstip",
                                                                 .kind = Kind::Button,
                                                                 .caption = ".",
                                                                 .at = {layout.point.x(), layout.point.y(), 615, 615},
                                                                 .font = PointFont}));
    for (int digit = 1; digit <= 9; ++digit) {
        const QByteArray name = "cmdhelp" + QByteArray::number(digit);
        const QByteArray caption = QByteArray::number(digit);
        const int left = layout.keysLeft + (digit - 1) * layout.keysStep;
        cmdhelp[digit - 1] = static_cast<QPushButton*>(buildControl(&host, {.name = name.constData(),
                                                                            .kind = Kind::Button,
                                                                            .caption = caption.constData(),
                                                                            .at = {left, layout.keysTop, 495, 495},
                                                                            .font = KeyFont}));
    }
    cmdCreate = static_cast<PictureButton*>(buildControl(&host, {.name = "cmdCreate",
                                                                 .kind = Kind::PictureButton,
                                                                 .caption = "onthouden",
                                                                 .at = {layout.create.x(), layout.create.y(), 975, 975},
                                                                 .back = 0xFFC080,
                                                                 .picture = "onthouden.svg"}));
    txthulp = static_cast<TextBox*>(buildControl(&host, {.name = "txthulp",
                                                         .kind = Kind::TextBox,
                                                         .at = {layout.noteLeft, 720, 1095, 975},
                                                         .back = layout.noteBack,
                                                         .fore = 0x804040,
                                                         .font = NoteFont,
                                                         .flags = Disabled | Centred,
                                                         .describe = "onthouden cijfer"}));

    LBLONTHOUD = static_cast<Label*>(buildControl(&host, {.name = "LBLONTHOUD",
                                                          .kind = Kind::Label,
                                                          .caption = "O N T H O U D E N ",
                                                          .at = {layout.titleLeft, 240, layout.titleWidth, 375},
                                                          .back = 0x800000,
                                                          .fore = 0xFFFFFF,
                                                          .font = TitleFont,
                                                          .flags = Centred}));
    Shape1 = static_cast<Shape*>(buildControl(
        &host, {.name = "Shape1", .kind = Kind::RoundShape, .at = layout.panel, .back = 0xFF8000, .borderWidth = 3}));

    for (QPushButton* key : cmdhelp)
        QObject::connect(key, &QPushButton::clicked, &host, [this, key] { cmdhelp_Click(key); });
    QObject::connect(cmdhelpstip, &QPushButton::clicked, &host, [this] { cmdhelp_Click(cmdhelpstip); });
    speakChanges(txthulp, QStringLiteral("onthouden"));
}

std::vector<QWidget*> Keypad::tabStops() const {
    std::vector<QWidget*> stops{cmdCreate};
    stops.insert(stops.end(), cmdhelp.begin(), cmdhelp.end());
    stops.push_back(cmdhelpstip);
    return stops;
}

void Keypad::ShowKeypad() {
    txthulp->setVisible(true);
    for (QPushButton* key : cmdhelp)
        key->setVisible(true);
    cmdhelpstip->setVisible(true);
    Shape1->setVisible(true);
}

void Keypad::HideKeypad() {
    for (QPushButton* key : cmdhelp)
        key->setVisible(false);
    cmdhelpstip->setVisible(false);
    txthulp->clear();
    txthulp->setVisible(false);
    if (hideTakesCreate_)
        cmdCreate->setVisible(false);
}

void Keypad::cmdhelp_Click(QPushButton* key) {
    txthulp->setText(key->text());
    if (focusNextBox_)
        focusNextBox_();
}

} // namespace keypad
