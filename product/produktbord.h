// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "platform/numbers.h"
#include "platform/screen.h"

class Maaltafels;

// The board the four product screens share: one product shown as a sum, as a stack of bars in
// the table's colour and as coloured cells in a hundred field, with the check and its verdict.
// Each screen adds where the answer comes from and how an exercise is dealt.
class Produktbord : public mt::Screen {
public:
    struct Ontwerp {
        const char* naam;
        const char* titel;
        int quotientLinks; // where lblquotient stands in the equation line
        bool wisnummers;   // clearing the board also empties the hundred field's numbers
    };

    Produktbord(Maaltafels& app, Ontwerp ontwerp);

    mt::Shape Shape1, Shape2, Shape3, Shape4;
    mt::ControlArray<mt::Label> lbl100veld;
    mt::ControlArray<mt::Shape> shp1, shp2, shp3, shp4, shp5, shp6, shp7, shp8, shp9, shp10;
    mt::ControlArray<mt::Label> lblcijfer1, lblplus;
    mt::Label lblquotient, lblmaal, lblmaler, Label1;
    mt::Image imggoed;
    mt::ControlArray<mt::Image> imgfout;
    mt::Label lblfout;
    mt::ControlArray<mt::Image> imgvoet;
    mt::Button cmdfout, cmdcontrole, cmdnieuw, cmdstop;
    mt::ControlArray<mt::Image> imgpijlL;
    mt::Image Image2;

    // The exercise: rows 0..laatsterij of bars of `tafel` units; 0 before the first one.
    std::int16_t laatsterij = 0;
    std::int16_t tafel = 0;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstop_Click();

    mt::Control* wayBack() override { return &cmdstop; }

    // The bars of table 1..10.
    mt::ControlArray<mt::Shape>& staven(int tafel);

    // Geometry the screens place their own controls by, in twips.
    static constexpr int links = 720;            // left edge of the equation, sum line and bars
    static constexpr int vergelijkingTop = 1680; // the equation line
    static constexpr int operandRechts = 4440;   // the right-hand operand of the equation
    static constexpr int knoppenTop = 6600;      // the row of picture buttons at the bottom
    static constexpr int keuzeTop = 600;         // the row of table buttons at the top
    static constexpr int hulpTop = 1140;         // the hint line under it
    static constexpr int veldLinks = 7020;       // the hundred field's left edge
    static constexpr int termBreedte = 552;      // one term and its "+" in the sum line

protected:
    // The designs of controls that several screens add to the board in the same place.
    mt::Design typvak(int left);    // the answer box the child types into; Enter in it checks
    static mt::Design klikvak();    // the answer a click in the hundred field fills in
    static mt::Design klikregel();  // "klik op het juiste product", above the field
    static mt::Design startknop();  // deals an exercise
    static mt::Design foutjeknop(); // erases the typed answer

    // The shared operations, each on this screen's own controls and state.
    void tekenstroken();
    void kleurmaler();
    void kleurtafelvakken();
    void nummerhonderdveld();
    void toonproductgetallen();
    void wisbord();
    // Reseeds, then draws laatsterij 1..9 and, when asked, tafel 1..10, in that order.
    void trekoefening(bool ookTafel);
    // Writes "0" into a field that does not hold a number; returns the value the check compares.
    mt::Decimal leesantwoord(mt::TextBox& veld);
    mt::Decimal leesantwoord(mt::Label& veld);
    // The steps every right and every wrong verdict starts with.
    void goedstappen(bool focusNieuw);
    void foutstappen();
    // Hides any verdict still on the board: the check is on offer while idle too, and a new
    // exercise must not start out with the pictures of a verdict it never had.
    void ruimop();

    Maaltafels& app;

private:
    const bool m_wisnummers;
};

// The ruler above the sum line: "1", "5" and "10" over their terms, a tick per term, a base line.
struct Liniaal {
    explicit Liniaal(mt::Screen& s);
    mt::ControlArray<mt::Label> lbleen;
    mt::ControlArray<mt::Line> linehoeveel;
    mt::Line Line1;
};
