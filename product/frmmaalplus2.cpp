// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/frmmaalplus2.h"

using namespace mt;

Frmmaalplus2::Frmmaalplus2(Maaltafels& a)
    : Productgetallen(a, "frmmaalplus2", false), txtaantal1(*this, "txtaantal1", typvak(operandRechts)),
      cmdfoutje(*this, "cmdfoutje", foutjeknop()) {
    focusFirst({&cmdkies, &cmdx2, &cmdx3, &cmdx4, &cmdx5, &cmdx6, &cmdx7, &cmdx8, &cmdx9, &cmdx10,
                &txtaantal1, &cmdcontrole, &cmdfout, &cmdnieuw, &cmdfoutje, &cmdstop});
    cmdcontrole.Click = [this] { cmdcontrole_Click(); };
    cmdfout.Click = [this] { cmdfout_Click(); };
    cmdfoutje.Click = [this] { cmdfoutje_Click(); };
    txtaantal1.Click = [this] { txtaantal1_Click(); };
    cmdnieuw.Click = [this] { cmdnieuw_Click(); };
}

void Frmmaalplus2::cmdx_Click(int k) {
    kiestafel(k);
    nummerhonderdveld();
    kleurtafelvakken();
    cmdcontrole.setVisible(true);
    txtaantal1.setFocus();
    cmdstop.setVisible(false);
}

void Frmmaalplus2::cmdcontrole_Click() {
    if (leesantwoord(txtaantal1) == (laatsterij + 1) * tafel) {
        goedstappen(false);
    } else {
        foutstappen();
        kleurtafelvakken();
    }
}

void Frmmaalplus2::cmdfout_Click() {
    cmdfout.setVisible(false);
    cmdcontrole.setVisible(true);
    txtaantal1.setText("");
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
}

void Frmmaalplus2::cmdfoutje_Click() {
    txtaantal1.setText("");
    txtaantal1.setFocus();
}

void Frmmaalplus2::txtaantal1_Click() {
    txtaantal1.setText("");
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
    cmdcontrole.setVisible(true);
    cmdfout.setVisible(false);
}

void Frmmaalplus2::cmdnieuw_Click() {
    wisbord();
    txtaantal1.setText("");
    cmdnieuw.setVisible(false);
    cmdstop.setVisible(true);
    vrijgeefknoppen();
    cmdkies.setFocus();
}
