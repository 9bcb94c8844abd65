// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/frmmaalplus.h"

#include "platform/numbers.h"

using namespace mt;

Frmmaalplus::Frmmaalplus(Maaltafels& a)
    : Produktbord(a, {.naam = "frmmaalplus",
                      .titel = "Vermenigvuldiging : hoeveel x",
                      .quotientLinks = operandRechts,
                      .wisnummers = false}),
      txtaantal1(*this, "txtaantal1", typvak(links)), cmdstart(*this, "cmdstart", startknop()),
      cmdfoutje(*this, "cmdfoutje", foutjeknop()), liniaal(*this) {
    focusFirst({&cmdstart, &txtaantal1, &cmdcontrole, &cmdfout, &cmdnieuw, &cmdfoutje, &cmdstop});
    cmdstart.Click = [this] { cmdstart_Click(); };
    cmdcontrole.Click = [this] { cmdcontrole_Click(); };
    cmdfout.Click = [this] { cmdfout_Click(); };
    cmdfoutje.Click = [this] { cmdfoutje_Click(); };
    txtaantal1.Click = [this] { txtaantal1_Click(); };
    cmdnieuw.Click = [this] { cmdnieuw_Click(); };
}

void Frmmaalplus::cmdstart_Click() {
    ruimop();
    trekoefening(true);
    tekenstroken();
    lblmaler.setCaption(numberText(tafel));
    kleurmaler();
    lblquotient.setCaption(numberText((laatsterij + 1) * tafel));
    nummerhonderdveld();
    kleurtafelvakken();
    cmdcontrole.setVisible(true);
    cmdstart.setVisible(false);
    txtaantal1.setFocus();
    cmdstop.setVisible(false);
}

void Frmmaalplus::cmdcontrole_Click() {
    if (leesantwoord(txtaantal1) == laatsterij + 1)
        goedstappen(true);
    else
        foutstappen();
}

void Frmmaalplus::cmdfout_Click() {
    cmdfout.setVisible(false);
    cmdcontrole.setVisible(true);
    txtaantal1.setText("");
    txtaantal1.setFocus();
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
}

void Frmmaalplus::cmdfoutje_Click() {
    txtaantal1.setText("");
    txtaantal1.setFocus();
}

void Frmmaalplus::txtaantal1_Click() {
    txtaantal1.setText("");
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
    cmdcontrole.setVisible(true);
}

void Frmmaalplus::cmdnieuw_Click() {
    wisbord();
    txtaantal1.setText("");
    cmdstart.setVisible(true);
    cmdnieuw.setVisible(false);
    cmdstart.setFocus();
    cmdstop.setVisible(true);
}
