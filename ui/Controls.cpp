#include "ui/Controls.h"

#include "ui/Keyboard.h"
#include "ui/PictureStore.h"
#include "ui/Speech.h"

#include <QAccessible>
#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <qdrawutil.h>

namespace ui {

void requestFocus(QWidget* w) {
    if (!w || !w->isEnabled() || !w->isVisibleTo(w->window()) || w->isHidden())
        return;
    w->setFocus(Qt::OtherFocusReason);
}

void setTabChain(const std::vector<QWidget*>& chain) {
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void setColourRole(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, role, c);
    w->setPalette(p);
}

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransparent(true);
}

void Label::setText(const QString& text) {
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Label::setBackColour(const QColor& c) {
    setColourRole(this, QPalette::Window, c);
    setTransparent(false);
}

void Label::setForeColour(const QColor& c) {
    setColourRole(this, QPalette::WindowText, c);
}

void Label::setTransparent(bool on) {
    setAutoFillBackground(!on);
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QString shown = text();
    shown.remove(QLatin1Char('\r'));
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), int(alignment()) | Qt::TextWordWrap, shown);
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(e);
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // QLineEdit emits textChanged only when the text really differs, for typing and setText alike.
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
    setBackColour(Qt::white);
    setForeColour(Qt::black);
}

void TextBox::setBackColour(const QColor& c) {
    setColourRole(this, QPalette::Base, c);
}

void TextBox::setForeColour(const QColor& c) {
    setColourRole(this, QPalette::Text, c);
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void TextBox::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    QPainter painter(this);
    paintFocusMark(this, painter);
}

// ---------------------------------------------------------------- buttons

namespace {

constexpr int CaptionMargin = 8;

bool captionFits(const QPushButton* b, int width) {
    return b->fontMetrics().horizontalAdvance(b->text()) <= width;
}

} // namespace

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void Button::paintEvent(QPaintEvent* e) {
    QRect area = rect().adjusted(CaptionMargin, CaptionMargin / 2, -CaptionMargin, -CaptionMargin / 2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    // A caption that would need more lines than the button has room for ("x 10" on a small
    // table button) stays on one line, where the style still shows all of it.
    if (captionFits(this, area.width()) || fontMetrics().boundingRect(area, flags, text()).height() > area.height()) {
        QPushButton::paintEvent(e);
        QPainter painter(this);
        paintFocusMark(this, painter);
        return;
    }
    // The style draws the button without its caption; the caption goes on in lines.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (isDown())
        area.translate(1, 1);
    painter.setFont(font());
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), QPalette::ButtonText);
    paintFocusMark(this, painter);
}

// ---------------------------------------------------------------- pictures

QString pictureResource(const char* file) {
    return QStringLiteral(":/assets/") + QString::fromLatin1(file);
}

std::shared_ptr<QSvgRenderer> loadPicture(const QString& resource) {
    // Several controls show the same drawing; parse each file once.
    static QHash<QString, std::weak_ptr<QSvgRenderer>> cache;
    if (auto existing = cache.value(resource).lock())
        return existing;
    auto renderer = std::make_shared<QSvgRenderer>(resource);
    renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    cache.insert(resource, renderer);
    return renderer;
}

