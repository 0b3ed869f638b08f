#pragma once
// One of a pupil's figures: a chart and the same numbers as a table, so that a screen
// reader and a printout have them too. The window and the report are made from the same.
#include "teacher/Figures.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QChart;

namespace teacher {

struct Figure {
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QString note;                       // under the table: what it leaves out
    std::function<QChart*()> makeChart; // a new chart each time; its caller owns it
    // The numbers in one sentence, for the chart's accessible description.
    QString spoken() const;
};

Figure weeksFigure(const PupilPage& page);
Figure tablesFigure(const PupilPage& page);
Figure mistakesFigure(const PupilPage& page);
QList<Figure> figuresOf(const PupilPage& page);

// "312 oefeningen, 81 % goed; verloop: +8 beter; …" for the page's heading.
QString summaryOf(const PupilPage& page);

} // namespace teacher
