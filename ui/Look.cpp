#include "ui/Look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace ui {

QFont makeFont(const FontSpec& font) {
    QFont made(QString::fromLatin1(font.family));
    made.setPixelSize(int(std::lround(font.points * 96.0 / 72.0)));
    made.setBold((font.style & Bold) != 0);
    made.setItalic((font.style & Italic) != 0);
    made.setStyleStrategy(QFont::PreferAntialias);
    return made;
}

void setupLook() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(makeFont(FontSpec{}));
}

} // namespace ui
