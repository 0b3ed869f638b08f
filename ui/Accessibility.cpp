#include "ui/Accessibility.h"

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Speech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace ui {

namespace {

QString spoken(QString text) {
    // Captions keep their CR LF; a reader wants one line.
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// A label says what it shows now; a fixed purpose is its description. A screen's status
// line is its status bar.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::Role role() const override {
        return detail::isStatusLine(widget()) ? QAccessible::StatusBar : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return spoken(static_cast<QLabel*>(widget())->text());
        if (t == QAccessible::Value)
            return spoken(static_cast<QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }
};

// Pictures, shapes and lines are graphics. Without a name of their own they are only
// decoration: nameless and hidden from a reader that reads the whole window.
class GraphicAccessible : public QAccessibleWidget {
public:
    GraphicAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return widget()->toolTip().trimmed();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty())
            s.invisible = true;
        return s;
    }
};

// An answer box. Qt's own interface for a line edit gives a reader an empty run of text
// attributes (so Orca cannot read the box's line) and loops for ever when asked for the
// word at the end of the text; this one reads the box the same way without either fault.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (box()->isReadOnly())
            s.readOnly = true;
        else
            s.editable = true;
        s.selectableText = true;
        return s;
    }

    // selection and cursor
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText())
            return;
        *start = box()->selectionStart();
        *end = box()->selectionEnd();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // text
    int characterCount() const override { return int(box()->text().size()); }
    QString text(int start, int end) const override {
        return start > end ? QString() : box()->text().mid(start, end - start);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        const int length = characterCount();
        if (offset == -1 || offset > length)
            offset = length;
        if (type == QAccessible::CharBoundary && offset < length) {
            *start = offset;
            *end = offset + 1;
            return text(*start, *end);
        }
        if (type != QAccessible::CharBoundary && length > 0 && type != QAccessible::LineBoundary &&
            type != QAccessible::NoBoundary)
            // At the end of the text it is the last word (or sentence) that the offset
            // touches; Qt's search would never stop there.
            return QAccessibleTextInterface::textAtOffset(std::min(offset, length - 1), type, start, end);
        if (type == QAccessible::CharBoundary) {
            *start = *end = length;
            return {};
        }
        // One line holds the whole box.
        *start = 0;
        *end = length;
        return box()->text();
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        const int length = characterCount();
        if (offset == -1 || offset > length)
            offset = length;
        *start = *end = -1;
        if (offset <= 0)
            return {};
        if (type == QAccessible::CharBoundary) {
            *start = offset - 1;
            *end = offset;
            return text(*start, *end);
        }
        if (type == QAccessible::LineBoundary || type == QAccessible::NoBoundary)
            return {};
        return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        const int length = characterCount();
        if (offset == -1)
            offset = length;
        *start = *end = -1;
        if (offset < 0 || offset >= length - 1)
            return {};
        if (type == QAccessible::CharBoundary) {
            *start = offset + 1;
            *end = offset + 2;
            return text(*start, *end);
        }
        if (type == QAccessible::LineBoundary || type == QAccessible::NoBoundary)
            return {};
        return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }

    // geometry: the text is laid out as the box aligns it, inside its margins
    QRect characterRect(int offset) const override {
        const QString all = box()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const int width = metrics.horizontalAdvance(all);
        int left = inside.left();
        if (box()->alignment() & Qt::AlignHCenter)
            left += (inside.width() - width) / 2;
        else if (box()->alignment() & Qt::AlignRight)
            left += inside.width() - width;
        const int x = left + metrics.horizontalAdvance(all.left(offset));
        const QRect local(x, inside.top() + (inside.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }
    // A box has one run of plain text.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // editing
    void deleteText(int start, int end) override { box()->setText(box()->text().remove(start, end - start)); }
    void insertText(int offset, const QString& text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }
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
    if (QAccessibleInterface* voice = detail::speechInterface(w))
        return voice;
    if (qobject_cast<Form*>(w))
        return new FormAccessible(w);
    if (qobject_cast<Label*>(w))
        return new LabelAccessible(w);
    if (qobject_cast<TextBox*>(w))
        return new TextBoxAccessible(w);
    if (qobject_cast<Picture*>(w))
        return new GraphicAccessible(w, QAccessible::Graphic);
    if (qobject_cast<Shape*>(w))
        return new GraphicAccessible(w, QAccessible::Graphic);
    if (qobject_cast<Line*>(w))
        return new GraphicAccessible(w, QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
    detail::installSpeech();
}

} // namespace ui
