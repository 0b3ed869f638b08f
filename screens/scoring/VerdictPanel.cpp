#include "screens/scoring/VerdictPanel.h"

#include "exercise/Random.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QByteArray>
#include <algorithm>

using namespace ui;

namespace scoring {

namespace {
constexpr int White = 0xFFFFFF, Black = 0x000000, Green = 0x00FF00, Red = 0xFF0000;
constexpr int RewardChoices = 6;
} // namespace

VerdictPanel::VerdictPanel(QWidget& host, const VerdictLayout& layout) {
    lbloordeel = static_cast<Label*>(buildControl(&host, {.name = "lbloordeel",
                                                          .kind = Kind::Label,
                                                          .at = layout.label,
                                                          .back = layout.labelBack,
                                                          .fore = White,
                                                          .font = {"Arial", 14.25, Bold},
                                                          .flags = Centred,
                                                          .describe = "oordeel"}));
    for (int i = 0; i < Pictures; ++i) {
        const QByteArray name = arrayName("imgpop1", i).toLatin1();
        const QByteArray picture = "beloning" + QByteArray::number(i + 1) + ".svg";
        Twips at = layout.picture;
        at.top += layout.pictureStep * i;
        imgpop1[i] = static_cast<Picture*>(buildControl(&host, {.name = name.constData(),
                                                                .kind = Kind::Picture,
                                                                .at = at,
                                                                .flags = Hidden,
                                                                .picture = picture.constData(),
                                                                .describe = "beloning"}));
    }
    shpoordeel = static_cast<Shape*>(buildControl(
        &host,
        {.name = "shpoordeel", .kind = Kind::RoundShape, .at = layout.panel, .border = 0x800080, .borderWidth = 4}));
    speakChanges(lbloordeel);
}

void VerdictPanel::showCorrect(zef::RandomSource& rng) {
    lbloordeel->setBackColour(rgb(Green));
    lbloordeel->setText(QStringLiteral(" P R I M A "));
    lbloordeel->setForeColour(rgb(Black));
    rng.reseed();
    const int k = zef::DrawInt(rng, RewardChoices, 1);
    imgpop1[std::clamp(k, 1, RewardChoices) - 1]->setVisible(true);
}

void VerdictPanel::showWrong() {
    lbloordeel->setBackColour(rgb(Red));
    lbloordeel->setText(QStringLiteral(" F O U T "));
    lbloordeel->setForeColour(rgb(White));
    shpoordeel->setFill(rgb(Red));
}

void VerdictPanel::show(bool right, zef::RandomSource& rng) {
    if (right)
        showCorrect(rng);
    else
        showWrong();
}

void VerdictPanel::clear() {
    for (Picture* picture : imgpop1)
        picture->setVisible(false);
    lbloordeel->setBackColour(rgb(White));
    lbloordeel->setForeColour(rgb(Black));
    lbloordeel->setText(QString());
    shpoordeel->setFill(rgb(White));
}

} // namespace scoring
