#include "ui/Accessibility.h"

#include "ui/Controls.h"
#include "ui/Form.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {

namespace {

QString spoken(QString text) {
    // Captions keep their CR LF; a reader wants one line.
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// A label says what it shows now; a fixed purpose is its description.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return spoken(static_cast<QLabel*>(widget())->text());
        if (t == QAccessible::Value)
            return spoken(static_cast<QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }
};

// Pictures, shapes and lines are graphics; without a name of their own they are
// called by what they are.
class GraphicAccessible : public QAccessibleWidget {
public:
    GraphicAccessible(QWidget* w, QAccessible::Role role, const char* fallback)
        : QAccessibleWidget(w, role), fallback_(QString::fromUtf8(fallback)) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (!widget()->toolTip().trimmed().isEmpty())
            return widget()->toolTip().trimmed();
        return fallback_;
    }

private:
    QString fallback_;
};

// A screen is a window named by its caption, or by its accessible name when it has none.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (!widget()->windowTitle().trimmed().isEmpty())
                return widget()->windowTitle().trimmed();
            return QStringLiteral("ZEFRANOL");
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (qobject_cast<Form*>(w))
        return new FormAccessible(w);
    if (qobject_cast<Label*>(w))
        return new LabelAccessible(w);
    if (qobject_cast<Picture*>(w))
        return new GraphicAccessible(w, QAccessible::Graphic, "plaatje");
    if (qobject_cast<Shape*>(w))
        return new GraphicAccessible(w, QAccessible::Graphic, "kader");
    if (qobject_cast<Line*>(w))
        return new GraphicAccessible(w, QAccessible::Separator, "streep");
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace ui
