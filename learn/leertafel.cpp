// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/leertafel.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "learn/rows.h"
#include "platform/numbers.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color rijgeel = Color::rgb(255, 255, 128);
constexpr Color uitleggeel = Color::rgb(255, 192, 128);
constexpr Color groen = Color::rgb(0, 255, 0);

std::vector<std::pair<int, Design>> rijen() {
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 10; ++i)
        out.push_back({i,
                       {.left = 4080,
                        .top = learn::rijtop[static_cast<std::size_t>(i)],
                        .width = 7695,
                        // A little lower than the 720 between rows, so the bottom row stays on its panel.
                        .height = 570,
                        .back = rijgeel,
                        .fore = Color::rgb(0, 0, 128),
                        .font = {.family = "Arial", .points = 20, .bold = true},
                        .align = Align::Center}});
    return out;
}

// The inside of the bottom left panel's border: a step button ends above it.
constexpr int paneelonder = 7845;

std::vector<std::pair<int, Design>> stapknoppen(int top) {
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 9; ++i)
        out.push_back({i,
                       {.left = 1800,
                        .top = top,
                        .width = 1695,
                        .height = std::min(1575, paneelonder - top),
                        .caption = learn::knoptekst(i),
                        .visible = false,
                        .back = groen,
                        .fore = Color::rgb(0, 0, 128),
                        .font = {.family = "Arial", .points = 28, .bold = true}}});
    return out;
}

Design startknop(bool visible) {
    return {.left = 120,
            .top = 6000,
            .width = 1455,
            .height = 735,
            .picture = "common/start",
            .tip = "start",
            .visible = visible,
            .back = Color::rgb(192, 0, 192)};
}

Design stopknop(int top, int height) {
    return {.left = 120,
            .top = top,
            .width = 1455,
            .height = height,
            .picture = "common/stop",
            .tip = "STOP",
            .back = Color::rgb(128, 0, 0)};
}

Design paneel(int left, int top, int width, int height, Color c) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .back = c,
            .border = Color::rgb(255, 160, 64),
            .borderWidth = 2};
}

} // namespace

Leertafel::Leertafel(Maaltafels& a, const char* name, Plaats p)
    : Screen(a, name, {.caption = "Leer je tafels", .width = 11880, .height = 7935}),
      Shape1(*this, "Shape1", paneel(60, 60, 3495, 4095, Color::rgb(255, 224, 178))),
      Shape2(*this, "Shape2", paneel(3960, 60, 7890, 7860, Color::rgb(255, 250, 205))),
      Shape3(*this, "Shape3", paneel(60, 4380, 3495, 1335, Color::rgb(255, 250, 205))),
      Shape4(*this, "Shape4", paneel(60, 5820, 3495, 2055, Color::rgb(255, 224, 178))),
      lbluitleg(*this, "lbluitleg",
                {.left = 120,
                 .top = 120,
                 .width = 3375,
                 .height = 3975,
                 .back = uitleggeel,
                 .fore = Color::rgb(128, 0, 0),
                 .font = {.family = "Comic Sans MS", .points = 16, .bold = true},
                 .align = Align::Center}),
      lblmult1(*this, "lblmult1",
               {.left = 240,
                .top = 4440,
                .width = 3015,
                .height = 1215,
                .back = rijgeel,
                .fore = Color::rgb(192, 0, 192),
                .font = {.family = "Arial", .points = 48, .bold = true},
                .align = Align::Center}),
      lblmemo(*this, "lblmemo", rijen()), cmdstart(*this, "cmdstart", startknop(p.start)),
      cmdleer(*this, "cmdleer", stapknoppen(p.leertop)),
      cmdstop(*this, "cmdstop", stopknop(p.stoptop, p.stophoogte)), Image2(*this, "Image2",
                                                                           {.left = 1320,
                                                                            .top = 3540,
                                                                            .width = 960,
                                                                            .height = 480,
                                                                            .picture = "common/logo",
                                                                            .tip = "www.maaltafels.example"}),
      app(a), eindgroen(p.eindgroen) {
    expose("tafel", tafel);
    expose("uitkomst", uitkomst);
    cmdleer.onClick([this](int i) { cmdleer_Click(i); });
    cmdstop.Click = [this] { cmdstop_Click(); };
}

void Leertafel::herstelrijen() {
    for (int i = 0; i <= 10; ++i)
        lblmemo(i).setBackColor(rijgeel);
}

void Leertafel::herstelscherm() {
    herstelrijen();
    for (int i = 0; i <= 9; ++i)
        cmdleer(i).setVisible(false);
    for (int i = 0; i <= 10; ++i)
        lblmemo(i).setCaption("");
    for (int i = 0; i <= 9; ++i)
        cmdleer(i).setBackColor(groen);
    lblmult1.setCaption("");
    lbluitleg.setCaption("");
}

void Leertafel::begintafel(int nieuw) {
    tafel = static_cast<std::int16_t>(nieuw);
    lblmult1.setCaption(numberText(tafel));
    lblmemo(learn::nulrij).setCaption(learn::nulrijtekst(tafel));
    cmdleer(0).setVisible(true);
    // The first step waits where the child can press it with Enter, as each next one will.
    cmdleer(0).setFocus();
}

void Leertafel::cmdleer_Click(int index) {
    const learn::Stap& stap = learn::stapVanKnop(index);
    cmdleer(index).setVisible(false);
    if (stap.volgende >= 0) {
        // The next step takes the pressed one's place, and the focus with it.
        cmdleer(stap.volgende).setVisible(true);
        cmdleer(stap.volgende).setFocus();
    } else {
        tafelklaar();
    }
    uitkomst = static_cast<std::int16_t>(stap.maal * tafel);
    lblmemo(stap.rij).setCaption(learn::rijtekst(stap.maal, tafel));
    if (std::string hint = learn::uitleg(stap.maal, tafel); !hint.empty())
        lbluitleg.setCaption(std::move(hint));
    herstelrijen();
    if (stap.volgende >= 0 || eindgroen)
        lblmemo(stap.rij).setBackColor(groen);
}

void Leertafel::cmdstop_Click() {
    herstelscherm();
    app.frmbasis().show();
    hide();
}
