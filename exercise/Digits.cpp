#include "exercise/Digits.h"

#include <algorithm>
#include <limits>

namespace zef {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool IsNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::string RepairBox(std::string_view text) {
    return IsNumber(text) ? std::string(text) : std::string("0");
}

Decimal::Decimal(unsigned long long value) : digits_(std::to_string(value)) {}

Decimal Decimal::FromText(std::string_view text) {
    Decimal result;
    if (!IsNumber(text))
        return result;
    const auto first = text.find_first_not_of('0');
    if (first != std::string_view::npos)
        result.digits_.assign(text.substr(first));
    return result;
}

long long Decimal::Saturated() const {
    constexpr long long most = std::numeric_limits<long long>::max();
    long long value = 0;
    for (char c : digits_) {
        const int digit = c - '0';
        if (value > (most - digit) / 10)
            return most;
        value = value * 10 + digit;
    }
    return value;
}

Decimal Decimal::Shifted(int places) const {
    Decimal result = *this;
    if (digits_ != "0" && places > 0)
        result.digits_.append(static_cast<std::size_t>(places), '0');
    return result;
}

Decimal Decimal::Times(unsigned factor) const {
    Decimal result;
    if (factor == 0 || digits_ == "0")
        return result;
    std::string out;
    unsigned long long carry = 0;
    for (auto it = digits_.rbegin(); it != digits_.rend(); ++it) {
        const unsigned long long step = static_cast<unsigned long long>(*it - '0') * factor + carry;
        out.push_back(static_cast<char>('0' + step % 10));
        carry = step / 10;
    }
    for (; carry > 0; carry /= 10)
        out.push_back(static_cast<char>('0' + carry % 10));
    result.digits_.assign(out.rbegin(), out.rend());
    return result;
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    std::string out;
    auto ia = a.digits_.rbegin();
    auto ib = b.digits_.rbegin();
    int carry = 0;
    while (ia != a.digits_.rend() || ib != b.digits_.rend() || carry > 0) {
        int step = carry;
        if (ia != a.digits_.rend())
            step += *ia++ - '0';
        if (ib != b.digits_.rend())
            step += *ib++ - '0';
        out.push_back(static_cast<char>('0' + step % 10));
        carry = step / 10;
    }
    Decimal result;
    result.digits_.assign(out.rbegin(), out.rend());
    return result;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    // Without leading zeros the longer text is the larger number.
    if (a.digits_.size() != b.digits_.size())
        return a.digits_.size() <=> b.digits_.size();
    return a.digits_.compare(b.digits_) <=> 0;
}

Decimal PlaceValueSum(std::initializer_list<std::string_view> boxesUnitsFirst) {
    Decimal total;
    int place = 0;
    for (std::string_view box : boxesUnitsFirst)
        total = total + Decimal::FromText(box).Shifted(place++);
    return total;
}

} // namespace zef
