#include "screens/numpad/NumberPad.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Touch.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace ui;

namespace numpad {

namespace {

constexpr int Margin = 3, Gap = 3; // pixels around and between the keys
constexpr int PadBack = 0x000080, KeyBack = 0xFFFFFF, WipeBack = 0xFFC0C0;
constexpr FontSpec DigitFont{"Arial", 20.25, Bold};
constexpr FontSpec WipeFont{"Arial", 14.25, Bold};

QPushButton* makeKey(QWidget* pad, const QString& name, const QString& caption, const QString& spoken, int back,
                     const FontSpec& font) {
    auto* key = new QPushButton(caption, pad);
    key->setObjectName(name);
    key->setAccessibleName(spoken);
    key->setFont(makeFont(font));
    key->setAutoDefault(false);
    // The focus stays in the answer box the key writes into.
    key->setFocusPolicy(Qt::NoFocus);
    setColourRole(key, QPalette::Button, rgb(back));
    setColourRole(key, QPalette::ButtonText, rgb(0x000000));
    return key;
}

} // namespace

NumberPad::NumberPad(QWidget& host, const Layout& layout, std::vector<QLineEdit*> boxes)
    : QWidget(&host), host_(host), boxes_(std::move(boxes)) {
    setObjectName(QStringLiteral("numpad"));
    setAccessibleName(QStringLiteral("cijfertoetsen"));
    for (int digit = 0; digit <= 9; ++digit) {
        const QString caption = QString::number(digit);
        cmdcijfer[digit] = makeKey(this, QStringLiteral("cmdcijfer") + caption, caption,
                                   QStringLiteral("cijfer ") + caption, KeyBack, DigitFont);
        connect(cmdcijfer[digit], &QPushButton::clicked, this, [this, digit] { cmdcijfer_Click(digit); });
    }
    cmdwis = makeKey(this, QStringLiteral("cmdwis"), QStringLiteral("wis"), QStringLiteral("vakje wissen"), WipeBack,
                     WipeFont);
    connect(cmdwis, &QPushButton::clicked, this, [this] { cmdwis_Click(); });
    place(layout);
    setVisible(false);

    // The pad follows every way the focus or the kind of input can change: a tap, a click or
    // a key, a change reaction that moves the focus on, the screen shown or hidden.
    connect(&TouchRules::instance(), &TouchRules::inUseChanged, this, [this] { follow(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
    host_.installEventFilter(this);
    for (QLineEdit* box : boxes_) {
        box->installEventFilter(this);
        // Connected after the screen's own change reactions, so it sees where they put the focus.
        connect(box, &QLineEdit::textChanged, this, [this] { follow(); });
    }
}

void NumberPad::place(const Layout& layout) {
    setGeometry(rectFromTwips(layout.at.left, layout.at.top, layout.at.width, layout.at.height));
    const int keyWidth = (width() - 2 * Margin - (Keys - 1) * Gap) / Keys;
    const int keyHeight = height() - 2 * Margin;
    // One row as on a keyboard: 1 to 9, 0, then "wis"; what is left over goes to the sides.
    int left = (width() - Keys * keyWidth - (Keys - 1) * Gap) / 2;
    std::array<QPushButton*, Keys> row{};
    for (int digit = 1; digit <= 9; ++digit)
        row[digit - 1] = cmdcijfer[digit];
    row[9] = cmdcijfer[0];
    row[10] = cmdwis;
    for (QPushButton* key : row) {
        key->setGeometry(left, Margin, keyWidth, keyHeight);
        left += keyWidth + Gap;
    }
}

QLineEdit* NumberPad::target() const {
    QWidget* focus = host_.focusWidget();
    for (QLineEdit* box : boxes_)
        if (box == focus && isShown(box) && box->isEnabled() && !box->isReadOnly())
            return box;
    return nullptr;
}

void NumberPad::follow() {
    const bool wanted = touchInUse() && host_.isVisible() && target();
    if (wanted && isHidden()) {
        raise();
        show();
    } else if (!wanted && !isHidden()) {
        hide();
    }
}

void NumberPad::cmdcijfer_Click(int digit) {
    // What the box itself does with a typed printable character.
    if (QLineEdit* box = target())
        box->insert(QString::number(digit));
}

void NumberPad::cmdwis_Click() {
    QLineEdit* box = target();
    if (!box)
        return;
    // As Backspace over the whole text; its change reaction may move the focus on, and the
    // box takes it back, as after a tap on it.
    box->selectAll();
    box->del();
    requestFocus(box);
}

bool NumberPad::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::Hide:
        // The screen is left: the pad goes with it and does not come back by itself.
        if (watched == &host_)
            hide();
        else
            follow();
        break;
    case QEvent::Show:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        follow();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, e);
}

void NumberPad::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb(PadBack));
    painter.drawRoundedRect(QRectF(rect()), 6, 6);
}

} // namespace numpad
