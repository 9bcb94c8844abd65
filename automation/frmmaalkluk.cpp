// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/frmmaalkluk.h"

#include <utility>
#include <vector>

#include "automation/herhaling.h"
#include "platform/numbers.h"
#include "product/tafelkleur.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color wit = Color::rgb(255, 255, 255);
constexpr Color grijs = Color::rgb(128, 128, 128);

constexpr int stap = 480; // from one row or column of the grid to the next
constexpr int rooster = 720;
constexpr int kolomLefts[] = {960, 1445, 1930, 2415, 2900, 3385, 3870, 4355, 4840, 5320};
constexpr int staafBreedtes[] = {555, 1020, 1500, 1980, 2460, 2940, 3405, 3885, 4365, 4845};

const Font knopletter{.family = "Arial", .points = 8.25, .bold = true};
const Font groot{.family = "Arial", .points = 27.75};
// The equation's line is lower than the product under it.
const Font regel{.family = "Arial", .points = 24};

// Every array has an element 0 that plays no part: hidden, outside the frame.
Design nul() {
    return {.width = 495, .height = 495, .visible = false};
}

// Elements 1..10 made by `maak`, after the hidden element 0.
template <class F> std::vector<std::pair<int, Design>> rij(F maak) {
    std::vector<std::pair<int, Design>> out{{0, nul()}};
    for (int i = 1; i <= 10; ++i)
        out.push_back({i, maak(i)});
    return out;
}

Design vergelijking(int left, int width, const char* caption) {
    return {.left = left,
            .top = 960,
            .width = width,
            .height = 615,
            .caption = caption,
            .visible = false,
            .back = wit,
            .font = regel};
}

} // namespace

