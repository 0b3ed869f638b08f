// The teacher's window driven through what a screen reader sees: every control on the Tab
// chain has a Dutch name, the search field, the table and the buttons work by their names,
// names are shown as written; an empty store, a quiet period, the report read back from
// its PDF, and (beside with_pg_server.sh) a server that goes away while the window is open.
#include "TeacherData.h"
#include "config/Config.h"
#include "teacher/MainWindow.h"
#include "teacher/OverviewModel.h"
#include "teacher/PupilView.h"
#include "teacher/SettingsDialog.h"
#include "ui/Look.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>

using namespace teacher;

namespace {

const QDate Today(2026, 3, 15);

QAccessibleInterface* named(QAccessibleInterface* root, const QString& name, int depth = 0) {
    if (!root || depth > 12)
        return nullptr;
    if (root->text(QAccessible::Name) == name && !root->state().invisible)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = named(root->child(i), name, depth + 1))
            return found;
    return nullptr;
}

void press(QWidget* window, const QString& name) {
    QAccessibleInterface* button = named(QAccessible::queryAccessibleInterface(window), name);
    QVERIFY2(button && button->actionInterface(), qPrintable(name));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Readable and writable by this user alone.
bool ownOnly(const QString& path) {
    const QFile::Permissions p = QFile::permissions(path);
    return p.testFlag(QFile::ReadOwner) &&
           !(p & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::vector<results::Check> checks;
    SourceChoice filled;

    SourceChoice file(const QString& name) const { return teacherdata::fileIn(dir, name); }

private slots:
    void initTestCase() {
        teacherdata::useDutchTime();
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("eigen")).toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("systeem")).toUtf8());
        ui::setupLook();
        checks = teacherdata::made(1500, 20);
        filled = file(QStringLiteral("r.sqlite"));
        QCOMPARE(results::openLocal(filled.path)->addAll(checks), (long long)checks.size());
    }

    void everyControlNamedAndDrivenByName() {
        MainWindow w(filled, Period::schoolYear(Today), Today);
        QSignalSpy overview(&w, &MainWindow::overviewShown), pupil(&w, &MainWindow::pupilShown);
        w.show();
        QVERIFY(overview.wait(10000));
        QSet<QString> reached;
        for (QWidget* at = w.nextInFocusChain(); at != &w; at = at->nextInFocusChain()) {
            if (!at->isVisibleTo(&w) || !at->isEnabled() || !(at->focusPolicy() & Qt::TabFocus))
                continue;
            const QString name = QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), at->metaObject()->className());
            reached << name;
        }
        // The period's box says its choice; its label "Periode:" names it.
        for (const char* name : {"Zoek een leerling op naam", "Klasoverzicht", "Dit schooljaar",
                                 "De pagina van de gekozen leerling openen", "Andere bron kiezen"})
            QVERIFY2(reached.contains(QString::fromUtf8(name)), name);

        // Searching without the accents finds the name as it was written.
        QAccessibleInterface* search = named(QAccessible::queryAccessibleInterface(&w), "Zoek een leerling op naam");
        QVERIFY(search && search->editableTextInterface());
        search->editableTextInterface()->insertText(0, QStringLiteral("zoe \"zon"));
        QCOMPARE(w.table()->model()->rowCount(), 1);
        QAccessibleInterface* table = named(QAccessible::queryAccessibleInterface(&w), "Klasoverzicht");
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), teacherdata::OddNames[1]);
        w.table()->setCurrentIndex(w.table()->model()->index(0, 0));
        press(&w, "De pagina van de gekozen leerling openen");
        QVERIFY(pupil.wait(10000));
        QCOMPARE(w.page(), MainWindow::Page::Pupil);
        QVERIFY(named(QAccessible::queryAccessibleInterface(&w), teacherdata::OddNames[1]));
        // Each chart tells its numbers; each table has them too.
        QAccessibleInterface* kinds = named(QAccessible::queryAccessibleInterface(&w), "Grafiek: soorten fouten");
        QVERIFY(kinds);
        QVERIFY2(kinds->text(QAccessible::Description).contains(QStringLiteral("tafel- of rekenfout: oefeningen 2")),
                 qPrintable(kinds->text(QAccessible::Description)));
        QVERIFY(named(QAccessible::queryAccessibleInterface(&w), "Tabel: soorten fouten"));
        QVERIFY(named(QAccessible::queryAccessibleInterface(&w), "Foute oefening van ma 2 mrt. 2026 10:09"));
        press(&w, "Terug naar het overzicht");
        QTRY_COMPARE(w.page(), MainWindow::Page::Overview);
    }

    void emptyAndQuiet_data() {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("says");
        QTest::newRow("geen bestand") << "geen.sqlite" << Today << int(MainWindow::Page::Message)
                                      << "nog geen resultaten bewaard";
        QTest::newRow("leeg") << "leeg.sqlite" << Today << int(MainWindow::Page::Overview)
                              << "Deze bron bevat nog geen resultaten.";
        QTest::newRow("stille periode") << "r.sqlite" << QDate(2027, 1, 1) << int(MainWindow::Page::Overview)
                                        << "Geen oefeningen in schooljaar 2026-2027.";
    }
    void emptyAndQuiet() {
        QFETCH(QString, store);
        QFETCH(QDate, from);
        QFETCH(int, page);
        QFETCH(QString, says);
        if (store == QLatin1String("leeg.sqlite"))
            QVERIFY(results::openLocal(dir.filePath(store)));
        MainWindow w(file(store), Period::schoolYear(from), from);
        QSignalSpy overview(&w, &MainWindow::overviewShown);
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(int(w.page()), page, 10000);
        if (page == int(MainWindow::Page::Overview)) {
            QTRY_VERIFY_WITH_TIMEOUT(!overview.isEmpty(), 10000);
            QVERIFY(named(QAccessible::queryAccessibleInterface(&w), says));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(w.message().contains(says), 10000);
        }
    }

    void reportReadBackAndExportDefused() {
        MainWindow w(filled, Period::schoolYear(Today), Today);
        QSignalSpy pupil(&w, &MainWindow::pupilShown), exported(&w, &MainWindow::exportDone);
        w.show();
        w.openPupil(teacherdata::OddNames[0]);
        QVERIFY(pupil.wait(10000));
        const QString pdf = dir.filePath(QStringLiteral("ouderavond.pdf"));
        QString error;
        QVERIFY2(w.reportTo(pdf, &error), qPrintable(error));
        QVERIFY(ownOnly(pdf));
        const QString text = pdfText(pdf).simplified();
        for (const QString& want : {teacherdata::OddNames[0], QStringLiteral("schooljaar 2025-2026: 4 oefeningen"),
                                    QStringLiteral("50 % goed"), QStringLiteral("Goed en fout per week"),
                                    QStringLiteral("tafel van 3 4 2 50 %"), QStringLiteral("Soorten fouten"),
                                    QStringLiteral("in de tweede rij: tafel- of rekenfout bij de duizendtallen")})
            QVERIFY2(text.contains(want), qPrintable(want + QStringLiteral(" not in: ") + text.left(600)));

        const QString csv = dir.filePath(QStringLiteral("controles.csv"));
        w.exportPupilTo(csv);
        QVERIFY(exported.wait(10000));
        QVERIFY(exported.constFirst().constFirst().toBool());
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray lines = f.readAll();
        QCOMPARE(lines.count('\n'), 5);
        QCOMPARE(lines.count(",'=SOM(A1:A9),"), 4);
        QVERIFY(ownOnly(csv));
    }

    void settingsWrittenForThisUser() {
        {
            SettingsDialog d;
            QVERIFY(!d.namesBox()->isReadOnly());
            d.keepBox()->setChecked(true);
            d.readAloudBox()->setChecked(true);
            d.namesBox()->setPlainText(teacherdata::OddNames.join(QLatin1Char('\n')) + QStringLiteral("\n\n  Noor \n"));
            QVERIFY(d.save());
        }
        const config::Settings s = config::read();
        QVERIFY(s.keepResults);
        QVERIFY(s.readAloud);
        QCOMPARE(s.classList, teacherdata::OddNames + QStringList{QStringLiteral("Noor")});
        QVERIFY(ownOnly(config::userFile()));
        // A list for the whole computer is its administrator's.
        QFile::remove(config::userFile());
        QDir().mkpath(dir.filePath(QStringLiteral("systeem/zefranol")));
        QFile system(dir.filePath(QStringLiteral("systeem/zefranol/zefranol.conf")));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("[klas]\nnamen=Anna, Bram\n");
        system.close();
        SettingsDialog d;
        QVERIFY(d.namesBox()->isReadOnly());
        QCOMPARE(d.namesBox()->toPlainText(), QStringLiteral("Anna\nBram"));
        QFile::remove(system.fileName());
    }

    void serverGoesAwayAndComesBack() {
        if (!teacherdata::withServer())
            QSKIP("needs with_pg_server.sh");
        QVERIFY(teacherdata::sendToServer(checks));
        MainWindow w({SourceChoice::Kind::School, teacherdata::server(QStringLiteral("juf")), {}},
                     Period::schoolYear(Today), Today);
        QSignalSpy overview(&w, &MainWindow::overviewShown), message(&w, &MainWindow::messageShown);
        w.show();
        QVERIFY(overview.wait(15000));
        QCOMPARE(w.model()->rowCount(), 24);

        // The window keeps answering (no gap of a second between ticks) while the server
        // stops and while it is asked again.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, widest = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] {
            widest = std::max(widest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(50);
        QProcess stop;
        stop.start(QStringLiteral("bash"),
                   {qEnvironmentVariable("ZEF_PG_SCRIPT"), QStringLiteral("stop"), qEnvironmentVariable("ZEF_PG_DIR")});
        QTRY_VERIFY_WITH_TIMEOUT(stop.state() == QProcess::NotRunning, 40000);
        message.clear();
        w.refresh();
        QTRY_VERIFY_WITH_TIMEOUT(w.page() == MainWindow::Page::Message, 20000);
        QVERIFY2(w.message().contains(QStringLiteral("schoolserver")), qPrintable(w.message()));
        QVERIFY2(widest < 1000, qPrintable(QString::number(widest)));

        teacherdata::serverAction("restart");
        overview.clear();
        press(&w, "Opnieuw proberen");
        QVERIFY(overview.wait(15000));
        QCOMPARE(w.model()->rowCount(), 24);
    }

    // Stopped, not shut down: the connection stays open and no answer comes.
    void stalledServerIsSaidAndLeft() {
        if (!teacherdata::withServer())
            QSKIP("needs with_pg_server.sh");
        MainWindow w({SourceChoice::Kind::School, teacherdata::server(QStringLiteral("juf")), {}}, Period::month(Today),
                     Today);
        QSignalSpy overview(&w, &MainWindow::overviewShown);
        w.show();
        QVERIFY(overview.wait(15000));
        QFile pidFile(QFile::decodeName(qgetenv("ZEF_PG_DIR")) + QStringLiteral("/root"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        QFile postmaster(QString::fromUtf8(pidFile.readAll().trimmed()) + QStringLiteral("/data/postmaster.pid"));
        QVERIFY(postmaster.open(QIODevice::ReadOnly));
        const QByteArray leader = postmaster.readLine().trimmed();
        QProcess children;
        children.start(QStringLiteral("ps"), {QStringLiteral("--ppid"), QString::fromLatin1(leader),
                                              QStringLiteral("-o"), QStringLiteral("pid=")});
        QVERIFY(children.waitForFinished(10000));
        QList<pid_t> server{pid_t(leader.toInt())};
        for (const QByteArray& pid : children.readAllStandardOutput().split('\n'))
            if (pid.trimmed().toInt() > 0)
                server << pid_t(pid.trimmed().toInt());
        const auto signal = [&](int s) {
            for (pid_t pid : server)
                ::kill(pid, s);
        };
        signal(SIGSTOP);
        const auto resume = qScopeGuard([&] { signal(SIGCONT); });
        QElapsedTimer clock;
        clock.start();
        w.refresh();
        QTRY_VERIFY_WITH_TIMEOUT(w.statusBar()->findChild<QLabel*>()->text().contains(QStringLiteral("traag")), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(w.page() == MainWindow::Page::Message, 15000);
        QVERIFY2(w.message().contains(QStringLiteral("tien seconden")), qPrintable(w.message()));
        QVERIFY(clock.elapsed() < 14000);
        // The answer that still comes is shown.
        signal(SIGCONT);
        QTRY_VERIFY_WITH_TIMEOUT(w.page() == MainWindow::Page::Overview, 15000);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
