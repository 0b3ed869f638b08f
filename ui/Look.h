#pragma once
// Colours, fonts and the style the whole program shares.
#include <QColor>
#include <QFont>

namespace ui {

// Colours are written as 0xRRGGBB; -1 means "leave the default".
inline constexpr int NoColour = -1;
inline QColor rgb(int value) {
    return QColor::fromRgb(QRgb(0xFF000000u | unsigned(value)));
}

enum FontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2 };

struct FontSpec {
    const char* family = "MS Sans Serif";
    double points = 8.25;
    unsigned style = Regular;
};

// Point sizes map to pixels at 96 dpi, so a screen looks the same on every display.
QFont makeFont(const FontSpec& font);

// Fusion style and the font stand-ins (Arial and MS Sans Serif become Liberation Sans).
void setupLook();

// Qt's own texts (a text box's context menu, for one) in Dutch, from the translations
// the system installs; dates and numbers in the Dutch way.
void setupLanguage();

} // namespace ui
