#include "screens/scoring/SeriesRecords.h"

#include "ui/ControlTable.h"
#include "ui/Controls.h"

#include <QByteArray>

using namespace ui;

namespace scoring {

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000;
constexpr int SlotStep = 1680;

const char* const SlotNames[SeriesRecords::Slots] = {
    "oefening 1", "oefening 2", "oefening 3", "oefening 4",  "oefening 5",  "oefening 6",
    "oefening 7", "oefening 8", "oefening 9", "oefening 10", "oefening 11",
};

} // namespace

SeriesRecords::SeriesRecords(QWidget& host, const SeriesLayout& layout) {
    for (int i = 0; i < Slots; ++i) {
        const QByteArray name = arrayName("Txtoef1", i).toLatin1();
        const int left = layout.left + SlotStep * (i % Shown);
        Txtoef1[i] =
            static_cast<TextBox*>(buildControl(&host, {.name = name.constData(),
                                                       .kind = Kind::TextBox,
                                                       .at = {left, layout.top, 1575, 360},
                                                       .font = {"MS Sans Serif", 9.75},
                                                       .flags = Disabled | Centred | (i < Shown ? None : Hidden),
                                                       .describe = SlotNames[i]}));
    }
}

void SeriesRecords::record(const std::string& line, int back) {
    if (count_ >= Slots)
        return;
    Txtoef1[count_]->setText(QString::fromStdString(line));
    Txtoef1[count_]->setBackColour(rgb(back));
    ++count_;
}

void SeriesRecords::empty() {
    for (TextBox* slot : Txtoef1) {
        slot->setText(QString());
        slot->setBackColour(rgb(White));
    }
    count_ = 0;
}

void SeriesRecords::whiten(int slot) {
    if (slot < 0 || slot >= Slots)
        return;
    Txtoef1[slot]->setBackColour(rgb(White));
    Txtoef1[slot]->setForeColour(rgb(Black));
}

} // namespace scoring
