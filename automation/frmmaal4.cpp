// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/frmmaal4.h"

#include <string>
#include <utility>
#include <vector>

#include "automation/herhaling.h"
#include "platform/numbers.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color wit = Color::rgb(255, 255, 255);
constexpr Color bordgroen = Color::rgb(0, 162, 5);
constexpr Color donkergroen = Color::rgb(16, 74, 10);
constexpr Color knopgroen = Color::rgb(46, 208, 28);

constexpr Color neutraal = Color::rgb(255, 145, 91);
constexpr Color juist = Color::rgb(0, 138, 0);
constexpr Color fout = Color::rgb(252, 41, 31);

const Font groot{.family = "Arial", .points = 27.75, .bold = true};

Design oefenvak(int left, const char* caption) {
    return {.left = left,
            .top = 1440,
            .width = 975,
            .height = 735,
            .caption = caption,
            .back = bordgroen,
            .fore = wit,
            .font = groot,
            .align = Align::Center};
}

// Row 1: "x  2" .. "x 6"; row 2: "x 7" .. "x 10" and "alles".
Design tafelknop(int plaats, const char* caption) {
    constexpr int lefts[] = {240, 1650, 3060, 4470, 5880};
    return {.left = lefts[plaats % 5],
            .top = plaats < 5 ? 5640 : 6240,
            .width = 1215,
            .height = 495,
            .caption = caption,
            .back = knopgroen,
            .font = {.family = "Arial", .points = 14.25}};
}

Design telvak(int left) {
    return {.left = left,
            .top = 7200,
            .width = 975,
            .height = 615,
            .back = donkergroen,
            .fore = wit,
            .font = {.family = "Arial", .points = 24},
            .align = Align::Center};
}

Design onderknop(int left, const char* picture, const char* tip, Color back, bool visible) {
    return {.left = left,
            .top = 7200,
            .width = 1215,
            .height = 615,
            .picture = picture,
            .tip = tip,
            .visible = visible,
            .back = back};
}

// Twenty characters scattered over the right-hand panel, three columns of seven.
std::vector<std::pair<int, Design>> figuren() {
    constexpr int lefts[] = {8040, 9360, 10560};
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i < 20; ++i)
        out.push_back({i,
                       {.left = lefts[(i + i / 3) % 3],
                        .top = 240 + 1060 * (i / 3),
                        .width = 480,
                        .height = 480,
                        .picture = "automation/figuur" + std::to_string(i + 1),
                        .visible = false}});
    return out;
}

} // namespace

