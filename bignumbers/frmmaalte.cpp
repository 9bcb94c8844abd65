// SPDX-License-Identifier: GPL-3.0-or-later
#include "bignumbers/frmmaalte.h"

#include "platform/numbers.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color wit = Color::rgb(255, 255, 255);
constexpr Color groen = Color::rgb(0, 255, 0);
constexpr Color rood = Color::rgb(255, 0, 0);
constexpr Color geel = Color::rgb(255, 255, 85);
constexpr Color navy = Color::rgb(0, 0, 128);
const Font groot{.family = "Arial", .points = 26, .bold = true};
const Font middel{.family = "Arial", .points = 20, .bold = true};

Design pijl(int top, bool visible) {
    return {.left = 240,
            .top = top,
            .width = 840,
            .height = 840,
            .picture = "common/pijl_rechts",
            .visible = visible};
}

Design band(int top, Color c) {
    return {.left = 120, .top = top, .width = 9000, .height = 1080, .back = c};
}

Design deelknop(int left) {
    return {.left = left,
            .top = 1560,
            .width = 2580,
            .height = 840,
            .tip = "klik en controleer",
            .visible = false,
            .fore = navy,
            .font = middel};
}

// An answer box, named by the part of the sum it answers.
// The part's button asks the question and checks the answer: Enter in the box presses it.
Design antwoord(int left, Control& vraag) {
    return {.left = left,
            .top = 2760,
            .width = 2220,
            .height = 840,
            .back = wit,
            .fore = navy,
            .font = groot,
            .align = Align::Center,
            .labelledBy = &vraag,
            .enterPresses = &vraag};
}

std::string n(int v) {
    return numberText(v);
}

// 16-bit numbers on this screen stay small: at most 98 x 8.
std::int16_t i16(int v) {
    return static_cast<std::int16_t>(v);
}

} // namespace

