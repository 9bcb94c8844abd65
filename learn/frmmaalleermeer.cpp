// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/frmmaalleermeer.h"

#include <utility>
#include <vector>

#include "platform/numbers.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

// Three columns of three: 2 3 4, 5 6 7, 8 9 10.
std::vector<std::pair<int, Design>> tafelknoppen() {
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 8; ++i)
        out.push_back({i,
                       {.left = 120 + 1140 * (i / 3),
                        .top = 5880 + 480 * (i % 3),
                        .width = 975,
                        .height = 375,
                        .caption = numberText(i + 2),
                        .back = Color::rgb(0, 255, 0),
                        .fore = Color::rgb(0, 0, 128),
                        .font = {.family = "Arial", .points = 12, .bold = true}}});
    return out;
}

} // namespace

Frmmaalleermeer::Frmmaalleermeer(Maaltafels& a)
    : Leertafel(a, "frmmaalleermeer",
                // The random start is not offered here: the table buttons take its place.
                {.start = false, .stoptop = 7320, .stophoogte = 525, .leertop = 6360, .eindgroen = false}),
      cmdstarten(*this, "cmdstarten", tafelknoppen()) {
    cmdstarten.onClick([this](int i) { cmdstarten_Click(i); });
}

void Frmmaalleermeer::Form_Load() {
    centre();
}

void Frmmaalleermeer::Form_Activate() {
    centre();
}

void Frmmaalleermeer::cmdstarten_Click(int index) {
    cmdstop.setVisible(false);
    cmdstart.setVisible(false);
    herstelscherm();
    // The button's caption is the table.
    const auto gekozen = toInt16(cmdstarten(index).caption());
    for (int i = 0; i <= 8; ++i)
        cmdstarten(i).setVisible(false);
    begintafel(gekozen.value_or(0));
}

void Frmmaalleermeer::tafelklaar() {
    cmdstop.setVisible(true);
    for (int i = 0; i <= 8; ++i)
        cmdstarten(i).setVisible(true);
}
