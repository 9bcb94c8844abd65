// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "platform/screen.h"

class Maaltafels;

// What the two learning screens share: the sheet of eleven rows, the step buttons and the hint.
class Leertafel : public mt::Screen {
public:
    // Where the two screens differ: whether the random start is offered, where their buttons stand.
    struct Plaats {
        bool start; // cmdstart shown
        int stoptop, stophoogte;
        int leertop;
        bool eindgroen; // the row of the last step stays green
    };

    Leertafel(Maaltafels& app, const char* name, Plaats plaats);

    mt::Shape Shape1, Shape2, Shape3, Shape4;
    mt::Label lbluitleg, lblmult1;
    mt::ControlArray<mt::Label> lblmemo;
    mt::Button cmdstart;
    mt::ControlArray<mt::Button> cmdleer;
    mt::Button cmdstop;
    mt::Image Image2;

    std::int16_t tafel = 0;
    std::int16_t uitkomst = 0;

    void cmdleer_Click(int index);
    void cmdstop_Click();

    mt::Control* wayBack() override { return &cmdstop; }

protected:
    // Empties the sheet and writes the 0 x row of the new table; then the first step waits.
    void begintafel(int nieuw);
    void herstelrijen();
    void herstelscherm();
    // After the last step: what comes back to start again.
    virtual void tafelklaar() = 0;

    Maaltafels& app;

private:
    const bool eindgroen;
};
