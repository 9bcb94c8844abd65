// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product/produktbord.h"

// How many times: ? X 7 = 21. The child counts the terms, the bars or the coloured cells and
// types the factor.
class Frmmaalplus : public Produktbord {
public:
    explicit Frmmaalplus(Maaltafels& app);

    mt::TextBox txtaantal1;
    mt::Button cmdstart, cmdfoutje;
    Liniaal liniaal;

    void cmdstart_Click();
    void cmdcontrole_Click();
    void cmdfout_Click();
    void cmdfoutje_Click();
    void txtaantal1_Click();
    void cmdnieuw_Click();
};
