#pragma once
// One pupil's page: the summary, each figure as a chart with its table beside it, and the
// last wrong exercises drawn as the pupil wrote them.
#include "teacher/Figures.h"
#include "teacher/Work.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QGridLayout;

namespace teacher {

// A wrong exercise drawn; it takes the focus so that a screen reader reads it.
class WorkCard : public QWidget {
    Q_OBJECT
public:
    WorkCard(const results::Check& check, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    const Work& work() const { return work_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Work work_;
};

class PupilView : public QWidget {
    Q_OBJECT
public:
    explicit PupilView(QWidget* parent = nullptr);
    void setPage(const PupilPage& page);
    const PupilPage& page() const { return page_; }
    QPushButton* backButton() const { return back_; }

signals:
    void backClicked();
    void pdfClicked();
    void csvClicked();

private:
    PupilPage page_;
    QLabel* name_;
    QLabel* summary_;
    QPushButton* back_;
    QWidget* body_ = nullptr;
    QVBoxLayout* bodyLayout_;
};

// "di 8 dec. 2026 10:12" for a check's moment.
QString momentText(const QDateTime& utc);

} // namespace teacher
