#include "exercise/TimesTable.h"

#include <algorithm>

#include "exercise/Digits.h"

namespace zef {

const std::vector<int> EasyFactors = {0, 1, 2, 3, 5, 10};
const std::vector<int> HardFactors = {4, 6, 7, 8, 9};

const std::vector<int> TableProducts = [] {
    std::vector<int> products{0};
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            products.push_back(a * b);
    std::sort(products.begin(), products.end());
    products.erase(std::unique(products.begin(), products.end()), products.end());
    return products;
}();

std::string TimesTableText(std::string_view T) {
    const Decimal value = Decimal::FromText(T);
    std::string text;
    for (unsigned k = 0; k <= 10; ++k) {
        if (k > 0)
            text += "\r\n";
        text += "   ";
        if (k < 10)
            text += ' '; // the factor always takes two characters
        text += std::to_string(k);
        text += " x ";
        text += T;
        text += " = ";
        text += value.Times(k).Text();
    }
    return text;
}

std::string QuestionListText(const std::vector<int>& factors, int n) {
    std::string text;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const bool shortIndent = i == 0 && factors[i] == 0 && n != 6;
        text += shortIndent ? "  " : "   ";
        text += std::to_string(factors[i]) + " x " + std::to_string(n) + "= ?\r\n";
    }
    return text;
}

std::vector<int> MultiplesOf(int n) {
    std::vector<int> multiples;
    for (int k = 0; k <= 10; ++k)
        multiples.push_back(k * n);
    return multiples;
}

} // namespace zef