FrmmaalTE::FrmmaalTE(Maaltafels& a)
    : Screen(a, "frmmaalTE", {.caption = "Vermenigvuldig TE met E", .width = 9240, .height = 6360}),
      Shape1(*this, "Shape1", band(240, Color::rgb(128, 128, 255))),
      Shape3(*this, "Shape3", band(2640, Color::rgb(128, 255, 128))),
      Shape2(*this, "Shape2", band(5040, Color::rgb(255, 128, 0))),
      imgpijl1(*this, "imgpijl1", pijl(360, false)), cmdTE(*this, "cmdTE",
                                                           {.left = 1320,
                                                            .top = 360,
                                                            .width = 5400,
                                                            .height = 840,
                                                            .tip = "start",
                                                            .visible = false,
                                                            .back = Color::rgb(201, 147, 255),
                                                            .fore = navy,
                                                            .font = groot}),
      imgpijl2(*this, "imgpijl2", pijl(1560, false)), cmdT(*this, "cmdT", deelknop(1320)),
      cmdE(*this, "cmdE", deelknop(4140)), imgpijl3(*this, "imgpijl3", pijl(2760, false)),
      txtT(*this, "txtT", antwoord(1320, cmdT)), cmdplus(*this, "cmdplus",
                                                         {.left = 3660,
                                                          .top = 2760,
                                                          .width = 720,
                                                          .height = 840,
                                                          .caption = "+",
                                                          .tip = "klik en tel samen",
                                                          .visible = false,
                                                          .fore = Color::rgb(255, 255, 255),
                                                          .font = groot}),
      txtE(*this, "txtE", antwoord(4500, cmdE)), lbluitkomst(*this, "lbluitkomst",
                                                             {.left = 1320,
                                                              .top = 3960,
                                                              .width = 5400,
                                                              .height = 840,
                                                              .fore = Color::rgb(128, 0, 0),
                                                              .font = groot,
                                                              .align = Align::Center}),
      imgpijlstart(*this, "imgpijlstart", pijl(5160, true)), cmdstart(*this, "cmdstart",
                                                                      {.left = 1320,
                                                                       .top = 5160,
                                                                       .width = 1680,
                                                                       .height = 840,
                                                                       .picture = "common/start",
                                                                       .back = Color::rgb(192, 0, 192)}),
      cmdstop(*this, "cmdstop",
              {.left = 7320,
               .top = 5160,
               .width = 1680,
               .height = 840,
               .picture = "common/stop",
               .tip = "STOP",
               .back = Color::rgb(128, 0, 0)}),
      lblT(*this, "lblT", {.left = 7320, .top = 1560, .width = 1680, .height = 375, .visible = false}),
      lblE(*this, "lblE", {.left = 7320, .top = 1980, .width = 1680, .height = 375, .visible = false}),
      Image1(*this, "Image1",
             {.left = 7320,
              .top = 360,
              .width = 1680,
              .height = 840,
              .picture = "common/logo",
              .tip = "www.maaltafels.example"}),
      app(a) {
    expose("tiencijfer", tiencijfer);
    expose("tienwaarde", tienwaarde);
    expose("eenheid", eenheid);
    expose("tegetal", tegetal);
    expose("maalgetal", maalgetal);
    expose("deelT", deelT);
    expose("deelE", deelE);
    expose("som", som);
    // The child starts with the start button, not with an answer box that has no exercise yet.
    focusFirst({&cmdstart});
    cmdstart.Click = [this] { cmdstart_Click(); };
    cmdTE.Click = [this] { cmdTE_Click(); };
    txtT.Change = [this] { txtT_Change(); };
    txtE.Change = [this] { txtE_Change(); };
    txtT.Click = [this] { txtT_Click(); };
    txtE.Click = [this] { txtE_Click(); };
    cmdT.Click = [this] { cmdT_Click(); };
    cmdE.Click = [this] { cmdE_Click(); };
    cmdplus.Click = [this] { cmdplus_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
}

void FrmmaalTE::herstel() {
    // Cleared answers belong to no exercise, so their Change must not bring back a check button.
    aanvaardT = aanvaardE = false;
    cmdTE.setCaption("");
    cmdT.setCaption("");
    cmdE.setCaption("");
    txtT.setText("");
    txtE.setText("");
    cmdplus.setVisible(false);
    lbluitkomst.setCaption("");
    txtT.setBackColor(wit);
    txtE.setBackColor(wit);
}

void FrmmaalTE::Form_Load() {
    herstel();
    cmdTE.setVisible(false);
    centre();
}

void FrmmaalTE::Form_Activate() {
    // Coming back to an open exercise must not wipe it: the child could not go on nor leave.
    if (cmdstart.visible()) {
        herstel();
        cmdTE.setVisible(false);
    }
    centre();
}

void FrmmaalTE::cmdstart_Click() {
    cmdTE.setVisible(true);
    imgpijl1.setVisible(true);
    imgpijlstart.setVisible(false);
    cmdstart.setVisible(false);
    cmdstop.setVisible(false);
    herstel();
    app.randomize();
    tiencijfer = i16(static_cast<int>(intPart(app.rnd() * 9 + 1)));
    tienwaarde = i16(10 * tiencijfer);
    do
        eenheid = i16(static_cast<int>(intPart(app.rnd() * 8)) + 1);
    while (eenheid <= 1);
    tegetal = i16(tienwaarde + eenheid);
    do
        maalgetal = i16(static_cast<int>(intPart(app.rnd() * 8)) + 1);
    while (maalgetal <= 1);
    cmdTE.setCaption(n(tegetal) + " " + " x " + n(maalgetal) + " =  ? ");
    imgpijl2.setVisible(false);
    cmdT.setBackColor(Color::buttonFace());
    cmdE.setBackColor(Color::buttonFace());
    txtT.setEnabled(true);
    txtE.setEnabled(true);
    // The exercise takes the start button's place as the next thing to press.
    cmdTE.setFocus();
}

void FrmmaalTE::cmdTE_Click() {
    imgpijl3.setVisible(true);
    imgpijl1.setVisible(false);
    cmdT.setVisible(true);
    cmdE.setVisible(true);
    cmdT.setEnabled(false);
    cmdE.setEnabled(false);
    cmdT.setCaption(n(tienwaarde) + " " + " x " + n(maalgetal) + "  =  ? ");
    cmdE.setCaption(n(eenheid) + " " + " x " + n(maalgetal) + "  =  ? ");
    txtT.setFocus();
    cmdTE.setVisible(false);
}

void FrmmaalTE::opnieuw(TextBox& box, Button& check, const Label& juist, bool& aanvaard) {
    if (!aanvaard || box.text() == juist.caption())
        return;
    aanvaard = false;
    box.setBackColor(wit);
    check.setVisible(true);
    check.setEnabled(true);
    cmdplus.setVisible(false);
}

void FrmmaalTE::txtT_Change() {
    cmdT.setEnabled(true);
    opnieuw(txtT, cmdT, lblT, aanvaardT);
}

void FrmmaalTE::txtE_Change() {
    cmdE.setEnabled(true);
    imgpijl3.setVisible(false);
    imgpijl2.setVisible(true);
    cmdE.setBackColor(geel);
    cmdT.setBackColor(geel);
    opnieuw(txtE, cmdE, lblE, aanvaardE);
}

void FrmmaalTE::txtT_Click() {
    txtT.setText("");
}

void FrmmaalTE::txtE_Click() {
    txtE.setText("");
}

void FrmmaalTE::cmdT_Click() {
    lblT.setCaption(n(tienwaarde * maalgetal));
    // Compared as text: " 120" and "0120" are not the way to write 120.
    if (txtT.text() == lblT.caption()) {
        txtT.setBackColor(groen);
        deelT = i16(tienwaarde * maalgetal);
        aanvaardT = true;
        cmdT.setVisible(false);
        // On to the other part, or the answer typed next would overwrite this one.
        if (!klaar(aanvaardE, txtE, lblE))
            txtE.setFocus();
    } else {
        txtT.setBackColor(rood);
    }
    teltest();
}

void FrmmaalTE::cmdE_Click() {
    lblE.setCaption(n(eenheid * maalgetal));
    if (txtE.text() == lblE.caption()) {
        txtE.setBackColor(groen);
        deelE = i16(eenheid * maalgetal);
        aanvaardE = true;
        cmdE.setVisible(false);
        imgpijl2.setVisible(false);
        imgpijl3.setVisible(true);
        if (!klaar(aanvaardT, txtT, lblT))
            txtT.setFocus();
    } else {
        txtE.setBackColor(rood);
    }
    teltest();
}

bool FrmmaalTE::klaar(bool aanvaard, const TextBox& antwoord, const Label& juist) {
    return aanvaard && antwoord.text() == juist.caption();
}

void FrmmaalTE::teltest() {
    if (klaar(aanvaardT, txtT, lblT) && klaar(aanvaardE, txtE, lblE)) {
        cmdplus.setVisible(true);
        cmdplus.setBackColor(Color::rgb(0, 210, 0));
        cmdplus.setFocus();
    }
}

void FrmmaalTE::cmdplus_Click() {
    som = i16(deelE + deelT);
    lbluitkomst.setCaption(n(tegetal) + " " + " x " + n(maalgetal) + " = " + n(som));
    cmdplus.setVisible(false);
    imgpijl3.setVisible(false);
    imgpijlstart.setVisible(true);
    cmdstart.setVisible(true);
    cmdstop.setVisible(true);
    txtT.setEnabled(false);
    txtE.setEnabled(false);
    cmdstart.setFocus();
}

void FrmmaalTE::cmdstop_Click() {
    herstel();
    app.frmbasis().show();
    hide();
    imgpijl1.setVisible(true);
    imgpijlstart.setVisible(false);
    cmdstart.setVisible(true);
    cmdstop.setVisible(true);
    cmdTE.setVisible(false);
    imgpijl2.setVisible(false);
    imgpijl3.setVisible(false);
}
