// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mdiform2.h"

#include "shell/frmbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/maaltafels.h"

using namespace mt;

MDIForm2::MDIForm2(Maaltafels& a)
    : Screen(a, "MDIForm2",
             {.caption = " Alle kinderen moeten alle kansen krijgen.",
              .back = Color::rgb(234, 226, 138),
              .width = 11880,
              .height = 8010,
              .accessibleName = "Maaltafels"}),
      aftrek(*this, "aftrek", {.caption = "OPENEN "}),
      aftrek2(*this, "aftrek2", {.in = &aftrek, .caption = "&Basis", .shortcut = "Ctrl+S"}), app(a) {
    aftrek2.Click = [this] { aftrek2_Click(); };
}

void MDIForm2::Form_Load() {
    centre();
    app.frmmecenaat1().show();
}

void MDIForm2::aftrek2_Click() {
    // Hiding a discarded welcome screen creates it again, invisibly: that is how the system works.
    app.frmmecenaat1().hide();
    app.frmbasis().show();
    app.frameEnabled(false);
}
