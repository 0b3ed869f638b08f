// The whole display (F11) on the display the run is given: every screen enlarged by one
// factor, inside the display and centred, drawn at the display's pixels, its controls where
// they were, and back to its normal size.
#include "app/FullDisplay.h"
#include "app/MDIForm2.h"
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "screens/welcome/frmmecenaat1.h"
#include "screens/who/frmwie.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QBackingStore>
#include <QScreen>
#include <QTimer>
#include <functional>

using ScreenOf = std::function<ui::Form&(Program&)>;
Q_DECLARE_METATYPE(ScreenOf)

namespace {

template <class S>
ScreenOf screenOf() {
    return [](Program& p) -> ui::Form& { return p.screen<S>(); };
}

// Shows screen alone, as the program's hand-overs do.
void bringAlone(Program& p, ui::Form& screen) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<ui::Form*>(w); form && form != &screen && form->isVisible())
            p.HideScreen(*form);
    p.ShowScreen(screen);
    QApplication::processEvents();
}

QRectF devicePixels(const QRect& r, qreal ratio) {
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio);
}

// Every shown control's name and place on its screen (the speech's unnamed voices come and
// go on their own).
QList<std::pair<QString, QRect>> controlsOf(const QWidget& screen) {
    QList<std::pair<QString, QRect>> out;
    for (const QWidget* w : screen.findChildren<QWidget*>())
        if (w->isVisibleTo(&screen) && !w->objectName().isEmpty())
            out.append({w->objectName(), QRect(w->mapTo(&screen, QPoint()), w->size())});
    return out;
}

QImage devicePixelsOf(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// What the window system was last given of the window (off the screen, the image Qt paints
// into), and the window painted anew now.
QImage shownImage(QWidget& window) {
    QApplication::processEvents();
    return devicePixelsOf(*dynamic_cast<const QImage*>(window.backingStore()->paintDevice()));
}
QImage paintedNow(QWidget& window) {
    return devicePixelsOf(window.grab().toImage());
}

} // namespace

class FullDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void screenAtFullDisplay_data() {
        QTest::addColumn<ScreenOf>("screen");
        QTest::newRow("welcome") << screenOf<frmmecenaat1>();
        QTest::newRow("who are you") << screenOf<frmwie>();
        QTest::newRow("menu") << screenOf<frmkiesbasis>();
        QTest::newRow("place values") << screenOf<frmtest>();
        QTest::newRow("two numbers") << screenOf<frmtest2>();
        QTest::newRow("easy or hard") << screenOf<frmmaal>();
        QTest::newRow("column") << screenOf<frmmaal2>();
        QTest::newRow("two-digit column") << screenOf<frmmaal3>();
        QTest::newRow("times-table room") << screenOf<Aklas>();
        QTest::newRow("closing") << screenOf<frminfo>();
    }
    void screenAtFullDisplay() {
        QFETCH(ScreenOf, screen);
        TestProgram t;
        Program& p = t.program();
        ui::Form& form = screen(p);
        bringAlone(p, form);
        const QRect normal = form.frameGeometry();
        const auto controls = controlsOf(form);
        QWidget* focus = form.focusWidget();
        const QSize largest = FullDisplay::largestScreen();
        QVERIFY(form.width() <= largest.width() && form.height() <= largest.height());

        // A screen that moves (the closing's) holds still, so that what it showed stays what it shows.
        for (QTimer* timer : form.findChildren<QTimer*>())
            timer->stop();

        QTest::keyClick(&form, Qt::Key_F11);
        QApplication::processEvents();
        QVERIFY(p.fullDisplay().isOn() && t.main().isFullScreen() && form.isVisible());
        const qreal ratio = form.devicePixelRatioF();
        QCOMPARE(ratio, p.fullDisplay().zoom());
        const QRectF display = devicePixels(form.screen()->geometry(), ratio);
        const QRectF outer = devicePixels(form.frameGeometry(), ratio);
        QVERIFY(display.contains(outer));
        QVERIFY((outer.center() - display.center()).manhattanLength() <= 2 * ratio + 2);
        // The largest screen fills most of the display's height where the display allows.
        QVERIFY(ratio == 1 || largest.height() * ratio >= 0.75 * display.height() ||
                largest.width() * ratio >= 0.85 * display.width());
        QCOMPARE(controlsOf(form), controls);
        QCOMPARE(form.focusWidget(), focus);
        // What the display shows of the screen is all of it painted anew at the new scale.
        const QImage shown = shownImage(form);
        QCOMPARE(shown, paintedNow(form));
        // Pictures drawn at the display's pixels, not blown up from the normal size.
        for (const ui::Picture* picture : form.findChildren<ui::Picture*>())
            if (picture->isVisibleTo(&form) && !picture->picture().isEmpty())
                QCOMPARE(picture->drawnPixels().size(), (QSizeF(picture->size()) * ratio).toSize());

        QTest::keyClick(&form, Qt::Key_F11);
        QApplication::processEvents();
        QVERIFY(!p.fullDisplay().isOn() && !t.main().isFullScreen());
        QCOMPARE(form.devicePixelRatioF(), 1.0);
        QCOMPARE(form.frameGeometry(), normal);
        const QImage shownAfter = shownImage(form);
        QCOMPARE(shownAfter, paintedNow(form));
    }

    // A screen hidden while the display was switched comes back centred at the new size
    // (placed by its inside, as at its first showing, while its frame is not known yet).
    void hiddenScreenComesBackCentred() {
        TestProgram t;
        frmtest2& two = t.program().screen<frmtest2>();
        t.program().fullDisplay().setOn(true);
        bringAlone(t.program(), two);
        QVERIFY((two.frameGeometry().center() - two.screen()->geometry().center()).manhattanLength() <= 4);
    }
};

QTEST_MAIN(FullDisplayTest)
#include "full_display_test.moc"
