// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "platform/screen.h"

class Maaltafels;

// Tens and units times units: 47 x 3 worked as 40 x 3 and 7 x 3, each checked, then added.
class FrmmaalTE : public mt::Screen {
public:
    explicit FrmmaalTE(Maaltafels& app);

    mt::Shape Shape1, Shape3, Shape2;
    mt::Image imgpijl1;
    mt::Button cmdTE;
    mt::Image imgpijl2;
    mt::Button cmdT, cmdE;
    mt::Image imgpijl3;
    mt::TextBox txtT;
    mt::Button cmdplus;
    mt::TextBox txtE;
    mt::Label lbluitkomst;
    mt::Image imgpijlstart;
    mt::Button cmdstart, cmdstop;
    mt::Label lblT, lblE;
    mt::Image Image1;

    std::int16_t tiencijfer = 0, tienwaarde = 0, eenheid = 0, tegetal = 0, maalgetal = 0;
    std::int16_t deelT = 0, deelE = 0, som = 0;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstart_Click();
    void cmdTE_Click();
    void txtT_Change();
    void txtE_Change();
    void txtT_Click();
    void txtE_Click();
    void cmdT_Click();
    void cmdE_Click();
    void cmdplus_Click();
    void cmdstop_Click();

    mt::Control* wayBack() override { return &cmdstop; }

private:
    void herstel();
    // Shows the add button once both parts of this exercise are accepted and still read right.
    void teltest();
    // A part is done when it was accepted and its box still reads the right answer.
    static bool klaar(bool aanvaard, const mt::TextBox& antwoord, const mt::Label& juist);
    // An accepted part whose text is changed afterwards has to be checked again.
    void opnieuw(mt::TextBox& box, mt::Button& check, const mt::Label& juist, bool& aanvaard);

    Maaltafels& app;
    bool aanvaardT = false, aanvaardE = false;
};
