// Build step: creates every screen off the display, collects each picture control's drawing
// at the size it shows it, draws them all with the screens' own code and packs them into
// the block the program carries as a resource.
// Usage: zef_predraw OUT.bin   (with QT_QPA_PLATFORM=offscreen)
#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "screens/welcome/frmmecenaat1.h"
#include "ui/Controls.h"
#include "ui/PreDrawn.h"

#include <QApplication>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>
#include <set>
#include <tuple>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.bin\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    Program program;
    program.setEndHandler([] {});
    program.mainWindow();
    program.screen<frmmecenaat1>();
    program.screen<frmkiesbasis>();
    program.screen<frmtest>();
    program.screen<frmtest2>();
    program.screen<frmmaal>();
    program.screen<frmmaal2>();
    program.screen<frmmaal3>();
    program.screen<Aklas>();
    program.screen<frminfo>();

    std::vector<ui::PreDrawn> pictures;
    std::set<std::tuple<QString, int, int>> done; // a drawing shown at one size is drawn once
    auto add = [&](const QString& resource, QSize size) {
        if (resource.isEmpty() || size.isEmpty() || !done.emplace(resource, size.width(), size.height()).second)
            return true;
        auto drawing = ui::loadPicture(resource);
        if (!drawing->isValid()) {
            std::fprintf(stderr, "%s: cannot draw %s\n", argv[0], qPrintable(resource));
            return false;
        }
        pictures.push_back({resource, ui::drawPicture(*drawing, size)});
        return true;
    };
    bool ok = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (auto* picture : window->findChildren<ui::Picture*>())
            ok &= add(picture->picture(), picture->size());
        for (auto* button : window->findChildren<ui::PictureButton*>())
            ok &= add(button->picture(), button->pictureSize());
    }
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!ok || !out.open(QIODevice::WriteOnly) || out.write(ui::packPictures(pictures)) < 0 || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
