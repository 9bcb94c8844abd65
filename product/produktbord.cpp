// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/produktbord.h"

#include <array>
#include <utility>
#include <vector>

#include "platform/numbers.h"
#include "product/regels.h"
#include "product/tafelkleur.h"
#include "shell/frmbasis.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color wit = Color::rgb(255, 255, 255);
constexpr Color zwart = Color::rgb(0, 0, 0);
constexpr Color grijs = Color::rgb(128, 128, 128);
constexpr Color malergrijs = Color::rgb(141, 141, 141);
constexpr Color marine = Color::rgb(0, 0, 128);
constexpr Color oranje = Color::rgb(255, 160, 64);

const Font vergelijking{.family = "Arial", .points = 26, .bold = true};

constexpr int vak = 405;       // a hundred-field cell
constexpr int vakstap = 420;   // from one cell to the next
constexpr int veldTop = 2100;  // the row of cells 1..10
constexpr int somTop = 3030;   // the sum line
constexpr int staafTop = 3420; // the first bar
constexpr int staafstap = 300;
constexpr int eenheid = 552; // one unit of a bar: the bars of two tables compare by length
constexpr int beloning = 450;

std::vector<std::pair<int, Design>> honderdveld() {
    std::vector<std::pair<int, Design>> out;
    for (int n = 0; n <= 100; ++n) {
        // Cells 1..100 in ten rows of ten; cell 0 alone above cell 10.
        const int rij = n == 0 ? -1 : (n - 1) / 10;
        const int kolom = n == 0 ? 9 : (n - 1) % 10;
        out.push_back({n,
                       {.left = Produktbord::veldLinks + vakstap * kolom,
                        .top = veldTop + vakstap * rij,
                        .width = vak,
                        .height = vak,
                        .back = grijs,
                        .fore = wit,
                        .font = {.family = "Arial", .points = 11, .bold = true},
                        .align = Align::Center}});
    }
    return out;
}

std::vector<std::pair<int, Design>> staafrijen(int tafel) {
    const Color kleur = product::tafelkleur(tafel)->achter;
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 9; ++i)
        out.push_back({i,
                       {.left = Produktbord::links,
                        .top = staafTop + staafstap * i,
                        .width = eenheid * tafel,
                        .height = 255,
                        .visible = false,
                        .back = kleur,
                        .border = Color::rgb(60, 60, 60)}});
    return out;
}

Design somdeel(int left, int width, std::string caption) {
    return {.left = left,
            .top = somTop,
            .width = width,
            .height = 330,
            .caption = std::move(caption),
            .visible = false,
            .fore = marine,
            .font = {.family = "Arial", .points = 14, .bold = true},
            .align = Align::Center};
}

std::vector<std::pair<int, Design>> termen() {
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 9; ++i)
        out.push_back({i, somdeel(Produktbord::links + Produktbord::termBreedte * i, 330, "")});
    return out;
}

std::vector<std::pair<int, Design>> plussen() {
    std::vector<std::pair<int, Design>> out;
    for (int i = 0; i <= 8; ++i)
        out.push_back({i, somdeel(Produktbord::links + Produktbord::termBreedte * i + 330, 222, "+")});
    return out;
}

Design operand(int left, std::string caption, Color back, int width = 1140) {
    return {.left = left,
            .top = Produktbord::vergelijkingTop,
            .width = width,
            .height = 720,
            .caption = std::move(caption),
            .back = back,
            .fore = marine,
            .font = vergelijking,
            .align = Align::Center};
}

