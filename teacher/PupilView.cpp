#include "teacher/PupilView.h"

#include "teacher/Figure.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionFocusRect>
#include <QTableWidget>
#include <QVBoxLayout>

namespace teacher {

QString momentText(const QDateTime& utc) {
    return QLocale(QLocale::Dutch).toString(utc.toLocalTime(), QStringLiteral("ddd d MMM yyyy HH:mm"));
}

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    // Names are shown as written: never as markup.
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    return label;
}

QLabel* heading(const QString& text, QWidget* parent) {
    QLabel* label = plainLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPixelSize(f.pixelSize() > 0 ? f.pixelSize() + 3 : 16);
    label->setFont(f);
    return label;
}

QTableWidget* tableOf(const Figure& figure, QWidget* parent) {
    auto* table = new QTableWidget(int(figure.rows.size()), int(figure.headers.size()), parent);
    table->setHorizontalHeaderLabels(figure.headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->setAccessibleName(QStringLiteral("Tabel: %1").arg(figure.title.toLower()));
    for (int r = 0; r < int(figure.rows.size()); ++r)
        for (int c = 0; c < int(figure.headers.size()); ++c) {
            auto* item = new QTableWidgetItem(figure.rows[r].value(c));
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    table->resizeColumnsToContents();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setMinimumWidth(320);
    // No taller than its rows, so that a short table does not stand in an empty frame.
    table->setMaximumHeight(table->horizontalHeader()->sizeHint().height() +
                            table->verticalHeader()->defaultSectionSize() * std::max(1, table->rowCount()) +
                            2 * table->frameWidth() + 2);
    return table;
}

} // namespace

WorkCard::WorkCard(const results::Check& check, QWidget* parent) : QWidget(parent), work_(workOf(check)) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Foute oefening van %1").arg(momentText(check.moment)));
    setAccessibleDescription(spokenWork(work_) + QStringLiteral(". ") + work_.diagnosis.join(QStringLiteral(". ")));
    setMinimumSize(180, 40 * (3 + int(work_.rows.size())) / 2);
}

QSize WorkCard::sizeHint() const {
    return {220, 34 * (4 + int(work_.rows.size()))};
}

void WorkCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paintWork(p, QRectF(rect()).adjusted(4, 4, -4, -4), work_);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x1565C0), 3));
        p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

PupilView::PupilView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    back_ = new QPushButton(QStringLiteral("← &Terug naar het overzicht"), this);
    back_->setAccessibleName(QStringLiteral("Terug naar het overzicht"));
    name_ = heading(QString(), this);
    auto* pdf = new QPushButton(QStringLiteral("&PDF maken…"), this);
    pdf->setAccessibleName(QStringLiteral("Deze pagina als PDF bewaren"));
    auto* csv = new QPushButton(QStringLiteral("&Controles als CSV…"), this);
    csv->setAccessibleName(QStringLiteral("De controles van deze leerling als CSV bewaren"));
    top->addWidget(back_);
    top->addWidget(name_, 1);
    top->addWidget(pdf);
    top->addWidget(csv);
    layout->addLayout(top);
    summary_ = plainLabel(QString(), this);
    layout->addWidget(summary_);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* holder = new QWidget(scroll);
    bodyLayout_ = new QVBoxLayout(holder);
    bodyLayout_->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(holder);
    layout->addWidget(scroll, 1);

    connect(back_, &QPushButton::clicked, this, &PupilView::backClicked);
    connect(pdf, &QPushButton::clicked, this, &PupilView::pdfClicked);
    connect(csv, &QPushButton::clicked, this, &PupilView::csvClicked);
}

void PupilView::setPage(const PupilPage& page) {
    page_ = page;
    name_->setText(page.summary.pupil);
    summary_->setText(summaryOf(page));
    delete body_;
    body_ = new QWidget;
    auto* layout = new QVBoxLayout(body_);
    for (const Figure& figure : figuresOf(page)) {
        layout->addWidget(heading(figure.title, body_));
        auto* row = new QHBoxLayout;
        auto* chart = new QChartView(figure.makeChart(), body_);
        chart->setRenderHint(QPainter::Antialiasing);
        chart->setMinimumSize(420, 260);
        chart->setFocusPolicy(Qt::NoFocus);
        chart->setAccessibleName(QStringLiteral("Grafiek: %1").arg(figure.title.toLower()));
        chart->setAccessibleDescription(figure.spoken());
        row->addWidget(chart, 3);
        auto* side = new QVBoxLayout;
        side->addWidget(tableOf(figure, body_), 1);
        if (!figure.note.isEmpty())
            side->addWidget(plainLabel(figure.note, body_));
        side->addStretch();
        row->addLayout(side, 2);
        layout->addLayout(row);
    }
    layout->addWidget(heading(QStringLiteral("Laatste foute oefeningen"), body_));
    if (page.lastWrong.isEmpty())
        layout->addWidget(plainLabel(QStringLiteral("Geen foute oefeningen in deze periode."), body_));
    auto* grid = new QGridLayout;
    const int perRow = 3;
    for (qsizetype i = 0; i < page.lastWrong.size(); ++i) {
        const results::Check& c = page.lastWrong[i];
        auto* cell = new QVBoxLayout;
        cell->addWidget(plainLabel(QStringLiteral("%1 — %2").arg(momentText(c.moment), c.problem), body_));
        auto* card = new WorkCard(c, body_);
        cell->addWidget(card);
        QStringList words = card->work().diagnosis;
        words << QStringLiteral("Goed is %1.").arg(card->work().correct);
        QLabel* said = plainLabel(words.join(QLatin1Char('\n')), body_);
        said->setStyleSheet(QStringLiteral("color: #8E1B1B;"));
        cell->addWidget(said);
        cell->addStretch();
        grid->addLayout(cell, int(i / perRow), int(i % perRow));
    }
    layout->addLayout(grid);
    layout->addStretch();
    bodyLayout_->addWidget(body_);
}

} // namespace teacher
