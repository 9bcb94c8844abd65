// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmsplash.h"

#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color lightYellow = Color::rgb(255, 255, 192);
const Font levelFont{.family = "Comic Sans MS", .points = 16, .bold = true};

Design levelButton(Frame* in, int left, const char* caption, const char* tip, const char* picture) {
    return {.in = in,
            .left = left,
            .top = 480,
            .width = 1215,
            .height = 975,
            .caption = caption,
            .picture = picture,
            .tip = tip,
            .back = lightYellow,
            .fore = Color::rgb(0, 0, 128),
            .font = levelFont};
}

} // namespace

FrmSplash::FrmSplash(Maaltafels& a)
    : Screen(a, "frmSplash",
             {.caption = "Kies je niveau", .back = Color::rgb(0, 0, 192), .width = 8085, .height = 4695}),
      Frame1(*this, "Frame1",
             {.left = 360, .top = 240, .width = 7320, .height = 4170, .back = Color::rgb(255, 255, 255)}),
      cmdvervoer(*this, "cmdvervoer", levelButton(&Frame1, 480, "1", "eenheden", "shell/eenheden")),
      cmdhuis(*this, "cmdhuis", levelButton(&Frame1, 1860, "10", "tientallen", "shell/tientallen")),
      cmdik(*this, "cmdik", levelButton(&Frame1, 3240, "100", "honderdtallen", "shell/honderdtallen")),
      Command1(*this, "Command1",
               {.in = &Frame1,
                .left = 1080,
                .top = 1680,
                .width = 2535,
                .height = 975,
                .picture = "shell/terug",
                .tip = "tot de volgende keer",
                .back = Color::rgb(128, 0, 0),
                .accessibleName = "Terug"}),
      lblProductName(*this, "lblProductName",
                     {.in = &Frame1,
                      .left = 360,
                      .top = 3120,
                      .width = 4095,
                      .height = 765,
                      .caption = "kies hier",
                      .back = Color::rgb(255, 0, 0),
                      .fore = Color::rgb(255, 255, 255),
                      .font = {.family = "Arial", .points = 24, .bold = true},
                      .align = Align::Center}),
      imgLogo(*this, "imgLogo",
              {.in = &Frame1,
               .left = 4800,
               .top = 600,
               .width = 2160,
               .height = 2160,
               .picture = "shell/kies_logo"}),
      app(a) {
    cmdvervoer.Click = [this] { cmdvervoer_Click(); };
    cmdhuis.Click = [this] { cmdhuis_Click(); };
    cmdik.Click = [this] { cmdik_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    // The drill of a level is offered once it is part of the build.
    cmdvervoer.setEnabled(app.defined("TafelsE"));
    cmdhuis.setEnabled(app.defined("TafelsT"));
    cmdik.setEnabled(app.defined("TafelsH"));
}

void FrmSplash::Form_Load() {
    centre();
}

void FrmSplash::cmdvervoer_Click() {
    hide();
    app.frameEnabled(true);
    app.use("TafelsE").show();
}

void FrmSplash::cmdhuis_Click() {
    app.frameEnabled(true);
    hide();
    app.use("TafelsT").show();
}

void FrmSplash::cmdik_Click() {
    hide();
    app.frameEnabled(true);
    app.use("TafelsH").show();
}

void FrmSplash::Command1_Click() {
    hide();
    app.frameEnabled(true);
    app.frmbasis().show();
}
