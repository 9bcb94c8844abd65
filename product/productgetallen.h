// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product/produktbord.h"

// What the two screens that practise the products of a chosen table share: the "kies" button
// and the nine table buttons, with the rules by which they are hidden, shown, blocked and freed.
class Productgetallen : public Produktbord {
public:
    // wisnummers: clearing the board also empties the hundred field's numbers.
    Productgetallen(Maaltafels& app, const char* naam, bool wisnummers);

    mt::Button cmdkies;
    mt::Button cmdx2, cmdx3, cmdx4, cmdx5, cmdx6, cmdx7, cmdx8, cmdx9, cmdx10;

    void cmdkies_Click();
    void cmdstop_Click();

    // The button of table 2..10.
    mt::Button& maalknop(int tafel);

protected:
    void verbergmaalknoppen();
    void toonmaalknoppen();
    void blokkeerknoppen();
    void vrijgeefknoppen();
    // The common start of every table button: only the chosen one stays in view, blocked, and
    // the exercise of that table is drawn on the board.
    void kiestafel(int k);
    // What the table button of table k does on this screen.
    virtual void cmdx_Click(int k) = 0;
};
