// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "aklas/beurt.h"
#include "drill/level.h"
#include "platform/screen.h"

class Maaltafels;
class Tafels;

// The A-klas trainer of one level: a table lights up on the hundred field, is covered after
// 10 seconds and ends after 15; "terug" resumes the drill where it stopped.
class Aklas : public mt::Screen {
public:
    Aklas(Maaltafels& app, Level level);

    mt::Image Image3;
    mt::Label Label1, Label2, Lbltrainer2, lbltrainer3;
    mt::Label lblinfor, Lblinaklas;
    mt::Image Image1;
    mt::Label Lbltrainer;
    mt::Image Image2;
    mt::ControlArray<mt::Shape> shpTip;
    mt::Label lblmededeling;
    mt::Frame Frmveld;
    mt::ControlArray<mt::Line> Line1, Line2; // the grid between the cells, vertical and horizontal
    mt::ControlArray<mt::TextBox> Text2;
    mt::Label Lbl100veld;
    mt::Frame Frmkiestafel;
    std::array<std::unique_ptr<mt::Button>, 10> Cmd; // Cmd1 .. Cmd10
    mt::Label Label3;
    mt::Image Image4;
    mt::TextBox txtgetal2;
    std::array<std::unique_ptr<mt::Timer>, 10> Timer; // Timer1 .. Timer10
    mt::Timer Timerreset;
    mt::Button Cmdterug;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& keyAscii) override;
    void Cmd_Click(int n);
    void Timer_Timer(int n);
    void Timerreset_Timer();
    void txtgetal2_Change();
    void Cmdterug_Click();
    void Image1_MouseMove();
    void Lblinaklas_MouseMove();

    mt::Control* wayBack() override { return &Cmdterug; }

private:
    void rooster();
    void reset();
    // Puts the turn's state on the controls.
    void toon();
    Tafels& partner();

    Maaltafels& app;
    Level m_level;
    aklas::Beurt beurt;
};
