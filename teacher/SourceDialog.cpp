#include "teacher/SourceDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace teacher {

SourceDialog::SourceDialog(const SourceChoice& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bron kiezen"));
    const SourceChoice configured = SourceChoice::fromSettings(config::read());
    server_ = configured.kind == SourceChoice::Kind::School ? configured.school : current.school;
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Waar staan de resultaten die u wilt bekijken?"), this);
    layout->addWidget(intro);

    SourceChoice serverChoice;
    serverChoice.kind = SourceChoice::Kind::School;
    serverChoice.school = server_;
    school_ = new QRadioButton(server_.isSet() ? QStringLiteral("&Op %1").arg(serverChoice.name())
                                               : QStringLiteral("&Op de schoolserver (niet ingesteld)"),
                               this);
    school_->setEnabled(server_.isSet());
    own_ = new QRadioButton(QStringLiteral("&Mijn eigen resultaten op deze computer"), this);
    own_->setToolTip(results::localStorePath());
    other_ = new QRadioButton(QStringLiteral("In een &ander resultatenbestand:"), this);
    path_ = new QLineEdit(this);
    path_->setAccessibleName(QStringLiteral("Pad van het resultatenbestand"));
    auto* browse = new QPushButton(QStringLiteral("&Kiezen…"), this);
    browse->setAccessibleName(QStringLiteral("Een resultatenbestand kiezen"));
    layout->addWidget(school_);
    layout->addWidget(own_);
    layout->addWidget(other_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addSpacing(24);
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);

    if (current.kind == SourceChoice::Kind::School && school_->isEnabled())
        school_->setChecked(true);
    else if (current.kind == SourceChoice::Kind::File && current.path != results::localStorePath()) {
        other_->setChecked(true);
        path_->setText(current.path);
    } else
        own_->setChecked(true);

    connect(path_, &QLineEdit::textEdited, this, [this] { other_->setChecked(true); });
    connect(browse, &QPushButton::clicked, this, [this] {
        QFileDialog dialog(this, QStringLiteral("Resultatenbestand kiezen"), path_->text());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(
            {QStringLiteral("Resultaten van ZEFRANOL (*.sqlite)"), QStringLiteral("Alle bestanden (*)")});
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path_->setText(dialog.selectedFiles().constFirst());
            other_->setChecked(true);
        }
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Open)->setText(QStringLiteral("&Openen"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annu&leren"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, sizeHint().height());
}

SourceChoice SourceDialog::choice() const {
    SourceChoice c;
    if (school_->isChecked()) {
        c.kind = SourceChoice::Kind::School;
        c.school = server_;
    } else {
        c.path = other_->isChecked() && !path_->text().trimmed().isEmpty() ? path_->text().trimmed()
                                                                           : results::localStorePath();
    }
    return c;
}

} // namespace teacher
