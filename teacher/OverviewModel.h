#pragma once
// The class overview as a table: one row per pupil. Each cell shows its figure as text,
// sorts by its value (SortRole) and tells a screen reader what it means in words.
#include "teacher/Figures.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace teacher {

// Texts shared by the overview and the pupil's page.
QString percentText(double share);        // "87 %"
QString trendText(const PupilRow& row);   // "+8 beter", "-5 minder", "gelijk", "—"
QString trendSpoken(const PupilRow& row); // "8 procentpunt beter dan de periode ervoor"
QString lastActiveText(const QDateTime& utc);
QString tablesText(const PupilRow& row, int n); // "7 (40 %), 8 (25 %)"
QString mistakeText(const PupilRow& row);       // "onthouden vergeten (12)"

class OverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Pupil, Done, Share, LastActive, Trend, Mistake, Tables, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;
    void setOverview(const Overview& overview);
    const Overview& overview() const { return overview_; }
    const PupilRow& row(int r) const { return overview_.rows[r]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Overview overview_;
};

// The search field's filter: a name matches when it holds the typed text, whatever the
// case and the accents ("zoe" finds "Zoë").
class NameFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit NameFilter(QObject* parent = nullptr);
    void setSearch(const QString& text);
    static QString folded(const QString& text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString search_;
};

} // namespace teacher
