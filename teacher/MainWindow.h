#pragma once
// The teacher's window: which source it shows, the period, the class overview and one
// pupil's page. Everything the database does happens on the reader's thread; the window
// only asks and shows, and says so when an answer is slow or does not come.
#include "teacher/Figures.h"
#include "teacher/Reader.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QTimer>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace teacher {

class NameFilter;
class OverviewModel;
class PupilView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Page { Message, Overview, Pupil };

    // today: the day the periods are counted from.
    MainWindow(const SourceChoice& source, const Period& period, const QDate& today, QWidget* parent = nullptr);
    ~MainWindow() override;

    void openSource(const SourceChoice& choice);
    void setPeriod(const Period& period);
    const Period& period() const { return period_; }
    const QDate& today() const { return today_; }
    void openPupil(const QString& name);
    // Asks everything on the page again, from the database.
    void refresh();
    // Reading ahead is on unless switched off (the benchmark's cold runs); readingAhead()
    // while some period is still on its way.
    void setReadAhead(bool on) { readAheadOn_ = on; }
    void readAhead();
    bool readingAhead() const { return !ahead_.isEmpty(); }
    // Forgets the overviews kept or read ahead.
    void forgetFigures() {
        cache_.clear();
        ahead_.clear();
    }

    // What the export buttons do once a file is chosen; the answer comes as exportDone.
    void exportOverviewTo(const QString& path);
    void exportPupilTo(const QString& path);
    bool reportTo(const QString& path, QString* error);

    Page page() const;
    QString message() const;
    OverviewModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    PupilView* pupilView() const { return pupil_; }
    Reader& reader() { return reader_; }

signals:
    // After the overview or a pupil's page has been filled and painted.
    void overviewShown();
    void pupilShown();
    void messageShown();
    void exportDone(bool ok, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void showMessage(const QString& text, bool canRetry);
    void askOverview();
    void askPupil();
    void waitFor(int ticket);
    void answered(int ticket);
    void periodKindChosen(int index);
    void datesChanged();
    void chooseSource();
    void editSettings();
    void openSelected();
    void saveOverviewCsv();
    void savePupilCsv();
    void savePdf();
    void retry();
    void showOverview(const Overview& overview);

    Reader reader_;
    Period period_;
    QDate today_;
    QString pupilName_; // the pupil whose page is open or asked for
    QStringList classList_;
    bool hasChecks_ = false;
    bool sourceOpen_ = false;
    int waiting_ = 0; // the ticket of the answer the page waits for
    int exportTicket_ = 0;
    bool paintWatch_ = false;
    Page pageWaited_ = Page::Overview;
    QTimer slow_, silent_;
    QHash<QString, Overview> cache_;
    QSet<QString> ahead_; // periods being read ahead
    bool readAheadOn_ = true;
    static constexpr int AheadTicket = -2;

    QLabel* sourceLabel_;
    QComboBox* periodBox_;
    QDateEdit* from_;
    QDateEdit* to_;
    QLabel* periodLabel_;
    QStackedWidget* stack_;
    QLabel* messageLabel_;
    QPushButton* retryButton_;
    QPushButton* slowRetry_;
    QLabel* overviewNote_;
    QLineEdit* search_;
    QTableView* table_;
    OverviewModel* model_;
    NameFilter* filter_;
    PupilView* pupil_;
    QLabel* status_;
};

} // namespace teacher
