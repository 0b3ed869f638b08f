#pragma once
// Drawn pictures kept on disk between runs, so that a screen shown again in a later run
// copies its pictures instead of parsing and drawing them before its first paint.
// Each file is named by the drawing it came from (its bytes, the Qt that drew it and the
// program's version) and the size it was drawn at, so a changed drawing, size or program
// is simply drawn anew. The folder is bounded: a pupil who tries every display scale keeps
// the pictures shown last, not every size ever drawn.
#include <QImage>
#include <QString>

namespace ui::pictureStore {

// The most the folder holds, in bytes: about four times every screen's pictures at
// display scale 2.
constexpr qint64 MostKeptBytes = qint64(32) << 20;

// The folder the drawn pictures go in; created when needed. Empty (the default) keeps
// nothing between runs. When it would hold more than mostBytes, the pictures shown longest
// ago are deleted first.
void setFolder(const QString& folder, qint64 mostBytes = MostKeptBytes);

// The picture drawn earlier from this resource at this many device pixels, or a null image.
QImage find(const QString& resource, QSize device, qreal pixelRatio);
// Keeps a picture just drawn from this resource: written once control returns to the event
// loop (or as the program ends), and found here until then. A folder that cannot be
// written to only means the next run draws it again.
void keep(const QString& resource, const QImage& drawn);
void writeKept();

} // namespace ui::pictureStore