Frmmaalkluk::Frmmaalkluk(Maaltafels& a)
    : Screen(a, "frmmaalkluk", {.caption = "Tafels automatiseren", .width = 11880, .height = 7545}),
      Shape1(*this, "Shape1",
             {.left = 3840, .top = 0, .width = 8040, .height = 7545, .back = Color::rgb(214, 226, 240)}),
      Shape2(*this, "Shape2",
             {.left = 30,
              .top = 840,
              .width = 3720,
              .height = 1800,
              .back = wit,
              .border = Color::rgb(255, 160, 64),
              .shape = ShapeStyle::RoundedRectangle,
              .borderWidth = 2}),
      Shape3(*this, "Shape3",
             {.left = 900,
              .top = 5400,
              .width = 1815,
              .height = 975,
              .back = Color::rgb(192, 192, 192),
              .border = Color::rgb(128, 128, 128),
              .shape = ShapeStyle::RoundedRectangle,
              .borderWidth = 2}),
      Frame1(*this, "Frame1",
             {.left = 4440,
              .top = 600,
              .width = 6975,
              .height = 6495,
              .back = Color::rgb(236, 242, 250),
              .border = Color::rgb(90, 90, 90)}),
      Command1(*this, "Command1",
               {.in = &Frame1,
                .left = 360,
                .top = 240,
                .width = 555,
                .height = 495,
                .caption = "x",
                .font = {.family = "Arial", .points = 13.5, .bold = true}}),
      cmdmaler(*this, "cmdmaler", rij([this](int c) -> Design {
          return {.in = &Frame1,
                  .left = kolomLefts[c - 1],
                  .top = 240,
                  .width = 495,
                  .height = 495,
                  .caption = numberText(c),
                  .font = knopletter};
      })),
      cmdgelijk(*this, "cmdgelijk",
                {.in = &Frame1,
                 .left = 5880,
                 .top = 240,
                 .width = 555,
                 .height = 495,
                 .caption = "=",
                 .back = Color::rgb(255, 255, 0),
                 .font = {.family = "Arial", .points = 13.5, .bold = true}}),
      Cmd1(*this, "Cmd1", rij([this](int r) -> Design {
          return {.in = &Frame1,
                  .left = 360,
                  .top = rooster + stap * (r - 1),
                  .width = 555,
                  .height = 495,
                  .caption = numberText(r),
                  .font = knopletter};
      })),
      Lbl100veld(*this, "Lbl100veld"), shp1(*this, "shp1"), shp2(*this, "shp2"), shp3(*this, "shp3"),
      shp4(*this, "shp4"), shp5(*this, "shp5"), shp6(*this, "shp6"), shp7(*this, "shp7"), shp8(*this, "shp8"),
      shp9(*this, "shp9"), shp10(*this, "shp10"),
      cmdprodukt(*this, "cmdprodukt", rij([this](int r) -> Design {
          return {.in = &Frame1,
                  .left = 5880,
                  .top = rooster + stap * (r - 1),
                  .width = 555,
                  .height = 495,
                  .back = Color::rgb(0, 230, 115),
                  .font = {.family = "Arial", .points = 9.75, .bold = true},
                  // Empty until a product is built: then its caption says the running product.
                  .accessibleName = "Produkt van rij " + numberText(r)};
      })),
      cmdprod(*this, "cmdprod", rij([this](int c) -> Design {
          return {.in = &Frame1,
                  .left = kolomLefts[c - 1],
                  .top = 5520,
                  .width = 495,
                  .height = 495,
                  .back = Color::rgb(192, 192, 0),
                  .font = knopletter,
                  .accessibleName = "Produkt van kolom " + numberText(c)};
      })),
      lblgetal1(*this, "lblgetal1", vergelijking(120, 735, "")),
      lblmaal(*this, "lblmaal", vergelijking(840, 735, "x")),
      lblgetal2(*this, "lblgetal2", vergelijking(1560, 1095, "")),
      lblgelijkteken(*this, "lblgelijkteken", vergelijking(2640, 975, "=")),
      lbluitkomst(*this, "lbluitkomst",
                  {.left = 120,
                   .top = 1800,
                   .width = 3255,
                   .height = 735,
                   .visible = false,
                   .back = Color::rgb(255, 255, 66),
                   .border = Color::rgb(0, 0, 0),
                   .font = groot,
                   .align = Align::Center}),
      lblmult1(*this, "lblmult1", {.left = 120, .top = 6960, .width = 735, .height = 375, .visible = false}),
      lblmult2(*this, "lblmult2", {.left = 960, .top = 6960, .width = 735, .height = 375, .visible = false}),
      lbluitleg(*this, "lbluitleg",
                {.left = 120,
                 .top = 3000,
                 .width = 3615,
                 .height = 1935,
                 .caption = "volg de pijl, klik op     2 cijfers van het rooster, klik =",
                 .fore = Color::rgb(0, 0, 128),
                 .font = {.family = "Comic Sans MS", .points = 18, .bold = true}}),
      Image1(*this, "Image1",
             {.left = 120, .top = 4440, .width = 600, .height = 480, .picture = "common/pijl_rechts"}),
      imgpijl1(*this, "imgpijl1",
               {.left = 3840, .top = 3360, .width = 600, .height = 915, .picture = "common/pijl_rechts"}),
      imgpijl2(*this, "imgpijl2",
               {.left = 6840,
                .top = 0,
                .width = 1050,
                .height = 600,
                .picture = "common/pijl_onder",
                .visible = false}),
      imgpijl3(*this, "imgpijl3",
               {.left = 9960,
                .top = 0,
                .width = 1050,
                .height = 600,
                .picture = "common/pijl_onder",
                .visible = false}),
      cmdstop(*this, "cmdstop",
              {.left = 1080,
               .top = 5520,
               .width = 1455,
               .height = 735,
               .picture = "common/stop",
               .tip = "STOP",
               .back = Color::rgb(128, 0, 0)}),
      Image2(*this, "Image2",
             {.left = 11280,
              .top = 7080,
              .width = 480,
              .height = 420,
              .picture = "common/logo",
              .tip = "www.maaltafels.example"}),
      app(a) {
    // The cells, then the bars over them, in the frame between the edge buttons.
    Lbl100veld.add(0, nul());
    for (int n = 1; n <= 100; ++n)
        Lbl100veld.add(n, {.in = &Frame1,
                           .left = kolomLefts[0] + stap * ((n - 1) % 10),
                           .top = rooster + stap * ((n - 1) / 10),
                           .width = 555,
                           .height = 495,
                           .back = grijs,
                           .fore = wit,
                           .border = wit,
                           .font = {.family = "Arial", .points = 14.25},
                           .align = Align::Center});
    for (int k = 1; k <= 10; ++k) {
        const Color kleur = product::tafelkleur(k)->achter;
        // The bars of 2, 4 and 6 to 10 stand out from their neighbours with a white edge.
        const bool rand = k == 2 || k == 4 || k >= 6;
        staven(k).add(0, {.visible = false, .back = kleur});
        for (int r = 1; r <= 10; ++r) {
            Design d{.in = &Frame1,
                     .left = kolomLefts[0],
                     .top = rooster + stap * (r - 1),
                     .width = staafBreedtes[k - 1],
                     .height = 495,
                     .visible = false,
                     .back = kleur};
            if (rand)
                d.border = wit;
            staven(k).add(r, d);
        }
    }
    expose("getal1", getal1);
    expose("getal2", getal2);
    expose("uitkomst", uitkomst);
    focusFirst({&Cmd1(1),     &Cmd1(2),      &Cmd1(3),     &Cmd1(4),     &Cmd1(5),     &Cmd1(6),
                &Cmd1(7),     &Cmd1(8),      &Cmd1(9),     &Cmd1(10),    &cmdmaler(1), &cmdmaler(2),
                &cmdmaler(3), &cmdmaler(4),  &cmdmaler(5), &cmdmaler(6), &cmdmaler(7), &cmdmaler(8),
                &cmdmaler(9), &cmdmaler(10), &cmdgelijk,   &cmdstop});
    Cmd1.onClick([this](int i) { Cmd1_Click(i); });
    cmdmaler.onClick([this](int i) { cmdmaler_Click(i); });
    cmdgelijk.Click = [this] { cmdgelijk_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
}

ControlArray<Shape>& Frmmaalkluk::staven(int k) {
    ControlArray<Shape>* alle[] = {&shp1, &shp2, &shp3, &shp4, &shp5, &shp6, &shp7, &shp8, &shp9, &shp10};
    return *alle[k - 1];
}

void Frmmaalkluk::Form_Load() {
    centre();
}

void Frmmaalkluk::Cmd1_Click(int index) {
    wisrooster();
    getal1 = static_cast<std::int16_t>(index);
    lblmult1.setCaption(numberText(getal1));
    lblgetal1.setCaption(numberText(getal1));
    lblgetal1.setVisible(true);
    lblmaal.setVisible(true);
    imgpijl2.setVisible(true);
    imgpijl1.setVisible(false);
}

void Frmmaalkluk::cmdmaler_Click(int index) {
    getal2 = static_cast<std::int16_t>(index);
    lblmult2.setCaption(numberText(getal2));
    lblgetal2.setCaption(numberText(getal2));
    lblgetal2.setVisible(true);
    lblgelijkteken.setVisible(true);
    imgpijl2.setVisible(false);
    imgpijl3.setVisible(true);
}

void Frmmaalkluk::cmdgelijk_Click() {
    uitkomst = static_cast<std::int16_t>(getal2 * getal1);
    toonrechthoek();
    lbluitkomst.setVisible(true);
    lbluitkomst.setCaption(numberText(uitkomst));
    lblgetal1.setCaption(numberText(getal1));
    imgpijl3.setVisible(false);
    imgpijl1.setVisible(true);
}

void Frmmaalkluk::toonrechthoek() {
    const automation::Rechthoek r = automation::rechthoek(getal1, getal2);
    for (int rij = 1; rij <= r.rijen; ++rij)
        staven(r.kolommen)(rij).setVisible(true);
    for (int rij = 1; rij <= r.rijen; ++rij)
        cmdprodukt(rij).setCaption(numberText(r.rechts[static_cast<std::size_t>(rij - 1)]));
    for (int kolom = 1; kolom <= r.kolommen; ++kolom)
        cmdprod(kolom).setCaption(numberText(r.onder[static_cast<std::size_t>(kolom - 1)]));
}

void Frmmaalkluk::wisrooster() {
    lblgetal1.setVisible(false);
    lblgetal1.setCaption("");
    lblgetal2.setVisible(false);
    lblgetal2.setCaption("");
    lblmaal.setVisible(false);
    lblgelijkteken.setVisible(false);
    lbluitkomst.setVisible(false);
    lbluitkomst.setCaption("");
    for (int k = 1; k <= 10; ++k)
        for (int i = 0; i <= 10; ++i)
            staven(k)(i).setVisible(false);
    for (int i = 0; i <= 10; ++i)
        cmdprodukt(i).setCaption("");
    for (int i = 0; i <= 10; ++i)
        cmdprod(i).setCaption("");
}

void Frmmaalkluk::cmdstop_Click() {
    wisrooster();
    lblgetal1.setCaption("");
    lblgetal2.setCaption("");
    lbluitkomst.setCaption("");
    app.frmbasis().show();
    hide();
}
