#include "results/DaySums.h"

namespace results {

namespace {

// What one check adds to each summed column, in SQLite (where a comparison is 0 or 1); the
// check's columns are read through prefix ("NEW." in the trigger). How a digit's work goes
// wrong: a one-digit multiplication with its verdict, a two-digit one per row (a slip in
// the sum is no table's fault).
QStringList contributions(const QString& p) {
    const QString judged = QStringLiteral("(%1oordeel IN ('goed', 'fout'))").arg(p);
    const QString wrong = QStringLiteral("(%1oordeel = 'fout')").arg(p);
    QStringList out{judged,
                    QStringLiteral("(%1oordeel = 'goed')").arg(p),
                    QStringLiteral("(%1oordeel NOT IN ('goed', 'fout'))").arg(p),
                    QStringLiteral("(%1 AND %2onthouden > 0)").arg(wrong, p),
                    QStringLiteral("(%1 AND %2rekenfouten > 0)").arg(wrong, p),
                    QStringLiteral("(%1 AND %2optelfouten > 0)").arg(wrong, p)};
    const QString oneDigit = QStringLiteral("%1maler BETWEEN 0 AND 9").arg(p);
    const QString twoDigits = QStringLiteral("%1maler BETWEEN 10 AND 99").arg(p);
    for (int d = 0; d < 10; ++d)
        out << QStringLiteral("(CASE WHEN %1 THEN (%2maler = %3) WHEN %4 THEN (%2maler % 10 = %3) + (%2maler / 10 = %3)"
                              " ELSE 0 END) * %5")
                   .arg(oneDigit, p)
                   .arg(d)
                   .arg(twoDigits, judged);
    for (int d = 0; d < 10; ++d)
        out << QStringLiteral("(CASE WHEN %1 THEN (%2maler = %3) WHEN %4 THEN (%2maler % 10 = %3) * (%2fouten LIKE "
                              "'%rij1.%') + (%2maler / 10 = %3) * (%2fouten LIKE '%rij2.%') ELSE 0 END) * %5")
                   .arg(oneDigit, p)
                   .arg(d)
                   .arg(twoDigits, wrong);
    return out;
}

} // namespace

QStringList daySumColumns() {
    QStringList out{QStringLiteral("gedaan"),    QStringLiteral("goed"),  QStringLiteral("oefeningen"),
                    QStringLiteral("onthouden"), QStringLiteral("reken"), QStringLiteral("optel")};
    for (const char* prefix : {"g", "f"})
        for (int d = 0; d < 10; ++d)
            out << QLatin1String(prefix) + QString::number(d);
    return out;
}

QStringList localDaySumSteps() {
    const QStringList columns = daySumColumns();
    const QString table = QLatin1String(DaySumsTable);
    QStringList defined, sums, added;
    const QStringList perCheck = contributions(QString()), perNew = contributions(QStringLiteral("NEW."));
    for (qsizetype k = 0; k < columns.size(); ++k) {
        defined << columns[k] + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
        sums << QStringLiteral("sum(%1)").arg(perCheck[k]);
        added << QStringLiteral("%1 = %1 + excluded.%1").arg(columns[k]);
    }
    const QString names = columns.join(QStringLiteral(", "));
    return {
        QStringLiteral("CREATE TABLE %1 (leerling TEXT NOT NULL, dag TEXT NOT NULL, %2, laatst TEXT NOT NULL, "
                       "PRIMARY KEY (leerling, dag)) WITHOUT ROWID")
            .arg(table, defined.join(QStringLiteral(", "))),
        QStringLiteral("INSERT INTO %1 (leerling, dag, %2, laatst) SELECT leerling, substr(tijdstip, 1, 10), %3, "
                       "max(tijdstip) FROM controles GROUP BY 1, 2")
            .arg(table, names, sums.join(QStringLiteral(", "))),
        // An id already there adds no row and so fires nothing: a check counts once.
        QStringLiteral("CREATE TRIGGER %1_bijhouden AFTER INSERT ON controles BEGIN INSERT INTO %1 (leerling, dag, "
                       "%2, laatst) VALUES (NEW.leerling, substr(NEW.tijdstip, 1, 10), %3, NEW.tijdstip) ON CONFLICT "
                       "(leerling, dag) DO UPDATE SET %4, laatst = max(laatst, excluded.laatst); END")
            .arg(table, names, perNew.join(QStringLiteral(", ")), added.join(QStringLiteral(", "))),
    };
}

} // namespace results
