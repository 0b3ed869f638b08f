#include "teacher/MainWindow.h"

#include "config/Config.h"
#include "teacher/Figure.h"
#include "teacher/OverviewModel.h"
#include "teacher/PupilView.h"
#include "teacher/Report.h"
#include "teacher/SettingsDialog.h"
#include "teacher/SourceDialog.h"
#include "ui/Speech.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace teacher {

namespace {

// The program's yellow, behind the white tables and charts.
const QColor Backdrop(0xEAE28A);

QString periodKey(const Period& p) {
    return p.first.toString(Qt::ISODate) + QLatin1Char('/') + p.last.toString(Qt::ISODate);
}

QString fileSafe(QString text) {
    static const QString bad = QStringLiteral("/\\:*?\"<>|'");
    for (QChar& c : text)
        if (bad.contains(c) || c.isSpace())
            c = QLatin1Char('-');
    return text;
}

QString askSavePath(QWidget* parent, const QString& title, const QString& name, const QString& filter) {
    QFileDialog dialog(parent, title, QDir::home().filePath(name), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Bewaren"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

MainWindow::MainWindow(const SourceChoice& source, const Period& period, const QDate& today, QWidget* parent)
    : QMainWindow(parent), period_(period), today_(today), classList_(config::settings().classList) {
    buildWindow();
    slow_.setSingleShot(true);
    slow_.setInterval(1000);
    connect(&slow_, &QTimer::timeout, this, [this] {
        if (!waiting_)
            return;
        status_->setText(QStringLiteral("Bezig met lezen… De bron antwoordt traag of niet."));
        slowRetry_->show();
    });
    // A server that stopped without closing the connection never says so: after a while
    // the window says it, and keeps listening in case the answer still comes.
    silent_.setSingleShot(true);
    silent_.setInterval(10000);
    connect(&silent_, &QTimer::timeout, this, [this] {
        if (waiting_)
            showMessage(QStringLiteral("%1 antwoordt al tien seconden niet. Misschien is de verbinding weg.")
                            .arg(reader_.choice().kind == SourceChoice::Kind::School ? QStringLiteral("De schoolserver")
                                                                                     : QStringLiteral("Het bestand")),
                        true);
    });
    connect(&reader_, &Reader::opened, this, [this](const Opening& o) {
        slow_.stop();
        silent_.stop();
        waiting_ = 0;
        slowRetry_->hide();
        if (o.outcome != Opening::Outcome::Opened) {
            QString text = o.message;
            if (o.outcome == Opening::Outcome::Empty && reader_.choice().kind == SourceChoice::Kind::File)
                text +=
                    QStringLiteral("\n\nWilt u de resultaten op deze computer bewaren? Zet dat aan bij Instellingen.");
            showMessage(text, o.outcome == Opening::Outcome::Failed);
            return;
        }
        sourceOpen_ = true;
        hasChecks_ = o.hasChecks;
        if (pageWaited_ == Page::Pupil && !pupilName_.isEmpty())
            askPupil();
        else
            askOverview();
    });
    connect(&reader_, &Reader::overviewRead, this, [this](int ticket, const Overview& o) {
        const QString key = periodKey(o.period);
        // Read ahead: kept unless a refresh came since it was asked.
        if (ticket == 0 && !ahead_.remove(key))
            return;
        cache_.insert(key, o);
        const bool asked = ticket != 0 && ticket == waiting_;
        if (asked || (ticket == 0 && waiting_ == AheadTicket && key == periodKey(period_))) {
            answered(ticket);
            showOverview(o);
            if (asked)
                readAhead();
        }
    });
    connect(&reader_, &Reader::pupilRead, this, [this](int ticket, const PupilPage& page) {
        if (ticket != waiting_)
            return;
        answered(ticket);
        pupil_->setPage(page);
        stack_->setCurrentIndex(int(Page::Pupil));
        paintWatch_ = true;
        pupil_->update();
        pupil_->backButton()->setFocus();
        status_->setText(QStringLiteral("%1, %2").arg(page.summary.pupil, page.period.name()));
        // Names often end in an initial's full stop ("Bram A."): no second one after it.
        const QString& name = page.summary.pupil;
        ui::announce(this, name + (name.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) +
                               summaryOf(page));
    });
    connect(&reader_, &Reader::failed, this, [this](int ticket, const QString& message) {
        if (ticket == exportTicket_) {
            exportTicket_ = 0;
            status_->setText(message);
            emit exportDone(false, message);
            return;
        }
        if (ticket != waiting_)
            return;
        answered(ticket);
        sourceOpen_ = false;
        showMessage(message, true);
    });
    connect(&reader_, &Reader::exported, this, [this](int ticket, long long n, const QString& path) {
        if (ticket != exportTicket_)
            return;
        exportTicket_ = 0;
        const QString text = QStringLiteral("%1 controles bewaard in %2.").arg(n).arg(path);
        status_->setText(text);
        emit exportDone(true, text);
    });
    openSource(source);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    setWindowTitle(QStringLiteral("ZEFRANOL leerkracht"));
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette colours = central->palette();
    colours.setColor(QPalette::Window, Backdrop);
    central->setPalette(colours);
    auto* layout = new QVBoxLayout(central);

    auto* sourceRow = new QHBoxLayout;
    sourceLabel_ = new QLabel(central);
    sourceLabel_->setTextFormat(Qt::PlainText);
    sourceLabel_->setWordWrap(true);
    auto* chooseButton = new QPushButton(QStringLiteral("Andere &bron…"), central);
    chooseButton->setAccessibleName(QStringLiteral("Andere bron kiezen"));
    auto* refreshButton = new QPushButton(QStringLiteral("&Vernieuwen"), central);
    refreshButton->setAccessibleName(QStringLiteral("Vernieuwen: alles opnieuw lezen"));
    refreshButton->setShortcut(QKeySequence(Qt::Key_F5));
    auto* settingsButton = new QPushButton(QStringLiteral("&Instellingen…"), central);
    settingsButton->setAccessibleName(QStringLiteral("Instellingen voor deze gebruiker"));
    sourceRow->addWidget(sourceLabel_, 1);
    sourceRow->addWidget(chooseButton);
    sourceRow->addWidget(refreshButton);
    sourceRow->addWidget(settingsButton);
    layout->addLayout(sourceRow);

    auto* periodRow = new QHBoxLayout;
    auto* periodLead = new QLabel(QStringLiteral("&Periode:"), central);
    periodBox_ = new QComboBox(central);
    periodBox_->addItems({QStringLiteral("Deze week"), QStringLiteral("Deze maand"), QStringLiteral("Dit schooljaar"),
                          QStringLiteral("Van … tot …")});
    periodBox_->setAccessibleName(QStringLiteral("Periode"));
    periodLead->setBuddy(periodBox_);
    auto* fromLead = new QLabel(QStringLiteral("V&an"), central);
    from_ = new QDateEdit(central);
    from_->setCalendarPopup(true);
    from_->setDisplayFormat(QStringLiteral("d-M-yyyy"));
    from_->setAccessibleName(QStringLiteral("Van datum"));
    fromLead->setBuddy(from_);
    auto* toLead = new QLabel(QStringLiteral("t&ot"), central);
    to_ = new QDateEdit(central);
    to_->setCalendarPopup(true);
    to_->setDisplayFormat(QStringLiteral("d-M-yyyy"));
    to_->setAccessibleName(QStringLiteral("Tot en met datum"));
    toLead->setBuddy(to_);
    periodLabel_ = new QLabel(central);
    periodLabel_->setTextFormat(Qt::PlainText);
    QFont bold = periodLabel_->font();
    bold.setBold(true);
    periodLabel_->setFont(bold);
    periodRow->addWidget(periodLead);
    periodRow->addWidget(periodBox_);
    periodRow->addWidget(fromLead);
    periodRow->addWidget(from_);
    periodRow->addWidget(toLead);
    periodRow->addWidget(to_);
    periodRow->addSpacing(12);
    periodRow->addWidget(periodLabel_, 1);
    layout->addLayout(periodRow);

    stack_ = new QStackedWidget(central);
    layout->addWidget(stack_, 1);

    // The message page: what went wrong or is awaited, and what can be done about it.
    auto* messagePage = new QWidget(stack_);
    auto* messageLayout = new QVBoxLayout(messagePage);
    messageLabel_ = new QLabel(messagePage);
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setWordWrap(true);
    messageLabel_->setAlignment(Qt::AlignCenter);
    messageLabel_->setFocusPolicy(Qt::TabFocus);
    QFont big = messageLabel_->font();
    big.setPixelSize(std::max(16, big.pixelSize() + 4));
    messageLabel_->setFont(big);
    auto* messageButtons = new QHBoxLayout;
    retryButton_ = new QPushButton(QStringLiteral("&Opnieuw proberen"), messagePage);
    auto* messageChoose = new QPushButton(QStringLiteral("Andere bron &kiezen…"), messagePage);
    auto* messageSettings = new QPushButton(QStringLiteral("In&stellingen…"), messagePage);
    messageButtons->addStretch();
    messageButtons->addWidget(retryButton_);
    messageButtons->addWidget(messageChoose);
    messageButtons->addWidget(messageSettings);
    messageButtons->addStretch();
    messageLayout->addStretch();
    messageLayout->addWidget(messageLabel_);
    messageLayout->addLayout(messageButtons);
    messageLayout->addStretch();
    stack_->addWidget(messagePage);

    // The class overview.
    auto* overviewPage = new QWidget(stack_);
    auto* overviewLayout = new QVBoxLayout(overviewPage);
    overviewLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    auto* searchLead = new QLabel(QStringLiteral("&Zoek een naam:"), overviewPage);
    search_ = new QLineEdit(overviewPage);
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(QStringLiteral("Zoek een leerling op naam"));
    searchLead->setBuddy(search_);
    overviewNote_ = new QLabel(overviewPage);
    overviewNote_->setTextFormat(Qt::PlainText);
    searchRow->addWidget(searchLead);
    searchRow->addWidget(search_, 1);
    searchRow->addSpacing(12);
    searchRow->addWidget(overviewNote_, 2);
    overviewLayout->addLayout(searchRow);
    model_ = new OverviewModel(this);
    filter_ = new NameFilter(this);
    filter_->setSourceModel(model_);
    table_ = new QTableView(overviewPage);
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(OverviewModel::Pupil, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    // Wide enough for what the columns hold, without measuring every row of a school.
    const char* const widest[] = {"Mohamed N.500",      "Oefeningen", "100 %",
                                  "30 sep. 2026 23:59", "−10 minder", "tafel- of rekenfout (1000)"};
    for (int c = 0; c < int(std::size(widest)); ++c)
        table_->horizontalHeader()->resizeSection(
            c, table_->fontMetrics().horizontalAdvance(QString::fromUtf8(widest[c])) + 28);
    table_->setAccessibleName(QStringLiteral("Klasoverzicht"));
    table_->setAccessibleDescription(QStringLiteral(
        "Eén rij per leerling. Enter opent de pagina van de leerling; klik op een kolomkop om te sorteren."));
    table_->viewport()->installEventFilter(this);
    overviewLayout->addWidget(table_, 1);
    auto* overviewButtons = new QHBoxLayout;
    auto* openButton = new QPushButton(QStringLiteral("Leerling &openen"), overviewPage);
    openButton->setAccessibleName(QStringLiteral("De pagina van de gekozen leerling openen"));
    auto* csvButton = new QPushButton(QStringLiteral("Overzicht als &CSV…"), overviewPage);
    csvButton->setAccessibleName(QStringLiteral("De controles van deze periode als CSV bewaren"));
    overviewButtons->addWidget(openButton);
    overviewButtons->addStretch();
    overviewButtons->addWidget(csvButton);
    overviewLayout->addLayout(overviewButtons);
    stack_->addWidget(overviewPage);

    pupil_ = new PupilView(stack_);
    pupil_->installEventFilter(this);
    stack_->addWidget(pupil_);
    setCentralWidget(central);

    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(status_, 1);
    slowRetry_ = new QPushButton(QStringLiteral("Opnieuw &proberen"), this);
    slowRetry_->hide();
    statusBar()->addPermanentWidget(slowRetry_);

    const bool range = period_.kind == Period::Kind::Range;
    periodBox_->setCurrentIndex(int(period_.kind));
    from_->setDate(period_.first);
    to_->setDate(period_.last);
    from_->setEnabled(range);
    to_->setEnabled(range);
    periodLabel_->setText(period_.name());

    connect(chooseButton, &QPushButton::clicked, this, &MainWindow::chooseSource);
    connect(messageChoose, &QPushButton::clicked, this, &MainWindow::chooseSource);
    connect(settingsButton, &QPushButton::clicked, this, &MainWindow::editSettings);
    connect(messageSettings, &QPushButton::clicked, this, &MainWindow::editSettings);
    connect(refreshButton, &QPushButton::clicked, this, &MainWindow::refresh);
    connect(retryButton_, &QPushButton::clicked, this, &MainWindow::retry);
    connect(slowRetry_, &QPushButton::clicked, this, &MainWindow::retry);
    connect(periodBox_, &QComboBox::activated, this, &MainWindow::periodKindChosen);
    connect(from_, &QDateEdit::dateChanged, this, &MainWindow::datesChanged);
    connect(to_, &QDateEdit::dateChanged, this, &MainWindow::datesChanged);
    connect(search_, &QLineEdit::textChanged, filter_, &NameFilter::setSearch);
    connect(table_, &QTableView::activated, this, &MainWindow::openSelected);
    connect(openButton, &QPushButton::clicked, this, &MainWindow::openSelected);
    connect(csvButton, &QPushButton::clicked, this, &MainWindow::saveOverviewCsv);
    connect(pupil_, &PupilView::backClicked, this, [this] {
        pageWaited_ = Page::Overview;
        if (model_->overview().period == period_ && model_->rowCount() > 0) {
            waiting_ = 0;
            stack_->setCurrentIndex(int(Page::Overview));
            table_->setFocus();
        } else {
            askOverview();
        }
    });
    connect(pupil_, &PupilView::pdfClicked, this, &MainWindow::savePdf);
    connect(pupil_, &PupilView::csvClicked, this, &MainWindow::savePupilCsv);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), pupil_);
    connect(escape, &QShortcut::activated, pupil_->backButton(), &QPushButton::click);
    resize(1180, 760);
}

MainWindow::Page MainWindow::page() const {
    return Page(stack_->currentIndex());
}

QString MainWindow::message() const {
    return messageLabel_->text();
}

void MainWindow::showMessage(const QString& text, bool canRetry) {
    messageLabel_->setText(text);
    retryButton_->setVisible(canRetry);
    slowRetry_->hide();
    stack_->setCurrentIndex(int(Page::Message));
    status_->setText(canRetry ? QStringLiteral("Niet gelukt.") : QString());
    messageLabel_->setFocus();
    // What is only awaited is not said; the overview that follows is.
    if (!text.startsWith(QStringLiteral("Bezig")))
        ui::announce(this, text);
    emit messageShown();
}

void MainWindow::openSource(const SourceChoice& choice) {
    forgetFigures();
    sourceOpen_ = false;
    sourceLabel_->setText(QStringLiteral("Bron: %1").arg(choice.name()));
    sourceLabel_->setAccessibleName(sourceLabel_->text());
    if (stack_->currentIndex() == int(Page::Message) || model_->rowCount() == 0)
        showMessage(QStringLiteral("Bezig met openen van %1…").arg(choice.name()), false);
    reader_.open(choice);
    waiting_ = -1;
    slow_.start();
    silent_.start();
}

void MainWindow::waitFor(int ticket) {
    waiting_ = ticket;
    status_->setText(QStringLiteral("Bezig met lezen…"));
    slow_.start();
    silent_.start();
}

void MainWindow::answered(int) {
    waiting_ = 0;
    slow_.stop();
    silent_.stop();
    slowRetry_->hide();
}

void MainWindow::askOverview() {
    pageWaited_ = Page::Overview;
    if (!sourceOpen_)
        return;
    const auto cached = cache_.constFind(periodKey(period_));
    if (cached != cache_.constEnd()) {
        answered(waiting_);
        showOverview(*cached);
        return;
    }
    // Already on its way.
    if (ahead_.contains(periodKey(period_))) {
        waitFor(AheadTicket);
        return;
    }
    waitFor(reader_.overview(period_, classList_));
}

// The week, month and school year, once the first overview stands.
void MainWindow::readAhead() {
    if (!readAheadOn_)
        return;
    QList<Period> periods;
    for (const auto kind : {Period::Kind::Week, Period::Kind::Month, Period::Kind::SchoolYear}) {
        const Period p = Period::of(kind, today_);
        const QString key = periodKey(p);
        if (!cache_.contains(key) && !ahead_.contains(key)) {
            ahead_.insert(key);
            periods << p;
        }
    }
    reader_.readAhead(periods, classList_);
}

void MainWindow::askPupil() {
    pageWaited_ = Page::Pupil;
    if (sourceOpen_)
        waitFor(reader_.pupil(pupilName_, period_, 6));
}

void MainWindow::showOverview(const Overview& o) {
    const bool any = std::any_of(o.rows.begin(), o.rows.end(), [](const PupilRow& r) { return r.done + r.drills > 0; });
    model_->setOverview(o);
    if (!hasChecks_)
        overviewNote_->setText(QStringLiteral("Deze bron bevat nog geen resultaten."));
    else if (!any)
        overviewNote_->setText(QStringLiteral("Geen oefeningen in %1.").arg(o.period.name()));
    else
        overviewNote_->clear();
    const bool wasShown = stack_->currentIndex() == int(Page::Overview);
    stack_->setCurrentIndex(int(Page::Overview));
    if (!wasShown || !table_->hasFocus())
        table_->setFocus();
    if (table_->model()->rowCount() > 0 && !table_->currentIndex().isValid())
        table_->setCurrentIndex(table_->model()->index(0, 0));
    paintWatch_ = true;
    table_->viewport()->update();
    const QString said =
        QStringLiteral("Klasoverzicht, %1: %2 leerlingen.%3")
            .arg(o.period.name())
            .arg(o.rows.size())
            .arg(overviewNote_->text().isEmpty() ? QString() : QLatin1Char(' ') + overviewNote_->text());
    status_->setText(said);
    ui::announce(this, said);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && paintWatch_) {
        const bool overview = watched == table_->viewport() && page() == Page::Overview;
        const bool pupil = watched == pupil_ && page() == Page::Pupil;
        if (overview || pupil) {
            paintWatch_ = false;
            // Said once the paint is over.
            QMetaObject::invokeMethod(
                this, [this, overview] { overview ? emit overviewShown() : emit pupilShown(); }, Qt::QueuedConnection);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setPeriod(const Period& period) {
    period_ = period;
    {
        const QSignalBlocker a(from_), b(to_);
        periodBox_->setCurrentIndex(int(period.kind));
        from_->setDate(period.first);
        to_->setDate(period.last);
    }
    from_->setEnabled(period.kind == Period::Kind::Range);
    to_->setEnabled(period.kind == Period::Kind::Range);
    periodLabel_->setText(period.name());
    if (page() == Page::Pupil || (pageWaited_ == Page::Pupil && waiting_))
        askPupil();
    else
        askOverview();
}

void MainWindow::periodKindChosen(int index) {
    const auto kind = Period::Kind(index);
    if (kind == Period::Kind::Range) {
        setPeriod(Period::range(from_->date(), to_->date()));
        from_->setFocus();
    } else {
        setPeriod(Period::of(kind, today_));
    }
}

void MainWindow::datesChanged() {
    if (periodBox_->currentIndex() == int(Period::Kind::Range))
        setPeriod(Period::range(from_->date(), to_->date()));
}

void MainWindow::openPupil(const QString& name) {
    pupilName_ = name;
    askPupil();
}

void MainWindow::openSelected() {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    openPupil(filter_->mapToSource(current).siblingAtColumn(OverviewModel::Pupil).data().toString());
}

void MainWindow::refresh() {
    forgetFigures();
    if (!sourceOpen_) {
        retry();
        return;
    }
    if (page() == Page::Pupil)
        askPupil();
    else
        askOverview();
}

void MainWindow::retry() {
    openSource(reader_.choice());
}

void MainWindow::chooseSource() {
    SourceDialog dialog(reader_.choice(), this);
    if (dialog.exec() == QDialog::Accepted) {
        pageWaited_ = Page::Overview;
        model_->setOverview({});
        openSource(dialog.choice());
    }
}

void MainWindow::editSettings() {
    SettingsDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        classList_ = config::read().classList;
        forgetFigures();
        // Keeping switched on may have made a store where there was none.
        if (!sourceOpen_)
            retry();
        else if (page() == Page::Overview)
            askOverview();
    }
}

void MainWindow::exportOverviewTo(const QString& path) {
    // The names the search leaves in view; all of the period when nothing is searched.
    QStringList names;
    if (filter_->rowCount() < model_->rowCount())
        for (int r = 0; r < filter_->rowCount(); ++r)
            names << filter_->index(r, OverviewModel::Pupil).data().toString();
    if (names.isEmpty() && filter_->rowCount() < model_->rowCount()) {
        emit exportDone(false, QStringLiteral("Er staat geen leerling in het overzicht."));
        return;
    }
    status_->setText(QStringLiteral("Bezig met bewaren in %1…").arg(path));
    exportTicket_ = reader_.exportCsv(period_, names, path);
}

void MainWindow::exportPupilTo(const QString& path) {
    status_->setText(QStringLiteral("Bezig met bewaren in %1…").arg(path));
    exportTicket_ = reader_.exportCsv(period_, {pupil_->page().summary.pupil}, path);
}

bool MainWindow::reportTo(const QString& path, QString* error) {
    return writeReport(pupil_->page(), reader_.choice().name(), path, error);
}

void MainWindow::saveOverviewCsv() {
    const QString path = askSavePath(this, QStringLiteral("Overzicht als CSV bewaren"),
                                     QStringLiteral("zefranol-%1.csv").arg(fileSafe(period_.name())),
                                     QStringLiteral("CSV-bestanden (*.csv)"));
    if (!path.isEmpty())
        exportOverviewTo(path);
}

void MainWindow::savePupilCsv() {
    const QString path = askSavePath(
        this, QStringLiteral("Controles als CSV bewaren"),
        QStringLiteral("zefranol-%1-%2.csv").arg(fileSafe(pupil_->page().summary.pupil), fileSafe(period_.name())),
        QStringLiteral("CSV-bestanden (*.csv)"));
    if (!path.isEmpty())
        exportPupilTo(path);
}

void MainWindow::savePdf() {
    const QString path = askSavePath(
        this, QStringLiteral("Pagina als PDF bewaren"),
        QStringLiteral("zefranol-%1-%2.pdf").arg(fileSafe(pupil_->page().summary.pupil), fileSafe(period_.name())),
        QStringLiteral("PDF-bestanden (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (reportTo(path, &error))
        status_->setText(QStringLiteral("PDF bewaard in %1.").arg(path));
    else
        QMessageBox::warning(this, windowTitle(), error);
}

} // namespace teacher
