#pragma once
// Choosing where the figures come from: the school's server of the configuration, this
// user's own results, or another results file (a copy from a home computer).
#include "teacher/Source.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace teacher {

class SourceDialog : public QDialog {
    Q_OBJECT
public:
    SourceDialog(const SourceChoice& current, QWidget* parent = nullptr);
    SourceChoice choice() const;

private:
    QRadioButton* school_;
    QRadioButton* own_;
    QRadioButton* other_;
    QLineEdit* path_;
    config::School server_;
};

} // namespace teacher
