#include "teacher/Figure.h"

#include "teacher/OverviewModel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace teacher {

namespace {

const QColor RightColour(0x43A047), WrongColour(0xE53935), TableColour(0xFB8C00), KindColour(0x5E35B1);

QChart* barChart(QAbstractBarSeries* series, const QStringList& categories, const QString& valueTitle, double top,
                 bool legend) {
    auto* chart = new QChart;
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(0, std::max(1.0, top));
    // Whole numbers only, and never the same label twice.
    if (top <= 10)
        y->setTickCount(int(std::max(1.0, top)) + 1);
    else
        y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(valueTitle);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->legend()->setVisible(legend);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QString weekName(const QDate& monday) {
    return QStringLiteral("week %1 (%2)")
        .arg(monday.weekNumber())
        .arg(QLocale(QLocale::Dutch).toString(monday, QStringLiteral("d MMM yyyy")));
}

} // namespace

QString Figure::spoken() const {
    QStringList said;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype i = 1; i < row.size() && i < headers.size(); ++i)
            cells << QStringLiteral("%1 %2").arg(headers[i].toLower(), row[i]);
        said << QStringLiteral("%1: %2").arg(row.value(0), cells.join(QStringLiteral(", ")));
    }
    if (said.isEmpty())
        return QStringLiteral("%1: geen gegevens in deze periode.").arg(title);
    return QStringLiteral("%1. %2.").arg(title, said.join(QStringLiteral("; ")));
}

Figure weeksFigure(const PupilPage& page) {
    Figure f;
    f.title = QStringLiteral("Goed en fout per week");
    f.headers = QStringList{QStringLiteral("Week"), QStringLiteral("Goed"), QStringLiteral("Fout")};
    for (const WeekTally& w : page.weeks)
        if (w.right + w.wrong > 0)
            f.rows << QStringList{weekName(w.monday), QString::number(w.right), QString::number(w.wrong)};
    if (f.rows.size() < page.weeks.size())
        f.note = QStringLiteral("Weken zonder oefeningen staan niet in de tabel.");
    const QList<WeekTally> weeks = page.weeks;
    f.makeChart = [weeks] {
        auto* right = new QBarSet(QStringLiteral("goed"));
        auto* wrong = new QBarSet(QStringLiteral("fout"));
        right->setColor(RightColour);
        wrong->setColor(WrongColour);
        QStringList categories;
        long long top = 0;
        for (const WeekTally& w : weeks) {
            *right << double(w.right);
            *wrong << double(w.wrong);
            categories << QString::number(w.monday.weekNumber());
            top = std::max(top, w.right + w.wrong);
        }
        auto* series = new QStackedBarSeries;
        series->append(right);
        series->append(wrong);
        series->setBarWidth(0.8);
        QChart* chart = barChart(series, categories, QStringLiteral("oefeningen"), double(top), true);
        if (weeks.size() > 12) {
            // Too many weeks to name each: the months beneath them instead.
            chart->axes(Qt::Horizontal).constFirst()->setLabelsVisible(false);
            auto* months = new QCategoryAxis;
            months->setRange(-0.5, double(weeks.size()) - 0.5);
            months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
            months->setGridLineVisible(false);
            // A week belongs to the month of its Thursday; a month with less than two weeks
            // shown is named with the next.
            const QLocale dutch(QLocale::Dutch);
            const auto monthOf = [&](qsizetype i) { return weeks[i].monday.addDays(3).month(); };
            qsizetype begin = 0;
            for (qsizetype i = 0; i < weeks.size(); ++i) {
                const bool last = i + 1 == weeks.size();
                if (!last && (monthOf(i + 1) == monthOf(i) || i - begin < 1))
                    continue;
                months->append(dutch.toString(weeks[i].monday.addDays(3), QStringLiteral("MMM")), double(i) + 0.5);
                begin = i + 1;
            }
            chart->addAxis(months, Qt::AlignBottom);
        }
        return chart;
    };
    return f;
}

Figure tablesFigure(const PupilPage& page) {
    Figure f;
    f.title = QStringLiteral("Aandeel fout per tafel");
    f.headers = QStringList{QStringLiteral("Tafel"), QStringLiteral("Gebruikt"), QStringLiteral("Fout"),
                            QStringLiteral("Aandeel fout")};
    QList<int> digits;
    QList<double> shares;
    for (int d = 0; d < int(page.summary.tables.size()); ++d) {
        const DigitTally& t = page.summary.tables[d];
        if (t.used == 0)
            continue;
        const double share = double(t.wrong) / double(t.used);
        f.rows << QStringList{QStringLiteral("tafel van %1").arg(d), QString::number(t.used), QString::number(t.wrong),
                              percentText(share)};
        digits << d;
        shares << share * 100.0;
    }
    f.note = QStringLiteral("Bij twee cijfers telt een fout in de eerste rij voor het eenhedencijfer, een fout in de "
                            "tweede rij voor het tientallencijfer.");
    f.makeChart = [digits, shares] {
        auto* set = new QBarSet(QStringLiteral("aandeel fout"));
        set->setColor(TableColour);
        QStringList categories;
        double top = 10;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            *set << shares[i];
            categories << QString::number(digits[i]);
            top = std::max(top, shares[i]);
        }
        auto* series = new QBarSeries;
        series->append(set);
        return barChart(series, categories, QStringLiteral("% fout"), std::min(100.0, top * 1.1), false);
    };
    return f;
}

Figure mistakesFigure(const PupilPage& page) {
    Figure f;
    f.title = QStringLiteral("Soorten fouten");
    f.headers = QStringList{QStringLiteral("Soort fout"), QStringLiteral("Oefeningen")};
    const MistakeKinds& k = page.summary.kinds;
    const long long counts[] = {k.carry, k.table, k.sum};
    for (int kind = 0; kind < 3; ++kind)
        f.rows << QStringList{kindName(kind), QString::number(counts[kind])};
    f.note = QStringLiteral("Een oefening kan meer dan één soort fout hebben.");
    f.makeChart = [k] {
        auto* set = new QBarSet(QStringLiteral("oefeningen"));
        set->setColor(KindColour);
        *set << double(k.carry) << double(k.table) << double(k.sum);
        auto* series = new QBarSeries;
        series->append(set);
        return barChart(series, {kindName(0), kindName(1), kindName(2)}, QStringLiteral("oefeningen"),
                        double(std::max({k.carry, k.table, k.sum})), false);
    };
    return f;
}

QList<Figure> figuresOf(const PupilPage& page) {
    return {weeksFigure(page), tablesFigure(page), mistakesFigure(page)};
}

QString summaryOf(const PupilPage& page) {
    const PupilRow& r = page.summary;
    QStringList parts{QStringLiteral("%1: %2 oefeningen").arg(page.period.name()).arg(r.done)};
    if (r.share())
        parts << QStringLiteral("%1 goed").arg(percentText(*r.share()));
    parts << QStringLiteral("verloop: %1").arg(trendSpoken(r));
    if (r.drills > 0)
        parts << QStringLiteral("%1 keer de tafels geoefend").arg(r.drills);
    parts << QStringLiteral("laatst actief: %1").arg(lastActiveText(r.lastActive));
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace teacher
