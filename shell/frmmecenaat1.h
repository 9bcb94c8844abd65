// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen.h"

class Maaltafels;

// The welcome screen with its one start button.
class Frmmecenaat1 : public mt::Screen {
public:
    explicit Frmmecenaat1(Maaltafels& app);

    mt::ControlArray<mt::Frame> Frame1;
    mt::Shape Shape3;
    mt::ControlArray<mt::Image> Image1;
    mt::Label Label11;
    mt::Button cmdkombinnen;
    mt::Label lblpartner2;
    mt::Label Label5;
    mt::Label Label4;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdkombinnen_Click();

    mt::CloseRule closeRule() const override { return mt::CloseRule::EndProgram; }

private:
    Maaltafels& app;
};