// The reward pictures stand all around the edges, clockwise from the top left, in six designs.
std::vector<std::pair<int, Design>> beloningen() {
    constexpr int breed = 11880, hoog = 8010, rand = 60;
    constexpr std::array<const char*, 6> ontwerpen{"product/voet",  "product/ster", "product/ballon",
                                                   "product/bloem", "product/hart", "product/feest"};
    std::vector<std::pair<int, int>> plekken;
    const double stap = (breed - 2 * rand - beloning) / 16.0;
    for (int i = 0; i < 17; ++i) // along the top
        plekken.push_back({rand + int(i * stap), rand});
    for (int j = 0; j < 9; ++j) // down the right edge
        plekken.push_back({breed - rand - beloning, 660 + int(j * 6300 / 8.0)});
    for (int i = 16; i >= 0; --i) // back along the bottom
        plekken.push_back({rand + int(i * stap), hoog - rand - beloning});
    for (int j = 7; j >= 0; --j) // up the left edge
        plekken.push_back({rand, 660 + j * 900});
    std::vector<std::pair<int, Design>> out;
    for (std::size_t i = 0; i < plekken.size(); ++i)
        out.push_back({int(i),
                       {.left = plekken[i].first,
                        .top = plekken[i].second,
                        .width = beloning,
                        .height = beloning,
                        .picture = ontwerpen[i % ontwerpen.size()],
                        .visible = false}});
    return out;
}

Design knop(int left, int width, const char* picture, const char* tip, Color back, bool visible) {
    return {.left = left,
            .top = Produktbord::knoppenTop,
            .width = width,
            .height = 660,
            .picture = picture,
            .tip = tip,
            .visible = visible,
            .back = back};
}

Design paneel(int left, int top, int width, int height, Color back) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .back = back,
            .border = oranje,
            .shape = ShapeStyle::RoundedRectangle,
            .borderWidth = 2};
}

std::vector<std::pair<int, Design>> pijlen() {
    std::vector<std::pair<int, Design>> out;
    const int tops[] = {Produktbord::vergelijkingTop + 150, somTop - 45, staafTop + 1200};
    for (int i = 0; i < 3; ++i)
        out.push_back(
            {i, {.left = 6480, .top = tops[i], .width = 420, .height = 420, .picture = "common/pijl_links"}});
    return out;
}

} // namespace

Produktbord::Produktbord(Maaltafels& a, Ontwerp o)
    : Screen(a, o.naam,
             {.caption = o.titel, .back = Color::rgb(255, 250, 225), .width = 11880, .height = 8010}),
      Shape1(*this, "Shape1", paneel(600, 1620, 5760, 840, Color::rgb(255, 240, 180))),
      Shape2(*this, "Shape2", paneel(600, 2520, 5760, 3960, Color::rgb(255, 255, 255))),
      Shape3(*this, "Shape3",
             {.left = veldLinks - 60,
              .top = veldTop - 60,
              .width = 9 * vakstap + vak + 120,
              .height = 9 * vakstap + vak + 120,
              .back = Color::rgb(70, 70, 70)}),
      Shape4(*this, "Shape4", paneel(600, knoppenTop - 60, 10680, 780, Color::rgb(255, 236, 150))),
      lbl100veld(*this, "lbl100veld", honderdveld()), shp1(*this, "shp1", staafrijen(1)),
      shp2(*this, "shp2", staafrijen(2)), shp3(*this, "shp3", staafrijen(3)),
      shp4(*this, "shp4", staafrijen(4)), shp5(*this, "shp5", staafrijen(5)),
      shp6(*this, "shp6", staafrijen(6)), shp7(*this, "shp7", staafrijen(7)),
      shp8(*this, "shp8", staafrijen(8)), shp9(*this, "shp9", staafrijen(9)),
      shp10(*this, "shp10", staafrijen(10)), lblcijfer1(*this, "lblcijfer1", termen()),
      lblplus(*this, "lblplus", plussen()),
      lblquotient(*this, "lblquotient", operand(o.quotientLinks, " ", Color::rgb(255, 255, 255))),
      lblmaal(*this, "lblmaal", operand(1920, "X", Color::rgb(255, 240, 180), 600)),
      lblmaler(*this, "lblmaler", operand(2580, " ", malergrijs)),
      Label1(*this, "Label1", operand(3780, "=", Color::rgb(255, 240, 180), 600)),
      imggoed(*this, "imggoed",
              {.left = 5700,
               .top = vergelijkingTop,
               .width = 720,
               .height = 720,
               .picture = "product/goed",
               .visible = false}),
      imgfout(*this, "imgfout",
              {{0,
                {.left = 5700,
                 .top = vergelijkingTop,
                 .width = 720,
                 .height = 720,
                 .picture = "product/fout",
                 .visible = false}}}),
      lblfout(*this, "lblfout",
              {.left = 5760,
               .top = knoppenTop,
               .width = 2880,
               .height = 660,
               .caption = "fout : opnieuw",
               .visible = false,
               .back = Color::rgb(255, 0, 0),
               .fore = wit,
               .font = {.family = "Arial", .points = 18, .bold = true},
               .align = Align::Center}),
      imgvoet(*this, "imgvoet", beloningen()),
      cmdfout(*this, "cmdfout",
              knop(3480, 1260, "product/foutknop", "FOUT", Color::rgb(255, 196, 196), false)),
      cmdcontrole(*this, "cmdcontrole",
                  knop(3480, 1260, "product/controle", "CONTROLE", Color::rgb(182, 252, 105), false)),
      cmdnieuw(*this, "cmdnieuw",
               knop(2100, 1260, "product/nieuw", "NIEUW", Color::rgb(129, 179, 239), false)),
      cmdstop(*this, "cmdstop", knop(720, 1260, "common/stop", "STOP", Color::rgb(128, 0, 0), true)),
      imgpijlL(*this, "imgpijlL", pijlen()), Image2(*this, "Image2",
                                                    {.left = 10020,
                                                     .top = knoppenTop + 60,
                                                     .width = 1080,
                                                     .height = 540,
                                                     .picture = "common/logo",
                                                     .tip = "www.maaltafels.example"}),
      app(a), m_wisnummers(o.wisnummers) {
    expose("laatsterij", laatsterij);
    expose("tafel", tafel);
    cmdstop.Click = [this] { cmdstop_Click(); };
}

