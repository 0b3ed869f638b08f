#include "ui/Look.h"

#include <QApplication>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTranslator>
#include <cmath>

namespace ui {

namespace {

// Fusion draws a text box's rounded panel and frame as antialiased paths, and a frame
// around a group of controls by stretching a picture over all of it: at the whole display
// that was most of a screen's paint (the times-table room has over a hundred boxes in such
// a frame). Panels of one size, state and colours look alike, so each look is drawn once
// and copied.
class KeptPanels : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const QString key = frame && (element == PE_PanelLineEdit || element == PE_FrameGroupBox)
                                ? keyOf(element, *frame, *painter, widget)
                                : QString();
        if (key.isEmpty()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QPixmap look;
        if (!QPixmapCache::find(key, &look)) {
            const qreal ratio = painter->deviceTransform().m11();
            look = QPixmap((QSizeF(frame->rect.size()) * ratio).toSize());
            look.setDevicePixelRatio(ratio);
            look.fill(Qt::transparent);
            QStyleOptionFrame atOrigin(*frame);
            atOrigin.rect.moveTo(0, 0);
            QPainter into(&look);
            into.setRenderHints(painter->renderHints());
            QProxyStyle::drawPrimitive(element, &atOrigin, &into, widget);
            into.end();
            QPixmapCache::insert(key, look);
        }
        painter->drawPixmap(frame->rect.topLeft(), look);
    }

private:
    // Empty where a copy could differ from drawing: a painter that scales or rotates, or
    // colours that are not plain.
    static QString keyOf(PrimitiveElement element, const QStyleOptionFrame& frame, const QPainter& painter,
                         const QWidget* widget) {
        // The device's own scale (the display's) is in the painter's device transform.
        const QTransform& toDevice = painter.deviceTransform();
        if (frame.rect.isEmpty() || painter.worldTransform().type() > QTransform::TxTranslate ||
            toDevice.type() > QTransform::TxScale || toDevice.m11() != toDevice.m22() || toDevice.m11() <= 0)
            return {};
        // A group's frame leaves room for a title or a tick box above it.
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const int titled = group ? 1 + group->title().isEmpty() + 2 * group->isCheckable() : 0;
        QString key = QStringLiteral("zef-panel-%1-%2-%3x%4-%5-%6-%7-%8")
                          .arg(int(element))
                          .arg(titled)
                          .arg(frame.rect.width())
                          .arg(frame.rect.height())
                          .arg(uint(frame.state))
                          .arg(frame.lineWidth)
                          .arg(int(frame.features))
                          .arg(toDevice.m11());
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush = frame.palette.brush(QPalette::ColorRole(role));
            if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
                return {};
            key += QLatin1Char('-') + QString::number(brush.color().rgba(), 16);
        }
        return key;
    }
};

} // namespace

QFont makeFont(const FontSpec& font) {
    // Asked by its stand-in's name: a family the system lacks costs a fruitless search
    // before the substitution applies, for every size.
    const QLatin1String family(font.family);
    const bool standIn = family == QLatin1String("MS Sans Serif") || family == QLatin1String("Arial");
    QFont made(standIn ? QStringLiteral("Liberation Sans") : QString(family));
    made.setPixelSize(int(std::lround(font.points * 96.0 / 72.0)));
    made.setBold((font.style & Bold) != 0);
    made.setItalic((font.style & Italic) != 0);
    made.setStyleStrategy(QFont::PreferAntialias);
    return made;
}

void setupLook() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (!dynamic_cast<KeptPanels*>(QApplication::style()))
        QApplication::setStyle(new KeptPanels(QStyleFactory::create(QStringLiteral("Fusion"))));
    // A window looks the same whether or not it has the focus: Qt then has no reason to
    // repaint a whole screen each time it is activated or left.
    QPalette colours = QApplication::style()->standardPalette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        colours.setBrush(QPalette::Inactive, r, colours.brush(QPalette::Active, r));
    }
    QApplication::setPalette(colours);
    QApplication::setFont(makeFont(FontSpec{}));
}

void setupLanguage() {
    static QTranslator* qtTexts = nullptr;
    if (qtTexts || !qApp)
        return;
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(QLocale::Dutch), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

} // namespace ui
