// SPDX-License-Identifier: GPL-3.0-or-later
#include "aklas/aklas.h"

#include <string>

#include "drill/tafels.h"
#include "platform/numbers.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color navy = Color::rgb(0, 0, 128);
constexpr Color white = Color::rgb(255, 255, 255);
constexpr Color pale = Color::rgb(192, 255, 192);
constexpr int columns[] = {120, 600, 1080, 1560, 2050, 2560, 3100, 3590, 4080, 4560};

Design list(int left, int top, int width, int height, Color back, Color fore, bool visible) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = visible,
            .back = back,
            .fore = fore,
            .font = {.family = "Arial", .points = 8, .bold = true},
            .align = Align::Center};
}

Design heading(int left, const char* caption, Color back, Color fore) {
    return {.left = left,
            .top = 240,
            .width = 1455,
            .height = 375,
            .caption = caption,
            .back = back,
            .fore = fore,
            .font = {.family = "Comic Sans MS", .points = 9, .bold = true},
            .align = Align::Center};
}

// The cells only show: no caret, no typing, and Tab passes them by.
Design cel(Frame* in, int i) {
    const Font f{.family = "Arial", .points = 8, .bold = true};
    const Color yellow = Color::rgb(255, 255, 0);
    if (i == 0)
        return {.in = in,
                .left = 4560,
                .top = 200,
                .width = 375,
                .height = 195,
                .text = "0",
                .back = yellow,
                // The cell above the field is lower than the others.
                .font = {.family = "Arial", .points = 6, .bold = true},
                .align = Align::Center,
                .readOnly = true};
    const int r = (i - 1) / 10, c = (i - 1) % 10;
    return {.in = in,
            .left = columns[c],
            .top = 480 + 400 * r,
            .width = 375,
            .height = 285,
            .text = numberText(i),
            .back = yellow,
            .font = f,
            .align = Align::Center,
            .readOnly = true};
}

} // namespace

