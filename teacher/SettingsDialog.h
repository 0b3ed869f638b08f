#pragma once
// For a home computer: keeping results on or off for this user, the class list when it
// lives in this user's own configuration file, and reading aloud. Written with
// config::writeUserValue; the pupil's program reads them at its next start.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace teacher {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);
    // Writes what was changed; false with a message shown when the file cannot be written.
    bool save();

    QCheckBox* keepBox() const { return keep_; }
    QCheckBox* readAloudBox() const { return readAloud_; }
    QPlainTextEdit* namesBox() const { return names_; }

    // The names as typed, one a line: blanks around them and empty lines dropped, each once.
    static QStringList namesOf(const QString& text);

private:
    QCheckBox* keep_;
    QCheckBox* readAloud_;
    QPlainTextEdit* names_;
    QLabel* namesNote_;
    bool namesEditable_ = true;
    bool keepInitial_ = false, readAloudInitial_ = false;
    QStringList namesInitial_;
};

} // namespace teacher
