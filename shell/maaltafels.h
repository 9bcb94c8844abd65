#pragma once

#include <string_view>

#include "platform/program.h"

class MDIForm2;
class Frmmecenaat1;
class Frmbasis;
class FrmSplash;
class Frminfo;
// drill and A-klas screens: forward declarations here
enum class Level;
class Tafels;
class Aklas;

// learning and big-number screens: forward declarations here
class Frmmaalleer;
class Frmmaalleermeer;
class FrmmaalTE;
// product screens
class Frmmaalplus;
class Frmmaalplus2;
class Frmmaalplus2xp;
class Frmmaalplusalles;
// automation screens
class Frmmaal4;
class Frmmaalkluk;

// The program with all its screens: the typed way in which screens reach one another.
class Maaltafels : public mt::Program {
public:
    explicit Maaltafels(mt::Services services);

    // Loads the frame window, which shows the welcome screen.
    void start() { Program::start("MDIForm2"); }

    MDIForm2& mdiForm2();
    Frmmecenaat1& frmmecenaat1();
    Frmbasis& frmbasis();
    FrmSplash& frmSplash();
    Frminfo& frminfo();
    // drill and A-klas screens: accessors here
    Tafels& tafels(Level l);
    Aklas& aklas(Level l);

    // learning and big-number screens: accessors here
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
