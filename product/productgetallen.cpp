// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/productgetallen.h"

#include "platform/numbers.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

Design tafelknop(int k) {
    return {.left = 1620 + 690 * (k - 2),
            .top = Produktbord::keuzeTop,
            .width = 660,
            .height = 480,
            .caption = "x " + numberText(k),
            .back = k == 2 ? Color::rgb(255, 6, 6) : Color::buttonFace(),
            .font = {.family = "Arial", .points = 11, .bold = true}};
}

} // namespace

Productgetallen::Productgetallen(Maaltafels& a, const char* naam, bool wisnummers)
    : Produktbord(a, {.naam = naam,
                      .titel = "Vermenigvuldiging : productgetallen leren",
                      .quotientLinks = links,
                      .wisnummers = wisnummers}),
      cmdkies(*this, "cmdkies",
              {.left = 660,
               .top = keuzeTop,
               .width = 900,
               .height = 480,
               .caption = "kies",
               .back = Color::rgb(237, 232, 41),
               .font = {.family = "Arial", .points = 12, .bold = true}}),
      cmdx2(*this, "cmdx2", tafelknop(2)), cmdx3(*this, "cmdx3", tafelknop(3)),
      cmdx4(*this, "cmdx4", tafelknop(4)), cmdx5(*this, "cmdx5", tafelknop(5)),
      cmdx6(*this, "cmdx6", tafelknop(6)), cmdx7(*this, "cmdx7", tafelknop(7)),
      cmdx8(*this, "cmdx8", tafelknop(8)), cmdx9(*this, "cmdx9", tafelknop(9)),
      cmdx10(*this, "cmdx10", tafelknop(10)) {
    cmdkies.Click = [this] { cmdkies_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
    for (int k = 2; k <= 10; ++k)
        maalknop(k).Click = [this, k] { cmdx_Click(k); };
}

Button& Productgetallen::maalknop(int k) {
    Button* knoppen[] = {&cmdx2, &cmdx3, &cmdx4, &cmdx5, &cmdx6, &cmdx7, &cmdx8, &cmdx9, &cmdx10};
    return *knoppen[k - 2];
}

void Productgetallen::verbergmaalknoppen() {
    for (int k = 2; k <= 10; ++k)
        maalknop(k).setVisible(false);
}

void Productgetallen::toonmaalknoppen() {
    for (int k = 2; k <= 10; ++k)
        maalknop(k).setVisible(true);
}

void Productgetallen::blokkeerknoppen() {
    for (int k = 2; k <= 10; ++k)
        if (maalknop(k).visible())
            maalknop(k).setEnabled(false);
    if (cmdkies.visible())
        cmdkies.setEnabled(false);
}

void Productgetallen::vrijgeefknoppen() {
    if (!cmdkies.enabled())
        cmdkies.setEnabled(true);
    for (int k = 2; k <= 10; ++k)
        if (!maalknop(k).enabled())
            maalknop(k).setEnabled(true);
}

void Productgetallen::cmdkies_Click() {
    toonmaalknoppen();
}

void Productgetallen::kiestafel(int k) {
    ruimop();
    verbergmaalknoppen();
    maalknop(k).setVisible(true);
    blokkeerknoppen();
    trekoefening(false);
    tafel = static_cast<std::int16_t>(k);
    tekenstroken();
    lblmaler.setCaption(numberText(k));
    kleurmaler();
    lblquotient.setCaption(numberText(laatsterij + 1));
}

void Productgetallen::cmdstop_Click() {
    toonmaalknoppen();
    app.frmbasis().show();
    hide();
}
