#include "learn/frmmaalleer.h"

#include "platform/numbers.h"
#include "shell/maaltafels.h"

using namespace mt;

Frmmaalleer::Frmmaalleer(Maaltafels& a)
    : Leertafel(a, "frmmaalleer",
                {.cmdstart = {.left = 120,
                              .top = 6000,
                              .width = 1455,
                              .height = 735,
                              .picture = "learn/start",
                              .tip = "start",
                              .back = Color::rgb(192, 0, 192)},
                 .cmdstop = {.left = 120,
                             .top = 6840,
                             .width = 1455,
                             .height = 735,
                             .picture = "learn/stop",
                             .tip = "STOP",
                             .back = Color::rgb(128, 0, 0)},
                 .leertop = 6000,
                 .eindgroen = true}) {
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
