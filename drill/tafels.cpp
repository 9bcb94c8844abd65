// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/tafels.h"

#include <array>

#include "aklas/aklas.h"
#include "platform/numbers.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "shell/maaltafels.h"

using namespace mt;

namespace {

constexpr Color orange = Color::rgb(255, 192, 128);
constexpr Color navy = Color::rgb(0, 0, 128);
constexpr Color white = Color::rgb(255, 255, 255);
constexpr Color black = Color::rgb(0, 0, 0);
constexpr Color ink = Color::rgb(43, 43, 43);

// The hint line and the verdict: one line of text in a strip 17 pixels high.
const Font comic{.family = "Comic Sans MS", .points = 9, .bold = true};

// The falling area inside its thin border.
constexpr int innerWidth = 6195;
constexpr int innerHeight = 4755;
constexpr int fallStep = 30;
constexpr int lastMode = 8;

struct Mode {
    const char* caption;
    const char* hint;
    int tafel; // 0: drawn at random
    int left;
};

// Indexes 1 and 2 are "x 3" and "x 2": on screen "x 2" stands left of "x 3".
constexpr std::array<Mode, 9> modes{{
    {"alles", "Alle tafels door elkaar oefenen ", 0, 120},
    {"x 3", "Alleen tafel 3 oefenen", 3, 2280},
    {"x 2", "Alleen tafel 2 oefenen", 2, 1200},
    {"x 4", "Alleen tafel 4 oefenen", 4, 3360},
    {"x 5", "Alleen tafel 5 oefenen", 5, 4440},
    {"x 6", "Alleen tafel 6 oefenen", 6, 5520},
    {"x 7", "Alleen tafel 7 oefenen", 7, 6600},
    {"x 8", "Alleen tafel 8 oefenen", 8, 7680},
    {"x 9", "Alleen tafel 9 oefenen", 9, 8760},
}};

Design text(int left, int top, int width, int height, const char* caption, double points = 11) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .fore = navy,
            .font = {.family = "Comic Sans MS", .points = points, .bold = true}};
}

// The lights say what they do: the red one brings help, the green one goes on.
Design lamp(const char* picture, Color back, bool visible, const char* name) {
    return {.left = 5400,
            .top = 5040,
            .width = 975,
            .height = 855,
            .picture = picture,
            .visible = visible,
            .back = back,
            .accessibleName = name};
}

// What the window title says: the drill and its level.
std::string titel(Level l) {
    switch (l) {
    case Level::T:
        return "Tafeltraining: tientallen";
    case Level::H:
        return "Tafeltraining: honderdtallen";
    case Level::E:
        break;
    }
    return "Tafeltraining: eenheden";
}

Design pencil(const char* picture) {
    return {.left = 6840, .top = 2880, .width = 3300, .height = 615, .picture = picture, .visible = false};
}

Design frame(int left, int top, int width, int height, bool visible) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = visible,
            .border = navy,
            .shape = ShapeStyle::RoundedRectangle,
            .borderWidth = 2};
}

} // namespace

