// SPDX-License-Identifier: GPL-3.0-or-later
#include "aklas/beurt.h"

#include <algorithm>

#include "platform/numbers.h"

namespace aklas {

namespace {

constexpr const char* crlf = "\r\n";

std::string vraag(const char* voor, int maal, int tafel) {
    return voor + mt::numberText(maal) + " x " + mt::numberText(tafel) + "= ?" + crlf;
}

} // namespace

const std::vector<int>& productcellen() {
    static const std::vector<int> cells = [] {
        std::vector<int> out;
        for (int c = 0; c < cellen; ++c)
            for (int a = 1; a <= 10; ++a)
                if (c % a == 0 && c / a <= 10) {
                    out.push_back(c);
                    break;
                }
        return out;
    }();
    return cells;
}

bool isProductcel(int cel) {
    const auto& p = productcellen();
    return std::binary_search(p.begin(), p.end(), cel);
}

std::array<int, 11> veelvouden(int tafel) {
    std::array<int, 11> out{};
    for (int k = 0; k <= 10; ++k)
        out[static_cast<std::size_t>(k)] = tafel * k;
    return out;
}

std::string makkelijkeVragen(int tafel) {
    // The first line has one blank less, except for table 6.
    std::string out = vraag(tafel == 6 ? "   " : "  ", 0, tafel);
    for (int maal : {1, 2, 3, 5, 10})
        out += vraag("   ", maal, tafel);
    return out;
}

std::string moeilijkeVragen(int tafel) {
    std::string out;
    for (int maal : {4, 6, 7, 8, 9})
        out += vraag("   ", maal, tafel);
    return out;
}

std::string antwoorden(std::string_view tafel) {
    // The current table is always a text the trainer set itself, "0" to "10".
    const int n = mt::toInt16(tafel).value_or(0);
    std::string out;
    for (int k = 0; k <= 10; ++k) {
        if (k > 0)
            out += crlf;
        out += "   ";
        out += k < 10 ? " " + mt::numberText(k) : mt::numberText(k);
        out += " x ";
        out += tafel;
        out += " = ";
        out += k == 0 ? "0" : mt::numberText(n * k);
    }
    return out;
}

std::string hint(std::string_view tafel) {
    // "klik op", then three blanks before the x.
    std::string out = "klik op ";
    out += " ";
    out += " x ";
    out += tafel;
    out += crlf;
    out += " zo leer je 1 minuut de tafel van ";
    out += tafel;
    return out;
}

Beurt::Beurt() {
    kleur.fill(neutraal);
}

void Beurt::reset() {
    keuze = true;
    tafel = "0";
    antwoord = false;
    for (int c : productcellen())
        kleur[static_cast<std::size_t>(c)] = neutraal;
    vragen = false;
    fase = Fase::Kiezen;
}

void Beurt::kies(int n) {
    for (int c : veelvouden(n))
        kleur[static_cast<std::size_t>(c)] = opgelicht;
    tafel = mt::numberText(n);
    keuze = false;
    terug = false;
    vragen = true;
    fase = Fase::Tonen;
}

void Beurt::bedek(int n) {
    for (int c : veelvouden(n))
        kleur[static_cast<std::size_t>(c)] = bedekt;
    antwoord = true;
    fase = Fase::Bedekt;
}

void Beurt::einde() {
    keuze = true;
    terug = true;
    antwoord = true;
    fase = Fase::Kiezen;
}

} // namespace aklas
