// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "platform/screen.h"

class Maaltafels;

// The about screen: who made the program, a scrolling status line, and the end of the program.
class Frminfo : public mt::Screen {
public:
    explicit Frminfo(Maaltafels& app);

    mt::Frame Frame1;
    mt::Image imgides;
    mt::Label lblmemo, Lblidee, lbladres1, lblmail, Lblwebinfo, lblinstituut, lblmening, lblgeld;
    mt::Image Imgzon, Image3, Image4;
    mt::Timer Timer1;
    mt::StatusBar StatusBar1;
    mt::ProgressBar ProgressBar1;

    std::int32_t teller = 0;

    void Form_Load() override;
    void Form_Activate() override;
    void Timer1_Timer();

    mt::CloseRule closeRule() const override { return mt::CloseRule::EndProgram; }

private:
    // Puts the progress bar into the second panel of the status line, or takes it away.
    void plaatsvoortgang(bool show);
    // The progress bar from 0 to 150 in its panel, and the timer running.
    void startvoortgang();

    Maaltafels& app;
};
