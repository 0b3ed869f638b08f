// The rules every screen relies on: change reactions, the shown flag, absorbed focus
// requests, timers that tests can fire, and controls built from a table.
#include "ui/ControlTable.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/PictureStore.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>

using namespace ui;

namespace {

// clang-format off
const ControlSpec Table[] = {
    {.name = "txtA", .kind = Kind::TextBox, .at = {150, 150, 1500, 450}},
    {.name = "txtB", .kind = Kind::TextBox, .at = {1800, 150, 1500, 450}},
    {.name = "txtHidden", .kind = Kind::TextBox, .at = {150, 900, 1500, 450}, .flags = Hidden},
    {.name = "txtOff", .kind = Kind::TextBox, .at = {1800, 900, 1500, 450}, .back = 0xFFFF80, .fore = 0x804040,
     .flags = Disabled, .describe = "notitie"},
    {.name = "cmdGo", .kind = Kind::Button, .caption = "&Start", .tip = "S T A R T", .at = {150, 1500, 1500, 450}},
    {.name = "cmdPic", .kind = Kind::PictureButton, .tip = "STOP", .at = {1800, 1500, 855, 735}},
    {.name = "Frm", .kind = Kind::Frame, .caption = "Keuze", .at = {3000, 0, 1500, 1500}, .flags = Hidden},
    {.name = "cmdInFrame", .kind = Kind::Button, .caption = "x 1", .at = {120, 240, 735, 375}, .parent = "Frm"},
    {.name = "lblMemo", .kind = Kind::Label, .at = {0, 2400, 3000, 600}},
    {.name = "shp", .kind = Kind::Shape, .at = {0, 0, 4500, 3000}},
};
// clang-format on

class TestForm : public Form {
public:
    TestForm() : Form("frmproef", QStringLiteral("Proef"), 4500, 3000, 0xFFC080) {
        build(Table);
        for (int i = 0; i < 3; ++i)
            buildControl(this, {.name = qPrintable(arrayName("Txtoef1", i)),
                                .kind = Kind::TextBox,
                                .at = {120 + 1680 * i, 2000, 1575, 360}});
        stackControls(this);
    }
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setupLook(); }

    void changeReactionRunsOnRealChangesOnly_data() {
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<int>("reactions");
        QTest::newRow("one write") << QStringList{"7"} << 1;
        QTest::newRow("same text twice") << QStringList{"7", "7"} << 1;
        QTest::newRow("emptying an empty box") << QStringList{""} << 0;
        QTest::newRow("write then clear") << QStringList{"7", ""} << 2;
        QTest::newRow("three different") << QStringList{"1", "2", "3"} << 3;
    }
    void changeReactionRunsOnRealChangesOnly() {
        QFETCH(QStringList, writes);
        QFETCH(int, reactions);
        TestForm form;
        auto* box = form.control<TextBox>("txtA");
        int count = 0;
        connect(box, &TextBox::changed, [&] { ++count; });
        for (const QString& text : writes)
            box->setText(text);
        QCOMPARE(count, reactions);
    }

    void typingRunsTheReactionPerKey() {
        TestForm form;
        form.show();
        auto* box = form.control<TextBox>("txtA");
        QStringList seen;
        connect(box, &TextBox::changed, [&] { seen << box->text(); });
        box->setFocus();
        QTest::keyClicks(box, "42");
        QCOMPARE(seen, (QStringList{"4", "42"}));
    }

    void reactionsNestWhereTheyWrite() {
        TestForm form;
        auto* a = form.control<TextBox>("txtA");
        auto* b = form.control<TextBox>("txtB");
        QStringList order;
        connect(a, &TextBox::changed, [&] {
            order << "A in";
            b->setText(a->text() + "!");
            order << "A out";
        });
        connect(b, &TextBox::changed, [&] { order << "B " + b->text(); });
        a->setText("5");
        QCOMPARE(order, (QStringList{"A in", "B 5!", "A out"}));
        order.clear();
        a->setText("5");
        QVERIFY(order.isEmpty());
    }

