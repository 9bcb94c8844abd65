// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product/productgetallen.h"

// The products of a chosen table: 6 X 7 = ?, the child types the product.
class Frmmaalplus2 : public Productgetallen {
public:
    explicit Frmmaalplus2(Maaltafels& app);

    mt::TextBox txtaantal1;
    mt::Button cmdfoutje;

    void cmdcontrole_Click();
    void cmdfout_Click();
    void cmdfoutje_Click();
    void txtaantal1_Click();
    void cmdnieuw_Click();

protected:
    void cmdx_Click(int k) override;
};
