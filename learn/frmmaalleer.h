// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/leertafel.h"

// The table learning screen: a random table from 1 to 9, built row by row.
class Frmmaalleer : public Leertafel {
public:
    explicit Frmmaalleer(Maaltafels& app);

    void Form_Load() override;
    void cmdstart_Click();

protected:
    void tafelklaar() override;
};
