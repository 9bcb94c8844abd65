// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "platform/screen.h"

class Maaltafels;

// The choice board: one button per exercise mode, a stop button and a picture carousel.
class Frmbasis : public mt::Screen {
public:
    explicit Frmbasis(Maaltafels& app);

    mt::Shape Shape1;
    mt::Image imgmeisje, imgwit, imgchinees, imgkleur, imgkleur2, imgkleur3;
    mt::Image Image2;
    mt::Button Command2, Command3, Command4, cmdkwartier, Command8, Command1, Command5, Command9, Command6,
        Command7;
    mt::Button cmdeinde;

    mt::Control* wayBack() override { return &cmdeinde; }

private:
    // Every button: show its screen, hide the board, and maybe switch the frame window on.
    void open(std::string_view target, bool frameOn);
    // Every picture: hide it and show the next one.
    void volgende(mt::Image& clicked, mt::Image& next);

    Maaltafels& app;
};