Tafels::Tafels(Maaltafels& a, Level level)
    : Screen(a, std::string(tafelsNaam(level)),
             {.caption = titel(level), .back = orange, .width = 10440, .height = 7410}),
      shpTip(*this, "shpTip",
             {{0, frame(6720, 3600, 2880, 600, true)},
              {1, frame(240, 5040, 1485, 855, false)},
              {2, frame(6600, 240, 3615, 855, true)},
              {3, frame(6720, 1440, 975, 690, true)},
              {4, frame(7080, 5400, 2415, 855, false)},
              {5, frame(6600, 4440, 3015, 840, true)}}),
      cmdstarter(*this, "cmdstarter"), Picture1(*this, "Picture1",
                                                {.left = 120,
                                                 .top = 120,
                                                 .width = 6255,
                                                 .height = 4815,
                                                 .back = navy,
                                                 .border = ink,
                                                 .borderWidth = 2}),
      lblvalprobleem(*this, "lblvalprobleem",
                     {.in = &Picture1,
                      .left = 480,
                      .top = 240,
                      .width = 2535,
                      .height = 495,
                      .caption = " ",
                      .fore = white,
                      .font = {.family = "Comic Sans MS", .points = 18}}),
      Picpaddestoel(*this, "Picpaddestoel",
                    {.in = &Picture1, .width = 6255, .height = 4815, .picture = "drill/paddestoel"}),
      txtAntwoord(*this, "txtAntwoord",
                  {.left = 2040,
                   .top = 5100,
                   .width = 1815,
                   .height = 795,
                   .back = navy,
                   .fore = white,
                   .font = {.family = "Arial", .points = 24, .bold = true},
                   .align = Align::Center,
                   .labelledBy = &lblvalprobleem}),
      cmdoeifout(*this, "cmdoeifout",
                 {.left = 4080,
                  .top = 5040,
                  .width = 975,
                  .height = 855,
                  .picture = "common/oeifout",
                  .tip = "Oei een fout !",
                  .visible = false,
                  .back = Color::rgb(128, 128, 255)}),
      cmdstop(*this, "cmdstop",
              {.left = 4080,
               .top = 5040,
               .width = 975,
               .height = 855,
               .picture = "drill/stop",
               .back = Color::rgb(128, 0, 0)}),
      cmdrood(*this, "cmdrood", lamp("drill/rood", Color::rgb(255, 255, 128), true, "Hulp")),
      cmdgroen(*this, "cmdgroen", lamp("drill/groen", Color::rgb(0, 255, 0), false, "Verder")),
      tmrval(*this, "tmrval", {.enabled = false, .interval = 100}),
      // Enabled, but with interval 0 it does not fire until a run sets one.
      Tmrchrono(*this, "Tmrchrono", {.enabled = true, .interval = 0}),
      Label6(*this, "Label6", text(6840, 3720, 735, 375, "nog", 14)),
      Lblchrono(*this, "Lblchrono", text(7680, 3720, 555, 375, "60", 14)),
      Label8(*this, "Label8", text(8280, 3720, 1275, 375, "seconden", 14)),
      Lbltotaal(*this, "Lbltotaal", text(6840, 1560, 735, 495, "0", 18)),
      Label1(*this, "Label1", text(6840, 2160, 2775, 375, "oefeningen juist", 12)),
      Label3(*this, "Label3", text(6720, 4560, 2055, 300, "aantal oefeningen")),
      lblaantal(*this, "lblaantal", text(8880, 4560, 615, 300, "")),
      Label4(*this, "Label4", text(6720, 4920, 2055, 300, "juiste oefeningen")),
      lblaantaljuist(*this, "lblaantaljuist", text(8880, 4920, 615, 300, "")),
      lblmult2(*this, "lblmult2",
               {.left = 8880,
                .top = 1320,
                .width = 615,
                .height = 495,
                .back = Color::rgb(255, 255, 0),
                .fore = navy,
                .font = {.family = "Comic Sans MS", .points = 18, .bold = true},
                .align = Align::Center}),
      Label2(*this, "Label2",
             text(6720, 360, 3375, 615,
                  "Terwijl de vermenigvuldigingen naar beneden vallen, moet je ze oplossen.", 9)),
      lbluitleg(*this, "lbluitleg",
                {.left = 120,
                 .top = 6000,
                 .width = 6255,
                 .height = 255,
                 .back = orange,
                 .fore = navy,
                 .font = comic}),
      lblrood(*this, "lblrood", text(7200, 5520, 2175, 615, "Je krijgt hulp als je op het rood licht klikt")),
      lblTip(*this, "lblTip"), Imgpotloodrood(*this, "Imgpotloodrood", pencil("drill/potloodrood")),
      Imgpotloodgroen(*this, "Imgpotloodgroen", pencil("drill/potloodgroen")),
      Imgpotloodgeel(*this, "Imgpotloodgeel", pencil("drill/potloodgeel")),
      Imgpotloodblauw(*this, "Imgpotloodblauw", pencil("drill/potloodblauw")),
      lblmemo(
          *this, "lblmemo",
          {.left = 7560, .top = 3060, .width = 2415, .height = 255, .font = comic, .align = Align::Center}),
      Image1(*this, "Image1",
             {.left = 9600, .top = 3600, .width = 735, .height = 735, .picture = "drill/deco1"}),
      Image2(*this, "Image2",
             {.left = 9540,
              .top = 5400,
              .width = 840,
              .height = 420,
              .picture = "common/logo",
              .tip = "www.maaltafels.example"}),
      app(a), m_level(level) {
    for (int i = 0; i <= lastMode; ++i)
        cmdstarter.add(i, {.left = modes[i].left,
                           .top = 6360,
                           .width = 975,
                           .height = 975,
                           .caption = modes[i].caption,
                           .back = Color::rgb(255, 128, 0),
                           .fore = navy,
                           .font = {.family = "Comic Sans MS", .points = 14, .bold = true}});
    lblTip.add(1, {.left = 360,
                   .top = 5160,
                   .width = 1245,
                   .height = 615,
                   .caption = "Vul hier zo snel mogelijk de oplossing in",
                   .visible = false,
                   .fore = navy,
                   .font = {.family = "Comic Sans MS", .points = 8, .bold = true}});

    cmdstarter.onClick([this](int i) { cmdstarter_Click(i); });
    cmdstarter.onMouseMove([this](int i) { cmdstarter_MouseMove(i); });
    tmrval.Tick = [this] { tmrval_Timer(); };
    Tmrchrono.Tick = [this] { Tmrchrono_Timer(); };
    txtAntwoord.Change = [this] { txtAntwoord_Change(); };
    cmdoeifout.Click = [this] { cmdoeifout_Click(); };
    cmdrood.Click = [this] { cmdrood_Click(); };
    cmdgroen.Click = [this] { cmdgroen_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
    cmdoeifout.MouseMove = [this] { cmdoeifout_MouseMove(); };
    cmdrood.MouseMove = [this] { cmdrood_MouseMove(); };
    cmdgroen.MouseMove = [this] { cmdgroen_MouseMove(); };
    cmdstop.MouseMove = [this] { cmdstop_MouseMove(); };

    expose("getal", getal);
    expose("tafel", tafel);
    expose("uitkomst", uitkomst);
    expose("soort", soort);
    expose("seconden", seconden);
    expose("juistreeks", juistreeks);
    expose("aantal", aantal);
    expose("aantaljuist", aantaljuist);
    expose("probleem", probleem);
}

void Tafels::Form_Load() {
    centre();
    Lbltotaal.setCaption("0");
    juistreeks = 0;
    program().randomize();
    cmdrood.setVisible(false);
    cmdgroen.setVisible(false);
    app.frameEnabled(false);
    shpTip(4).setVisible(false);
    lblrood.setVisible(false);
    for (int i = 0; i <= lastMode; ++i)
        cmdstarter(i).setVisible(true);
}

void Tafels::cmdstarter_Click(int index) {
    cmdoeifout.setVisible(true);
    lblvalprobleem.setVisible(true);
    tmrval.setEnabled(true);
    cmdstop.setVisible(false);
    cmdrood.setVisible(true);
    txtAntwoord.setEnabled(true);
    txtAntwoord.setFocus();
    Picpaddestoel.setVisible(false);
    Picture1.setVisible(true);
    Tmrchrono.setInterval(1000);
    Tmrchrono.setEnabled(true);
    seconden = 60;
    juistreeks = 0;
    Lbltotaal.setCaption("0");
    lblmemo.setCaption("");
    lblmemo.setVisible(false);
    for (Image* p : {&Imgpotloodrood, &Imgpotloodgroen, &Imgpotloodgeel, &Imgpotloodblauw})
        p->setVisible(false);
    for (int i = 0; i <= lastMode; ++i)
        cmdstarter(i).setVisible(false);
    soort = static_cast<std::int16_t>(index);
    nieuwprobleem();
}

std::int16_t Tafels::trekgetal() {
    const auto draw = [this] { return static_cast<std::int16_t>(intPart(program().rnd() * 11)); };
    if (m_level == Level::E)
        return draw();
    // Tens and hundreds: one draw goes unused, then redraw until the factor is at least 1.
    draw();
    std::int16_t g = 0;
    do
        g = draw();
    while (g < 1);
    return static_cast<std::int16_t>(g * (m_level == Level::T ? 10 : 100));
}

void Tafels::nieuwprobleem() {
    txtAntwoord.setFocus();
    tmrval.setEnabled(true);
    lblvalprobleem.setVisible(true);
    getal = trekgetal();
    const int vast = modes[static_cast<std::size_t>(soort)].tafel;
    tafel = static_cast<std::int16_t>(vast != 0 ? vast : intPart(program().rnd() * 11));
    uitkomst = static_cast<std::int16_t>(getal * tafel);
    lblvalprobleem.setCaption(numberText(getal) + " x " + numberText(tafel) + " = ?");
    const double r = program().rnd();
    lblvalprobleem.move(static_cast<int>(roundHalfEven((innerWidth - lblvalprobleem.width()) * r)), 0);
    txtAntwoord.setText("");
    probleem = lblvalprobleem.caption();
    ++aantal;
    lblaantal.setCaption(numberText(aantal));
    lblmult2.setCaption(numberText(tafel));
}

void Tafels::tmrval_Timer() {
    lblvalprobleem.move(lblvalprobleem.left(), lblvalprobleem.top() + fallStep);
    if (lblvalprobleem.top() + lblvalprobleem.height() > innerHeight)
        nieuwprobleem();
}

void Tafels::txtAntwoord_Change() {
    if (!txtAntwoord.text().empty() && !isNumeric(txtAntwoord.text())) {
        program().msgbox("Je mag alleen cijfers invoegen", "Let eens op !!");
        txtAntwoord.setText("");
    }
    if (txtAntwoord.text().empty())
        return;
    // Compared digit for digit: a long fraction or an answer too big for 16 bits is just wrong.
    const auto waarde = toDecimal(txtAntwoord.text());
    if (!waarde || *waarde != uitkomst)
        return;
    ++juistreeks;
    Lbltotaal.setCaption(numberText(juistreeks));
    ++aantaljuist;
    lblaantaljuist.setCaption(numberText(aantaljuist));
    nieuwprobleem();
}

void Tafels::Tmrchrono_Timer() {
    if (seconden != 0) {
        --seconden;
        Lblchrono.setCaption(numberText(seconden));
        return;
    }
    for (int i = 0; i <= lastMode; ++i)
        cmdstarter(i).setVisible(true);
    cmdoeifout.setVisible(false);
    Picture1.setVisible(true);
    Picpaddestoel.setVisible(true);
    lblvalprobleem.setVisible(false);
    Tmrchrono.setEnabled(false);
    tmrval.setEnabled(false);
    cmdstop.setVisible(true);
    shpTip(4).setVisible(false);
    lblrood.setVisible(false);
    txtAntwoord.setText("");
    txtAntwoord.setEnabled(false);
    cmdrood.setVisible(false);
    // The problem that was falling when time ran out does not count.
    --aantal;
    lblaantal.setCaption(numberText(aantal));
    beoordeel();
}

void Tafels::beoordeel() {
    struct Verdict {
        bool holds;
        const char* caption;
        Color back, fore;
        Image* pencil;
    };
    constexpr Color green = Color::rgb(0, 255, 0), blue = Color::rgb(0, 0, 255);
    constexpr Color yellow = Color::rgb(255, 255, 0), red = Color::rgb(255, 0, 0);
    const Decimal t = toDecimal(Lbltotaal.caption()).value_or(Decimal{});
    // Every test that holds overwrites the text; its pencil stays, drawn over the earlier ones.
    const Verdict verdicts[] = {
        {t > 40, "Dat is SUPER ", green, black, &Imgpotloodgroen},
        {t == 40, "dat is SUPER", green, black, &Imgpotloodgroen},
        {t < 40, "Dat is turbosnel ", blue, white, &Imgpotloodblauw},
        {t < 35, "Dat is uitstekend ", blue, white, &Imgpotloodblauw},
        {t < 30, " Dat is prima", blue, white, &Imgpotloodblauw},
        {t < 25, " Dat is zeer goed", yellow, black, &Imgpotloodgeel},
        {t < 20, "Dat gaat al aardig", yellow, black, &Imgpotloodgeel},
        {t < 15, " Nog wat oefenen", red, white, &Imgpotloodrood},
        {t < 10, " Dat is te traag", red, white, &Imgpotloodrood},
    };
    for (const Verdict& v : verdicts) {
        if (!v.holds)
            continue;
        lblmemo.setVisible(true);
        lblmemo.setCaption(v.caption);
        lblmemo.setBackColor(v.back);
        lblmemo.setForeColor(v.fore);
        v.pencil->setVisible(true);
    }
}

void Tafels::cmdrood_Click() {
    app.aklas(m_level).show();
    hide();
    Tmrchrono.setEnabled(false);
    tmrval.setEnabled(false);
    cmdgroen.setVisible(true);
    cmdrood.setVisible(false);
    shpTip(4).setVisible(false);
    lblrood.setVisible(false);
}

void Tafels::cmdgroen_Click() {
    cmdgroen.setVisible(false);
    cmdrood.setVisible(true);
    Tmrchrono.setEnabled(true);
    tmrval.setEnabled(true);
    txtAntwoord.setText("");
    txtAntwoord.setFocus();
}

void Tafels::cmdoeifout_Click() {
    txtAntwoord.setText("");
    txtAntwoord.setFocus();
}

void Tafels::cmdstop_Click() {
    aantal = 0;
    lblaantal.setCaption("0");
    aantaljuist = 0;
    lblaantaljuist.setCaption("0");
    app.frmSplash().show();
    app.frameEnabled(true);
    // Unloading is deferred: this handler may go on after discarding its own screen.
    unload();
    app.frmmecenaat1().unload();
}

void Tafels::Form_MouseMove() {
    lbluitleg.setCaption("");
}

void Tafels::cmdstarter_MouseMove(int index) {
    shpTip(1).setVisible(true);
    lblTip(1).setVisible(true);
    soort = static_cast<std::int16_t>(index);
    lbluitleg.setCaption(modes[static_cast<std::size_t>(index)].hint);
}

void Tafels::cmdrood_MouseMove() {
    shpTip(4).setVisible(true);
    lblrood.setVisible(true);
    lbluitleg.setCaption("ik wil uitleg");
}

void Tafels::cmdgroen_MouseMove() {
    lbluitleg.setCaption("Opnieuw van start gaan");
}

void Tafels::cmdoeifout_MouseMove() {
    lbluitleg.setCaption("Foute cijfers wegklikken");
}

void Tafels::cmdstop_MouseMove() {
    lbluitleg.setCaption("Stop de oefening");
}
