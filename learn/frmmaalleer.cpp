// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/frmmaalleer.h"

#include "platform/numbers.h"
#include "shell/maaltafels.h"

using namespace mt;

Frmmaalleer::Frmmaalleer(Maaltafels& a)
    : Leertafel(a, "frmmaalleer",
                {.start = true, .stoptop = 6840, .stophoogte = 735, .leertop = 6000, .eindgroen = true}) {
    cmdstart.Click = [this] { cmdstart_Click(); };
}

void Frmmaalleer::Form_Load() {
    centre();
}

void Frmmaalleer::cmdstart_Click() {
    cmdstop.setVisible(false);
    cmdstart.setVisible(false);
    herstelscherm();
    app.randomize();
    begintafel(static_cast<int>(intPart(app.rnd() * 9 + 1)));
}

void Frmmaalleer::tafelklaar() {
    cmdstart.setVisible(true);
    cmdstop.setVisible(true);
}
