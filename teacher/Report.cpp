#include "teacher/Report.h"

#include "teacher/Figure.h"
#include "teacher/PupilView.h"
#include "teacher/Work.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <memory>

namespace teacher {

namespace {

QImage chartImage(const Figure& figure) {
    QChartView view(figure.makeChart());
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(720, 336);
    // An unshown view lays its chart out only when asked to draw itself once.
    view.grab();
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    // Drawn at twice the size for paper; the document gives it its size on the page.
    QPainter p(&image);
    p.scale(2, 2);
    view.render(&p, QRectF(QPointF(0, 0), QSizeF(view.size())));
    return image;
}

QImage workImage(const Work& work) {
    const QSize size(300, 46 * (4 + int(work.rows.size())));
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    paintWork(p, QRectF(QPointF(0, 0), QSizeF(size)), work);
    return image;
}

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

bool writeReport(const PupilPage& page, const QString& source, const QString& path, QString* error) {
    {
        // Made readable by this user alone before anything is written into it.
        QFile file(path);
        const auto own = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, own) || !file.setPermissions(own)) {
            if (error)
                *error = QStringLiteral("%1 kan niet worden geschreven: %2").arg(path, file.errorString());
            return false;
        }
    }
    QTextDocument doc;
    QString html = QStringLiteral("<html><body style=\"font-family: 'Liberation Sans'; font-size: 10pt;\">");
    html += QStringLiteral("<h1>%1</h1>").arg(esc(page.summary.pupil));
    html += QStringLiteral("<p>%1</p>").arg(esc(summaryOf(page)));
    html +=
        QStringLiteral("<p style=\"color:#555555;\">Bron: %1. Gemaakt op %2 met ZEFRANOL leerkracht.</p>")
            .arg(esc(source), esc(QLocale(QLocale::Dutch)
                                      .toString(QDateTime::currentDateTime(), QStringLiteral("d MMMM yyyy HH:mm"))));
    int n = 0;
    for (const Figure& figure : figuresOf(page)) {
        const QString name = QStringLiteral("figuur%1.png").arg(++n);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), chartImage(figure));
        html += QStringLiteral("<h2>%1</h2><p><img src=\"%2\" width=\"560\" height=\"261\"></p>")
                    .arg(esc(figure.title), name);
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
        for (const QString& h : figure.headers)
            html += QStringLiteral("<th>%1</th>").arg(esc(h));
        html += QStringLiteral("</tr>");
        for (const QStringList& row : figure.rows) {
            html += QStringLiteral("<tr>");
            for (qsizetype c = 0; c < row.size(); ++c)
                html += QStringLiteral("<td%1>%2</td>")
                            .arg(c > 0 ? QStringLiteral(" align=\"right\"") : QString(), esc(row[c]));
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        if (!figure.note.isEmpty())
            html += QStringLiteral("<p><i>%1</i></p>").arg(esc(figure.note));
    }
    html += QStringLiteral("<h2>Laatste foute oefeningen</h2>");
    if (page.lastWrong.isEmpty())
        html += QStringLiteral("<p>Geen foute oefeningen in deze periode.</p>");
    html += QStringLiteral("<table cellspacing=\"6\">");
    for (qsizetype i = 0; i < page.lastWrong.size(); ++i) {
        const results::Check& c = page.lastWrong[i];
        const Work work = workOf(c);
        const QString name = QStringLiteral("oefening%1.png").arg(i + 1);
        const QImage image = workImage(work);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QStringList words;
        for (const QString& w : work.diagnosis)
            words << esc(w);
        words << QStringLiteral("Goed is %1.").arg(work.correct);
        html += QStringLiteral("<tr><td><img src=\"%1\" width=\"150\" height=\"%2\"></td><td valign=\"middle\">"
                               "<b>%3 — %4</b><br>Antwoord van de leerling: %5<br>%6</td></tr>")
                    .arg(name)
                    .arg(150 * image.height() / std::max(1, image.width()))
                    .arg(esc(momentText(c.moment)), esc(c.problem), esc(c.answer), words.join(QStringLiteral("<br>")));
    }
    html += QStringLiteral("</table></body></html>");
    doc.setHtml(html);

    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("ZEFRANOL leerkracht"));
    writer.setTitle(QStringLiteral("ZEFRANOL: %1").arg(page.summary.pupil));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)));
    writer.setResolution(150);
    doc.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    doc.print(&writer);
    if (!QFile::exists(path) || QFile(path).size() == 0) {
        if (error)
            *error = QStringLiteral("%1 kon niet worden gemaakt").arg(path);
        return false;
    }
    return true;
}

} // namespace teacher