Aklas::Aklas(Maaltafels& a, Level level)
    : Screen(a, std::string(aklasNaam(level)),
             {.caption = "A klas ", .back = Color::rgb(255, 255, 128), .width = 11880, .height = 8010}),
      Image3(*this, "Image3",
             {.left = 0, .top = 600, .width = 5475, .height = 3510, .picture = "aklas/bord"}),
      Label1(*this, "Label1", heading(240, "dat ken je zeker", Color::rgb(0, 192, 0), navy)),
      Label2(*this, "Label2", heading(1920, "dat is moeilijker", Color::rgb(255, 0, 0), white)),
      Lbltrainer2(*this, "Lbltrainer2", list(360, 960, 1215, 1695, pale, navy, false)),
      lbltrainer3(*this, "lbltrainer3", list(2040, 960, 1215, 1695, Color::rgb(255, 192, 192), navy, true)),
      lblinfor(*this, "lblinfor",
               {.left = 120,
                .top = 3600,
                .width = 3255,
                .height = 735,
                .back = Color::rgb(255, 0, 0),
                .fore = white,
                .font = {.family = "Arial", .points = 18, .bold = true},
                .align = Align::Center}),
      Lblinaklas(*this, "Lblinaklas",
                 {.left = 3360,
                  .top = 4320,
                  .width = 1575,
                  .height = 495,
                  .caption = "Ik ben de taakleraar, welkom in de A klas",
                  .visible = false,
                  .back = navy,
                  .fore = white,
                  .font = {.family = "Arial", .points = 7, .bold = true}}),
      Image1(*this, "Image1",
             {.left = 4920, .top = 4320, .width = 480, .height = 480, .picture = "aklas/meester"}),
      Lbltrainer(*this, "Lbltrainer", list(3360, 4920, 1815, 2535, Color::rgb(0, 0, 0), white, false)),
      Image2(*this, "Image2",
             {.left = 120, .top = 4560, .width = 2820, .height = 2985, .picture = "aklas/kinderen"}),
      shpTip(*this, "shpTip",
             {{2,
               {.left = 3960,
                .top = 360,
                .width = 5895,
                .height = 1095,
                .back = pale,
                .border = navy,
                .shape = ShapeStyle::RoundedRectangle,
                .borderWidth = 2}}}),
      lblmededeling(*this, "lblmededeling",
                    {.left = 4200,
                     .top = 480,
                     .width = 5535,
                     .height = 855,
                     .back = pale,
                     .fore = navy,
                     .font = {.family = "Comic Sans MS", .points = 12, .bold = true},
                     .align = Align::Center}),
      Frmveld(*this, "Frmveld",
              {.left = 5520,
               .top = 1800,
               .width = 5145,
               .height = 5220,
               .caption = "Honderdveld",
               .back = Color::rgb(255, 255, 0),
               .fore = navy,
               .border = navy}),
      Line1(*this, "Line1"), Line2(*this, "Line2"), Text2(*this, "Text2"),
      Lbl100veld(*this, "Lbl100veld",
                 {.in = &Frmveld,
                  .left = 120,
                  .top = 4560,
                  .width = 4815,
                  .height = 495,
                  .caption = "Oefenen op het honderdveld",
                  .back = Color::rgb(255, 255, 192),
                  .fore = navy,
                  .font = {.family = "Comic Sans MS", .points = 12, .bold = true},
                  .align = Align::Center}),
      Frmkiestafel(*this, "Frmkiestafel",
                   {.left = 10680,
                    .top = 1800,
                    .width = 1095,
                    .height = 5415,
                    .caption = "Keuze",
                    .back = pale,
                    .fore = navy,
                    .border = navy}),
      Label3(*this, "Label3", {.left = 9840, .top = 120, .width = 1935, .height = 1695, .back = white}),
      Image4(*this, "Image4",
             {.left = 9960, .top = 240, .width = 1485, .height = 1485, .picture = "aklas/pijl"}),
      txtgetal2(*this, "txtgetal2", {.left = 9600, .top = 0, .width = 615, .height = 735, .visible = false}),
      Timerreset(*this, "Timerreset", {.enabled = false, .interval = aklas::eindeNa}),
      Cmdterug(*this, "Cmdterug",
               {.left = 8760,
                .top = 7200,
                .width = 3015,
                .height = 735,
                .caption = "terug",
                .picture = "aklas/terug",
                .visible = false,
                .back = Color::rgb(255, 255, 192),
                .fore = navy,
                .font = {.family = "Comic Sans MS", .points = 12, .bold = true}}),
      app(a), m_level(level) {
    rooster();
    for (int i = 0; i < aklas::cellen; ++i)
        Text2.add(i, cel(&Frmveld, i));
    for (int n = 1; n <= 10; ++n) {
        auto& b = Cmd[static_cast<std::size_t>(n - 1)];
        b = std::make_unique<Button>(*this, "Cmd" + std::to_string(n),
                                     Design{.in = &Frmkiestafel,
                                            .left = 120,
                                            .top = 240 + 480 * (n - 1),
                                            .width = 735,
                                            .height = 375,
                                            .caption = "x " + std::to_string(n),
                                            .back = Color::rgb(255, 128, 0),
                                            .fore = navy,
                                            .font = {.family = "Comic Sans MS", .points = 10, .bold = true}});
        b->Click = [this, n] { Cmd_Click(n); };
        auto& t = Timer[static_cast<std::size_t>(n - 1)];
        t = std::make_unique<mt::Timer>(*this, "Timer" + std::to_string(n),
                                        Design{.enabled = false, .interval = aklas::bedekNa});
        t->Tick = [this, n] { Timer_Timer(n); };
    }
    Timerreset.Tick = [this] { Timerreset_Timer(); };
    txtgetal2.Change = [this] { txtgetal2_Change(); };
    Cmdterug.Click = [this] { Cmdterug_Click(); };
    Image1.MouseMove = [this] { Image1_MouseMove(); };
    Lblinaklas.MouseMove = [this] { Lblinaklas_MouseMove(); };
}

