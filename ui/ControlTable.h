#pragma once
// A screen declares its controls in one table that reads like its design sheet:
// name, kind, caption, tip, position in twips, colours, font, flags.
#include "ui/Look.h"

#include <QString>
#include <span>

class QWidget;

namespace ui {

enum class Kind {
    Label,         // Label
    TextBox,       // TextBox
    Button,        // QPushButton with a caption
    PictureButton, // PictureButton
    Picture,       // Picture
    Shape,         // Shape, square corners
    RoundShape,    // Shape, rounded corners
    Line,          // Line: the four numbers are x1, y1, x2, y2
    Frame,         // QGroupBox with a caption; holds controls whose parent names it
    Panel,         // plain coloured area that holds controls
};

enum Flag : unsigned {
    None = 0,
    Hidden = 1u << 0,   // not shown when the screen is created
    Disabled = 1u << 1, // display only
    Centred = 1u << 2,  // text centred
    RightAligned = 1u << 3,
    NoTabStop = 1u << 4,
};

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
    const char* name = "";
    Kind kind = Kind::Label;
    const char* caption = "";
    const char* tip = "";
    Twips at{};
    int back = NoColour;
    int fore = NoColour;
    FontSpec font{};
    unsigned flags = None;
    const char* picture = nullptr;  // file in assets/
    const char* parent = nullptr;   // name of the frame or panel it stands in
    int border = NoColour;          // shapes and lines
    int borderWidth = 1;            // shapes and lines, in pixels
    const char* describe = nullptr; // accessible name when there is no caption or tip
    int layer = -1;                 // stacking override; by default shapes < pictures < labels < the rest
};

// Creates the controls of one table on a screen, in table order, with objectName = name.
// Controls that name a parent are placed inside it, in the parent's coordinates.
void buildControls(QWidget* screen, std::span<const ControlSpec> table);

// Creates one control; used by the table builder and by loops that build control arrays.
QWidget* buildControl(QWidget* screen, const ControlSpec& design);

// Element i of a control array is called name_i.
QString arrayName(const char* name, int index);

// Puts lightweight controls (shapes, lines, pictures, labels) below the boxes and buttons,
// the way a classic form draws them; call once after all controls of a screen exist.
void stackControls(QWidget* screen);

} // namespace ui
