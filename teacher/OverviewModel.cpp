#include "teacher/OverviewModel.h"

#include <QBrush>
#include <QColor>
#include <QLocale>
#include <cmath>

namespace teacher {

QString percentText(double share) {
    return QStringLiteral("%1 %").arg(qRound(share * 100.0));
}

namespace {

// Rounded to whole points; less than half a point either way is no change.
int trendPoints(const PupilRow& row) {
    return int(std::lround(*row.trend()));
}

} // namespace

QString trendText(const PupilRow& row) {
    if (!row.trend())
        return QStringLiteral("—");
    const int points = trendPoints(row);
    if (points == 0)
        return QStringLiteral("gelijk");
    return points > 0 ? QStringLiteral("+%1 beter").arg(points) : QStringLiteral("−%1 minder").arg(-points);
}

QString trendSpoken(const PupilRow& row) {
    if (!row.trend())
        return QStringLiteral("geen vergelijking met de periode ervoor");
    const int points = trendPoints(row);
    if (points == 0)
        return QStringLiteral("even goed als de periode ervoor");
    return QStringLiteral("%1 procentpunt %2 dan de periode ervoor")
        .arg(std::abs(points))
        .arg(points > 0 ? QStringLiteral("beter") : QStringLiteral("minder goed"));
}

QString lastActiveText(const QDateTime& utc) {
    if (!utc.isValid())
        return QStringLiteral("—");
    return QLocale(QLocale::Dutch).toString(utc.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm"));
}

QString tablesText(const PupilRow& row, int n) {
    QStringList parts;
    for (int d : row.worstTables(n)) {
        const DigitTally& t = row.tables[d];
        parts << QStringLiteral("%1 (%2)").arg(d).arg(percentText(double(t.wrong) / double(t.used)));
    }
    return parts.join(QStringLiteral(", "));
}

QString mistakeText(const PupilRow& row) {
    const QString kind = mostFrequent(row.kinds);
    if (kind.isEmpty())
        return {};
    const long long n = std::max({row.kinds.carry, row.kinds.table, row.kinds.sum});
    return QStringLiteral("%1 (%2)").arg(kind).arg(n);
}

void OverviewModel::setOverview(const Overview& overview) {
    beginResetModel();
    overview_ = overview;
    endResetModel();
}

int OverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(overview_.rows.size());
}

int OverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[] = {"Leerling",      "Oefeningen",        "Goed", "Laatst actief", "Verloop",
                                        "Meeste fouten", "Moeilijkste tafels"};
    static const char* const tips[] = {"Naam van de leerling",
                                       "Nagekeken oefeningen in deze periode",
                                       "Aandeel goed in deze periode",
                                       "De laatste nagekeken oefening of tafeloefening",
                                       "Aandeel goed vergeleken met de periode ervoor, in procentpunten",
                                       "De soort fout die het vaakst voorkwam",
                                       "De tafels waarbij het relatief het vaakst misging"};
    return QString::fromUtf8(role == Qt::DisplayRole ? names[section] : tips[section]);
}

QVariant OverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(overview_.rows.size()))
        return {};
    const PupilRow& r = overview_.rows[index.row()];
    const std::optional<double> share = r.share();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Pupil:
            return r.pupil;
        case Done:
            return QString::number(r.done);
        case Share:
            return share ? percentText(*share) : QStringLiteral("—");
        case LastActive:
            return lastActiveText(r.lastActive);
        case Trend:
            return trendText(r);
        case Mistake:
            return mistakeText(r);
        case Tables:
            return tablesText(r, 2);
        }
        break;
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case Share:
            return share ? QStringLiteral("%1 goed").arg(percentText(*share)) : QStringLiteral("geen oefeningen");
        case LastActive:
            return r.lastActive.isValid()
                       ? QLocale(QLocale::Dutch)
                             .toString(r.lastActive.toLocalTime(), QStringLiteral("dddd d MMMM yyyy 'om' H:mm"))
                       : QStringLiteral("niet actief");
        case Trend:
            return trendSpoken(r);
        case Mistake:
            return r.kinds == MistakeKinds{} ? QStringLiteral("geen fouten") : mistakeText(r);
        case Tables:
            return r.worstTables(2).isEmpty() ? QStringLiteral("geen tafel ging mis") : tablesText(r, 2);
        default:
            return data(index, Qt::DisplayRole);
        }
    case SortRole:
        switch (index.column()) {
        case Pupil:
            return r.pupil;
        case Done:
            return r.done;
        case Share:
            return share ? *share : -1.0;
        case LastActive:
            return r.lastActive.isValid() ? r.lastActive.toMSecsSinceEpoch() : qint64(0);
        case Trend:
            return r.trend() ? *r.trend() : -1000.0;
        case Mistake:
            return mistakeText(r);
        case Tables: {
            const QList<int> worst = r.worstTables(1);
            return worst.isEmpty() ? 0.0 : double(r.tables[worst[0]].wrong) / double(r.tables[worst[0]].used);
        }
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Done || index.column() == Share)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::ForegroundRole:
        if (index.column() == Trend && r.trend() && std::lround(*r.trend()) != 0)
            return QBrush(*r.trend() > 0 ? QColor(0x1B6E20) : QColor(0xB71C1C));
        if (index.column() != Pupil && r.done == 0)
            return QBrush(QColor(0x606060));
        break;
    default:
        break;
    }
    return {};
}

NameFilter::NameFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(OverviewModel::SortRole);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

QString NameFilter::folded(const QString& text) {
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toCaseFolded();
    return out;
}

void NameFilter::setSearch(const QString& text) {
    search_ = folded(text.trimmed());
    invalidateRowsFilter();
}

bool NameFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (search_.isEmpty())
        return true;
    const QString name = sourceModel()->index(row, OverviewModel::Pupil, parent).data().toString();
    return folded(name).contains(search_);
}

} // namespace teacher
