// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/frmmaalplus2xp.h"

#include "product/regels.h"

using namespace mt;

Frmmaalplus2xp::Frmmaalplus2xp(Maaltafels& a)
    : Productgetallen(a, "frmmaalplus2xp", true), lblproduct(*this, "lblproduct", klikvak()),
      lblklik(*this, "lblklik", klikregel()), cmdhelp(*this, "cmdhelp",
                                                      {.left = 4860,
                                                       .top = knoppenTop,
                                                       .width = 780,
                                                       .height = 660,
                                                       .picture = "product/help",
                                                       .tip = "help",
                                                       .visible = false,
                                                       .back = Color::rgb(193, 255, 132)}),
      lblhelp(*this, "lblhelp",
              {.left = 660,
               .top = hulpTop,
               .width = 10560,
               .height = 420,
               .visible = false,
               .back = Color::rgb(255, 255, 200),
               .fore = Color::rgb(0, 0, 128),
               .font = {.family = "Comic Sans MS", .points = 13, .bold = true}}) {
    focusFirst({&cmdkies, &cmdx2, &cmdx3, &cmdx4, &cmdx5, &cmdx6, &cmdx7, &cmdx8, &cmdx9, &cmdx10,
                &cmdcontrole, &cmdfout, &cmdhelp, &cmdnieuw, &cmdstop});
    lbl100veld.onClick([this](int i) { lbl100veld_Click(i); });
    cmdcontrole.Click = [this] { cmdcontrole_Click(); };
    cmdfout.Click = [this] { cmdfout_Click(); };
    lblproduct.Click = [this] { lblproduct_Click(); };
    cmdhelp.Click = [this] { cmdhelp_Click(); };
    cmdnieuw.Click = [this] { cmdnieuw_Click(); };
}

void Frmmaalplus2xp::toonhulpknop() {
    if (laatsterij >= 3 && laatsterij <= 8)
        cmdhelp.setVisible(true);
}

void Frmmaalplus2xp::cmdx_Click(int k) {
    kiestafel(k);
    nummerhonderdveld();
    // The ten table keeps every number and offers no hint.
    if (k != 10) {
        lblklik.setVisible(true);
        toonproductgetallen();
        toonhulpknop();
    }
    cmdcontrole.setVisible(true);
    cmdstop.setVisible(false);
}

void Frmmaalplus2xp::lbl100veld_Click(int index) {
    lblproduct.setCaption(lbl100veld(index).caption());
}

void Frmmaalplus2xp::cmdcontrole_Click() {
    if (leesantwoord(lblproduct) == (laatsterij + 1) * tafel) {
        goedstappen(false);
        cmdhelp.setVisible(false);
    } else {
        foutstappen();
        kleurtafelvakken();
    }
}

void Frmmaalplus2xp::cmdfout_Click() {
    cmdfout.setVisible(false);
    cmdcontrole.setVisible(true);
    lblproduct.setCaption("");
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
}

void Frmmaalplus2xp::lblproduct_Click() {
    lblproduct.setCaption("");
    cmdfout.setVisible(false);
    cmdcontrole.setVisible(true);
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
}

void Frmmaalplus2xp::cmdhelp_Click() {
    lblhelp.setVisible(true);
    cmdhelp.setVisible(false);
    if (std::string zin = product::hulpzin(laatsterij + 1, tafel); !zin.empty())
        lblhelp.setCaption(std::move(zin));
}

void Frmmaalplus2xp::cmdnieuw_Click() {
    wisbord();
    for (int i = 0; i <= 50; ++i)
        imgvoet(i).setVisible(false);
    lblhelp.setCaption("");
    lblhelp.setVisible(false);
    lblklik.setVisible(false);
    imggoed.setVisible(false);
    lblproduct.setCaption("");
    cmdnieuw.setVisible(false);
    cmdstop.setVisible(true);
    vrijgeefknoppen();
    cmdkies.setFocus();
}
