// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product/produktbord.h"

// Products of every table at random: 6 X 7 = ?, answered by clicking the product in a hundred
// field in which only the product numbers are left.
class Frmmaalplusalles : public Produktbord {
public:
    explicit Frmmaalplusalles(Maaltafels& app);

    mt::Label lbluitkomst, lblklik;
    mt::Button cmdstart;
    Liniaal liniaal;

    void cmdstart_Click();
    void lbl100veld_Click(int index);
    void cmdcontrole_Click();
    // cmdfout and a click on lbluitkomst do the same.
    void cmdfout_Click();
    void cmdnieuw_Click();
};
