// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/herhaling.h"

#include <algorithm>
#include <array>

namespace automation {

namespace {

// The lines of tables 2..10 as the children know them from the wall chart, blanks and all.
constexpr std::array<std::array<const char*, 10>, 9> regels{{
    {{"  1 x 2  =     2 ", "  2 x 2  =     4 ", "  3 x 2  =     6 ", "  4 x 2  =     8 ", "   5 x 2  =   10 ",
      "   6 x 2  =   12 ", "   7 x 2  =   14 ", "   8 x 2  =   16 ", "   9 x 2  =   18 ",
      "  10 x 2  =   20 "}},
    {{"    1 x 3 =    3 ", "    2 x 3 =    6 ", "    3 x 3 =    9 ", "    4 x 3 =   12 ", "    5 x 3 =   15 ",
      "    6 x 3 =   18 ", "    7 x 3 =   21 ", "    8 x 3 =   24 ", "    9 x 3 =   27 ",
      "   10 x 3 =   30 "}},
    {{"  1 x 4 =    4 ", "  2 x 4 =    8 ", "  3 x 4 =   12 ", "  4 x 4 =   16 ", "  5 x 4 =   20 ",
      "  6 x 4 =   24 ", "  7 x 4 =   28 ", "  8 x 4 =   32 ", "  9 x 4 =   36 ", " 10 x 4 =   40 "}},
    {{" 1 x 5 =     5 ", "  2 x 5 =   10 ", "  3 x 5 =   15 ", "  4 x 5 =   20 ", "  5 x 5 =   25 ",
      "  6 x 5 =   30 ", "  7 x 5 =   35 ", "  8 x 5 =   40 ", "  9 x 5 =   45 ", " 10 x 5 =   50 "}},
    {{" 1 x 6 =     6 ", "  2 x 6 =   12 ", "  3 x 6 =   18 ", "  4 x 6 =   24 ", "  5 x 6 =   30 ",
      "  6 x 6 =   36 ", "  7 x 6 =   42 ", "  8 x 6 =   48 ", "  9 x 6 =   54 ", " 10 x 6 =   60 "}},
    {{"  1 x 7 =     7 ", "  2 x 7 =   14 ", "  3 x 7 =   21 ", "  4 x 7 =   28 ", "  5 x 7 =   35 ",
      "  6 x 7 =   42 ", "  7 x 7 =   49 ", "  8 x 7 =   56 ", "  9 x 7 =   63 ", " 10 x 7 =   70 "}},
    {{" 1 x 8 =     8 ", "  2 x 8 =   16 ", "  3 x 8 =   24 ", "  4 x 8 =   32 ", "  5 x 8 =   40 ",
      "  6 x 8 =   48 ", "  7 x 8 =   56 ", "  8 x 8 =   64 ", "  9 x 8 =   72 ", " 10 x 8 =   80 "}},
    {{" 1 x 9 =     9 ", "  2 x 9 =   18 ", "  3 x 9 =   27 ", "  4 x 9 =   36 ", "  5 x 9 =   45 ",
      "  6 x 9 =   54 ", "  7 x 9 =   63 ", "  8 x 9 =   72 ", "  9 x 9 =   81 ", " 10 x 9 =   90 "}},
    {{"  1 x 10 =   10 ", "  2 x 10 =   20 ", "  3 x 10 =   30 ", "  4 x 10 =   40 ", "  5 x 10 =   50 ",
      "  6 x 10 =   60 ", "  7 x 10 =   70 ", "  8 x 10 =   80 ", "  9 x 10 =   90 ", " 10 x 10 = 100 "}},
}};

constexpr const char* streep = " ________________________";

} // namespace

std::string herhaallijst(int tafel) {
    if (tafel < 2 || tafel > 10)
        return {};
    const auto& lijnen = regels[static_cast<std::size_t>(tafel - 2)];
    std::string tekst = std::string(" even herhalen ") + streep + "\r\n" + lijnen[0];
    for (std::size_t n = 1; n < lijnen.size(); ++n)
        tekst += std::string("\r\n") + lijnen[n];
    return tekst + streep;
}

int beloningen(int juist) {
    if (juist < 1)
        return 0;
    return 2 * std::min(juist, 10) - 1;
}

Rechthoek rechthoek(int rijen, int kolommen) {
    Rechthoek r;
    if (rijen < 1 || rijen > 10 || kolommen < 1 || kolommen > 10)
        return r;
    r.rijen = rijen;
    r.kolommen = kolommen;
    for (int rij = 1; rij <= rijen; ++rij)
        r.rechts.push_back(rij * kolommen);
    for (int kolom = 1; kolom <= kolommen; ++kolom)
        r.onder.push_back(rijen * kolom);
    return r;
}

} // namespace automation