    void shownMeansTheControlsOwnFlag() {
        TestForm form; // never shown
        QVERIFY(isShown(form.control("txtA")));
        QVERIFY(!isShown(form.control("txtHidden")));
        QVERIFY(isShown(form.control("cmdInFrame"))); // its frame is hidden, its own flag is not
        form.show();
        form.hide();
        QVERIFY(isShown(form.control("txtA")));
        QVERIFY(!isShown(form.control("txtHidden")));
    }

    void focusRequestsForHiddenOrDisabledControlsAreAbsorbed_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("focused");
        QTest::newRow("shown box") << "txtB"
                                   << "txtB";
        QTest::newRow("hidden box") << "txtHidden"
                                    << "txtA";
        QTest::newRow("disabled box") << "txtOff"
                                      << "txtA";
        QTest::newRow("inside hidden frame") << "cmdInFrame"
                                             << "txtA";
    }
    void focusRequestsForHiddenOrDisabledControlsAreAbsorbed() {
        QFETCH(QString, target);
        QFETCH(QString, focused);
        TestForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        requestFocus(form.control("txtA"));
        requestFocus(form.control(target));
        QCOMPARE(form.focusWidget()->objectName(), focused);
    }

    void tableBuildsNamedControlsInPixels() {
        TestForm form;
        auto* go = form.control<QPushButton>("cmdGo");
        QCOMPARE(go->geometry(), QRect(10, 100, 100, 30));
        QCOMPARE(go->accessibleName(), QString("Start"));
        QCOMPARE(go->toolTip(), QString("S T A R T"));
        QCOMPARE(form.control("cmdPic")->accessibleName(), QString("STOP"));
        QCOMPARE(form.control("txtOff")->accessibleName(), QString("notitie"));
        QCOMPARE(form.control("cmdInFrame")->parentWidget()->objectName(), QString("Frm"));
        QCOMPARE(form.control("Txtoef1_2")->geometry().left(), 232);
        QCOMPARE(form.objectName(), QString("frmproef"));
        QCOMPARE(form.size(), QSize(300, 200));
    }

    void displayOnlyBoxesKeepTheirColours() {
        TestForm form;
        auto* off = form.control<TextBox>("txtOff");
        QVERIFY(!off->isEnabled());
        QCOMPARE(off->palette().color(QPalette::Disabled, QPalette::Text), rgb(0x804040));
        QCOMPARE(off->palette().color(QPalette::Disabled, QPalette::Base), rgb(0xFFFF80));
    }

    // Text boxes' panels and group frames are copied from a look drawn once: as Fusion draws
    // them, and never the look of one of another colour drawn before at the same size.
    void panelsLookAsFusionDrawsThem_data() {
        QTest::addColumn<bool>("group");
        QTest::addColumn<int>("colour");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("white box") << false << 0xFFFFFF << 1.0;
        QTest::newRow("yellow box, whole display") << false << 0xFFFF00 << 2.8125;
        QTest::newRow("group, whole display") << true << 0xFFFF00 << 2.8125;
    }
    void panelsLookAsFusionDrawsThem() {
        QFETCH(bool, group);
        QFETCH(int, colour);
        QFETCH(qreal, ratio);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto drawn = [&](int back, QStyle* style) {
            TextBox box;
            box.setBackColour(rgb(back));
            QGroupBox frame(QStringLiteral("Keuze"));
            frame.setPalette(rgb(back));
            QWidget& panel = group ? static_cast<QWidget&>(frame) : box;
            if (style)
                panel.setStyle(style);
            panel.setGeometry(0, 0, 57, 41);
            QImage image(QSize(57, 41) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            panel.render(&image);
            return image;
        };
        drawn(colour ^ 0x00FF00, nullptr);
        const QImage copied = drawn(colour, nullptr), direct = drawn(colour, fusion.get());
        int most = 0;
        for (int i = 0; i < copied.width() * copied.height(); ++i) {
            const QRgb a = copied.pixel(i % copied.width(), i / copied.width());
            const QRgb b = direct.pixel(i % copied.width(), i / copied.width());
            most = std::max(
                {most, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
        QVERIFY2(most <= 3, qPrintable(QStringLiteral("differs by %1").arg(most)));
    }

    void boxesStandAboveShapesAndLabels() {
        TestForm form;
        const auto kids = form.children();
        QVERIFY(kids.indexOf(form.control("shp")) < kids.indexOf(form.control("lblMemo")));
        QVERIFY(kids.indexOf(form.control("lblMemo")) < kids.indexOf(form.control("txtA")));
    }

    void labelKeepsItsCaptionVerbatim() {
        TestForm form;
        auto* label = form.control<Label>("lblMemo");
        label->setText("   0 x 4 = 0\r\n   1 x 4 = 4");
        QCOMPARE(label->text(), QString("   0 x 4 = 0\r\n   1 x 4 = 4"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // A picture keeps the pixels it was drawn into only while they fit: after a resize it is
    // drawn anew at the new size, and after its pixels were given back it looks the same.
    void pictureIsDrawnAnewWhenItsSizeChanges() {
        const QString resource = pictureResource("logo.svg");
        auto drawnDirectly = [&](QSize size) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            loadPicture(resource)->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
            return image;
        };
        auto shown = [](QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); };
        // Drawn over the background through a transparent pixmap, edge pixels may round
        // differently by a step or two; a wrong size or a stale drawing differs by far more.
        auto largestDifference = [](const QImage& a, const QImage& b) {
            if (a.size() != b.size())
                return 255;
            int most = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                     std::abs(qBlue(p) - qBlue(q))});
                }
            return most;
        };
        QWidget back;
        back.setAutoFillBackground(true);
        QPalette white = back.palette();
        white.setColor(QPalette::Window, Qt::white);
        back.setPalette(white);
        back.resize(200, 200);
        auto* picture = new Picture(&back);
        picture->setPicture(resource);
        for (QSize size : {QSize(32, 28), QSize(96, 84), QSize(32, 28)}) {
            picture->resize(size);
            QCOMPARE_LE(largestDifference(shown(*picture), drawnDirectly(size)), 3);
        }
        picture->releasePixels();
        QCOMPARE_LE(largestDifference(shown(*picture), drawnDirectly(QSize(32, 28))), 3);
    }

    // Pixels given back (a hidden screen) or drawn at another size (the whole display and
    // back) are found again in memory: the same pixmap, not a new drawing; another control
    // with the same picture and size shares it.
    void picturesAreKeptInMemoryPerSize() {
        const QString resource = pictureResource("logo.svg");
        Picture picture, other;
        picture.setPicture(resource);
        other.setPicture(resource);
        auto shownAt = [](Picture& p, QSize size) {
            p.resize(size);
            p.grab();
            return p.drawnPixels().cacheKey();
        };
        const qint64 small = shownAt(picture, QSize(32, 28));
        QVERIFY(shownAt(picture, QSize(96, 84)) != small);
        QCOMPARE(shownAt(picture, QSize(32, 28)), small);
        picture.releasePixels();
        QCOMPARE(shownAt(picture, QSize(32, 28)), small);
        QCOMPARE(shownAt(other, QSize(32, 28)), small);
    }

    // A picture drawn in one run is kept for the next, pixel for pixel. A kept file that is
    // damaged, or a folder that cannot be written to, only means the picture is drawn again.
    void picturesAreKeptBetweenRuns() {
        QTemporaryDir store;
        pictureStore::setFolder(store.path());
        const auto forget = qScopeGuard([] { pictureStore::setFolder(QString()); });
        const QString resource = pictureResource("logo.svg");
        const QSize size(32, 28);
        const QImage drawn = drawPicture(*loadPicture(resource), size);
        auto shownInANewRun = [&] {
            forgetDrawnPictures();
            Picture picture;
            picture.setPicture(resource);
            picture.resize(size);
            picture.grab();
            return picture.drawnPixels().toImage();
        };
        QCOMPARE(shownInANewRun(), drawn);
        pictureStore::writeKept();
        const QStringList kept = QDir(store.path()).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(pictureStore::find(resource, size, 1.0), drawn);

        // What the next run shows is what was kept, not drawn anew (half see-through, as an
        // opaque picture would be shown in a pixel format of its own).
        QImage blue(size, QImage::Format_ARGB32_Premultiplied);
        blue.fill(QColor(0, 0, 255, 128));
        pictureStore::keep(resource, blue);
        pictureStore::writeKept();
        QCOMPARE(shownInANewRun(), blue);
        QCOMPARE(QDir(store.path()).entryList(QDir::Files), kept);

        QVERIFY(QFile::resize(store.filePath(kept.first()), 100));
        QCOMPARE(shownInANewRun(), drawn);
        pictureStore::writeKept();
        QCOMPARE(pictureStore::find(resource, size, 1.0), drawn);

        pictureStore::setFolder(store.filePath(kept.first()) + QStringLiteral("/pictures"));
        QCOMPARE(shownInANewRun(), drawn);
        pictureStore::writeKept();
    }

    // The folder keeps the pictures shown last: a size no run has shown for longest goes
    // first once the bound is reached, and one shown again stays.
    void keptPicturesAreBounded() {
        QTemporaryDir store;
        const QString resource = pictureResource("logo.svg");
        const QSize small(32, 28), middle(48, 42), large(64, 56);
        const auto file = [&](QSize size) {
            return QDir(store.path()).entryList({QStringLiteral("logo-%1x%2@*").arg(size.width()).arg(size.height())});
        };
        const auto keep = [&](QSize size) {
            QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::blue);
            pictureStore::keep(resource, drawn);
            pictureStore::writeKept();
        };
        const auto age = [&](QSize size, int hours) {
            QFile kept(store.filePath(file(size).value(0)));
            QVERIFY(kept.open(QIODevice::ReadOnly) &&
                    kept.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600 * hours),
                                     QFileDevice::FileModificationTime));
        };
        // Room for the large and the small picture, not for the middle one as well.
        pictureStore::setFolder(store.path(),
                                (large.width() * large.height() + small.width() * small.height()) * 4 + 1024);
        const auto forget = qScopeGuard([] { pictureStore::setFolder(QString()); });
        keep(small);
        keep(middle);
        age(small, 2);
        age(middle, 1);
        QVERIFY(!pictureStore::find(resource, small, 1.0).isNull()); // shown again: now the newest
        keep(large);
        QVERIFY(!file(small).isEmpty() && !file(large).isEmpty());
        QVERIFY(file(middle).isEmpty());
        QVERIFY(pictureStore::find(resource, middle, 1.0).isNull());
    }

    // A caption too wide for its button and too tall to wrap (the table button "x 10")
    // shows whole on one line rather than its first word only.
    void captionTooTallToWrapStaysWhole() {
        Form form("frmproef", QString(), 1500, 1500, 0xFFFFFF);
        auto* button = buildControl(&form, {.name = "Cmd10",
                                            .kind = Kind::Button,
                                            .caption = "x 10",
                                            .at = {120, 240, 735, 375},
                                            .font = {"MS Sans Serif", 13.5, Bold}});
        const QImage shown = button->grab().toImage();
        int left = shown.width(), right = -1;
        for (int y = 3; y < shown.height() - 3; ++y)
            for (int x = 3; x < shown.width() - 3; ++x)
                if (qGray(shown.pixel(x, y)) < 80) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right - left >= button->fontMetrics().horizontalAdvance("x 10") * 3 / 4);
    }

    void timerTicksCanBeFiredWithoutWaiting() {
        QObject owner;
        int ticks = 0;
        auto* timer = new Timer(&owner, "Timer7", 10000, [&] { ++ticks; });
        QCOMPARE(owner.findChild<QTimer*>("Timer7"), timer);
        QCOMPARE(timer->interval(), 10000);
        QVERIFY(!timer->isActive());
        timer->tick();
        QMetaObject::invokeMethod(timer, "tick");
        QCOMPARE(ticks, 2);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
