#include "ui/PreDrawn.h"

#include <QHash>
#include <QResource>
#include <cstdint>
#include <cstring>

namespace ui {

namespace {

// The block: "ZEFDRAW1", a count, then per picture the length of its resource name, the
// name (UTF-8, padded to four bytes), width, height and the offset of its pixels; all
// numbers 32-bit in the build machine's order, every pixel row at a four-byte boundary.
constexpr char Magic[8] = {'Z', 'E', 'F', 'D', 'R', 'A', 'W', '1'};

void put(QByteArray& out, quint32 value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void pad(QByteArray& out) {
    while (out.size() % 4 != 0)
        out.append('\0');
}

struct Found {
    const uchar* pixels = nullptr;
    QSize size;
};

QString key(const QString& resource, QSize size) {
    return resource + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
           QString::number(size.height());
}

// Reads the block once; a damaged or missing block gives no pictures, never a bad read.
const QHash<QString, Found>& index() {
    static const QHash<QString, Found> found = [] {
        QHash<QString, Found> all;
        const QResource block(QString::fromLatin1(PreDrawnResource));
        if (!block.isValid() || block.compressionAlgorithm() != QResource::NoCompression)
            return all;
        const uchar* data = block.data();
        const qint64 size = block.size();
        qint64 at = 0;
        auto read = [&](quint32& value) {
            if (at + qint64(sizeof value) > size)
                return false;
            std::memcpy(&value, data + at, sizeof value);
            at += sizeof value;
            return true;
        };
        if (size < qint64(sizeof Magic) || std::memcmp(data, Magic, sizeof Magic) != 0)
            return all;
        at = sizeof Magic;
        quint32 count = 0;
        if (!read(count))
            return all;
        for (quint32 i = 0; i < count; ++i) {
            quint32 nameBytes = 0, width = 0, height = 0, offset = 0;
            if (!read(nameBytes) || at + nameBytes > size)
                return QHash<QString, Found>();
            const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data + at), nameBytes);
            at = (at + nameBytes + 3) / 4 * 4;
            if (!read(width) || !read(height) || !read(offset) || width == 0 || height == 0 || width > 4096 ||
                height > 4096 || offset % 4 != 0 || qint64(offset) + qint64(width) * height * 4 > size)
                return QHash<QString, Found>();
            all.insert(key(name, QSize(int(width), int(height))), Found{data + offset, QSize(int(width), int(height))});
        }
        return all;
    }();
    return found;
}

} // namespace

QByteArray packPictures(const std::vector<PreDrawn>& pictures) {
    QByteArray table(Magic, sizeof Magic);
    put(table, quint32(pictures.size()));
    std::vector<qsizetype> offsetAt;
    for (const PreDrawn& p : pictures) {
        const QByteArray name = p.resource.toUtf8();
        put(table, quint32(name.size()));
        table.append(name);
        pad(table);
        put(table, quint32(p.image.width()));
        put(table, quint32(p.image.height()));
        offsetAt.push_back(table.size());
        put(table, 0);
    }
    QByteArray pixels;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage image = pictures[i].image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const quint32 offset = quint32(table.size() + pixels.size());
        std::memcpy(table.data() + offsetAt[i], &offset, sizeof offset);
        for (int y = 0; y < image.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    }
    return table + pixels;
}

QImage preDrawnPicture(const QString& resource, QSize size) {
    const auto it = index().constFind(key(resource, size));
    if (it == index().constEnd())
        return QImage();
    const QImage inPlace(it->pixels, it->size.width(), it->size.height(), it->size.width() * 4,
                         QImage::Format_ARGB32_Premultiplied);
    // Pixels straight from the program's image need no copy unless they are not aligned.
    if (reinterpret_cast<std::uintptr_t>(it->pixels) % 4 != 0)
        return inPlace.copy();
    return inPlace;
}

} // namespace ui
