#include "results/Check.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>
#include <pwd.h>
#include <unistd.h>

namespace results {

Check newCheck() {
    Check c;
    c.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    c.moment = now.addMSecs(-now.time().msec());
    return c;
}

void derive(Check& check) {
    // "476 x 6": the multiplier follows the x; "tafel van 7": the table is the last number.
    static const QRegularExpression lastNumber(QStringLiteral("(\\d+)\\s*$"));
    const QRegularExpressionMatch m = lastNumber.match(check.problem);
    check.multiplier = m.hasMatch() ? m.captured(1).left(4).toInt() : 0;
    check.carryFaults = check.tableFaults = check.sumFaults = 0;
    for (const QString& token : check.faults.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token.startsWith(QLatin1String("som.")))
            ++check.sumFaults;
        else if (token.contains(QLatin1String("-onthouden")))
            ++check.carryFaults;
        else
            ++check.tableFaults;
    }
}

QString localStorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zefranol/resultaten.sqlite");
}

} // namespace results
