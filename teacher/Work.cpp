#include "teacher/Work.h"

#include "exercise/Diagnosis.h"

#include <QFont>
#include <QPainter>
#include <QRegularExpression>
#include <optional>

namespace teacher {

namespace {

constexpr int Places = 5;
const char* const PlaceWords[Places] = {"eenheden", "tientallen", "honderdtallen", "duizendtallen",
                                        "tienduizendtallen"};

// The digits of a number text by place, from the units; the first firstPlace places stay
// empty (the second row starts at the tens).
void fill(Work::Row& row, const QString& number, int firstPlace) {
    int place = 0;
    for (qsizetype i = number.size() - 1; i >= 0 && place < Places; --i, ++place)
        if (number[i].isDigit() && place >= firstPlace)
            row.digit[place] = number[i];
}

int digitAt(long long value, int place) {
    for (int i = 0; i < place; ++i)
        value /= 10;
    return int(value % 10);
}

int lengthOf(long long value) {
    int n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

// A row of a two-digit exercise put back together: the right digits where nothing went
// wrong, the column product without its carry where the carry was forgotten, "?" where
// another slip leaves the digit unknown.
Work::Row guessedRow(long long multiplicand, int digit, int firstPlace, zef::Line line, const zef::Diagnosis& faults) {
    Work::Row row;
    row.guessed = true;
    const long long partial = multiplicand * digit;
    for (int i = 0; i < lengthOf(partial) && firstPlace + i < Places; ++i)
        row.digit[firstPlace + i] = QChar(u'0' + digitAt(partial, i));
    for (const zef::ColumnFault& f : faults) {
        const int place = int(f.place);
        if (f.line != line || place < firstPlace)
            continue;
        const int i = place - firstPlace;
        if (f.slip == zef::Slip::CarryForgotten)
            row.digit[place] = QChar(u'0' + (i < 3 ? digitAt(multiplicand, i) * digit : 0) % 10);
        else
            row.digit[place] = u'?';
    }
    return row;
}

void mark(Work::Row& row, zef::Line line, const std::optional<zef::Diagnosis>& faults, long long correct,
          bool compare) {
    if (faults)
        for (const zef::ColumnFault& f : *faults)
            if (f.line == line)
                row.wrong[int(f.place)] = true;
    if (!compare)
        return;
    // No diagnosis kept: every digit that differs from the right answer.
    for (int p = 0; p < Places; ++p) {
        const bool stands = p < lengthOf(correct);
        const QChar right = stands ? QChar(u'0' + digitAt(correct, p)) : QChar();
        if (row.digit[p] != right && !(row.digit[p].isNull() && !stands))
            row.wrong[p] = true;
    }
}

} // namespace

Work workOf(const results::Check& c) {
    Work w;
    static const QRegularExpression problem(QStringLiteral("^\\s*(\\d{1,6})\\s*x\\s*(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = problem.match(c.problem);
    if (!m.hasMatch())
        return w;
    w.valid = true;
    w.multiplicand = m.captured(1).toLongLong();
    w.multiplier = m.captured(2).toInt();
    w.correct = w.multiplicand * w.multiplier;
    const std::optional<zef::Diagnosis> faults = zef::ParseShortForm(c.faults.toStdString());
    if (faults)
        for (const zef::ColumnFault& f : *faults)
            w.diagnosis << QString::fromStdString(zef::Describe(f));
    const bool undiagnosed = c.verdict == results::Wrong && (!faults || faults->empty());

    // The judged number: the answer row, or the sum under the two rows.
    const auto judgedRow = [&](const QString& name, zef::Line line) {
        Work::Row row;
        row.name = name;
        fill(row, c.answer, 0);
        mark(row, line, faults, w.correct, undiagnosed);
        w.rows << row;
    };
    if (w.multiplier < 10) {
        judgedRow(QStringLiteral("antwoord"), zef::Line::Answer);
        return w;
    }
    const struct {
        zef::Line line;
        int digit, firstPlace;
        const QString& text;
        const char* name;
    } rows[] = {{zef::Line::FirstRow, w.multiplier % 10, 0, c.row1, "eerste rij"},
                {zef::Line::SecondRow, w.multiplier / 10, 1, c.row2, "tweede rij"}};
    for (const auto& r : rows) {
        Work::Row row;
        if (r.text.isEmpty()) {
            row = guessedRow(w.multiplicand, r.digit, r.firstPlace, r.line, faults.value_or(zef::Diagnosis{}));
        } else {
            fill(row, r.text, r.firstPlace);
        }
        row.name = QString::fromLatin1(r.name);
        mark(row, r.line, faults, 0, false);
        w.rows << row;
    }
    judgedRow(QStringLiteral("som"), zef::Line::Sum);
    return w;
}

void paintWork(QPainter& p, const QRectF& area, const Work& w) {
    if (!w.valid)
        return;
    // Columns: the sign, then TD D H T E; rows: the place letters, the two numbers, the
    // pupil's rows.
    const int columns = Places + 1;
    const double lines = 3 + w.rows.size() + 0.5;
    const double cell = std::min(area.width() / columns, area.height() / lines);
    const QPointF origin(area.center().x() - cell * columns / 2, area.center().y() - cell * lines / 2);
    const auto box = [&](int column, double row) {
        return QRectF(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
    };
    const auto columnOf = [](int place) { return Places - place; };

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = p.font();
    small.setPixelSize(std::max(6, int(cell * 0.3)));
    QFont digits = p.font();
    digits.setPixelSize(std::max(8, int(cell * 0.62)));
    digits.setBold(true);

    p.setFont(small);
    p.setPen(QColor(0x707070));
    static const char* const letters[Places] = {"E", "T", "H", "D", "TD"};
    for (int place = 0; place < Places; ++place)
        p.drawText(box(columnOf(place), 0), Qt::AlignCenter, QString::fromLatin1(letters[place]));

    p.setFont(digits);
    const auto number = [&](long long value, double row) {
        for (int place = 0; place < lengthOf(value) && place < Places; ++place)
            p.drawText(box(columnOf(place), row), Qt::AlignCenter, QString::number(digitAt(value, place)));
    };
    p.setPen(QColor(0x202020));
    number(w.multiplicand, 1);
    number(w.multiplier, 2);
    p.drawText(box(0, 2), Qt::AlignCenter, QStringLiteral("×"));
    const auto rule = [&](double row) {
        p.setPen(QPen(QColor(0x202020), std::max(1.0, cell / 16)));
        p.drawLine(QPointF(origin.x() + cell * 0.2, origin.y() + row * cell),
                   QPointF(origin.x() + cell * columns, origin.y() + row * cell));
    };
    rule(3);

    double row = 3.15;
    for (qsizetype r = 0; r < w.rows.size(); ++r) {
        const Work::Row& line = w.rows[r];
        const bool sum = line.name == QLatin1String("som");
        if (sum) {
            rule(row + 0.05);
            row += 0.2;
        }
        if (r == 1 && !sum) {
            p.setPen(QColor(0x202020));
            p.drawText(box(0, row), Qt::AlignCenter, QStringLiteral("+"));
        }
        for (int place = 0; place < Places; ++place) {
            // A wrong place without a digit (a carry never written down) is marked empty.
            if (line.digit[place].isNull() && !line.wrong[place])
                continue;
            const QRectF b = box(columnOf(place), row);
            if (line.wrong[place]) {
                p.setPen(QPen(QColor(0xC62828), std::max(1.0, cell / 14)));
                p.setBrush(QColor(0xFFE0E0));
                p.drawRoundedRect(b.adjusted(cell * 0.08, cell * 0.08, -cell * 0.08, -cell * 0.08), cell * 0.18,
                                  cell * 0.18);
                p.setBrush(Qt::NoBrush);
                p.setPen(QColor(0xB71C1C));
            } else {
                p.setPen(line.guessed ? QColor(0x505080) : QColor(0x1A237E));
            }
            if (!line.digit[place].isNull())
                p.drawText(b, Qt::AlignCenter, QString(line.digit[place]));
        }
        row += 1;
    }
    p.restore();
}

QString spokenWork(const Work& w) {
    if (!w.valid)
        return {};
    QStringList parts{QStringLiteral("%1 maal %2").arg(w.multiplicand).arg(w.multiplier)};
    for (const Work::Row& row : w.rows) {
        // Column by column, as written: "2 8 4 6"; an unknown digit is "?".
        QStringList digits, wrong;
        for (int place = Places - 1; place >= 0; --place) {
            if (!row.digit[place].isNull())
                digits << QString(row.digit[place]);
            if (row.wrong[place])
                wrong << QString::fromLatin1(PlaceWords[place]);
        }
        QString said = QStringLiteral("%1: %2").arg(row.name, digits.join(QLatin1Char(' ')));
        if (!wrong.isEmpty())
            said += QStringLiteral(", fout bij de %1").arg(wrong.join(QStringLiteral(" en de ")));
        parts << said;
    }
    parts << QStringLiteral("goed is %1").arg(w.correct);
    return parts.join(QStringLiteral("; "));
}

} // namespace teacher
