// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen.h"

class Maaltafels;

// The level choice of the timed drill: units, tens or hundreds, or back to the choice board.
class FrmSplash : public mt::Screen {
public:
    explicit FrmSplash(Maaltafels& app);

    mt::Frame Frame1;
    mt::Button cmdvervoer, cmdhuis, cmdik, Command1;
    mt::Label lblProductName;
    mt::Image imgLogo;

    void Form_Load() override;
    void cmdvervoer_Click();
    void cmdhuis_Click();
    void cmdik_Click();
    void Command1_Click();

    mt::Control* wayBack() override { return &Command1; }

private:
    Maaltafels& app;
};
