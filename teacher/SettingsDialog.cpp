#include "teacher/SettingsDialog.h"

#include "config/Config.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace teacher {

QStringList SettingsDialog::namesOf(const QString& text) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !out.contains(name))
            out << name;
    }
    return out;
}

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Instellingen voor deze gebruiker"));
    setAccessibleName(windowTitle());
    const config::Settings now = config::read();
    // The class list is edited here only where this user's own file holds it, or where no
    // file holds one yet; a list for the whole computer belongs to its administrator.
    const QSettings own(config::userFile(), QSettings::IniFormat);
    namesEditable_ = own.contains(QStringLiteral("klas/namen")) || now.classList.isEmpty();

    auto* layout = new QVBoxLayout(this);
    keep_ = new QCheckBox(QStringLiteral("&Resultaten bewaren op deze computer"), this);
    keepInitial_ = now.keepResults;
    keep_->setChecked(keepInitial_);
    layout->addWidget(keep_);
    if (now.school.isSet()) {
        keep_->setEnabled(false);
        auto* note =
            new QLabel(QStringLiteral("Er is een schoolserver ingesteld: de resultaten worden altijd bewaard."), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* namesLabel = new QLabel(QStringLiteral("&Namen van de leerlingen (één naam per regel):"), this);
    names_ = new QPlainTextEdit(this);
    names_->setTabChangesFocus(true);
    names_->setAccessibleName(QStringLiteral("Namen van de leerlingen, één naam per regel"));
    namesInitial_ = now.classList;
    names_->setPlainText(now.classList.join(QLatin1Char('\n')));
    names_->setReadOnly(!namesEditable_);
    namesLabel->setBuddy(names_);
    layout->addWidget(namesLabel);
    layout->addWidget(names_, 1);
    namesNote_ = new QLabel(this);
    namesNote_->setWordWrap(true);
    namesNote_->setTextFormat(Qt::PlainText);
    namesNote_->setText(namesEditable_ ? QStringLiteral("Met namen vraagt ZEFRANOL bij de start \"Wie ben jij?\". "
                                                        "Zonder namen geldt de naam waarmee is aangemeld.")
                                       : QStringLiteral("Deze namenlijst geldt voor de hele computer en kan hier niet "
                                                        "worden gewijzigd."));
    layout->addWidget(namesNote_);

    readAloud_ = new QCheckBox(QStringLiteral("&Voorlezen aan (voor leerlingen die met een schermlezer werken)"), this);
    readAloudInitial_ = now.readAloud;
    readAloud_->setChecked(readAloudInitial_);
    layout->addWidget(readAloud_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("&Opslaan"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annuleren"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(520, 460);
}

bool SettingsDialog::save() {
    bool ok = true;
    if (keep_->isEnabled() && keep_->isChecked() != keepInitial_)
        ok = config::writeUserValue(QStringLiteral("resultaten/bewaren"), keep_->isChecked()) && ok;
    if (readAloud_->isChecked() != readAloudInitial_)
        ok = config::writeUserValue(QStringLiteral("voorlezen/aan"), readAloud_->isChecked()) && ok;
    const QStringList names = namesOf(names_->toPlainText());
    if (namesEditable_ && names != namesInitial_)
        ok = config::writeUserValue(QStringLiteral("klas/namen"),
                                    names.isEmpty() ? QVariant(QString()) : QVariant(names)) &&
             ok;
    if (!ok)
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("De instellingen konden niet worden bewaard in %1.").arg(config::userFile()));
    return ok;
}

} // namespace teacher
