// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rows.h"

#include <stdexcept>

#include "platform/numbers.h"

namespace learn {

namespace {

const std::string crlf = "\r\n";

std::string num(int n) {
    return mt::numberText(n);
}

} // namespace

const Stap& stapVanKnop(int knop) {
    for (const auto& s : stappen)
        if (s.knop == knop)
            return s;
    throw std::out_of_range("no step button " + num(knop));
}

std::string knoptekst(int knop) {
    return num(stapVanKnop(knop).maal) + " x ";
}

std::string nulrijtekst(int tafel) {
    return "0 x  " + std::string(" ") + num(tafel) + " =  " + "   " + "0";
}

std::string rijtekst(int maal, int tafel) {
    const std::string t = num(tafel);
    const std::string r = num(maal * tafel);
    const bool eencijfer = maal * tafel <= 9;
    switch (maal) {
    case 1:
        return " 1 x  " + std::string(" ") + t + " = " + "    " + r;
    case 2:
        if (eencijfer)
            return " 2 x " + std::string(" ") + t + " =  " + "  " + r;
        return " " + std::string(" 2 x ") + "   " + t + " =  " + " " + r;
    case 3:
        if (eencijfer)
            return " 3 x  " + std::string(" ") + t + " =  " + " " + r;
        return " " + std::string(" 3 x  ") + " " + t + " =   " + " " + r;
    case 10:
        return "10 x" + std::string("  ") + t + " =   " + "  " + r;
    case 5:
        if (eencijfer)
            return " " + std::string(" 5 x  ") + " " + t + " =  " + "   " + r;
        return " 5 x  " + std::string(" ") + t + " =  " + "  " + r;
    default: // 4, 6, 7, 8 and 9 x share one form
        return " " + num(maal) + " x  " + " " + t + " =  " + "  " + r;
    }
}

std::string uitleg(int maal, int tafel) {
    const std::string t = num(tafel);
    auto x = [tafel](int m) { return num(m * tafel); };
    switch (maal) {
    case 9:
        return crlf + " trek 1 x " + t + " af " + crlf + " van 10 x " + t + crlf + crlf + x(10) + " - " + t +
               " = " + x(9);
    case 5:
        return crlf + " 5 x " + t + crlf + " is de helft van" + crlf + " 10 x " + t + crlf + crlf + x(10) +
               " : 2 = " + x(5);
    case 4:
        return crlf + " trek 1 x " + t + " af " + crlf + " van 5 x " + t + crlf + crlf + x(5) + " - " + t +
               " = " + x(4);
    case 6:
        return crlf + " tel 1 x " + t + crlf + " bij 5 x " + t + crlf + crlf + x(5) + " + " + t + " = " +
               x(6);
    case 7:
    case 8: {
        const int deel = maal - 5;
        return crlf + " tel 5 x " + t + crlf + " en " + num(deel) + " x " + t + crlf + "samen" + crlf + crlf +
               x(5) + " + " + x(deel) + " = " + x(maal);
    }
    default:
        return {};
    }
}

} // namespace learn
