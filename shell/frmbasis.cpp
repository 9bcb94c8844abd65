// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmbasis.h"

#include <utility>

#include "shell/maaltafels.h"

using namespace mt;

namespace {

const Font buttonFont{.family = "Comic Sans MS", .points = 14, .bold = true};

Design textButton(int top, const char* caption) {
    return {.left = 4080,
            .top = top,
            .width = 5295,
            .height = 495,
            .caption = caption,
            .back = Color::rgb(255, 236, 150),
            .fore = Color::rgb(0, 0, 128),
            .font = buttonFont};
}

Design carousel(const char* picture, bool visible) {
    return {.left = 360,
            .top = 360,
            .width = 3360,
            .height = 3920,
            .picture = picture,
            .tip = "klik",
            .visible = visible};
}

} // namespace

Frmbasis::Frmbasis(Maaltafels& a)
    : Screen(a, "frmbasis",
             {.caption = "K E U Z E B O R D",
              .back = Color::rgb(255, 255, 255),
              .width = 10260,
              .height = 7260}),
      Shape1(*this, "Shape1",
             {.left = 240,
              .top = 240,
              .width = 3600,
              .height = 4160,
              .back = Color::rgb(255, 248, 220),
              .border = Color::rgb(255, 160, 64),
              .shape = ShapeStyle::RoundedRectangle,
              .borderWidth = 3}),
      imgmeisje(*this, "imgmeisje", carousel("shell/meisje", true)),
      imgwit(*this, "imgwit", carousel("shell/wit", false)),
      imgchinees(*this, "imgchinees", carousel("shell/chinees", false)),
      imgkleur(*this, "imgkleur", carousel("shell/kleur", false)),
      imgkleur2(*this, "imgkleur2", carousel("shell/kleur2", false)),
      imgkleur3(*this, "imgkleur3", carousel("shell/kleur3", false)),
      Image2(*this, "Image2",
             {.left = 600,
              .top = 5160,
              .width = 2880,
              .height = 1440,
              .picture = "common/logo",
              .tip = "www.maaltafels.example"}),
      Command2(*this, "Command2", textButton(240, "Van + naar x")),
      Command3(*this, "Command3", textButton(840, "Leer elke tafel")),
      Command4(*this, "Command4", textButton(1440, "Ken alle produktgetallen")),
      cmdkwartier(*this, "cmdkwartier", textButton(2040, "Alle tafels oefenen")),
      Command8(*this, "Command8", textButton(2640, "Stap voor stap aanleren")),
      Command1(*this, "Command1", textButton(3240, "Door elkaar")),
      Command5(*this, "Command5", textButton(3840, "of zo...")),
      Command9(*this, "Command9", textButton(4440, "Grote getallen vermenigvuldigen")),
      Command6(*this, "Command6", textButton(5070, "Automatiseren")),
      Command7(*this, "Command7", textButton(5760, "Training ")), cmdeinde(*this, "cmdeinde",
                                                                           {.left = 5520,
                                                                            .top = 6480,
                                                                            .width = 1815,
                                                                            .height = 735,
                                                                            .picture = "shell/stop",
                                                                            .tip = "S T O P ",
                                                                            .back = Color::rgb(128, 0, 0)}),
      app(a) {
    const std::pair<Button*, std::string_view> targets[] = {
        {&Command2, "frmmaalplus"},     {&Command3, "frmmaalplus2"},
        {&Command4, "frmmaalplus2xp"},  {&cmdkwartier, "frmmaalplusalles"},
        {&Command8, "frmmaalleermeer"}, {&Command1, "frmmaalleer"},
        {&Command5, "frmmaal4"},        {&Command9, "frmmaalTE"},
        {&Command6, "frmmaalkluk"},     {&Command7, "frmSplash"},
        {&cmdeinde, "frminfo"}};
    for (auto [button, target] : targets) {
        bool frameOn = button == &Command7 || button == &cmdeinde;
        button->Click = [this, target = target, frameOn] { open(target, frameOn); };
    }

    Image* cycle[] = {&imgmeisje, &imgwit, &imgchinees, &imgkleur, &imgkleur2, &imgkleur3};
    for (std::size_t i = 0; i < std::size(cycle); ++i) {
        Image& next = *cycle[(i + 1) % std::size(cycle)];
        cycle[i]->Click = [this, clicked = cycle[i], &next] { volgende(*clicked, next); };
    }
}

void Frmbasis::open(std::string_view target, bool frameOn) {
    app.use(target).show();
    hide();
    if (frameOn)
        app.frameEnabled(true);
}

void Frmbasis::volgende(Image& clicked, Image& next) {
    clicked.setVisible(false);
    next.setVisible(true);
}
