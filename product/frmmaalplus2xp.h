// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product/productgetallen.h"

// The products of a chosen table: 6 X 7 = ?, the child clicks the product in a hundred field
// in which only the product numbers are left, and may ask for a hint.
class Frmmaalplus2xp : public Productgetallen {
public:
    explicit Frmmaalplus2xp(Maaltafels& app);

    mt::Label lblproduct, lblklik;
    mt::Button cmdhelp;
    mt::Label lblhelp;

    void lbl100veld_Click(int index);
    void cmdcontrole_Click();
    void cmdfout_Click();
    void lblproduct_Click();
    void cmdhelp_Click();
    void cmdnieuw_Click();

protected:
    void cmdx_Click(int k) override;

private:
    // Offers the hint for factors 4..9 only.
    void toonhulpknop();
};