Design Produktbord::typvak(int left) {
    return {.left = left,
            .top = vergelijkingTop,
            .width = 1140,
            .height = 720,
            .back = wit,
            .fore = marine,
            .font = vergelijking,
            .align = Align::Center,
            .enterPresses = &cmdcontrole};
}

Design Produktbord::klikvak() {
    Design d = operand(operandRechts, " ", malergrijs);
    d.fore = wit;
    return d;
}

Design Produktbord::klikregel() {
    return {.left = veldLinks,
            .top = vergelijkingTop,
            .width = 3660,
            .height = 405,
            .caption = "klik op het juiste product",
            .visible = false,
            .fore = Color::rgb(128, 0, 0),
            .font = {.family = "Comic Sans MS", .points = 12, .bold = true}};
}

Design Produktbord::startknop() {
    return knop(2100, 1260, "common/start", "START", Color::rgb(255, 0, 255), true);
}

Design Produktbord::foutjeknop() {
    return knop(4860, 780, "common/oeifout", "foutje", Color::rgb(128, 128, 255), true);
}

ControlArray<Shape>& Produktbord::staven(int k) {
    ControlArray<Shape>* alle[] = {&shp1, &shp2, &shp3, &shp4, &shp5, &shp6, &shp7, &shp8, &shp9, &shp10};
    return *alle[k - 1];
}

void Produktbord::Form_Load() {
    centre();
}

void Produktbord::Form_Activate() {
    centre();
}

void Produktbord::cmdstop_Click() {
    app.frmbasis().show();
    hide();
}

void Produktbord::tekenstroken() {
    if (tafel < 1 || tafel > 10 || laatsterij < 0 || laatsterij > 9)
        return;
    for (int i = 0; i <= laatsterij; ++i) {
        lblcijfer1(i).setVisible(true);
        lblcijfer1(i).setCaption(numberText(tafel));
        staven(tafel)(i).setVisible(true);
    }
    for (int i = 0; i < laatsterij; ++i)
        lblplus(i).setVisible(true);
}

void Produktbord::kleurmaler() {
    if (auto kleur = product::tafelkleur(tafel)) {
        lblmaler.setBackColor(kleur->achter);
        lblmaler.setForeColor(kleur->tekst);
    }
}

void Produktbord::kleurtafelvakken() {
    auto kleur = product::tafelkleur(tafel);
    if (!kleur)
        return;
    // Table 1 stands in white on the grey field, not in the window's colour.
    const Color achter = tafel == 1 ? wit : kleur->achter;
    for (int k = 0; k <= 10; ++k) {
        lbl100veld(k * tafel).setBackColor(achter);
        lbl100veld(k * tafel).setForeColor(kleur->tekst);
    }
}

