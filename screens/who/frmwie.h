#pragma once
// "Wie ben jij?": on a computer that a class shares under one login, the pupil taps or
// chooses their own name from the class list before the menu, so that results are kept
// per pupil. One big button per name, in a grid that fills the screen; a longer list
// than one page holds goes over several pages.
#include "app/Screen.h"

#include <QStringList>
#include <vector>

class QButtonGroup;
class QKeyEvent;
class QLabel;
class QPushButton;

class frmwie : public Screen {
    Q_OBJECT
public:
    explicit frmwie(Program& program);

    // The screen after the welcome screen: this one while there is a class list and nobody
    // has been chosen yet in this run, otherwise the menu.
    static ui::Form& afterWelcome(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdnaam_Click(int index);
    void cmdvorige_Click();
    void cmdverder_Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    using Self = frmwie;
    static const ui::ControlSpec Controls[];

    // Shows the names of one page, laid out in the grid, with the page controls if needed.
    void showPage(int page);
    int pageCount() const;
    void focusFirstOnPage();

    QStringList names;
    std::vector<QPushButton*> cmdnaam;
    QButtonGroup* naamgroep = nullptr;
    QLabel* lblvraag = nullptr;
    QLabel* lbluitleg = nullptr;
    QLabel* lblblad = nullptr;
    QPushButton* cmdvorige = nullptr;
    QPushButton* cmdverder = nullptr;
    int blad = 0;
    bool gekozen = false;
};
