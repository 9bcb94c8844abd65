// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/leertafel.h"

// The extended learning screen: the child picks a table from 2 to 10 and builds it row by row.
class Frmmaalleermeer : public Leertafel {
public:
    explicit Frmmaalleermeer(Maaltafels& app);

    mt::ControlArray<mt::Button> cmdstarten;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstarten_Click(int index);

protected:
    void tafelklaar() override;
};
