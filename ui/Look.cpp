#include "ui/Look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace ui {

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    font.setPixelSize(int(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold((spec.style & Bold) != 0);
    font.setItalic((spec.style & Italic) != 0);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void setupLook() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(makeFont(FontSpec{}));
}

} // namespace ui