void Produktbord::nummerhonderdveld() {
    for (int n = 0; n <= 100; ++n)
        lbl100veld(n).setCaption(numberText(n));
}

void Produktbord::toonproductgetallen() {
    for (int n : product::blanco)
        lbl100veld(n).setCaption("");
}

void Produktbord::wisbord() {
    for (int i = 0; i <= 9; ++i) {
        lblcijfer1(i).setVisible(false);
        for (int k = 1; k <= 10; ++k)
            staven(k)(i).setVisible(false);
    }
    for (int i = 0; i <= 8; ++i)
        lblplus(i).setVisible(false);
    lblmaler.setCaption("");
    lblmaler.setBackColor(malergrijs);
    lblmaler.setForeColor(zwart);
    lblquotient.setCaption("");
    for (int n = 0; n <= 100; ++n) {
        lbl100veld(n).setBackColor(grijs);
        lbl100veld(n).setForeColor(wit);
        if (m_wisnummers)
            lbl100veld(n).setCaption("");
    }
    for (int i = 0; i <= 50; ++i)
        imgvoet(i).setVisible(false);
    imggoed.setVisible(false);
}

void Produktbord::trekoefening(bool ookTafel) {
    app.randomize();
    laatsterij = static_cast<std::int16_t>(intPart(app.rnd() * 9 + 1));
    if (ookTafel)
        tafel = static_cast<std::int16_t>(intPart(app.rnd() * 10 + 1));
}

Decimal Produktbord::leesantwoord(TextBox& veld) {
    veld.setText(product::gelezen(veld.text()));
    return product::antwoordwaarde(veld.text());
}

Decimal Produktbord::leesantwoord(Label& veld) {
    veld.setCaption(product::gelezen(veld.caption()));
    return product::antwoordwaarde(veld.caption());
}

void Produktbord::goedstappen(bool focusNieuw) {
    imggoed.setVisible(true);
    cmdnieuw.setVisible(true);
    if (focusNieuw)
        cmdnieuw.setFocus();
    cmdcontrole.setVisible(false);
    for (int i = 0; i <= 50; ++i)
        imgvoet(i).setVisible(true);
}

void Produktbord::foutstappen() {
    lblfout.setVisible(true);
    imgfout(0).setVisible(true);
    cmdcontrole.setVisible(false);
    cmdfout.setVisible(true);
    cmdfout.setFocus();
}

void Produktbord::ruimop() {
    imggoed.setVisible(false);
    for (int i = 0; i <= 50; ++i)
        imgvoet(i).setVisible(false);
    lblfout.setVisible(false);
    imgfout(0).setVisible(false);
    cmdfout.setVisible(false);
    cmdnieuw.setVisible(false);
}

Liniaal::Liniaal(Screen& s)
    : lbleen(s, "lbleen"), linehoeveel(s, "linehoeveel"), Line1(s, "Line1",
                                                                {.left = Produktbord::links + 165,
                                                                 .top = 2970,
                                                                 .width = 9 * Produktbord::termBreedte,
                                                                 .height = 0,
                                                                 .border = Color::rgb(0, 0, 128),
                                                                 .borderWidth = 2}) {
    const std::pair<int, const char*> merken[] = {{0, "1"}, {4, "5"}, {9, "10"}};
    for (int i = 0; i < 3; ++i)
        lbleen.add(i, {.left = Produktbord::links + Produktbord::termBreedte * merken[i].first - 45,
                       .top = 2580,
                       .width = 420,
                       .height = 270,
                       .caption = merken[i].second,
                       .fore = Color::rgb(0, 0, 128),
                       .font = {.family = "Arial", .points = 9, .bold = true},
                       .align = Align::Center});
    for (int i = 0; i <= 9; ++i)
        linehoeveel.add(i, {.left = Produktbord::links + Produktbord::termBreedte * i + 165,
                            .top = i == 0 || i == 4 || i == 9 ? 2850 : 2900,
                            .width = 0,
                            .height = i == 0 || i == 4 || i == 9 ? 120 : 70,
                            .border = Color::rgb(0, 0, 128),
                            .borderWidth = 2});
}
