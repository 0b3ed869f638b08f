// What a screen reader gets from the program: windows named by their caption, labels
// read by what they say with their purpose as description, changes announced, and
// Qt's own texts in Dutch.
#include "screens/column1/frmmaal2.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>

namespace {

QAccessibleInterface* reader(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void screensAreNamedWindows() {
        TestProgram t;
        QAccessibleInterface* welcome = reader(&t.program().screen<frmmecenaat1>());
        QCOMPARE(welcome->role(), QAccessible::Window);
        QCOMPARE(welcome->text(QAccessible::Name), QString("Welkom bij ZEFRANOL"));
        QAccessibleInterface* column = reader(&t.program().screen<frmmaal2>());
        QCOMPARE(column->role(), QAccessible::Window);
        QCOMPARE(column->text(QAccessible::Name), QString("Cijferend vermenigvuldigen"));
    }

    void labelsSayWhatTheyShow() {
        TestProgram t;
        TestProgram::click(t.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        frmkiesbasis& menu = t.program().screen<frmkiesbasis>();
        QAccessibleInterface* total = reader(menu.lblgemaakt);
        QCOMPARE(total->role(), QAccessible::StaticText);
        QCOMPARE(total->text(QAccessible::Name), QString("0"));
        QCOMPARE(total->text(QAccessible::Description), QString("Totaal aantal juiste oefeningen"));

        TestProgram::click(t.find<QPushButton, frmkiesbasis>("cmdkies"));
        frmmaal2& s = t.program().screen<frmmaal2>();
        QAccessibleInterface* status = reader(s.lblmededeling);
        QCOMPARE(status->text(QAccessible::Name), QString("start een oefening met een klik op het vliegtuig"));

        t.script({0.3, 0.3, 0.3, 0.3});
        TestProgram::click(s.cmdstart);
        QVERIFY(status->text(QAccessible::Name).startsWith("je kunt zelfs naar de A-klas"));
        // Hidden controls are not reported as showing.
        QVERIFY(reader(s.imgpop1[0])->state().invisible);
        QCOMPARE(reader(s.imgpop1[0])->role(), QAccessible::Graphic);
    }

    void qtTextsAreDutch() {
        TestProgram t;
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << a->text().remove('&').section('\t', 0, 0);
        QVERIFY2(texts.contains("Plakken"), qPrintable(texts.join(", ")));
        QVERIFY(!texts.contains("Paste"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
