#include "results/Csv.h"

#include "exercise/Diagnosis.h"
#include "results/Store.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUuid>

namespace results {

namespace {

const QStringList Header{QStringLiteral("id"),      QStringLiteral("leerling"), QStringLiteral("tijdstip"),
                         QStringLiteral("scherm"),  QStringLiteral("opgave"),   QStringLiteral("antwoord"),
                         QStringLiteral("oordeel"), QStringLiteral("seconden"), QStringLiteral("fouten")};

bool startsDangerous(const QString& cell) {
    return !cell.isEmpty() && QStringLiteral("=+-@").contains(cell.front());
}

QString cell(const QString& value) {
    // A spreadsheet would run a formula; a ' makes it text (and reading takes it away).
    QString v = startsDangerous(value) ? QLatin1Char('\'') + value : value;
    if (v.contains(QLatin1Char(',')) || v.contains(QLatin1Char('"')) || v.contains(QLatin1Char('\n')) ||
        v.contains(QLatin1Char('\r')) || v.startsWith(QLatin1Char(' ')) || v.endsWith(QLatin1Char(' ')))
        v = QLatin1Char('"') + v.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return v;
}

QString undefused(const QString& value) {
    if (value.size() > 1 && value.front() == QLatin1Char('\'') && startsDangerous(value.mid(1)))
        return value.mid(1);
    return value;
}

// Splits one record; false when its quotes do not close (more lines needed) or stray.
enum class Split { Done, NeedsMore, Bad };
Split split(const QString& record, QStringList& fields) {
    fields.clear();
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < record.size() && record[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"')) {
            if (!field.isEmpty() || wasQuoted)
                return Split::Bad;
            quoted = wasQuoted = true;
        } else {
            if (wasQuoted)
                return Split::Bad;
            field += c;
        }
    }
    if (quoted)
        return Split::NeedsMore;
    fields << field;
    return Split::Done;
}

// Why the fields are not a check of ours; empty when they are.
QString check(const QStringList& f, Check& out) {
    static const QRegularExpression time(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    static const QRegularExpression problem(QStringLiteral("^(\\d{1,4} x \\d{1,3}|tafel van \\d{1,2})$"));
    static const QRegularExpression number(QStringLiteral("^\\d{0,200}$"));
    static const QStringList verdicts{Right, Wrong, DrillDone, DrillCut};
    if (f.size() != Header.size())
        return QStringLiteral("%1 kolommen in plaats van %2").arg(f.size()).arg(Header.size());
    const QUuid id(f[0]);
    if (id.isNull())
        return QStringLiteral("de id is geen UUID");
    out.id = id.toString(QUuid::WithoutBraces);
    out.pupil = undefused(f[1]);
    if (out.pupil.trimmed().isEmpty() || out.pupil.size() > 200)
        return QStringLiteral("de naam van de leerling ontbreekt of is te lang");
    if (!time.match(f[2]).hasMatch() || !Store::fromTimeText(f[2]).isValid())
        return QStringLiteral("het tijdstip is geen tijd in UTC (zoals 2026-12-09T08:15:00Z)");
    out.moment = Store::fromTimeText(f[2]);
    out.screen = undefused(f[3]);
    if (out.screen.isEmpty() || out.screen.size() > 200)
        return QStringLiteral("het scherm ontbreekt");
    out.problem = f[4];
    if (!problem.match(out.problem).hasMatch())
        return QStringLiteral("de opgave is geen vermenigvuldiging of tafel");
    out.answer = f[5];
    if (!number.match(out.answer).hasMatch())
        return QStringLiteral("het antwoord is geen getal");
    out.verdict = f[6];
    if (!verdicts.contains(out.verdict))
        return QStringLiteral("het oordeel is niet goed, fout, klaar of onderbroken");
    bool ok = false;
    out.seconds = f[7].toDouble(&ok);
    if (!ok || out.seconds < 0 || out.seconds > 1e7)
        return QStringLiteral("de seconden zijn geen getal");
    out.faults = f[8];
    if (!zef::ParseShortForm(out.faults.toStdString()))
        return QStringLiteral("de fouten zijn niet in de vorm van ZEFRANOL");
    derive(out);
    return {};
}

} // namespace

QString csvHeader() {
    return Header.join(QLatin1Char(','));
}

QString csvLine(const Check& c) {
    return QStringList{cell(c.id),      cell(c.pupil),  Store::timeText(c.moment), cell(c.screen),
                       cell(c.problem), cell(c.answer), cell(c.verdict),           QString::number(c.seconds, 'f', 1),
                       cell(c.faults)}
        .join(QLatin1Char(','));
}

bool writeCsv(QIODevice& out, const std::function<void(const std::function<void(const Check&)>& add)>& rows) {
    bool ok = out.write((csvHeader() + QStringLiteral("\r\n")).toUtf8()) > 0;
    QByteArray buffer;
    buffer.reserve(1 << 16);
    rows([&](const Check& c) {
        buffer += csvLine(c).toUtf8();
        buffer += "\r\n";
        if (buffer.size() >= (1 << 16) - 512) {
            ok = ok && out.write(buffer) == buffer.size();
            buffer.clear();
        }
    });
    ok = ok && out.write(buffer) == buffer.size();
    return ok;
}

bool readCsv(QIODevice& in, const std::function<bool(const Check&)>& take, CsvError* error) {
    CsvError none;
    CsvError& err = error ? *error : none;
    err = {};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    long long lineNo = 0, recordStart = 0;
    QString record;
    QStringList fields;
    bool header = true;
    while (!in.atEnd()) {
        QByteArray bytes = in.readLine();
        ++lineNo;
        if (lineNo == 1 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        const QString line = utf8.decode(bytes);
        if (utf8.hasError()) {
            err = {lineNo, QStringLiteral("de tekst is geen UTF-8")};
            return false;
        }
        if (record.isEmpty())
            recordStart = lineNo;
        record += line;
        QString body = record;
        while (body.endsWith(QLatin1Char('\n')) || body.endsWith(QLatin1Char('\r')))
            body.chop(1);
        const Split s = split(body, fields);
        if (s == Split::NeedsMore && !in.atEnd())
            continue;
        if (s != Split::Done) {
            err = {recordStart, QStringLiteral("de aanhalingstekens kloppen niet")};
            return false;
        }
        record.clear();
        if (header) {
            header = false;
            if (fields != Header) {
                err = {recordStart, QStringLiteral("dit is geen resultatenbestand van ZEFRANOL (de kopregel moet %1 "
                                                   "zijn)")
                                        .arg(csvHeader())};
                return false;
            }
            continue;
        }
        if (body.isEmpty() && in.atEnd())
            break;
        Check c;
        const QString why = check(fields, c);
        if (!why.isEmpty()) {
            err = {recordStart, why};
            return false;
        }
        if (!take(c)) {
            // The reason is the store's; take() says it.
            err.line = recordStart;
            return false;
        }
    }
    if (header) {
        err = {1, QStringLiteral("het bestand is leeg")};
        return false;
    }
    return true;
}

} // namespace results
