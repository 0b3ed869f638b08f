#pragma once
// What a screen reader hears: screens are windows named by their caption, a label is
// read by what it says (its purpose is its description), pictures and shapes are
// graphics with a Dutch name.
namespace ui {

// Installed once for the whole application; later calls do nothing.
void installAccessibility();

} // namespace ui