QIcon programIcon() {
    // An SVG icon would be parsed and drawn anew for every size of every window at its
    // creation; this one is drawn once and scaled down for the smaller sizes.
    static const QIcon icon = [] {
        QPixmap large(64, 64);
        large.fill(Qt::transparent);
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(pictureResource("icoon.svg")).render(&painter);
        painter.end();
        QIcon made(large);
        for (int size : {32, 16})
            made.addPixmap(large.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        return made;
    }();
    return icon;
}

QImage drawPicture(QSvgRenderer& drawing, QSize area, qreal pixelRatio) {
    QImage image((QSizeF(area) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter into(&image);
    into.setRenderHint(QPainter::Antialiasing);
    drawing.render(&into, QRectF(QPointF(0, 0), QSizeF(area)));
    return image;
}

namespace {

// Pictures drawn at a size stay in memory while the program runs, hidden screens' too: a
// screen shown again, or switched to the whole display and back, copies its pictures
// instead of drawing them anew. Bounded (in KiB): about every screen's pictures at the
// whole display on a 4K display and at normal size; the ones shown longest ago go first.
constexpr qsizetype MostDrawnKiB = 48 * 1024;

struct DrawnKey {
    QString resource;
    QSize device;
    qreal pixelRatio;
    bool operator==(const DrawnKey&) const = default;
};

size_t qHash(const DrawnKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.resource, key.device.width(), key.device.height(), key.pixelRatio);
}

QCache<DrawnKey, QPixmap>& drawnPictures() {
    static QCache<DrawnKey, QPixmap>* const drawn = [] {
        auto* cache = new QCache<DrawnKey, QPixmap>(MostDrawnKiB);
        // Pixmaps go with the application that made them, not after it.
        qAddPostRoutine([] { drawnPictures().clear(); });
        return cache;
    }();
    return *drawn;
}

} // namespace

void forgetDrawnPictures() {
    drawnPictures().clear();
}

void DrawnPicture::load(const QString& resource) {
    // Parsed when it is first drawn: a picture that is never shown costs nothing.
    resource_ = resource;
    drawing_.reset();
    pixels_ = QPixmap();
}

void DrawnPicture::paint(QPainter& painter, const QRect& area, qreal pixelRatio) {
    if (resource_.isEmpty() || area.isEmpty())
        return;
    const QSize device = (QSizeF(area.size()) * pixelRatio).toSize();
    if (pixels_.size() != device) {
        const DrawnKey key{resource_, device, pixelRatio};
        if (const QPixmap* kept = drawnPictures().object(key)) {
            pixels_ = *kept;
        } else {
            QImage drawn = pictureStore::find(resource_, device, pixelRatio);
            if (drawn.isNull()) {
                if (!drawing_)
                    drawing_ = loadPicture(resource_);
                if (!drawing_->isValid())
                    return;
                drawn = drawPicture(*drawing_, area.size(), pixelRatio);
                pictureStore::keep(resource_, drawn);
            }
            pixels_ = QPixmap::fromImage(std::move(drawn));
            const qsizetype kib = qsizetype(device.width()) * device.height() * 4 / 1024 + 1;
            drawnPictures().insert(key, new QPixmap(pixels_), kib);
        }
    }
    painter.drawPixmap(area.topLeft(), pixels_);
}

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {}

void PictureButton::setPicture(const QString& resource) {
    picture_.load(resource);
    update();
}

void PictureButton::setBackColour(const QColor& c) {
    setColourRole(this, QPalette::Button, c);
}

std::pair<QRect, int> PictureButton::caption(const QRect& inner) const {
    int lineHeight = fontMetrics().height();
    int flags = Qt::AlignHCenter | Qt::AlignVCenter;
    if (!captionFits(this, inner.width())) {
        flags |= Qt::TextWordWrap;
        lineHeight = std::min(inner.height(), fontMetrics().boundingRect(inner, flags, text()).height());
    }
    return {QRect(inner.left(), inner.bottom() - lineHeight + 1, inner.width(), lineHeight), flags};
}

QSize PictureButton::pictureSize() const {
    QRect area = rect().adjusted(4, 4, -4, -4);
    if (!text().isEmpty())
        area.setBottom(caption(area).first.top() - 1);
    return area.size();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect all = rect();
    const bool down = isDown() || isChecked();
    painter.fillRect(all, palette().color(QPalette::Button));
    qDrawShadePanel(&painter, all, palette(), down, 2);

    QRect inner = all.adjusted(4, 4, -4, -4);
    if (down)
        inner.translate(1, 1);
    QRect pictureArea = inner;
    if (!text().isEmpty()) {
        const auto [captionArea, flags] = caption(inner);
        pictureArea.setBottom(captionArea.top() - 1);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(captionArea, flags, text());
    }
    if (pictureArea.height() > 4)
        picture_.paint(painter, pictureArea, devicePixelRatioF());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = all.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    paintFocusMark(this, painter);
}

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void Picture::setPicture(const QString& resource) {
    drawing_.load(resource);
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawing_.paint(painter, rect(), devicePixelRatioF());
}

void Picture::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QWidget::mouseMoveEvent(e);
}

// ---------------------------------------------------------------- shapes and lines

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = borderWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    painter.setPen(QPen(border_, borderWidth_));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (rounded_) {
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        painter.drawRoundedRect(r, radius, radius);
    } else {
        painter.drawRect(r);
    }
}

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(QPoint from, QPoint to, int widthPx, const QColor& colour) {
    width_ = std::max(1, widthPx);
    colour_ = colour;
    const int pad = width_;
    const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

// ---------------------------------------------------------------- timers

Timer::Timer(QObject* parent, const char* name, int intervalMs, std::function<void()> handler)
    : QTimer(parent), handler_(std::move(handler)) {
    setObjectName(QString::fromLatin1(name));
    setInterval(intervalMs);
    connect(this, &QTimer::timeout, this, &Timer::tick);
}

void Timer::tick() {
    if (handler_)
        handler_();
    detail::stepDone();
}

} // namespace ui
