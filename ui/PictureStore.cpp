#include "ui/PictureStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QResource>
#include <QSaveFile>
#include <QTimer>
#include <utility>

namespace ui::pictureStore {

namespace {

// The pixels are kept as they are drawn and shown, so reading them back is one copy: a
// compressed image format would cost about as much to decode as the drawing does.
constexpr QImage::Format Format = QImage::Format_ARGB32_Premultiplied;

struct Header {
    char magic[8];
    quint32 width, height, bytesPerLine, format;

    static Header of(const QImage& image) {
        return {{'Z', 'E', 'F', 'P', 'I', 'C', '1', '\n'},
                quint32(image.width()),
                quint32(image.height()),
                quint32(image.bytesPerLine()),
                quint32(image.format())};
    }
    bool operator==(const Header&) const = default;
};

struct Drawn {
    QString resource;
    QImage image;
};

QList<Drawn>& waitingToBeWritten() {
    static QList<Drawn> waiting;
    return waiting;
}

QString& storeFolder() {
    static QString folder;
    return folder;
}

qint64& mostBytes() {
    static qint64 most = MostKeptBytes;
    return most;
}

// What a drawing's pictures are filed under: its bytes, the Qt that draws them, and the
// program's version, so that a program drawing them differently never shows old ones.
// Worked out once per drawing and run.
QString drawingKey(const QString& resource) {
    static QHash<QString, QString> keys;
    if (auto it = keys.constFind(resource); it != keys.cend())
        return *it;
    QString key;
    // The bytes as the program holds them (compressed or not): nothing to unpack.
    const QResource drawing(resource);
    if (drawing.isValid() && drawing.data()) {
        QCryptographicHash hash(QCryptographicHash::Md5);
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(drawing.data()), drawing.size()));
        hash.addData(QByteArrayView(qVersion()));
        hash.addData(QByteArrayView(ZEF_VERSION));
        key = QString::fromLatin1(hash.result().toHex().left(16));
    }
    keys.insert(resource, key);
    return key;
}

// The files of one drawing at one size start alike: "welkom_knop-249x184@100-".
QString sizePrefix(const QString& resource, QSize device, qreal pixelRatio) {
    return QFileInfo(resource).completeBaseName() +
           QStringLiteral("-%1x%2@%3-").arg(device.width()).arg(device.height()).arg(qRound(pixelRatio * 100));
}

const QString Extension = QStringLiteral(".pixels");

QString fileFor(const QString& resource, QSize device, qreal pixelRatio) {
    if (storeFolder().isEmpty())
        return {};
    const QString key = drawingKey(resource);
    if (key.isEmpty())
        return {};
    return storeFolder() + QLatin1Char('/') + sizePrefix(resource, device, pixelRatio) + key + Extension;
}

// Keeps the folder within its bound. A file's time is when it was last written or shown
// (find renews it), so what goes first is what no recent run has shown.
void trim() {
    QDir dir(storeFolder());
    qint64 total = 0;
    for (const QFileInfo& file : dir.entryInfoList({QLatin1Char('*') + Extension}, QDir::Files, QDir::Time)) {
        total += file.size();
        if (total > mostBytes())
            dir.remove(file.fileName());
    }
}

} // namespace

void setFolder(const QString& folder, qint64 most) {
    storeFolder() = folder;
    mostBytes() = most;
}

QImage find(const QString& resource, QSize device, qreal pixelRatio) {
    for (const Drawn& waiting : waitingToBeWritten())
        if (waiting.resource == resource && waiting.image.size() == device &&
            waiting.image.devicePixelRatio() == pixelRatio)
            return waiting.image;
    const QString path = fileFor(resource, device, pixelRatio);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image(device, Format);
    Header header{};
    // Anything but a picture of exactly this size (a damaged or foreign file) is drawn anew.
    if (image.isNull() || file.size() != qint64(sizeof header) + image.sizeInBytes() ||
        file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        header != Header::of(image) ||
        file.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
        return {};
    // Shown again: the last to go when the folder is trimmed.
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

void keep(const QString& resource, const QImage& drawn) {
    if (storeFolder().isEmpty() || drawn.format() != Format || !qApp)
        return;
    // Written once the paint has gone out, not in the frame that drew it; and at the latest
    // as the program ends.
    if (waitingToBeWritten().isEmpty()) {
        QTimer::singleShot(0, qApp, &writeKept);
        static const auto atTheEnd = QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &writeKept);
    }
    waitingToBeWritten().append({resource, drawn});
}

void writeKept() {
    const QList<Drawn> waiting = std::exchange(waitingToBeWritten(), {});
    bool written = false;
    for (const auto& [resource, drawn] : waiting) {
        const qreal ratio = drawn.devicePixelRatio();
        const QString path = fileFor(resource, drawn.size(), ratio);
        if (path.isEmpty() || !QDir().mkpath(storeFolder()))
            continue;
        // Whatever was kept of this picture at this size came from an older drawing.
        QDir dir(storeFolder());
        for (const QString& old :
             dir.entryList({sizePrefix(resource, drawn.size(), ratio) + QLatin1Char('*')}, QDir::Files))
            dir.remove(old);
        // Written aside and renamed, so a second program starting at the same moment never
        // reads half a file.
        QSaveFile file(path);
        const Header header = Header::of(drawn);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(reinterpret_cast<const char*>(&header), sizeof header) == qint64(sizeof header) &&
            file.write(reinterpret_cast<const char*>(drawn.constBits()), drawn.sizeInBytes()) == drawn.sizeInBytes())
            written = file.commit() || written;
    }
    if (written)
        trim();
}

} // namespace ui::pictureStore
