// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "platform/program.h"

// The shell: frame window, welcome screen, choice board, level choice, about screen.
class MDIForm2;
class Frmmecenaat1;
class Frmbasis;
class FrmSplash;
class Frminfo;
// The drill and its A-klas trainer, one screen of each per level.
enum class Level;
class Tafels;
class Aklas;
// The screens the choice board opens: learning, big numbers, products, automation.
class Frmmaalleer;
class Frmmaalleermeer;
class FrmmaalTE;
class Frmmaalplus;
class Frmmaalplus2;
class Frmmaalplus2xp;
class Frmmaalplusalles;
class Frmmaal4;
class Frmmaalkluk;

// The composition root: the one class that knows every screen. It registers each screen under its
// name, to be created on first use, and gives the screens typed accessors to reach one another,
// so that a screen includes only the headers of the screens it uses and no screen is a global.
class Maaltafels : public mt::Program {
public:
    explicit Maaltafels(mt::Services services);

    // Loads the frame window, which shows the welcome screen.
    void start() { Program::start("MDIForm2"); }

    // Every screen by its own type; using one loads it first if it is not loaded.
    MDIForm2& mdiForm2();
    Frmmecenaat1& frmmecenaat1();
    Frmbasis& frmbasis();
    FrmSplash& frmSplash();
    Frminfo& frminfo();
    Tafels& tafels(Level l);
    Aklas& aklas(Level l);
    Frmmaalleer& frmmaalleer();
    Frmmaalleermeer& frmmaalleermeer();
    FrmmaalTE& frmmaalTE();
    Frmmaalplus& frmmaalplus();
    Frmmaalplus2& frmmaalplus2();
    Frmmaalplus2xp& frmmaalplus2xp();
    Frmmaalplusalles& frmmaalplusalles();
    Frmmaal4& frmmaal4();
    Frmmaalkluk& frmmaalkluk();

    // Switches the frame window on or off; the free-standing screens stay usable either way.
    void frameEnabled(bool on);

private:
    template <class S> void add(std::string_view name);
};
