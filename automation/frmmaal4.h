// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "platform/screen.h"

class Maaltafels;

// Series of ten single facts: the child picks a table (or "alles"), types the product, and the
// whole screen answers green or red, with the division fact or the table to repeat.
class Frmmaal4 : public mt::Screen {
public:
    explicit Frmmaal4(Maaltafels& app);

    mt::Image Image1;
    mt::Label lblquotient, lbdeel, lbldeler, lblgelijk;
    mt::TextBox txtproduct;
    mt::Line Line1;
    mt::Label lblproduct, lblmemo, lblmemo3;
    mt::Shape Shape1;
    mt::Button cmdtwee, cmddrie, cmdvier, cmdvijf, cmdzes, cmdzeven, cmdacht, cmdnegen, cmdtien, cmdstart;
    mt::Button cmdstop, cmdnieuw, cmdnieuw2;
    mt::Shape Shape3;
    mt::Label lblteller;
    mt::Line Line2;
    mt::Label Lbltotaal;
    mt::Shape Shape2;
    mt::Label lblhulp;
    mt::ControlArray<mt::Image> imgspace;
    mt::Image Image2;

    std::int16_t factor = 0, tafel = 0, product = 0, antwoord = 0, teller = 0, totaal = 0;

    void Form_Load() override;
    void Form_Activate() override;
    // The nine table buttons, each with its table.
    void cmdtafel_Click(int n);
    void cmdstart_Click();
    void cmdnieuw_Click();
    void cmdnieuw2_Click();
    void cmdstop_Click();
    void txtproduct_Click();

    mt::Control* wayBack() override { return &cmdstop; }

private:
    void nieuweoefening();
    void controleer();
    void herhaaltafel(int t);
    void toontafelknoppen();
    void verbergtafelknoppen();
    void eindereeks();
    // The start of every exercise, whichever button chose its table.
    void beginoefening();
    // The factor, then the product of the exercise, once its table is set.
    void trekfactor();
    void toontellers();
    // What a new series and leaving share: no rewards, counters 0, an empty exercise row.
    void wisreeks();
    // "x  2" .. "x 10", then "alles", in the order they are shown and hidden.
    std::array<mt::Button*, 10> tafelknoppen();

    Maaltafels& app;
    // The button that chose the table of the current exercise.
    mt::Button* gekozen = nullptr;
};
