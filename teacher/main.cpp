// ZEFRANOL leerkracht: the teacher's view of the kept results.
//   zefranol-leerkracht [--bron BESTAND] [--periode week|maand|schooljaar|VAN:TOT]
//                       [--datum JJJJ-MM-DD] [--leerling NAAM [--pdf BESTAND]] [--tijden RONDES]
#include "config/Config.h"
#include "teacher/MainWindow.h"
#include "teacher/Timings.h"
#include "ui/Accessibility.h"
#include "ui/Look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QIcon>
#include <cstdio>

namespace {

std::optional<teacher::Period> periodOf(const QString& text, const QDate& today) {
    if (text == QLatin1String("week"))
        return teacher::Period::week(today);
    if (text == QLatin1String("maand"))
        return teacher::Period::month(today);
    if (text == QLatin1String("schooljaar"))
        return teacher::Period::schoolYear(today);
    const QStringList dates = text.split(QLatin1Char(':'));
    if (dates.size() != 2)
        return std::nullopt;
    const QDate from = QDate::fromString(dates[0], Qt::ISODate), to = QDate::fromString(dates[1], Qt::ISODate);
    if (!from.isValid() || !to.isValid())
        return std::nullopt;
    return teacher::Period::range(from, to);
}

} // namespace

int main(int argc, char* argv[]) {
    // The benchmark counts from here when the caller did not say when the process began.
    const qint64 startMs = qEnvironmentVariableIsSet("ZEF_START_MS") ? qEnvironmentVariable("ZEF_START_MS").toLongLong()
                                                                     : QDateTime::currentMSecsSinceEpoch();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zefranol-leerkracht"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZEFRANOL leerkracht"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEF_TEACHER_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/leerkracht.svg")));
    ui::setupLook();
    ui::setupLanguage();
    QApplication::setFont(ui::makeFont({"Arial", 10}));
    ui::installAccessibility();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("ZEFRANOL leerkracht: de bewaarde resultaten bekijken."));
    options.addHelpOption();
    const QCommandLineOption source(QStringLiteral("bron"), QStringLiteral("Dit resultatenbestand tonen."),
                                    QStringLiteral("BESTAND"));
    const QCommandLineOption period(QStringLiteral("periode"),
                                    QStringLiteral("week, maand, schooljaar of VAN:TOT (JJJJ-MM-DD:JJJJ-MM-DD)."),
                                    QStringLiteral("PERIODE"), QStringLiteral("week"));
    const QCommandLineOption day(QStringLiteral("datum"), QStringLiteral("De periodes tellen vanaf deze dag."),
                                 QStringLiteral("JJJJ-MM-DD"));
    const QCommandLineOption pupil(QStringLiteral("leerling"), QStringLiteral("De pagina van deze leerling openen."),
                                   QStringLiteral("NAAM"));
    const QCommandLineOption timings(QStringLiteral("tijden"),
                                     QStringLiteral("De tijden meten en tonen, dan stoppen (benchmark)."),
                                     QStringLiteral("RONDES"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("De pagina van de leerling als PDF bewaren, dan stoppen."),
                                 QStringLiteral("BESTAND"));
    options.addOptions({source, period, day, pupil, pdf, timings});
    options.process(app);

    const QDate today = options.isSet(day) ? QDate::fromString(options.value(day), Qt::ISODate) : QDate::currentDate();
    const std::optional<teacher::Period> chosen = periodOf(options.value(period), today);
    if (!today.isValid() || !chosen) {
        std::fprintf(stderr, "zefranol-leerkracht: onbekende periode of datum\n");
        return 2;
    }
    teacher::SourceChoice choice = teacher::SourceChoice::fromSettings(config::settings());
    if (options.isSet(source)) {
        choice = {};
        choice.path = options.value(source);
    }
    teacher::MainWindow window(choice, *chosen, today);
    if (options.isSet(pupil))
        window.openPupil(options.value(pupil));
    if (options.isSet(pdf)) {
        // For a whole class before a parents' evening, from a script.
        const auto write = [&window, path = options.value(pdf)] {
            QString error;
            const bool ok = window.reportTo(path, &error);
            if (!ok)
                std::fprintf(stderr, "zefranol-leerkracht: %s\n", qPrintable(error));
            QApplication::exit(ok ? 0 : 1);
        };
        QObject::connect(&window, &teacher::MainWindow::pupilShown, &window, write);
        QObject::connect(&window, &teacher::MainWindow::messageShown, &window, [&window] {
            if (!window.message().startsWith(QStringLiteral("Bezig"))) {
                std::fprintf(stderr, "zefranol-leerkracht: %s\n", qPrintable(window.message()));
                QApplication::exit(1);
            }
        });
    }
    if (options.isSet(timings))
        teacher::runTimings(window, options.value(timings).toInt(), startMs);
    window.show();
    window.activateWindow();
    return app.exec();
}
