#pragma once
// The verdict panel every multiplication screen shows its check in: the label
// lbloordeel inside the rounded panel shpoordeel, and the seven reward pictures
// imgpop1 of which a right answer shows one. Only where it stands differs from
// screen to screen; a screen passes its own layout.
#include "ui/ControlTable.h"

#include <array>

class QWidget;

namespace zef {
class RandomSource;
}
namespace ui {
class Label;
class Picture;
class Shape;
} // namespace ui

namespace scoring {

struct VerdictLayout {
    ui::Twips panel;   // shpoordeel
    ui::Twips label;   // lbloordeel
    int labelBack;     // lbloordeel before the first check
    ui::Twips picture; // imgpop1 slot 0
    int pictureStep;   // each further slot this much lower
};

// Both one-digit screens.
inline constexpr VerdictLayout OneDigitVerdict{.panel = {120, 120, 1815, 2055},
                                               .label = {240, 1680, 1575, 375},
                                               .labelBack = 0xFFFFFF,
                                               .picture = {360, 480, 1200, 1200},
                                               .pictureStep = 40};

// The two-digit multiplier screen.
inline constexpr VerdictLayout TwoDigitVerdict{.panel = {120, 120, 2055, 2775},
                                               .label = {360, 1920, 1575, 375},
                                               .labelBack = 0xFF8080,
                                               .picture = {540, 480, 1200, 1200},
                                               .pictureStep = 40};

class VerdictPanel {
public:
    static constexpr int Pictures = 7;

    // Builds lbloordeel, the pictures imgpop1_0 .. imgpop1_6 (hidden) and shpoordeel on host.
    VerdictPanel(QWidget& host, const VerdictLayout& layout);

    // " P R I M A " in black on green and one reward picture, drawn after a fresh seed
    // from the first six: the seventh picture is never shown.
    void showCorrect(zef::RandomSource& rng);
    // " F O U T " in white on red; the panel turns red as well.
    void showWrong();
    // The one or the other.
    void show(bool right, zef::RandomSource& rng);
    // Pictures hidden, label empty and black on white, panel white.
    void clear();

    ui::Label* lbloordeel = nullptr;
    ui::Shape* shpoordeel = nullptr;
    std::array<ui::Picture*, Pictures> imgpop1{};
};

} // namespace scoring