Tafels& Aklas::partner() {
    return app.tafels(m_level);
}

void Aklas::rooster() {
    // Thin lines halfway between the rows and columns of cells 1 to 100.
    const Color grid = Color::rgb(0, 0, 128);
    constexpr int top = 440, bottom = 4440, left = 80;
    const int right = columns[9] + 375 + 40;
    for (int c = 0; c < 9; ++c) {
        const int x = (columns[c] + 375 + columns[c + 1]) / 2;
        Line1.add(
            c, {.in = &Frmveld, .left = x, .top = top, .width = 0, .height = bottom - top, .border = grid});
    }
    for (int r = 0; r < 9; ++r) {
        const int y = 480 + 400 * r + 285 + (400 - 285) / 2;
        Line2.add(
            r, {.in = &Frmveld, .left = left, .top = y, .width = right - left, .height = 0, .border = grid});
    }
}

void Aklas::Form_Load() {
    centre();
    lblinfor.setCaption(partner().probleem);
    reset();
}

void Aklas::Form_Activate() {
    centre();
    lblinfor.setCaption(partner().probleem);
    lblmededeling.setCaption(aklas::hint(partner().lblmult2.caption()));
    reset();
}

void Aklas::reset() {
    beurt.reset();
    txtgetal2.setText(beurt.tafel);
    toon();
}

void Aklas::toon() {
    for (int c : aklas::productcellen()) {
        Text2(c).setVisible(true);
        Text2(c).setBackColor(beurt.kleur[static_cast<std::size_t>(c)]);
    }
    Frmkiestafel.setVisible(beurt.keuze);
    Cmdterug.setVisible(beurt.terug);
    Lbltrainer2.setVisible(beurt.vragen);
    lbltrainer3.setVisible(beurt.vragen);
    Lbltrainer.setVisible(beurt.antwoord);
}

void Aklas::Cmd_Click(int n) {
    beurt.kies(n);
    Timer[static_cast<std::size_t>(n - 1)]->setEnabled(true);
    Timerreset.setEnabled(true);
    txtgetal2.setText(beurt.tafel);
    Lbltrainer2.setCaption(aklas::makkelijkeVragen(n));
    lbltrainer3.setCaption(aklas::moeilijkeVragen(n));
    toon();
}

void Aklas::Timer_Timer(int n) {
    // The timer is not stopped here; the end of the turn stops all ten.
    beurt.bedek(n);
    toon();
}

void Aklas::Timerreset_Timer() {
    beurt.einde();
    for (auto& t : Timer)
        t->setEnabled(false);
    Timerreset.setEnabled(false);
    toon();
}

void Aklas::txtgetal2_Change() {
    Lbltrainer.setCaption(aklas::antwoorden(txtgetal2.text()));
}

void Aklas::Cmdterug_Click() {
    lblinfor.setCaption("");
    Lblinaklas.setVisible(false);
    hide();
    Tafels& p = partner();
    p.show();
    p.Tmrchrono.setEnabled(true);
    p.tmrval.setEnabled(true);
    p.txtAntwoord.setText("");
    p.txtAntwoord.setFocus();
    p.cmdgroen.setVisible(false);
    p.cmdrood.setVisible(true);
    beurt.terug = false;
    Cmdterug.setVisible(false);
}

void Aklas::Form_KeyPress(int& keyAscii) {
    // Enter moves on like Tab.
    if (keyAscii == 13) {
        keyAscii = 0;
        tab();
    }
}

void Aklas::Image1_MouseMove() {
    Lblinaklas.setVisible(true);
}

void Aklas::Lblinaklas_MouseMove() {
    Lblinaklas.setVisible(false);
}