Frmmaal4::Frmmaal4(Maaltafels& a)
    : Screen(a, "frmmaal4", {.caption = "Vermenigvuldiging automatiseren", .width = 11880, .height = 7935}),
      Image1(*this, "Image1",
             {.left = 0, .top = 0, .width = 7530, .height = 5280, .picture = "automation/bord"}),
      lblquotient(*this, "lblquotient", oefenvak(1320, "")), lbdeel(*this, "lbdeel", oefenvak(2280, "x")),
      lbldeler(*this, "lbldeler", oefenvak(3240, "")), lblgelijk(*this, "lblgelijk", oefenvak(4200, "=")),
      txtproduct(*this, "txtproduct",
                 {.left = 5280,
                  .top = 1440,
                  .width = 1095,
                  .height = 855,
                  .back = wit,
                  .fore = Color::rgb(0, 64, 0),
                  .font = groot,
                  .align = Align::Center,
                  .enterPresses = &cmdnieuw}),
      Line1(*this, "Line1",
            {.left = 4800,
             .top = 1560,
             .width = -240,
             .height = 360,
             .visible = false,
             .border = wit,
             .borderWidth = 5}),
      lblproduct(*this, "lblproduct",
                 {.left = 5400, .top = 2760, .width = 975, .height = 735, .visible = false}),
      lblmemo(*this, "lblmemo",
              {.left = 1200,
               .top = 2520,
               .width = 4815,
               .height = 855,
               .back = bordgroen,
               .fore = wit,
               .font = {.family = "Arial", .points = 15.75, .bold = true},
               .align = Align::Center}),
      lblmemo3(*this, "lblmemo3",
               {.left = 480,
                .top = 3000,
                .width = 6615,
                .height = 615,
                .caption = "start een reeks van 10 oefeningen",
                .back = donkergroen,
                .fore = Color::rgb(255, 255, 0),
                .font = {.family = "Arial", .points = 18, .bold = true},
                .align = Align::Center}),
      Shape1(*this, "Shape1", {.left = 0, .top = 5400, .width = 7455, .height = 1575, .back = bordgroen}),
      cmdtwee(*this, "cmdtwee", tafelknop(0, "x  2")), cmddrie(*this, "cmddrie", tafelknop(1, "x 3")),
      cmdvier(*this, "cmdvier", tafelknop(2, "x 4")), cmdvijf(*this, "cmdvijf", tafelknop(3, "x 5")),
      cmdzes(*this, "cmdzes", tafelknop(4, "x 6")), cmdzeven(*this, "cmdzeven", tafelknop(5, "x 7")),
      cmdacht(*this, "cmdacht", tafelknop(6, "x 8")), cmdnegen(*this, "cmdnegen", tafelknop(7, "x 9")),
      cmdtien(*this, "cmdtien", tafelknop(8, "x 10")), cmdstart(*this, "cmdstart", tafelknop(9, "alles")),
      cmdstop(*this, "cmdstop", onderknop(240, "common/stop", "STOP", Color::rgb(128, 0, 0), true)),
      cmdnieuw(*this, "cmdnieuw", onderknop(1920, "automation/antwoord", "antwoord", knopgroen, true)),
      cmdnieuw2(*this, "cmdnieuw2",
                onderknop(1920, "automation/reeks", "nieuwe reeks", Color::rgb(160, 160, 218), false)),
      // The counters' panel keeps clear of the window's bottom edge.
      Shape3(*this, "Shape3", {.left = 3960, .top = 7080, .width = 3495, .height = 795, .back = donkergroen}),
      lblteller(*this, "lblteller", telvak(4440)),
      Line2(*this, "Line2",
            {.left = 5880, .top = 7200, .width = -240, .height = 600, .border = wit, .borderWidth = 5}),
      Lbltotaal(*this, "Lbltotaal", telvak(6360)), Shape2(*this, "Shape2",
                                                          {.left = 7680,
                                                           .top = 120,
                                                           .width = 3855,
                                                           .height = 7095,
                                                           .back = bordgroen,
                                                           .border = donkergroen,
                                                           .borderWidth = 4}),
      lblhulp(*this, "lblhulp",
              {.left = 7800,
               .top = 240,
               .width = 3495,
               .height = 6855,
               .visible = false,
               .back = bordgroen,
               .fore = wit,
               .font = {.family = "Arial", .points = 21.75, .bold = true},
               .align = Align::Center}),
      imgspace(*this, "imgspace", figuren()), Image2(*this, "Image2",
                                                     {.left = 11280,
                                                      .top = 7440,
                                                      .width = 480,
                                                      .height = 420,
                                                      .picture = "common/logo",
                                                      .tip = "www.maaltafels.example"}),
      app(a) {
    expose("factor", factor);
    expose("tafel", tafel);
    expose("product", product);
    expose("antwoord", antwoord);
    expose("teller", teller);
    expose("totaal", totaal);
    // The child picks a table first; the answer comes next.
    focusFirst({&cmdtwee, &cmddrie, &cmdvier, &cmdvijf, &cmdzes, &cmdzeven, &cmdacht, &cmdnegen, &cmdtien,
                &cmdstart, &txtproduct, &cmdnieuw, &cmdnieuw2, &cmdstop});
    const auto knoppen = tafelknoppen();
    for (int n = 2; n <= 10; ++n)
        knoppen[static_cast<std::size_t>(n - 2)]->Click = [this, n] { cmdtafel_Click(n); };
    cmdstart.Click = [this] { cmdstart_Click(); };
    cmdnieuw.Click = [this] { cmdnieuw_Click(); };
    cmdnieuw2.Click = [this] { cmdnieuw2_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
    txtproduct.Click = [this] { txtproduct_Click(); };
}

std::array<Button*, 10> Frmmaal4::tafelknoppen() {
    return {&cmdtwee,  &cmddrie, &cmdvier,  &cmdvijf, &cmdzes,
            &cmdzeven, &cmdacht, &cmdnegen, &cmdtien, &cmdstart};
}

void Frmmaal4::toontellers() {
    lblteller.setCaption(numberText(teller));
    Lbltotaal.setCaption(numberText(totaal));
}

// Load does what Activate does; at load the table buttons are in view, so the answer button goes.
void Frmmaal4::Form_Load() {
    Form_Activate();
}

void Frmmaal4::Form_Activate() {
    centre();
    teller = 0;
    totaal = 0;
    toontellers();
    // The frame window's menu can bring the board up beside an open exercise, and the board this
    // screen back: the exercise keeps its answer button, or nothing would be left to click.
    if (cmdstart.visible())
        cmdnieuw.setVisible(false);
}

void Frmmaal4::beginoefening() {
    nieuweoefening();
    cmdstop.setVisible(false);
    app.randomize();
}

void Frmmaal4::trekfactor() {
    factor = static_cast<std::int16_t>(intPart(10 * app.rnd()) + 1);
    lblquotient.setCaption(numberText(factor));
    product = static_cast<std::int16_t>(factor * tafel);
    lblproduct.setCaption(numberText(product));
    lblmemo3.setVisible(false);
}

void Frmmaal4::cmdtafel_Click(int n) {
    gekozen = tafelknoppen()[static_cast<std::size_t>(n - 2)];
    beginoefening();
    tafel = static_cast<std::int16_t>(n);
    lbldeler.setCaption(numberText(tafel));
    trekfactor();
}

void Frmmaal4::cmdstart_Click() {
    gekozen = &cmdstart;
    beginoefening();
    // The table is drawn before the factor; table 1 is one of the ten.
    tafel = static_cast<std::int16_t>(intPart(10 * app.rnd()) + 1);
    lbldeler.setCaption(numberText(tafel));
    trekfactor();
}

void Frmmaal4::nieuweoefening() {
    lblproduct.setCaption("");
    setBackColor(neutraal);
    lblhulp.setCaption("");
    lblhulp.setVisible(false);
    Line1.setVisible(false);
    verbergtafelknoppen();
    lblmemo.setCaption("");
    cmdnieuw.setVisible(true);
    txtproduct.setText("");
    txtproduct.setEnabled(true);
    txtproduct.setFocus();
}

void Frmmaal4::toontafelknoppen() {
    for (Button* b : tafelknoppen())
        b->setVisible(true);
}

void Frmmaal4::verbergtafelknoppen() {
    for (Button* b : tafelknoppen())
        b->setVisible(false);
}

void Frmmaal4::cmdnieuw_Click() {
    if (!isNumeric(txtproduct.text()))
        txtproduct.setText("0");
    // A number too big for the screen's 16-bit answer counts as 0, which no product is: wrong,
    // never a wrapped value that might happen to be right.
    antwoord = toInt16(txtproduct.text()).value_or(0);
    toontafelknoppen();
    controleer();
    eindereeks();
    cmdnieuw.setVisible(false);
    // Back to the table just used: one table is played with Enter, digits, Enter.
    if (gekozen)
        gekozen->setFocus();
}

void Frmmaal4::controleer() {
    ++totaal;
    Lbltotaal.setCaption(numberText(totaal));
    ++teller;
    lblteller.setCaption(numberText(teller));
    if (antwoord == product) {
        setBackColor(juist);
        lblmemo.setCaption(" dat is juist\r\n" + numberText(product) + " : " + numberText(factor) + " = " +
                           numberText(tafel));
        return;
    }
    setBackColor(fout);
    Line1.setVisible(true);
    lblmemo.setCaption(" dat is fout");
    txtproduct.setEnabled(false);
    --teller;
    lblteller.setCaption(numberText(teller));
    if (tafel >= 2 && tafel <= 10)
        herhaaltafel(tafel);
}

void Frmmaal4::herhaaltafel(int t) {
    lblhulp.setVisible(true);
    lblhulp.setCaption(automation::herhaallijst(t));
}

void Frmmaal4::eindereeks() {
    if (totaal != 10)
        return;
    cmdnieuw2.setVisible(true);
    lblmemo3.setVisible(true);
    lblmemo3.setCaption("");
    lblmemo3.setCaption("nog een reeks ?");
    for (int i = 0; i < automation::beloningen(teller); ++i)
        imgspace(i).setVisible(true);
    verbergtafelknoppen();
    cmdstop.setVisible(true);
    lblhulp.setCaption("");
    lblmemo.setCaption("");
}

void Frmmaal4::wisreeks() {
    for (int i = 0; i <= 19; ++i)
        imgspace(i).setVisible(false);
    teller = 0;
    totaal = 0;
    toontellers();
    txtproduct.setText("");
    lbldeler.setCaption("");
    lblquotient.setCaption("");
    nieuweoefening();
    toontafelknoppen();
}

void Frmmaal4::cmdnieuw2_Click() {
    wisreeks();
    cmdnieuw2.setVisible(false);
    cmdstop.setVisible(false);
    lblmemo3.setVisible(false);
    lblmemo3.setCaption("");
}

void Frmmaal4::cmdstop_Click() {
    wisreeks();
    cmdnieuw2.setVisible(false);
    app.frmbasis().show();
    hide();
    lblmemo3.setVisible(true);
    lblmemo3.setCaption("");
    lblmemo3.setCaption("start een reeks van 10 oefeningen");
}

void Frmmaal4::txtproduct_Click() {
    txtproduct.setText("");
}
