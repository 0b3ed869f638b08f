#pragma once
// The record lines of a series of five: the text-box array Txtoef1 of eleven slots,
// of which the first five stand side by side and the rest are spare. Each recorded
// check writes its result line into the next slot; the count of lines written is
// also the index of that slot. Only where the row stands differs from screen to screen.
#include <array>
#include <string>

class QWidget;

namespace ui {
class TextBox;
}

namespace scoring {

struct SeriesLayout {
    int left; // slot 0; the other shown slots follow 1680 twips apart
    int top;
};

// The column multiplication screen.
inline constexpr SeriesLayout OneDigitSeries{.left = 120, .top = 4920};
// The two-digit multiplier screen.
inline constexpr SeriesLayout TwoDigitSeries{.left = 360, .top = 5760};

class SeriesRecords {
public:
    static constexpr int Slots = 11;
    static constexpr int Shown = 5;

    // Builds Txtoef1_0 .. Txtoef1_10 on host, disabled; slots 5 and up hidden.
    SeriesRecords(QWidget& host, const SeriesLayout& layout);

    // Writes line into the next slot with background back. Going on past five records
    // fills the hidden slots; once all eleven are used, further records are dropped.
    void record(const std::string& line, int back);
    // Every slot empty on white; the next record goes into slot 0.
    void empty();
    // One slot white with black text; a slot past the last is left alone.
    void whiten(int slot);
    // The next record goes into slot 0; the slots keep what they hold.
    void restart() { count_ = 0; }

    int count() const { return count_; }

    std::array<ui::TextBox*, Slots> Txtoef1{};

private:
    int count_ = 0;
};

} // namespace scoring
