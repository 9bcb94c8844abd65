// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/regels.h"

#include "platform/numbers.h"

namespace product {

std::string hulpzin(int factor, int tafel) {
    const std::string k = mt::numberText(tafel);
    auto maal = [tafel](int n) { return mt::numberText(n * tafel); };
    switch (factor) {
    case 4:
        return " denk eerst aan 5 x " + k + " = " + maal(5) + " en trek er 1 x " + k + " = " + k + " af ";
    case 5:
        return " denk eerst aan 10 x " + k + " = " + maal(10) + " en neem dan de helft ";
    case 6:
        return " denk eerst aan 5 x " + k + " = " + maal(5) + " en tel er 1 x " + k + " = " + k + " bij ";
    case 7:
        return " denk eerst aan 5 x " + k + " = " + maal(5) + " en dan aan 2 x " + k + " = " + maal(2) +
               ".  Tel samen.";
    case 8:
        return " denk eerst aan 5 x " + k + " = " + maal(5) + " en dan aan 3 x " + k + " = " + maal(3) +
               ".  Tel samen.";
    case 9:
        return " denk eerst aan 10 x " + k + " = " + maal(10) + " en trek er 1 x " + k + " = " + k + " af ";
    default:
        return {};
    }
}

std::string gelezen(std::string_view tekst) {
    return mt::isNumeric(tekst) ? std::string(tekst) : "0";
}

mt::Decimal antwoordwaarde(std::string_view tekst) {
    return mt::toDecimal(tekst).value_or(mt::Decimal{});
}

} // namespace product
