#pragma once
// The handful of control kinds the screens are made of, each a thin Qt widget
// that keeps the behaviour the screens count on.
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPainter;
class QSvgRenderer;

namespace ui {

// "Shown" is the control's own flag, as the screen set it, even while its window is hidden.
inline bool isShown(const QWidget* w) {
    return !w->isHidden();
}

// Moves the keyboard focus to w; a request for a hidden or disabled control is absorbed.
void requestFocus(QWidget* w);

// Puts the controls in this tab order, one after the other.
void setTabChain(const std::vector<QWidget*>& chain);

// Sets one colour role for the active, inactive and disabled states alike, so a
// display-only control looks like a working one.
void setColourRole(QWidget* w, QPalette::ColorRole role, const QColor& c);

// A multi-line caption label. The caption is kept exactly as written (CR LF included);
// painting wraps it in the label's own rectangle.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    // Sets the caption and tells a screen reader that what the label says has changed.
    void setText(const QString& text);
    void setBackColour(const QColor& c);
    void setForeColour(const QColor& c);
    // A label without a colour of its own lets its background show through.
    void setTransparent(bool on);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
};

// A one-line text box. Its change reaction (the changed signal) runs whenever the text
// changes, typed or set by code, and never when the new text equals the old one.
// A display-only box is disabled but keeps its colours, so its digits stay readable.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    void setBackColour(const QColor& c);
    void setForeColour(const QColor& c);

signals:
    void changed();
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent*) override;
    void paintEvent(QPaintEvent*) override;
};

// A push button whose caption wraps over several lines when it is wider than the button;
// it shows the focus mark.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A picture drawing and the pixmap it was last drawn into: repaints of the same size
// (a focus frame, a caption, a window brought back to the front) only copy the pixmap,
// a size drawn earlier in this run comes from the pictures kept in memory (bounded), and
// one drawn in an earlier run from the picture store (ui/PictureStore.h).
class DrawnPicture {
public:
    void load(const QString& resource);
    QString resource() const { return resource_; }
    void paint(QPainter& painter, const QRect& area, qreal pixelRatio);
    // What the last paint drew from the drawing; empty until then and after release().
    const QPixmap& pixels() const { return pixels_; }
    // Hidden screens keep only the drawing; its pixels stay among those kept in memory
    // until newer ones push them out.
    void release() { pixels_ = QPixmap(); }

private:
    QString resource_;
    std::shared_ptr<QSvgRenderer> drawing_;
    QPixmap pixels_;
};

// Empties the pictures kept in memory, as a new run starts with none.
void forgetDrawnPictures();

// A drawing rendered into a transparent image of the given size, as every picture is shown.
// Pictures kept between runs are filed by the program's version: a change here needs a new one.
QImage drawPicture(QSvgRenderer& drawing, QSize area, qreal pixelRatio = 1.0);

// A button that shows a picture, with its caption (if any) along the bottom edge,
// wrapped when it is wider than the button.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    void setPicture(const QString& resource);
    void setBackColour(const QColor& c);
    void releasePixels() { picture_.release(); }
    QString picture() const { return picture_.resource(); }
    const QPixmap& drawnPixels() const { return picture_.pixels(); }
    // The part of the button the picture is drawn in, above the caption.
    QSize pictureSize() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // Where the caption goes inside the frame, and how it is drawn there.
    std::pair<QRect, int> caption(const QRect& inner) const;

    DrawnPicture picture_;
};

// A picture stretched over its rectangle; reports pointer movement.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    void setPicture(const QString& resource);
    QString picture() const { return drawing_.resource(); }
    const QPixmap& drawnPixels() const { return drawing_.pixels(); }
    void releasePixels() { drawing_.release(); }

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    DrawnPicture drawing_;
};

// A rectangle or rounded rectangle with a border and an optional fill.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);
    void setRounded(bool on) {
        rounded_ = on;
        update();
    }
    void setBorder(const QColor& c, int widthPx) {
        border_ = c;
        borderWidth_ = widthPx;
        update();
    }
    void setFill(const QColor& c) {
        fill_ = c;
        update();
    }
    void clearFill() {
        fill_ = QColor();
        update();
    }
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool rounded_ = false;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    QColor fill_;
};

// A straight line between two points given in the parent's coordinates.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);
    void setEnds(QPoint from, QPoint to, int widthPx, const QColor& colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from_, to_;
    int width_ = 1;
    QColor colour_ = Qt::black;
};

// An interval timer whose tick a test can fire directly (tick()).
class Timer : public QTimer {
    Q_OBJECT
public:
    Timer(QObject* parent, const char* name, int intervalMs, std::function<void()> handler);

public slots:
    void tick();

private:
    std::function<void()> handler_;
};

// The picture resources are SVG files compiled into the program.
QString pictureResource(const char* file);
std::shared_ptr<QSvgRenderer> loadPicture(const QString& resource);
// The program's window icon, drawn once at the sizes a window list asks for.
QIcon programIcon();

} // namespace ui
