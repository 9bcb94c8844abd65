// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/frmmaalplusalles.h"

#include "platform/numbers.h"

using namespace mt;

Frmmaalplusalles::Frmmaalplusalles(Maaltafels& a)
    : Produktbord(a, {.naam = "frmmaalplusalles",
                      .titel = "Vermenigvuldiging : alle tafels oefenen",
                      .quotientLinks = links,
                      .wisnummers = true}),
      lbluitkomst(*this, "lbluitkomst", klikvak()), lblklik(*this, "lblklik", klikregel()),
      cmdstart(*this, "cmdstart", startknop()), liniaal(*this) {
    focusFirst({&cmdstart, &cmdcontrole, &cmdfout, &cmdnieuw, &cmdstop});
    cmdstart.Click = [this] { cmdstart_Click(); };
    lbl100veld.onClick([this](int i) { lbl100veld_Click(i); });
    cmdcontrole.Click = [this] { cmdcontrole_Click(); };
    cmdfout.Click = [this] { cmdfout_Click(); };
    lbluitkomst.Click = [this] { cmdfout_Click(); };
    cmdnieuw.Click = [this] { cmdnieuw_Click(); };
}

void Frmmaalplusalles::cmdstart_Click() {
    ruimop();
    trekoefening(true);
    tekenstroken();
    lblmaler.setCaption(numberText(tafel));
    kleurmaler();
    lblquotient.setCaption(numberText(laatsterij + 1));
    nummerhonderdveld();
    toonproductgetallen();
    cmdcontrole.setVisible(true);
    cmdstart.setVisible(false);
    cmdstop.setVisible(false);
    lblklik.setVisible(true);
}

void Frmmaalplusalles::lbl100veld_Click(int index) {
    lbluitkomst.setCaption(lbl100veld(index).caption());
}

void Frmmaalplusalles::cmdcontrole_Click() {
    if (leesantwoord(lbluitkomst) == (laatsterij + 1) * tafel) {
        goedstappen(true);
        lblklik.setVisible(false);
    } else {
        foutstappen();
        kleurtafelvakken();
    }
}

void Frmmaalplusalles::cmdfout_Click() {
    cmdfout.setVisible(false);
    cmdcontrole.setVisible(true);
    lbluitkomst.setCaption("");
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
}

void Frmmaalplusalles::cmdnieuw_Click() {
    wisbord();
    lbluitkomst.setCaption("");
    cmdstart.setVisible(true);
    cmdnieuw.setVisible(false);
    cmdstart.setFocus();
    cmdstop.setVisible(true);
}
