// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen.h"

class Maaltafels;

// The frame window: the program's start and its one menu.
class MDIForm2 : public mt::Screen {
public:
    explicit MDIForm2(Maaltafels& app);

    mt::Menu aftrek;
    mt::MenuItem aftrek2;

    void Form_Load() override;
    void aftrek2_Click();

    mt::CloseRule closeRule() const override { return mt::CloseRule::EndProgram; }

private:
    Maaltafels& app;
};
