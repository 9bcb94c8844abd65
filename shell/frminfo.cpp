// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frminfo.h"

#include <algorithm>

#include "platform/numbers.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color cream = Color::rgb(255, 255, 192);
constexpr Color navy = Color::rgb(0, 0, 128);
const Font textFont{.family = "Comic Sans MS", .points = 11};

Design line(Frame* in, int top, const char* caption) {
    return {.in = in,
            .left = 1800,
            .top = top,
            .width = 5400,
            .height = 330,
            .caption = caption,
            .fore = navy,
            .font = textFont};
}

const Font statusFont{.family = "Arial", .points = 9};
constexpr int statusHeight = 375;
constexpr int scrollPanel = 1;
constexpr int progressPanel = 2;
constexpr int lastTick = 150;

} // namespace

Frminfo::Frminfo(Maaltafels& a)
    : Screen(
          a, "frminfo",
          {.caption = "Over Maaltafels", .back = Color::rgb(111, 111, 111), .width = 10185, .height = 5925}),
      Frame1(*this, "Frame1", {.left = 240, .top = 240, .width = 9705, .height = 5040, .back = cream}),
      imgides(*this, "imgides",
              {.in = &Frame1,
               .left = 240,
               .top = 240,
               .width = 1200,
               .height = 1500,
               .picture = "shell/portret"}),
      lblmemo(*this, "lblmemo",
              {.in = &Frame1,
               .left = 1800,
               .top = 240,
               .width = 5400,
               .height = 420,
               .caption = "Voor jou gemaakt door ",
               .fore = navy,
               .font = {.family = "Comic Sans MS", .points = 14, .bold = true}}),
      Lblidee(*this, "Lblidee",
              {.in = &Frame1,
               .left = 1800,
               .top = 720,
               .width = 5400,
               .height = 420,
               .caption = "het Maaltafels-team",
               .fore = Color::rgb(128, 0, 0),
               .font = {.family = "Comic Sans MS", .points = 14, .bold = true}}),
      lbladres1(*this, "lbladres1", line(&Frame1, 1260, "Leerkrachten en programmeurs, samen aan het werk")),
      lblmail(*this, "lblmail", line(&Frame1, 1620, "Uitgetest met kinderen van de lagere school")),
      Lblwebinfo(*this, "Lblwebinfo", line(&Frame1, 1980, "Begonnen in 2025, gemaakt om te blijven oefenen")),
      lblinstituut(*this, "lblinstituut",
                   {.in = &Frame1,
                    .left = 1800,
                    .top = 2640,
                    .width = 4200,
                    .height = 480,
                    .caption = "KWISPELWERK ",
                    .back = navy,
                    .fore = Color::rgb(255, 255, 255),
                    .font = {.family = "Comic Sans MS", .points = 16, .bold = true},
                    .align = Align::Center}),
      lblmening(*this, "lblmening",
                {.in = &Frame1,
                 .left = 1800,
                 .top = 3180,
                 .width = 4200,
                 .height = 360,
                 .caption = "software om te trainen",
                 .fore = navy,
                 .font = textFont,
                 .align = Align::Center}),
      lblgeld(*this, "lblgeld",
              {.in = &Frame1,
               .left = 1800,
               .top = 3780,
               .width = 5400,
               .height = 720,
               .fore = Color::rgb(0, 96, 0),
               .font = {.family = "Comic Sans MS", .points = 11, .bold = true}}),
      Imgzon(
          *this, "Imgzon",
          {.in = &Frame1, .left = 7560, .top = 240, .width = 1920, .height = 1920, .picture = "shell/zon"}),
      Image3(*this, "Image3",
             {.in = &Frame1,
              .left = 7440,
              .top = 2640,
              .width = 2040,
              .height = 1020,
              .picture = "shell/infologo1",
              .tip = "www.maaltafels.example"}),
      Image4(*this, "Image4",
             {.in = &Frame1,
              .left = 7440,
              .top = 3780,
              .width = 2040,
              .height = 1020,
              .picture = "shell/infologo2",
              .tip = "www.maaltafels.example"}),
      Timer1(*this, "Timer1", {.enabled = false, .interval = 75}),
      StatusBar1(*this, "StatusBar1",
                 {.left = 0,
                  .top = 5925 - statusHeight,
                  .width = 10185,
                  .height = statusHeight,
                  .font = statusFont,
                  .panelWidths = {4200, 2400, 1320, 900, 1365}}),
      ProgressBar1(*this, "ProgressBar1", {.in = &StatusBar1, .visible = false}), app(a) {
    Timer1.Tick = [this] { Timer1_Timer(); };
    StatusBar1.setPanelStyle(3, StatusBar::Style::Date);
    StatusBar1.setPanelStyle(4, StatusBar::Style::Time);
    StatusBar1.setPanelText(5, "Gratis software");
    expose("teller", teller);
}

void Frminfo::Form_Load() {
    lblgeld.setCaption("Dit programma is gratis.\r\nJe school kan het verspreiden via haar eigen website.");
    startvoortgang();
    StatusBar1.setPanelText(scrollPanel, "Kwispelwerk,educatieve software voor de basisschool");
    StatusBar1.setPanelTag(scrollPanel, "");
    centre();
}

void Frminfo::Form_Activate() {
    startvoortgang();
}

void Frminfo::startvoortgang() {
    ProgressBar1.setMin(0);
    ProgressBar1.setMax(lastTick);
    plaatsvoortgang(true);
    Timer1.setEnabled(true);
}

void Frminfo::plaatsvoortgang(bool show) {
    if (!show) {
        ProgressBar1.setVisible(false);
        return;
    }
    // The panel's rectangle in whole pixels, as the status line reports it, then back to twips.
    const int tpp = program().metrics().twipsPerPixel();
    const auto& panel = StatusBar1.panel(progressPanel);
    const int pxLeft = StatusBar1.panelLeft(progressPanel) / tpp;
    const int pxRight = (StatusBar1.panelLeft(progressPanel) + panel.width) / tpp;
    const int pxTop = 2;
    const int pxBottom = StatusBar1.height() / tpp - 2;
    const int top = pxTop * tpp;
    const int left = pxLeft * tpp;
    ProgressBar1.move(left, top, pxRight * tpp - left, pxBottom * tpp - top);
    ProgressBar1.setVisible(true);
    ProgressBar1.setValue(0);
}

void Frminfo::Timer1_Timer() {
    const auto& panel = StatusBar1.panel(scrollPanel);
    if (panel.tag.empty()) {
        const int blank = std::max(1, program().metrics().textWidth(" ", StatusBar1.font()));
        const auto n = static_cast<std::size_t>(roundHalfEven(double(panel.width) / blank));
        StatusBar1.setPanelTag(scrollPanel, std::string(n, ' ') + panel.text);
        StatusBar1.setPanelText(scrollPanel, panel.tag);
    }
    if (!panel.text.empty())
        StatusBar1.setPanelText(scrollPanel, panel.text.substr(1));
    else
        StatusBar1.setPanelText(scrollPanel, panel.tag);

    ++teller;
    if (teller > lastTick) {
        Timer1.setEnabled(false);
        plaatsvoortgang(false);
        teller = 0;
        hide();
        app.end();
        return;
    }
    ProgressBar1.setValue(teller);
}
