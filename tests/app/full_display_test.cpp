// The whole display on a display of the size ZEF_TEST_DISPLAY gives (1920x1080 unless told):
// every screen enlarged by one factor, inside the display and centred, drawn at the display's
// pixels, the same controls in the same places, and back to its normal size.
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
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <functional>

using ShowFn = std::function<ui::Form&(Program&)>;
Q_DECLARE_METATYPE(ShowFn)

namespace {

template <class S>
ShowFn showing() {
    return [](Program& p) -> ui::Form& { return p.screen<S>(); };
}

// Every screen of the program.
void allScreens() {
    QTest::addColumn<ShowFn>("screen");
    QTest::newRow("welcome") << showing<frmmecenaat1>();
    QTest::newRow("menu") << showing<frmkiesbasis>();
    QTest::newRow("place values") << showing<frmtest>();
    QTest::newRow("two numbers") << showing<frmtest2>();
    QTest::newRow("easy or hard") << showing<frmmaal>();
    QTest::newRow("column") << showing<frmmaal2>();
    QTest::newRow("two-digit column") << showing<frmmaal3>();
    QTest::newRow("times-table room") << showing<Aklas>();
    QTest::newRow("closing") << showing<frminfo>();
}

// Brings screen alone to the front, as the program's hand-overs do.
void bringAlone(Program& p, ui::Form& screen) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<ui::Form*>(w); form && form != &screen && form->isVisible())
            p.HideScreen(*form);
    p.ShowScreen(screen);
    QApplication::processEvents();
}

// The display of this run, as the offscreen platform was told it.
QSize normalDisplay() {
    const QStringList size = qEnvironmentVariable("ZEF_TEST_DISPLAY", QStringLiteral("1920x1080")).split('x');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

QRectF devicePixels(const QRect& r, qreal ratio) {
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio);
}

struct Placed {
    QString name;
    QRect at;
    bool operator==(const Placed&) const = default;
};

QList<Placed> controlsOf(const QWidget& screen) {
    QList<Placed> out;
    for (const QWidget* w : screen.findChildren<QWidget*>())
        if (w->isVisibleTo(&screen))
            out.append({w->objectName(), QRect(w->mapTo(&screen, QPoint()), w->size())});
    return out;
}

} // namespace

class FullDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void largestScreenHoldsEveryScreen() {
        TestProgram t;
        const QSize largest = FullDisplay::largestScreen();
        QSize seen;
        for (const auto& show :
             {showing<frmmecenaat1>(), showing<frmkiesbasis>(), showing<frmtest>(), showing<frmtest2>(),
              showing<frmmaal>(), showing<frmmaal2>(), showing<frmmaal3>(), showing<Aklas>(), showing<frminfo>()}) {
            const QSize size = show(t.program()).size();
            QVERIFY2(size.width() <= largest.width() && size.height() <= largest.height(),
                     qPrintable(show(t.program()).objectName()));
            seen = seen.expandedTo(size);
        }
        QCOMPARE(seen, largest);
    }

    void zoomFillsMostOfTheDisplay_data() {
        QTest::addColumn<QSize>("display");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
        QTest::newRow("3840x2160 at display scale 2") << QSize(1920, 1080);
        QTest::newRow("2560x1080, wide") << QSize(2560, 1080);
        QTest::newRow("1024x600, too small to enlarge") << QSize(1024, 600);
    }
    void zoomFillsMostOfTheDisplay() {
        QFETCH(QSize, display);
        const qreal zoom = FullDisplay::zoomFor(display);
        const QSizeF largest = QSizeF(FullDisplay::largestScreen()) * zoom;
        QVERIFY(zoom >= 1);
        // Room left for the title bar, and not a step more could be taken.
        QVERIFY(largest.height() <= 0.85 * display.height() || zoom == 1);
        QVERIFY(largest.width() <= 0.95 * display.width() || zoom == 1);
        const QSizeF larger = QSizeF(FullDisplay::largestScreen()) * (zoom + 1.0 / 16);
        QVERIFY(larger.height() > 0.85 * display.height() || larger.width() > 0.95 * display.width());
    }

    void screenAtFullDisplay_data() { allScreens(); }
    void screenAtFullDisplay() {
        QFETCH(ShowFn, screen);
        TestProgram t;
        Program& p = t.program();
        ui::Form& form = screen(p);
        bringAlone(p, form);
        const QRect normal = form.frameGeometry();
        const QSize inside = form.size();
        const QList<Placed> controls = controlsOf(form);
        QWidget* focus = form.focusWidget();

        QTest::keyClick(&form, Qt::Key_F11);
        QApplication::processEvents();
        QVERIFY(p.fullDisplay().isOn());
        const qreal zoom = FullDisplay::zoomFor(normalDisplay());
        QCOMPARE(p.fullDisplay().zoom(), zoom);
        QCOMPARE(form.devicePixelRatioF(), zoom);
        QVERIFY(form.isVisible());
        QVERIFY(t.main().isFullScreen());

        // Inside the display and centred on it, in the display's own pixels.
        const qreal ratio = form.devicePixelRatioF();
        const QRectF display = devicePixels(form.screen()->geometry(), ratio);
        const QRectF outer = devicePixels(form.frameGeometry(), ratio);
        QVERIFY2(
            display.contains(outer),
            qPrintable(
                QStringLiteral("%1x%2 at %3,%4").arg(outer.width()).arg(outer.height()).arg(outer.x()).arg(outer.y())));
        QVERIFY(qAbs(outer.center().x() - display.center().x()) <= ratio + 1);
        QVERIFY(qAbs(outer.center().y() - display.center().y()) <= ratio + 1);
        // The same controls in the same places, enlarged as one; the focus stays where it was.
        QCOMPARE(form.size(), inside);
        QCOMPARE(controlsOf(form), controls);
        QCOMPARE(form.focusWidget(), focus);

        // Pictures are drawn at the display's pixels, not blown up from the normal size.
        form.grab();
        for (const ui::Picture* picture : form.findChildren<ui::Picture*>())
            if (picture->isVisibleTo(&form) && !picture->picture().isEmpty())
                QCOMPARE(picture->drawnPixels().size(), (QSizeF(picture->size()) * ratio).toSize());
        for (const ui::PictureButton* button : form.findChildren<ui::PictureButton*>())
            if (button->isVisibleTo(&form) && !button->picture().isEmpty() && !button->drawnPixels().isNull())
                QCOMPARE(button->drawnPixels().devicePixelRatio(), ratio);

        QTest::keyClick(&form, Qt::Key_F11);
        QApplication::processEvents();
        QVERIFY(!p.fullDisplay().isOn());
        QCOMPARE(form.devicePixelRatioF(), 1.0);
        QCOMPARE(form.frameGeometry(), normal);
        QVERIFY(!t.main().isFullScreen());
    }

    // A screen hidden while the display was switched comes back centred at the new size (placed
    // by its inside, as at its first showing, while its frame is not known yet).
    void hiddenScreenComesBackCentred() {
        TestProgram t;
        Program& p = t.program();
        frmtest2& two = p.screen<frmtest2>();
        p.fullDisplay().setOn(true);
        bringAlone(p, two);
        const QRect display = two.screen()->geometry();
        QVERIFY(qAbs(two.frameGeometry().center().x() - display.center().x()) <= 3);
        QVERIFY(qAbs(two.frameGeometry().center().y() - display.center().y()) <= 3);
        p.fullDisplay().setOn(false);
    }
};

int main(int argc, char* argv[]) {
    // The display the run is about, as the offscreen platform's configuration.
    const QSize size = normalDisplay();
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("display.json"));
    QFile file(config);
    if (size.isEmpty() || !file.open(QIODevice::WriteOnly))
        return 2;
    file.write(QStringLiteral(R"({"screens": [{"name": "board", "x": 0, "y": 0, "width": %1, "height": %2,)"
                              R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    FullDisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "full_display_test.moc"
