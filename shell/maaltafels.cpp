// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/maaltafels.h"

#include "aklas/aklas.h"
#include "automation/frmmaal4.h"
#include "automation/frmmaalkluk.h"
#include "bignumbers/frmmaalte.h"
#include "drill/tafels.h"
#include "learn/frmmaalleer.h"
#include "learn/frmmaalleermeer.h"
#include "product/frmmaalplus.h"
#include "product/frmmaalplus2.h"
#include "product/frmmaalplus2xp.h"
#include "product/frmmaalplusalles.h"
#include "shell/frmbasis.h"
#include "shell/frminfo.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "shell/mdiform2.h"

// A screen of one class, created by its constructor from the program.
template <class S> void Maaltafels::add(std::string_view name) {
    define(std::string(name),
           [this](mt::Program&) -> std::unique_ptr<mt::Screen> { return std::make_unique<S>(*this); });
}

Maaltafels::Maaltafels(mt::Services services) : Program(services) {
    add<MDIForm2>("MDIForm2");
    add<Frmmecenaat1>("frmmecenaat1");
    add<Frmbasis>("frmbasis");
    add<FrmSplash>("frmSplash");
    add<Frminfo>("frminfo");
    // One drill screen and one A-klas trainer per level, each under its level's name.
    for (Level l : {Level::E, Level::T, Level::H})
        define(std::string(tafelsNaam(l)),
               [this, l](mt::Program&) { return std::make_unique<Tafels>(*this, l); });
    for (Level l : {Level::E, Level::T, Level::H})
        define(std::string(aklasNaam(l)),
               [this, l](mt::Program&) { return std::make_unique<Aklas>(*this, l); });
    // The screens the choice board opens.
    add<Frmmaalleer>("frmmaalleer");
    add<Frmmaalleermeer>("frmmaalleermeer");
    add<FrmmaalTE>("frmmaalTE");
    add<Frmmaalplus>("frmmaalplus");
    add<Frmmaalplus2>("frmmaalplus2");
    add<Frmmaalplus2xp>("frmmaalplus2xp");
    add<Frmmaalplusalles>("frmmaalplusalles");
    add<Frmmaal4>("frmmaal4");
    add<Frmmaalkluk>("frmmaalkluk");
}

MDIForm2& Maaltafels::mdiForm2() {
    return use<MDIForm2>("MDIForm2");
}
Frmmecenaat1& Maaltafels::frmmecenaat1() {
    return use<Frmmecenaat1>("frmmecenaat1");
}
Frmbasis& Maaltafels::frmbasis() {
    return use<Frmbasis>("frmbasis");
}
FrmSplash& Maaltafels::frmSplash() {
    return use<FrmSplash>("frmSplash");
}
Frminfo& Maaltafels::frminfo() {
    return use<Frminfo>("frminfo");
}
Tafels& Maaltafels::tafels(Level l) {
    return use<Tafels>(tafelsNaam(l));
}
Aklas& Maaltafels::aklas(Level l) {
    return use<Aklas>(aklasNaam(l));
}

Frmmaalleer& Maaltafels::frmmaalleer() {
    return use<Frmmaalleer>("frmmaalleer");
}
Frmmaalleermeer& Maaltafels::frmmaalleermeer() {
    return use<Frmmaalleermeer>("frmmaalleermeer");
}
FrmmaalTE& Maaltafels::frmmaalTE() {
    return use<FrmmaalTE>("frmmaalTE");
}

Frmmaalplus& Maaltafels::frmmaalplus() {
    return use<Frmmaalplus>("frmmaalplus");
}
Frmmaalplus2& Maaltafels::frmmaalplus2() {
    return use<Frmmaalplus2>("frmmaalplus2");
}
Frmmaalplus2xp& Maaltafels::frmmaalplus2xp() {
    return use<Frmmaalplus2xp>("frmmaalplus2xp");
}
Frmmaalplusalles& Maaltafels::frmmaalplusalles() {
    return use<Frmmaalplusalles>("frmmaalplusalles");
}

Frmmaal4& Maaltafels::frmmaal4() {
    return use<Frmmaal4>("frmmaal4");
}
Frmmaalkluk& Maaltafels::frmmaalkluk() {
    return use<Frmmaalkluk>("frmmaalkluk");
}

void Maaltafels::frameEnabled(bool on) {
    mdiForm2().setEnabled(on);
}
