#include "ui/Look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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
