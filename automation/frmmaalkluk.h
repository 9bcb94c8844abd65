// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "platform/screen.h"

class Maaltafels;

// The ten-by-ten product grid: a number of rows on the left, a number of columns on top, "=",
// and the product stands there as a rectangle of bars with its running products along two edges.
class Frmmaalkluk : public mt::Screen {
public:
    explicit Frmmaalkluk(Maaltafels& app);

    mt::Shape Shape1, Shape2, Shape3;
    mt::Frame Frame1;
    mt::Button Command1;
    mt::ControlArray<mt::Button> cmdmaler;
    mt::Button cmdgelijk;
    mt::ControlArray<mt::Button> Cmd1;
    mt::ControlArray<mt::Label> Lbl100veld;
    mt::ControlArray<mt::Shape> shp1, shp2, shp3, shp4, shp5, shp6, shp7, shp8, shp9, shp10;
    mt::ControlArray<mt::Button> cmdprodukt, cmdprod;
    mt::Label lblgetal1, lblmaal, lblgetal2, lblgelijkteken, lbluitkomst;
    mt::Label lblmult1, lblmult2;
    mt::Label lbluitleg;
    mt::Image Image1;
    mt::Image imgpijl1, imgpijl2, imgpijl3;
    mt::Button cmdstop;
    mt::Image Image2;

    std::int16_t getal1 = 0, getal2 = 0, uitkomst = 0;

    void Form_Load() override;
    void Cmd1_Click(int index);
    void cmdmaler_Click(int index);
    void cmdgelijk_Click();
    void cmdstop_Click();

    mt::Control* wayBack() override { return &cmdstop; }

    // The bars of column count 1..10.
    mt::ControlArray<mt::Shape>& staven(int kolommen);

private:
    void wisrooster();
    void toonrechthoek();

    Maaltafels& app;
};
