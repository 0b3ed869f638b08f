#pragma once
// Pictures drawn when the program is built, at the size each screen shows them, so a
// screen's first paint copies pixels instead of rendering its drawings. The build draws
// them with the same code the screens use (drawPicture) and packs them into one resource.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace ui {

struct PreDrawn {
    QString resource; // the drawing's resource, as the control names it
    QImage image;     // ARGB32, premultiplied
};

// One block holding every picture; the program finds it at PreDrawnResource.
QByteArray packPictures(const std::vector<PreDrawn>& pictures);
inline constexpr const char* PreDrawnResource = ":/drawn/pictures.bin";

// The picture drawn for this resource at this size; a null image when there is none (a size
// the build did not know, a picture changed at run time, a build without the block).
QImage preDrawnPicture(const QString& resource, QSize size);

} // namespace ui
