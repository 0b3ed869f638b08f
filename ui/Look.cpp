#include "ui/Look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <cmath>

namespace ui {

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
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
