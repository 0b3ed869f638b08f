#include "exercise/Diagnosis.h"

#include <algorithm>
#include <charconv>

namespace zef {

namespace {

// A box's value; a box that is not a number was repaired to 0 before. A long pasted run
// counts as a large wrong number, never as one that overflows the column sums.
long long BoxValue(const std::string& text) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range)
        return 1'000'000'000;
    return ec == std::errc() && end == text.data() + text.size() ? std::min(v, 1'000'000'000LL) : 0;
}

// Column by column from the right: raw[i] is what the column holds before the carry,
// written[i] what the pupil wrote in its box.
void DiagnoseColumns(const std::vector<long long>& raw, const std::vector<long long>& written, Line line, Place first,
                     Diagnosis& out) {
    long long carry = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const long long total = raw[i] + carry;
        const long long digit = i < written.size() ? written[i] : 0;
        if (digit != total % 10) {
            const bool forgot = carry > 0 && digit == raw[i] % 10;
            out.push_back({line, static_cast<Place>(static_cast<int>(first) + int(i)),
                           forgot ? Slip::CarryForgotten : Slip::Other, forgot ? int(carry) : 0});
        }
        carry = total / 10;
    }
}

const char* PlaceCode(Place p) {
    static const char* const codes[] = {"E", "T", "H", "D", "TD"};
    return codes[static_cast<int>(p)];
}

const char* LineCode(Line l) {
    static const char* const codes[] = {"", "rij1.", "rij2.", "som."};
    return codes[static_cast<int>(l)];
}

} // namespace

Diagnosis Diagnose(const ColumnExercise& ex, const AnswerReading& answer) {
    Diagnosis out;
    if (Judge(ex, answer) == Verdict::Correct)
        return out;
    const std::vector<long long> raw{ex.digitE * ex.maler, ex.digitT * ex.maler, ex.digitH * ex.maler, 0};
    const std::vector<long long> written{BoxValue(answer.answerE), BoxValue(answer.answerT), BoxValue(answer.answerH),
                                         BoxValue(answer.answerD)};
    DiagnoseColumns(raw, written, Line::Answer, Place::E, out);
    return out;
}

Diagnosis DiagnoseTwoDigit(const TwoDigitExercise& ex, const TwoDigitWork& work) {
    Diagnosis out;
    std::vector<long long> first, second;
    for (const std::string& box : work.firstRow)
        first.push_back(BoxValue(box));
    for (const std::string& box : work.secondRow)
        second.push_back(BoxValue(box));
    DiagnoseColumns({ex.digitE * ex.malerE, ex.digitT * ex.malerE, ex.digitH * ex.malerE, 0}, first, Line::FirstRow,
                    Place::E, out);
    DiagnoseColumns({ex.digitE * ex.malerT, ex.digitT * ex.malerT, ex.digitH * ex.malerT, 0}, second, Line::SecondRow,
                    Place::T, out);
    if (JudgeSum(ex, work.sum) == Verdict::Correct)
        return out;
    // The sum of the pupil's own rows, column by column (the second row starts at the tens).
    const std::vector<long long> raw{first[0], first[1] + second[0], first[2] + second[1], first[3] + second[2],
                                     second[3]};
    const std::vector<long long> written{BoxValue(work.sum.answerE), BoxValue(work.sum.answerT),
                                         BoxValue(work.sum.answerH), BoxValue(work.sum.answerD),
                                         BoxValue(work.sum.answerTD)};
    DiagnoseColumns(raw, written, Line::Sum, Place::E, out);
    return out;
}

std::string ShortForm(const Diagnosis& diagnosis) {
    std::string out;
    for (const ColumnFault& f : diagnosis) {
        if (!out.empty())
            out += ' ';
        out += LineCode(f.line);
        out += PlaceCode(f.place);
        out += f.slip == Slip::CarryForgotten ? "-onthouden-" + std::to_string(f.carry) : std::string("-reken");
    }
    return out;
}

std::optional<Diagnosis> ParseShortForm(std::string_view text) {
    Diagnosis out;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        std::string_view token = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (token.empty())
            return std::nullopt;
        ColumnFault f;
        for (int l = 1; l <= 3; ++l) {
            const std::string_view code = LineCode(static_cast<Line>(l));
            if (token.starts_with(code)) {
                f.line = static_cast<Line>(l);
                token.remove_prefix(code.size());
                break;
            }
        }
        const std::size_t dash = token.find('-');
        if (dash == std::string_view::npos)
            return std::nullopt;
        bool placed = false;
        for (int p = 0; p <= 4 && !placed; ++p) {
            if (token.substr(0, dash) == PlaceCode(static_cast<Place>(p))) {
                f.place = static_cast<Place>(p);
                placed = true;
            }
        }
        const std::string_view kind = token.substr(dash + 1);
        if (!placed)
            return std::nullopt;
        if (kind == "reken") {
            f.slip = Slip::Other;
        } else if (kind.starts_with("onthouden-") && kind.size() == 11 && kind[10] >= '1' && kind[10] <= '9') {
            f.slip = Slip::CarryForgotten;
            f.carry = kind[10] - '0';
        } else {
            return std::nullopt;
        }
        out.push_back(f);
    }
    return out;
}

std::string Describe(const ColumnFault& f) {
    static const char* const places[] = {"eenheden", "tientallen", "honderdtallen", "duizendtallen",
                                         "tienduizendtallen"};
    static const char* const lines[] = {"", "in de eerste rij: ", "in de tweede rij: ", "bij het optellen: "};
    std::string out = lines[static_cast<int>(f.line)];
    if (f.slip == Slip::CarryForgotten)
        out += "de " + std::to_string(f.carry) + " van onthouden vergeten";
    else
        out += f.line == Line::Sum ? "fout opgeteld" : "tafel- of rekenfout";
    return out + " bij de " + places[static_cast<int>(f.place)];
}

} // namespace zef
