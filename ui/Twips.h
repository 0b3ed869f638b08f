#pragma once
// Layouts are given in twips: 1440 per inch, 15 per logical pixel at 96 dpi.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int TwipsPerPixel = 15;

// Nearest pixel; designs are mostly whole multiples of 15 anyway.
constexpr int px(int twips) {
    return twips >= 0 ? (twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel)
                      : -((-twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel));
}
constexpr int twips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QRect rectFromTwips(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline QSize sizeFromTwips(int width, int height) {
    return QSize(px(width), px(height));
}

} // namespace ui
