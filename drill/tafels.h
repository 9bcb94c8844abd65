// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "drill/level.h"
#include "platform/screen.h"

class Maaltafels;

// The timed drill of one level: a minute of falling problems, counters and a verdict.
class Tafels : public mt::Screen {
public:
    Tafels(Maaltafels& app, Level level);

    mt::ControlArray<mt::Shape> shpTip;
    mt::ControlArray<mt::Button> cmdstarter;
    mt::PictureBox Picture1;
    // Before the mushroom, so that the mushroom covers a problem outside a run.
    mt::Label lblvalprobleem;
    mt::PictureBox Picpaddestoel;
    mt::TextBox txtAntwoord;
    mt::Button cmdoeifout, cmdstop, cmdrood, cmdgroen;
    mt::Timer tmrval, Tmrchrono;
    mt::Label Label6, Lblchrono, Label8;
    mt::Label Lbltotaal, Label1;
    mt::Label Label3, lblaantal, Label4, lblaantaljuist;
    mt::Label lblmult2, Label2, lbluitleg, lblrood;
    mt::ControlArray<mt::Label> lblTip;
    mt::Image Imgpotloodrood, Imgpotloodgroen, Imgpotloodgeel, Imgpotloodblauw;
    mt::Label lblmemo;
    mt::Image Image1, Image2;

    std::int16_t getal = 0, tafel = 0, uitkomst = 0, soort = 0, seconden = 0;
    std::int16_t juistreeks = 0, aantal = 0, aantaljuist = 0;
    // The trainer of this level reads it.
    std::string probleem;

    Level level() const { return m_level; }

    void Form_Load() override;
    void Form_MouseMove() override;
    void cmdstarter_Click(int index);
    void cmdstarter_MouseMove(int index);
    void tmrval_Timer();
    void Tmrchrono_Timer();
    void txtAntwoord_Change();
    void cmdoeifout_Click();
    void cmdrood_Click();
    void cmdgroen_Click();
    void cmdstop_Click();
    void cmdoeifout_MouseMove();
    void cmdrood_MouseMove();
    void cmdgroen_MouseMove();
    void cmdstop_MouseMove();

    mt::Control* wayBack() override { return &cmdstop; }

private:
    void nieuwprobleem();
    std::int16_t trekgetal();
    void beoordeel();

    Maaltafels& app;
    Level m_level;
};
