// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmecenaat1.h"

#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {
constexpr Color cream = Color::rgb(255, 255, 192);
const Font comic{.family = "Comic Sans MS", .points = 14, .bold = true};
} // namespace

Frmmecenaat1::Frmmecenaat1(Maaltafels& a)
    : Screen(a, "frmmecenaat1",
             {.caption = "Welkom", .back = Color::rgb(112, 101, 109), .width = 9000, .height = 6600}),
      Frame1(*this, "Frame1", {{1, {.left = 240, .top = 240, .width = 8520, .height = 6120, .back = cream}}}),
      Shape3(*this, "Shape3",
             {.in = &Frame1(1),
              .left = 1560,
              .top = 1080,
              .width = 5400,
              .height = 2880,
              .back = Color::rgb(255, 224, 160),
              .border = Color::rgb(224, 128, 32),
              .shape = ShapeStyle::RoundedRectangle,
              .borderWidth = 3}),
      Image1(*this, "Image1",
             {{0,
               {.in = &Frame1(1),
                .left = 240,
                .top = 240,
                .width = 1200,
                .height = 1200,
                .picture = "shell/welkom1"}},
              {1,
               {.in = &Frame1(1),
                .left = 7080,
                .top = 240,
                .width = 1200,
                .height = 1200,
                .picture = "shell/welkom2"}},
              {2,
               {.in = &Frame1(1),
                .left = 240,
                .top = 4680,
                .width = 1200,
                .height = 1200,
                .picture = "shell/welkom3"}},
              {3,
               {.in = &Frame1(1),
                .left = 7080,
                .top = 4680,
                .width = 1200,
                .height = 1200,
                .picture = "shell/welkom4"}}}),
      Label11(*this, "Label11",
              {.in = &Frame1(1),
               .left = 1560,
               .top = 360,
               .width = 5400,
               .height = 555,
               .caption = "Educatieve software voor de  basisschool.",
               .fore = Color::rgb(0, 0, 128),
               .font = comic,
               .align = Align::Center}),
      cmdkombinnen(*this, "cmdkombinnen",
                   {.in = &Frame1(1),
                    .left = 1920,
                    .top = 1500,
                    .width = 4680,
                    .height = 1560,
                    .caption = "Klik hier en start !",
                    .picture = "shell/start",
                    .back = Color::rgb(0, 128, 96),
                    .fore = Color::rgb(255, 255, 255),
                    .font = {.family = "Comic Sans MS", .points = 18, .bold = true}}),
      lblpartner2(*this, "lblpartner2",
                  {.in = &Frame1(1),
                   .left = 2760,
                   .top = 3240,
                   .width = 3000,
                   .height = 480,
                   .caption = "Kwispelwerk ",
                   .back = Color::rgb(0, 0, 128),
                   .fore = Color::rgb(255, 255, 255),
                   .font = {.family = "Comic Sans MS", .points = 14, .bold = true},
                   .align = Align::Center}),
      Label5(*this, "Label5",
             {.in = &Frame1(1),
              .left = 1560,
              .top = 4320,
              .width = 5400,
              .height = 420,
              .caption = "Ontwikkeld in de klas, van 2025 tot 2026",
              .fore = Color::rgb(64, 64, 64),
              .font = {.family = "Comic Sans MS", .points = 11},
              .align = Align::Center}),
      Label4(*this, "Label4",
             {.in = &Frame1(1),
              .left = 1560,
              .top = 5160,
              .width = 5400,
              .height = 420,
              .caption = "Gratis te verspreiden software",
              .fore = Color::rgb(128, 0, 0),
              .font = {.family = "Comic Sans MS", .points = 12, .bold = true},
              .align = Align::Center}),
      app(a) {
    cmdkombinnen.Click = [this] { cmdkombinnen_Click(); };
}

void Frmmecenaat1::Form_Load() {
    centre();
    Frame1(1).setVisible(true);
}

// Each time the welcome screen comes up it does what it did at load.
void Frmmecenaat1::Form_Activate() {
    Form_Load();
    // The child starts with the start button: Enter or Space starts.
    cmdkombinnen.setFocus();
}

void Frmmecenaat1::cmdkombinnen_Click() {
    hide();
    app.frmbasis().show();
    app.frameEnabled(false);
}
