#include "ui/ControlTable.h"

#include "ui/Controls.h"
#include "ui/Speech.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QHash>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The stacking layer of every control built from a table, for stackControls.
struct Layer {
    QPointer<QWidget> control; // null once the control has gone
    int layer = 0;
};

QHash<const QWidget*, Layer>& layers() {
    static QHash<const QWidget*, Layer> layer;
    return layer;
}

// The layer of a control built from a table; -1 for any other widget (also one that took
// the place of a control gone since).
int layerOf(const QWidget* w) {
    const auto it = layers().constFind(w);
    return it != layers().cend() && it->control == w ? it->layer : -1;
}

int defaultLayer(Kind kind) {
    switch (kind) {
    case Kind::Shape:
    case Kind::RoundShape:
    case Kind::Line:
        return 0;
    case Kind::Picture:
        return 1;
    case Kind::Label:
        return 2;
    default:
        return 3;
    }
}

bool interactive(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::PictureButton;
}

void setBackground(QWidget* w, int colour) {
    setColourRole(w, QPalette::Window, rgb(colour));
    w->setAutoFillBackground(true);
}

Qt::Alignment textAlignment(unsigned flags) {
    if (flags & Centred)
        return Qt::AlignHCenter;
    if (flags & RightAligned)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// Labels and text boxes take their own back and text colours from the table.
template <class W>
void applyColours(W* w, const ControlSpec& s) {
    if (s.back != NoColour)
        w->setBackColour(rgb(s.back));
    if (s.fore != NoColour)
        w->setForeColour(rgb(s.fore));
}

QWidget* create(QWidget* parent, const ControlSpec& s) {
    const QString caption = QString::fromUtf8(s.caption);
    switch (s.kind) {
    case Kind::Label: {
        auto* w = new Label(parent);
        w->setText(caption);
        w->setAlignment(textAlignment(s.flags) | Qt::AlignTop);
        applyColours(w, s);
        return w;
    }
    case Kind::TextBox: {
        auto* w = new TextBox(parent);
        w->setText(caption);
        w->setAlignment(textAlignment(s.flags) | Qt::AlignVCenter);
        applyColours(w, s);
        return w;
    }
    case Kind::Button: {
        auto* w = new Button(caption, parent);
        w->setAutoDefault(false);
        if (s.back != NoColour)
            setColourRole(w, QPalette::Button, rgb(s.back));
        return w;
    }
    case Kind::PictureButton: {
        auto* w = new PictureButton(parent);
        w->setText(caption);
        w->setAutoDefault(false);
        if (s.picture)
            w->setPicture(pictureResource(s.picture));
        if (s.back != NoColour)
            w->setBackColour(rgb(s.back));
        return w;
    }
    case Kind::Picture: {
        auto* w = new Picture(parent);
        if (s.picture)
            w->setPicture(pictureResource(s.picture));
        return w;
    }
    case Kind::Shape:
    case Kind::RoundShape: {
        auto* w = new Shape(parent);
        w->setRounded(s.kind == Kind::RoundShape);
        w->setBorder(s.border != NoColour ? rgb(s.border) : QColor(Qt::black), s.borderWidth);
        if (s.back != NoColour)
            w->setFill(rgb(s.back));
        return w;
    }
    case Kind::Line: {
        auto* w = new Line(parent);
        w->setEnds(QPoint(px(s.at.left), px(s.at.top)), QPoint(px(s.at.width), px(s.at.height)), s.borderWidth,
                   s.border != NoColour ? rgb(s.border) : QColor(Qt::black));
        return w;
    }
    case Kind::Frame: {
        auto* w = new QGroupBox(caption, parent);
        if (s.back != NoColour)
            setBackground(w, s.back);
        if (s.fore != NoColour)
            setColourRole(w, QPalette::WindowText, rgb(s.fore));
        return w;
    }
    case Kind::Panel: {
        auto* w = new QWidget(parent);
        if (s.back != NoColour)
            setBackground(w, s.back);
        return w;
    }
    }
    return nullptr;
}

} // namespace

QString arrayName(const char* name, int index) {
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QWidget* buildControl(QWidget* screen, const ControlSpec& s) {
    QWidget* parent = screen;
    if (s.parent) {
        parent = screen->findChild<QWidget*>(QString::fromLatin1(s.parent));
        Q_ASSERT_X(parent, "buildControl", s.parent);
        if (!parent)
            parent = screen;
    }
    QWidget* w = create(parent, s);
    w->setObjectName(QString::fromLatin1(s.name));
    if (s.kind != Kind::Line)
        w->setGeometry(rectFromTwips(s.at.left, s.at.top, s.at.width, s.at.height));
    w->setFont(makeFont(s.font));
    layers().insert(w, {w, s.layer >= 0 ? s.layer : defaultLayer(s.kind)});

    const QString tip = QString::fromUtf8(s.tip);
    if (!tip.isEmpty())
        w->setToolTip(tip);
    if (interactive(s.kind)) {
        QString name = QString::fromUtf8(s.caption).remove(QLatin1Char('&')).trimmed();
        if (name.isEmpty())
            name = speakable(tip);
        if (name.isEmpty() && s.describe)
            name = QString::fromUtf8(s.describe);
        if (name.isEmpty())
            name = QString::fromLatin1(s.name);
        w->setAccessibleName(name);
        // The hover text is read after the name, as words rather than letters; a reader
        // leaves it out when it only repeats the name.
        if (!tip.trimmed().isEmpty())
            w->setAccessibleDescription(speakable(tip));
    } else if (s.describe && s.kind == Kind::Label) {
        // A label is read by what it says; what it is for is its description.
        w->setAccessibleDescription(QString::fromUtf8(s.describe));
    } else if (s.describe) {
        w->setAccessibleName(QString::fromUtf8(s.describe));
    }

    if (s.flags & Disabled)
        w->setEnabled(false);
    if (s.flags & NoTabStop)
        w->setFocusPolicy(s.kind == Kind::TextBox ? Qt::ClickFocus : Qt::NoFocus);
    if (s.kind == Kind::Label || s.kind == Kind::Picture || s.kind == Kind::Panel || s.kind == Kind::Frame)
        w->setFocusPolicy(Qt::NoFocus);
    // Set the flag explicitly: a child of a window that was never shown would otherwise
    // report itself hidden.
    w->setVisible(!(s.flags & Hidden));
    if (s.bind)
        s.bind(screen, w);
    return w;
}

void buildControls(QWidget* screen, std::span<const ControlSpec> table) {
    for (const ControlSpec& s : table)
        buildControl(screen, s);
}

void stackControls(QWidget* screen) {
    std::vector<QWidget*> all = {screen};
    for (QWidget* w : screen->findChildren<QWidget*>())
        all.push_back(w);
    for (QWidget* parent : all) {
        std::vector<QWidget*> kids;
        for (QObject* o : parent->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && layerOf(w) >= 0)
                kids.push_back(w);
        std::stable_sort(kids.begin(), kids.end(), [](QWidget* a, QWidget* b) { return layerOf(a) < layerOf(b); });
        for (QWidget* w : kids)
            w->raise();
    }
}

} // namespace ui
