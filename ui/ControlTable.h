#pragma once
// A screen declares its controls in one table that reads like its design sheet:
// name, kind, caption, tip, position in twips, colours, font, flags.
#include "ui/Look.h"

#include <QString>
#include <QWidget>
#include <span>

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

// Stores a control just created into the screen member that holds it (see ZEF_CONTROL).
using Binder = void (*)(QWidget* screen, QWidget* control);

struct ControlSpec {
    const char* name = "";
    Binder bind = nullptr;
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

template <class>
struct MemberSlot;
template <class Owner, class Control>
struct MemberSlot<Control * Owner::*> {
    using owner = Owner;
    using control = Control;
};

// The binder of one member: the control's kind must make the member's type.
template <auto Member>
void bindControl(QWidget* screen, QWidget* control) {
    using Slot = MemberSlot<decltype(Member)>;
    auto* owner = dynamic_cast<typename Slot::owner*>(screen);
    auto* typed = dynamic_cast<typename Slot::control*>(control);
    Q_ASSERT_X(owner && typed, "bindControl", qPrintable(control->objectName()));
    if (owner && typed)
        owner->*Member = typed;
}

} // namespace ui

// A table row's name and the member of the screen class `Self` that receives the control:
// {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, ...}. The member names the control once,
// so a misspelt name does not compile.
#define ZEF_CONTROL(member) .name = #member, .bind = &::ui::bindControl<&Self::member>
