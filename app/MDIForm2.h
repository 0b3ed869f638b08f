#pragma once
// The main window: a backdrop with the menu "OPENEN " and its item "&Basis".
#include <QMainWindow>

class Program;
class QAction;
class QMenu;

class MDIForm2 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm2(Program& program);

    void Form_Load();
    void aftrek2_Click();
    // The display's scale changed: the menu is made anew at the new one when it next opens.
    void forgetMenuWindow();

    QMenu* aftrek = nullptr;
    QAction* aftrek2 = nullptr;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();

    Program& program_;
    bool iconSet_ = false;
};
